#include <QCoreApplication>
#include <QDir>
#include <QList>
#include <QSaveFile>
#include <QXmlStreamWriter>

#include <map>

#include "DemoBusiness.h"
#include "data/CustomerLanguage.h"
#include "data/EInvoiceTables.h"
#include "data/InvoiceStates.h"
#include "data/Settings.h"
#include "data/dbFiles.h"
#include "einvoice/CreditorReference.h"
#include "platform/Clock.h"
#include "platform/Dates.h"
#include "platform/NumberText.h"

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(DemoBusiness)
};

// What differs between the German and the French business: the words and
// places; the figures are the same.
struct Country {
  const char* code;
  const char* company;
  const char* street;
  const char* postcode;
  const char* city;
  const char* vatId;
  const char* iban;
  const char* bic;
  const char* shipLine;
  const char* taxLine;
  const char* terms;
  double vatRate;
  const char* closing;
  const char* statementFile;  // the bank statement beside the tables
  const char* invoiceWord;    // as a payer writes it before the number
  const char* products[6][2];  // code, description
  struct Buyer {
    const char* company;
    const char* last;
    const char* street;
    const char* postcode;
    const char* city;
    const char* buyerRef;
    const char* siren;
  } buyers[5];
};

const Country kGermany = {
    "DE", "Kerzenwerk Ahornhof GmbH", "Mühlenweg 14", "79098", "Freiburg im Breisgau", "DE123456788",
    "DE02120300000000202051", "BYLADEM1001", "Versand", "MwSt.", "Zahlbar innerhalb von 14 Tagen ohne Abzug",
    19.0, "Mit freundlichen Grüßen", "Kontoauszug-camt053.xml", "Rechnung",
    {{"KERZE-12", "Stabkerzen Bienenwachs, 2 Stück"}, {"STUMPEN", "Stumpenkerze 7x15 cm"},
     {"TEELICHT", "Teelichter, Beutel mit 50"}, {"SEIFE-HAF", "Haferseife 125 g"},
     {"DOCHT-30", "Baumwolldocht, 30 m"}, {"WACHS-2KG", "Bienenwachsblock 2 kg"}},
    {{"Bioladen Sonnenblume GmbH", "Weber", "Hauptstraße 5", "10115", "Berlin", "04011000-12345-67", ""},
     {"Hofcafé Lindenhof", "Schulz", "Lindenallee 2", "50667", "Köln", "", ""},
     {"", "Becker", "Gartenweg 9", "80331", "München", "", ""},
     {"Boutique Lumière SARL", "Martin", "12 rue de la Paix", "75002", "Paris", "", "552100554"},
     {"Kerzen Huber KG", "Huber", "Salzgasse 3", "5020", "Salzburg", "", ""}}};

const Country kFrance = {
    "FR", "Ciergerie de l'Érable SAS", "14 chemin du Moulin", "69002", "Lyon", "FR40303265045",
    "FR7630006000011234567890189", "AGRIFRPP882", "Frais de port", "TVA",
    "Paiement à 30 jours, sans escompte", 20.0, "Bien cordialement", "releve-camt053.xml", "Facture",
    {{"BOUGIE-12", "Bougies à la cire d'abeille, lot de 2"}, {"PILIER", "Bougie pilier 7x15 cm"},
     {"CHAUFFE", "Bougies chauffe-plat, sachet de 50"}, {"SAVON-AV", "Savon à l'avoine 125 g"},
     {"MECHE-30", "Mèche en coton, 30 m"}, {"CIRE-2KG", "Bloc de cire d'abeille 2 kg"}},
    {{"Épicerie des Halles SARL", "Bernard", "3 place des Halles", "33000", "Bordeaux", "", "732829320"},
     {"Café du Parc", "Dubois", "8 allée du Parc", "44000", "Nantes", "", ""},
     {"", "Lefèvre", "21 rue des Lilas", "67000", "Strasbourg", "", ""},
     {"Kerzenhaus Vogel GmbH", "Vogel", "Bahnhofstraße 7", "70173", "Stuttgart", "", ""},
     {"Chandelles Dupont SPRL", "Dupont", "Rue Haute 40", "1000", "Bruxelles", "", ""}}};

const double kPrices[6] = {7.90, 12.50, 8.90, 4.50, 9.80, 39.00};

class EuropeanDemo {
 public:
  EuropeanDemo(const Country& c, QDate today) : c_(c), today_(today) {}

