#include "DemoBusiness.h"

#include <QCoreApplication>
#include <QList>
#include <algorithm>
#include <random>

#include "data/CodeBase.h"
#include "platform/Dates.h"
#include "platform/NumberText.h"
#include "data/Settings.h"
#include "data/dbFiles.h"
#include "platform/Clock.h"

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(DemoBusiness)
};

struct Product {
  const char* code;
  const char* desc;
  const char* comm;
  double price;
  bool taxed;
  bool stocked;
  double reorder;
  double unitCost;  // of a purchase
};

const Product kProducts[] = {
    {"TPR-12", "Taper Candles, pair 12in", "Beeswax, hand dipped", 8.50, true, true, 24, 3.10},
    {"TPR-10", "Taper Candles, pair 10in", "Beeswax, hand dipped", 7.25, true, true, 24, 2.60},
    {"PIL-3X6", "Pillar Candle 3x6", "Unscented ivory", 14.00, true, true, 12, 5.20},
    {"PIL-3X9", "Pillar Candle 3x9", "Unscented ivory", 18.50, true, true, 12, 6.90},
    {"VOT-BOX", "Votives, box of 12", "Assorted scents", 16.00, true, true, 10, 6.00},
    {"TEA-50", "Tea Lights, bag of 50", "", 9.75, true, true, 20, 3.40},
    {"JAR-LAV", "Jar Candle Lavender", "8 oz amber glass", 21.00, true, true, 8, 8.25},
    {"JAR-PINE", "Jar Candle Pine Forest", "8 oz amber glass", 21.00, true, true, 8, 8.25},
    {"SOAP-OAT", "Oatmeal Honey Soap", "4.5 oz bar", 6.50, true, true, 30, 1.90},
    {"SOAP-LAV", "Lavender Goat Milk Soap", "4.5 oz bar", 6.50, true, true, 30, 1.90},
    {"SOAP-TAR", "Pine Tar Soap", "4.5 oz bar", 7.00, true, true, 20, 2.10},
    {"SOAP-GIFT", "Soap Gift Box of 3", "Assorted bars, ribboned", 19.00, true, false, 0, 0},
    {"WICK-100", "Cotton Wicks, 100 ft", "For candle makers", 12.00, true, true, 5, 4.50},
    {"WAX-5LB", "Beeswax Block, 5 lb", "Filtered, yellow", 42.00, true, true, 6, 24.00},
    {"MOLD-PIL", "Pillar Mold 3x6", "Aluminium", 15.50, true, false, 0, 0},
    {"HOLDER-BR", "Brass Taper Holder", "", 24.00, true, false, 0, 0},
    {"CLASS-DIP", "Candle Dipping Class", "Two hours, all materials", 45.00, false, false, 0, 0},
    {"CLASS-SOAP", "Soap Making Class", "Three hours, take home 6", 55.00, false, false, 0, 0},
    {"ENGRAVE", "Personal Engraving", "Per candle", 5.00, false, false, 0, 0},
    {"GIFTWRAP", "Gift Wrapping", "", 3.50, false, false, 0, 0},
};

const char* const kGroups[] = {"Retail", "Wholesale", "Mail Order", "Class Students"};

const char* const kFirst[] = {"Anna",  "Ben",    "Clara", "David",  "Elena", "Frank",  "Grace",
                              "Henry", "Iris",   "Jacob", "Karen",  "Liam",  "Maria",  "Noah",
                              "Olive", "Peter",  "Quinn", "Rosa",   "Samuel", "Tessa"};
const char* const kLast[] = {"Abbott", "Baker",  "Carver",  "Dalton", "Ellison", "Foster",
                             "Garrett", "Hughes", "Ingram", "Jensen", "Keller",  "Lindqvist",
                             "Morales", "Novak",  "Olsen",  "Pryor",  "Quimby",  "Rourke"};
const char* const kTitles[] = {"Mr", "Ms", "Mrs", "Dr", ""};
const char* const kStreets[] = {"Mill Road", "Orchard Lane", "High Street", "Church Street",
                                "Birch Avenue", "River Road", "Chestnut Court", "Meadow Way"};
struct Town {
  const char* line;
  const char* zip;
};
const Town kTowns[] = {{"Burlington, VT", "05401"}, {"Montpelier, VT", "05602"},
                       {"Keene, NH", "03431"},      {"Portland, ME", "04101"},
                       {"Albany, NY", "12207"},     {"Northampton, MA", "01060"}};