  bool Write(const QString& dir, QString* error) {
    WriteSettingsRecord();
    if (!WriteSeller() || !WriteCustomers()) {
      *error = Tr::tr("the e-invoice details could not be written");
      return false;
    }
    WriteProducts();
    WriteInvoices();
    return WriteStatement(QDir(dir).filePath(QString::fromUtf8(c_.statementFile)), error);
  }

 private:
  TDate DaysAgo(int n) const { return DateFromQDate(today_.addDays(-n)); }
  bool french() const { return QByteArray(c_.code) == "FR"; }
  QString signer() const { return french() ? QStringLiteral("Claire Dumas") : QStringLiteral("Greta Ahorn"); }

  void WriteSettingsRecord() {
    SettingsRecord& s = Settings();
    s.Company = c_.company;
    s.Addr1 = c_.street;
    s.Addr2 = QStringLiteral("%1 %2").arg(c_.postcode, c_.city);
    s.Addr3 = (french() ? QStringLiteral("N° TVA : %1") : QStringLiteral("USt-IdNr.: %1")).arg(c_.vatId);
    s.CloLine = c_.closing;
    s.SigLine = signer();
    s.LHJustify = 2;
    s.TopMargin = 0.25;
    s.ShipLine = c_.shipLine;
    s.TaxLine = c_.taxLine;
    s.TaxRate1 = 0;
    s.TaxRate2 = c_.vatRate;
    s.ShipTax = 2;  // shipping is taxed with what it carries
    s.TaxRound = 1;
    WriteSettings();
  }

  bool WriteSeller() {
    SellerDetails s = ReadSellerDetails();
    s.legalName = c_.company;
    s.street = c_.street;
    s.postcode = c_.postcode;
    s.city = c_.city;
    s.country = c_.code;
    s.vatId = c_.vatId;
    s.electronicAddress = french() ? "factures@erable.example" : "rechnung@ahornhof.example";
    s.electronicScheme = "EM";
    s.contact = signer();
    s.phone = french() ? "+33 4 72 00 00 00" : "+49 761 000000";
    s.email = s.electronicAddress;
    s.iban = c_.iban;
    s.bic = c_.bic;
    s.currency = "EUR";
    s.paymentTerms = c_.terms;
    s.dueDays = french() ? 30 : 14;
    s.finalInvoices = true;
    if (french()) s.lateInterest = "Pénalités de retard : trois fois le taux d'intérêt légal";
    return WriteSellerDetails(s);
  }

  // Five customers: domestic businesses (one with a routing id), a
  // private person, a business abroad in the other language, and one in
  // another EU country invoiced under reverse charge.
  bool WriteCustomers() {
    OpenCUST5();
    long no = 0;
    for (const Country::Buyer& b : c_.buyers) {
      CustomerRecord r;
      r.cuno = ++no;
      r.ngroup = QByteArray(b.company).isEmpty() ? 1 : 2;
      r.last = b.last;
      r.addr1 = b.company;
      r.addr2 = b.street;
      r.addr3 = b.city;
      r.zip = b.postcode;
      r.email = QString::fromLatin1("info%1@example.com").arg(no);
      d4appendBlank(Cust5.d);
      CustBuf = r;
      WriteCustomer();
    }
    CloseAll();
    const char* abroad = french() ? "DE" : "FR";
    const char* const countries[5] = {c_.code, c_.code, c_.code, abroad, french() ? "BE" : "AT"};
    const char* const vatIds[5] = {"", "", "", french() ? "DE123456788" : "FR40303265045",
                                   french() ? "BE0203201340" : "ATU13585627"};
    for (int i = 0; i < 5; ++i) {
      const Country::Buyer& b = c_.buyers[i];
      BuyerDetails d;
      d.customer = i + 1;
      d.country = countries[i];
      d.city = b.city;
      d.street = b.street;
      // The buyer's order or routing reference; every customer names one,
      // as XRechnung asks.
      d.buyerReference = *b.buyerRef ? QString::fromUtf8(b.buyerRef) : QStringLiteral("PO-%1").arg(4710 + i);
      d.siren = b.siren;
      d.vatId = vatIds[i];
      d.electronicAddress = QString::fromLatin1("info%1@example.com").arg(i + 1);
      d.electronicScheme = "EM";
      if (i == 4) d.vatTreatment = "AE";
      if (!WriteBuyerDetails(d)) return false;
    }
    QString error;
    return SetCustomerLanguage(4, french() ? "de" : "fr", &error);
  }

  void WriteProducts() {
    OpenProd5();
    for (int i = 0; i < 6; ++i) {
      ProductRecord r;
      r.PrID = c_.products[i][0];
      r.PDesc = c_.products[i][1];
      r.UPrice = kPrices[i];
      r.LTax2 = true;
      d4appendBlank(Prod5.d);
      ProdBuf = r;
      WriteProduct();
    }
    CloseAll();
  }

  // Twelve invoices of the last two months, the older ones issued and some
  // paid; the newest a credit note for part of an issued one.
  void WriteInvoices() {
    OpenINV5();
    OpenITM5();
    OpenPMT();
    QList<InvoiceStateRecord> states;
    for (int k = 0; k < 12; ++k) {
      const long cuno = 1 + k % 5;
      const bool reverseCharge = cuno == 5;
      InvoiceRecord inv;
      inv.IvNo = 1001 + k;
      inv.CuNo = cuno;
      inv.IDate = DaysAgo(60 - 5 * k);
      double subtotal = 0;
      for (int l = 0; l < 1 + k % 3; ++l) {
        const int p = (k + 2 * l) % 6;
        ItemRecord item;
        item.IvNo = inv.IvNo;
        item.PrID = c_.products[p][0];
        item.PDesc = c_.products[p][1];
        item.Qty = cuno == 3 ? 1 + l : 6 * (1 + l);
        item.UPR = kPrices[p];
        item.LTax2 = !reverseCharge;
        subtotal += RoundMoney(item.Qty * item.UPR);
        AppendItem(item);
      }
      inv.Ship = 4.90;
      inv.Tax = reverseCharge ? 0 : RoundMoney(c_.vatRate / 100 * (subtotal + inv.Ship));
      const double total = subtotal + inv.Ship + inv.Tax;
      double paid = 0;
      if (k < 6) {
        d4appendBlank(Pmt.d);
        PmtBuf = {inv.IvNo, DaysAgo(50 - 5 * k), RoundMoney(total)};
        WritePayment();
        paid = RoundMoney(total);
      }
      inv.Due = StrToFloat(FormatFloat("%.2f", total)) - paid;
      dues_[inv.IvNo] = inv.Due;
      AppendInvoice(inv);
      if (k < 9) states.append({inv.IvNo, QLatin1Char('I'), inv.IDate, 0, QString(), 0});
    }
    // A credit note: two of the first invoice's items taken back.
    InvoiceRecord credit;
    credit.IvNo = 1013;
    credit.CuNo = 1;
    credit.IDate = DaysAgo(2);
    ItemRecord back;
    back.IvNo = credit.IvNo;
    back.PrID = c_.products[0][0];
    back.PDesc = c_.products[0][1];
    back.Qty = -2;
    back.UPR = kPrices[0];
    back.LTax2 = true;
    AppendItem(back);
    const double net = RoundMoney(back.Qty * back.UPR);
    credit.Tax = RoundMoney(c_.vatRate / 100 * net);
    credit.Due = net + credit.Tax;
    AppendInvoice(credit);
    states.append({credit.IvNo, QLatin1Char('C'), credit.IDate, 1001, QString(), 0});
    for (InvoiceStateRecord& s : states) s.hash = StoredInvoiceHash(s.ivNo);
    for (const InvoiceStateRecord& s : states) WriteInvoiceState(s);
    CloseAll();
  }