const char* const kCompanies[] = {"Green Mountain Gifts", "The Village Store", "Harbor Lights Inn",
                                  "Old Mill Antiques", "St. Anne's Parish", "Hilltop B&B"};

class Demo {
 public:
  explicit Demo(QDate today) : today_(today), rng_(1822) {}

  void Write() {
    WriteSettingsRecord();
    WriteLabels();
    WriteGroups();
    WriteCustomers();
    WriteProducts();
    WritePurchases();
    WriteInvoices();
  }

 private:
  int Pick(int n) { return int(rng_() % unsigned(n)); }
  TDate DaysAgo(int n) { return DateFromQDate(today_.addDays(-n)); }

  void WriteSettingsRecord() {
    SettingsRecord& s = Settings();
    s.Company = "Maple Hollow Candle Works";
    s.Addr1 = "214 Mill Road";
    s.Addr2 = "Burlington, VT 05401";
    s.Addr3 = "(802) 555-0142";
    s.Addr4 = "www.maplehollow.example";
    s.CloLine = "With our thanks";
    s.SigLine = "Margaret Hollis";
    s.LHJustify = 2;
    s.TopMargin = 0.25;
    s.ShipLine = "Shipping";
    s.TaxLine = "Sales Tax";
    s.TaxRate1 = 0;
    s.TaxRate2 = 6.25;
    s.ShipTax = 1;
    s.TaxRound = 1;
    s.LabID = "Address 1 x 2-5/8, 30 per sheet";
    WriteSettings();
  }

  void WriteLabels() {
    OpenLABELS();
    LabelBuf = {"Address 1 x 2-5/8, 30 per sheet", 36, 13.5, 36, 13.5, 189, 72, 9, 0, 3, false};
    d4appendBlank(Labels.d);
    WriteLabel();
    LabelBuf = {"Continuous 3-1/2 x 15/16", 0, 9, 0, 0, 252, 67.5, 0, 4.5, 1, true};
    d4appendBlank(Labels.d);
    WriteLabel();
    CloseAll();
  }

  void WriteGroups() {
    OpenGROUPS();
    int n = 0;
    for (const char* g : kGroups) {
      d4appendBlank(Groups.d);
      GroupBuf = {++n, g};
      WriteGroup();
    }
    CloseAll();
  }

  void WriteCustomers() {
    OpenCUST5();
    for (long no = 1; no <= 40; ++no) {
      CustomerRecord c;
      c.cuno = no;
      c.ngroup = 1 + Pick(4);
      c.title = kTitles[Pick(5)];
      c.first = kFirst[Pick(20)];
      c.last = kLast[Pick(18)];
      const Town& town = kTowns[Pick(6)];
      const QString street = QString::number(10 + Pick(890)) + ' ' + kStreets[Pick(8)];
      if (c.ngroup == 2) {  // wholesale customers are businesses
        c.addr1 = kCompanies[Pick(6)];
        c.addr2 = street;
        c.addr3 = town.line;
      } else {  // persons have no company: the first address line stays empty
        c.addr2 = street;
        c.addr3 = town.line;
      }
      c.zip = town.zip;
      c.phone = QStringLiteral("(802) 555-%1").arg(1000 + Pick(9000));
      c.email = (c.first.left(1) + c.last + "@example.com").toLower();
      if (no % 7 == 0) c.note = "Prefers unscented";  // untranslated
      if (no % 9 == 0) c.comments = "Met at the autumn craft fair.\r\nAsk about the spring class.";
      customers_.append(c);
      d4appendBlank(Cust5.d);
      CustBuf = c;
      WriteCustomer();
    }
    CloseAll();
  }

  void WriteProducts() {
    OpenProd5();
    for (const Product& p : kProducts) {
      ProductRecord r;
      r.PrID = p.code;
      r.PDesc = p.desc;
      r.IComm = p.comm;
      r.UPrice = p.price;
      r.LTax2 = p.taxed;
      r.lInven = p.stocked;
      r.REORDER = p.reorder;
      if (QByteArray(p.code).startsWith("CLASS")) {
        r.PMemo = "Classes meet Saturday mornings in the workshop.\r\nPlease arrive ten minutes early.";
      }
      d4appendBlank(Prod5.d);
      ProdBuf = r;
      WriteProduct();
    }
    CloseAll();
  }

  void WritePurchases() {
    OpenPur5();
    for (const Product& p : kProducts) {
      if (!p.stocked) continue;
      for (int k = 0; k < 2 + Pick(2); ++k) {
        PurchaseRecord r;
        r.PURProd = p.code;
        r.PURDate = DaysAgo(120 - k * 40 - Pick(10));
        r.PURQty = 12.0 * (2 + Pick(4));
        r.PURCost = RoundMoney(r.PURQty * p.unitCost);
        d4appendBlank(Pur5.d);
        PurBuf = r;
        WritePurchase();
      }
    }
    CloseAll();
  }

  void WriteInvoices() {
    QList<int> ages;
    for (int i = 0; i < 60; ++i) ages.append(Pick(91));
    std::sort(ages.begin(), ages.end(), std::greater<int>());  // oldest first
    OpenINV5();
    OpenITM5();
    OpenPMT();
    long number = 1000;
    for (int age : ages) {
      const CustomerRecord& c = customers_[Pick(int(customers_.size()))];
      InvoiceRecord inv;
      inv.IvNo = number++;
      inv.CuNo = c.cuno;
      inv.IDate = DaysAgo(age);
      inv.Dept = c.ngroup == 2 ? "Wholesale" : (c.ngroup == 3 ? "Mail Order" : "Shop");

      double subtotal = 0, taxable = 0;
      const int lines = 1 + Pick(4);
      for (int l = 0; l < lines; ++l) {
        const Product& p = kProducts[Pick(20)];
        ItemRecord item;
        item.IvNo = inv.IvNo;
        item.PrID = p.code;
        item.Qty = c.ngroup == 2 ? 6.0 * (1 + Pick(4)) : 1.0 + Pick(3);
        item.UPR = c.ngroup == 2 ? RoundMoney(p.price * 0.6) : p.price;
        item.LTax2 = p.taxed && c.ngroup != 2;  // wholesale buys for resale
        item.PDesc = p.desc;
        item.IComm = p.comm;
        const double line = RoundMoney(item.Qty * item.UPR);
        subtotal += line;
        if (item.LTax2) taxable += line;
        d4appendBlank(Itm5.d);
        ItemBuf = item;
        WriteItem();
      }
      inv.Ship = c.ngroup == 1 ? 0 : 8.95;
      inv.Tax = RoundMoney(Settings().TaxRate2 / 100 * taxable);  // "Normal" rounding
      const double total = subtotal + inv.Ship + inv.Tax;

      // Most older invoices are paid, some in two parts; recent ones often open.
      double paid = 0;
      const int kind = Pick(10);
      if (age > 20 ? kind < 8 : kind < 4) {
        const bool split = kind == 0 && total > 40;
        const double first = split ? RoundMoney(total / 2) : total;
        paid += AddPayment(inv.IvNo, DaysAgo(std::max(0, age - Pick(10))), first);
        if (split) paid += AddPayment(inv.IvNo, DaysAgo(std::max(0, age - 15)), total - first);
        inv.IMemo = kind % 2 ? QStringLiteral("Check %1").arg(1100 + Pick(800))
                             : QStringLiteral("4111 x%1/28").arg(1 + Pick(12));
      }
      inv.Due = StrToFloat(FormatFloat("%.2f", total)) - StrToFloat(FormatFloat("%.2f", paid));
      if (inv.IvNo % 11 == 0) inv.REM = "Left at the side door as asked.";
      d4appendBlank(Inv5.d);
      CurrentInvoice = inv;
      WriteInvoice();
    }
    CloseAll();
  }

  double AddPayment(long ivNo, TDate date, double amount) {
    amount = RoundMoney(amount);
    d4appendBlank(Pmt.d);
    PmtBuf = {ivNo, date, amount};
    WritePayment();
    return amount;
  }

  QDate today_;
  std::mt19937 rng_;
  QList<CustomerRecord> customers_;
};

}  // namespace

bool FillSuppliedTables(const QString& dir, QString* error, const std::function<bool(QString*)>& fill) {
  StartEngine(dir);
  if (!DataFilesPresent()) {
    *error = Tr::tr("%1: the supplied tables are missing").arg(dir);
    EndEngine();
    return false;
  }
  RebuildIndexes(true);  // the open routines need the default tags
  ReadSettings();
  bool ok = fill(error);
  const int rc = code4errorCode(cb, 0);
  if (ok && rc < 0) {
    *error = QString::fromStdString(code4errorText(cb));
    ok = false;
  }
  EndEngine();
  return ok;
}

bool WriteDemoBusiness(const QString& dir, QString* error) {
  return FillSuppliedTables(dir, error, [](QString*) {
    Demo(Clock::today()).Write();
    return true;
  });
}