  // A camt.053 statement of the seller's account from yesterday, to try the
  // bank statement on: the three open issued invoices paid, one by its
  // creditor reference, one by its number in the text, one by the amount
  // and the payer's name; a payment that matches nothing; a debit.
  bool WriteStatement(const QString& path, QString* error) const {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
      *error = file.errorString();
      return false;
    }
    const QString day = today_.addDays(-1).toString(Qt::ISODate);
    QXmlStreamWriter x(&file);
    x.setAutoFormatting(true);
    x.writeStartDocument();
    x.writeDefaultNamespace(QStringLiteral("urn:iso:std:iso:20022:tech:xsd:camt.053.001.08"));
    x.writeStartElement("Document");
    x.writeStartElement("BkToCstmrStmt");
    x.writeStartElement("GrpHdr");
    x.writeTextElement("MsgId", "DEMO-" + day);
    x.writeTextElement("CreDtTm", day + "T06:00:00");
    x.writeEndElement();
    x.writeStartElement("Stmt");
    x.writeTextElement("Id", "DEMO-" + day);
    x.writeStartElement("Acct");
    x.writeStartElement("Id");
    x.writeTextElement("IBAN", c_.iban);
    x.writeEndElement();
    x.writeTextElement("Ccy", "EUR");
    x.writeEndElement();
    struct Entry {
      long invoice;  // whose due is paid, or 0 with the amount below
      const char* amount;
      bool credit;
      QString payer, text;
      bool reference;
    };
    auto payer = [this](int customer) {
      const Country::Buyer& b = c_.buyers[customer - 1];
      return QString::fromUtf8(*b.company ? b.company : b.last);
    };
    const QList<Entry> entries = {
        {1007, "", true, payer(2), QString(), true},
        {1008, "", true, payer(3), QStringLiteral("%1 1008").arg(QString::fromUtf8(c_.invoiceWord)), false},
        {1009, "", true, payer(4).section(' ', 0, 1).toUpper(), french() ? "Kerzen" : "Bougies", false},
        {0, "50.00", true, french() ? "Jeanne Petit" : "Max Mustermann",
         french() ? "Marché de Noël" : "Standgebühr Weihnachtsmarkt", false},
        {0, "650.00", false, french() ? "SCI du Moulin" : "Mühlenweg Verwaltung",
         french() ? "Loyer atelier" : "Miete Werkstatt", false}};
    int n = 0;
    for (const Entry& e : entries) {
      const QString amount = e.invoice ? FormatFloat("%.2f", dues_.at(e.invoice)) : QString::fromLatin1(e.amount);
      x.writeStartElement("Ntry");
      x.writeStartElement("Amt");
      x.writeAttribute("Ccy", "EUR");
      x.writeCharacters(amount);
      x.writeEndElement();
      x.writeTextElement("CdtDbtInd", e.credit ? "CRDT" : "DBIT");
      x.writeStartElement("Sts");
      x.writeTextElement("Cd", "BOOK");
      x.writeEndElement();
      for (const char* date : {"BookgDt", "ValDt"}) {
        x.writeStartElement(date);
        x.writeTextElement("Dt", day);
        x.writeEndElement();
      }
      x.writeTextElement("AcctSvcrRef", QStringLiteral("DEMO%1-%2").arg(QString(day).remove(QLatin1Char('-'))).arg(++n));
      x.writeStartElement("NtryDtls");
      x.writeStartElement("TxDtls");
      x.writeStartElement("RltdPties");
      x.writeStartElement(e.credit ? "Dbtr" : "Cdtr");
      x.writeStartElement("Pty");
      x.writeTextElement("Nm", e.payer);
      x.writeEndElement();
      x.writeEndElement();
      x.writeEndElement();
      x.writeStartElement("RmtInf");
      if (!e.text.isEmpty()) x.writeTextElement("Ustrd", e.text);
      if (e.reference) {
        x.writeStartElement("Strd");
        x.writeStartElement("CdtrRefInf");
        x.writeTextElement("Ref", CreditorReference(e.invoice));
        x.writeEndElement();
        x.writeEndElement();
      }
      x.writeEndElement();
      x.writeEndElement();
      x.writeEndElement();
      x.writeEndElement();
    }
    x.writeEndDocument();
    if (x.hasError() || !file.commit()) {
      *error = Tr::tr("%1 could not be written: %2").arg(path, file.errorString());
      return false;
    }
    return true;
  }

  void AppendItem(const ItemRecord& item) {
    d4appendBlank(Itm5.d);
    ItemBuf = item;
    WriteItem();
  }
  void AppendInvoice(const InvoiceRecord& inv) {
    d4appendBlank(Inv5.d);
    CurrentInvoice = inv;
    WriteInvoice();
  }

  const Country& c_;
  QDate today_;
  std::map<long, double> dues_;  // of each invoice written
};

}  // namespace

bool WriteEuropeanDemo(const QString& dir, const QString& country, QString* error) {
  const Country& c = country == QLatin1String("fr") ? kFrance : kGermany;
  return FillSuppliedTables(dir, error, [&c, &dir](QString* why) { return EuropeanDemo(c, Clock::today()).Write(dir, why); });
}
