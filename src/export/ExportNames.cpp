#include "export/ExportNames.h"

#include <vector>

#include "data/Schema.h"

namespace {

struct FieldName {
  const char* field;
  const char* column;
};

struct TableName {
  const char* openName;
  const char* table;
  std::vector<FieldName> fields;
};

// The first address line of a customer is the company (the "By Company
// Name" order sorts on it), so the further lines are numbered from 1 as in
// the mail merge file. The two computed lines of an invoice (shipping and
// sales tax by default) are charge1 and charge2, since their names are
// settings.
const std::vector<TableName>& Names() {
  static const std::vector<TableName> names = {
      {"KEX1",
       "settings",
       {{"FontName", "report_font"},
        {"FontSize", "report_font_size"},
        {"LabID", "label_stock"},
        {"Company", "company"},
        {"Addr1", "address1"},
        {"Addr2", "address2"},
        {"Addr3", "address3"},
        {"Addr4", "address4"},
        {"CloLine", "closing_line"},
        {"SigLine", "signature_line"},
        {"LogoFile", "logo_file"},
        {"LogoHeight", "logo_height"},
        {"LogoWidth", "logo_width"},
        {"ShipLine", "charge1_name"},
        {"TaxLine", "charge2_name"},
        {"ShipTax", "charge2_on_charge1"},
        {"TaxRound", "charge_rounding"},
        {"LHJustify", "letterhead_alignment"},
        {"TaxRate1", "charge1_rate"},
        {"TaxRate2", "charge2_rate"},
        {"TopMargin", "top_margin"},
        {"ByCust", "by_customer_name"},
        {"fifo", "fifo"}}},
      {"CUST5",
       "customers",
       {{"cuno", "customer_no"},
        {"title", "title"},
        {"first", "first_name"},
        {"last", "last_name"},
        {"addr1", "company"},
        {"addr2", "address1"},
        {"addr3", "address2"},
        {"addr4", "address3"},
        {"zip", "postal_code"},
        {"comments", "comments"},
        {"ngroup", "group_no"},
        {"note", "note"},
        {"phone", "phone"},
        {"fax", "fax"},
        {"email", "email"}}},
      {"GROUPS", "customer_groups", {{"nGroup", "group_no"}, {"cGroup", "name"}}},
      {"INV5",
       "invoices",
       {{"IvNo", "invoice_no"},
        {"CuNo", "customer_no"},
        {"Dept", "department"},
        {"IDate", "invoice_date"},
        {"IMemo", "payment_reference"},
        {"Ship", "charge1"},
        {"Tax", "charge2"},
        {"Due", "due"},
        {"REM", "note"}}},
      {"ITM5",
       "invoice_items",
       {{"IvNo", "invoice_no"},
        {"PrID", "product_code"},
        {"Qty", "quantity"},
        {"UPR", "unit_price"},
        {"LTax1", "charge1_applies"},
        {"LTax2", "charge2_applies"},
        {"PDesc", "description"},
        {"IComm", "description2"},
        {"lBuild", "build"},
        {"BackOrder", "back_order"}}},
      {"LABELS",
       "label_stocks",
       {{"Name", "name"},
        {"TopM", "top_margin"},
        {"LeftM", "left_margin"},
        {"BottomM", "bottom_margin"},
        {"RightM", "right_margin"},
        {"Width", "label_width"},
        {"Height", "label_height"},
        {"HGap", "horizontal_gap"},
        {"VGap", "vertical_gap"},
        {"NAcross", "labels_across"},
        {"Continuous", "continuous"}}},
      {"PMT", "payments", {{"IvNo", "invoice_no"}, {"PDate", "payment_date"}, {"PAmt", "amount"}}},
      {"Prod5",
       "products",
       {{"PrID", "product_code"},
        {"RCode", "licence_code"},
        {"PDesc", "description"},
        {"UPrice", "unit_price"},
        {"LTax1", "charge1_applies"},
        {"LTax2", "charge2_applies"},
        {"lInven", "inventory_item"},
        {"IComm", "description2"},
        {"PMemo", "invoice_text"},
        {"REORDER", "reorder_level"},
        {"ONHAND", "on_hand"},
        {"lBuild", "build"}}},
      {"Pur5",
       "purchases",
       {{"PURProd", "product_code"},
        {"PURDate", "purchase_date"},
        {"PURQty", "quantity"},
        {"PURCost", "total_cost"},
        {"PURNo", "purchase_no"}}},
      {"Impdirs", "import_folders", {{"InfoDir", "info_folder"}, {"OrderDir", "order_folder"}}},
      {"EINVSET",
       "einvoice_seller",
       {{"SELLNAME", "seller_name"},
        {"STREET", "street"},
        {"CITY", "city"},
        {"POSTCODE", "postal_code"},
        {"COUNTRY", "country"},
        {"VATID", "vat_id"},
        {"TAXREG", "tax_registration"},
        {"EADDR", "electronic_address"},
        {"EADDRSCH", "electronic_address_scheme"},
        {"CONTACT", "contact"},
        {"PHONE", "phone"},
        {"EMAIL", "email"},
        {"IBAN", "iban"},
        {"BIC", "bic"},
        {"CURRENCY", "currency"},
        {"NOTAXCAT", "no_tax_category"},
        {"EXEMPTTXT", "exemption_reason"},
        {"TERMS", "payment_terms"},
        {"DUEDAYS", "payment_days"},
        {"FINAL", "issued_invoices_final"},
        {"VAT1", "charge1_is_vat"},
        {"DEBITS", "vat_on_debits"},
        {"LATEINT", "late_interest"},
        {"REMDAYS", "reminder_days"},
        {"REMFEES", "reminder_fees"},
        {"REMINT", "reminder_interest"},
        {"REMTEXT1", "reminder_text_1"},
        {"REMTEXT2", "reminder_text_2"},
        {"REMTEXT3", "reminder_text_3"}}},
      {"CUSTEI",
       "customer_einvoice",
       {{"CUNO", "customer_no"},
        {"COUNTRY", "country"},
        {"CITY", "city"},
        {"STREET", "street"},
        {"VATID", "vat_id"},
        {"BUYERREF", "buyer_reference"},
        {"EADDR", "electronic_address"},
        {"EADDRSCH", "electronic_address_scheme"},
        {"VATTREAT", "vat_treatment"},
        {"SIREN", "siren"}}},
      {"CUSTLANG", "customer_language", {{"CUNO", "customer_no"}, {"LANG", "language"}}},
      {"INVSTATE",
       "invoice_state",
       {{"IVNO", "invoice_no"},
        {"KIND", "kind"},
        {"ISSUED", "issued_date"},
        {"REFNO", "credited_invoice_no"},
        {"HASH", "content_hash"},
        {"SUPPLIED", "supply_date"}}},
      {"BANKREF",
       "bank_entries",
       {{"REF", "entry_reference"},
        {"IVNO", "invoice_no"},
        {"AMOUNT", "amount"},
        {"BOOKED", "booking_date"},
        {"IMPORTED", "import_date"}}},
      {"REMIND", "reminders_sent", {{"IVNO", "invoice_no"}, {"LEVEL", "level"}, {"SENT", "sent_date"}}},
      {"REFRATE", "reference_rates", {{"COUNTRY", "country"}, {"FROM", "valid_from"}, {"RATE", "rate_percent"}}},
      {"RECUR",
       "recurring_invoices",
       {{"SCHED", "schedule_no"},
        {"IVNO", "template_invoice_no"},
        {"EVERY", "interval"},
        {"DAY", "day_of_month"},
        {"FIRST", "first_date"},
        {"UNTIL", "end_date"},
        {"TIMES", "invoice_count"},
        {"MADE", "invoices_made"},
        {"PENDING", "invoice_being_made"},
        {"LASTIVNO", "last_invoice_no"},
        {"ISSUE", "issue_at_once"},
        {"STATE", "state"}}},
      {"QUOTE",
       "quotes",
       {{"QNO", "quote_no"},
        {"CUNO", "customer_no"},
        {"DEPT", "department"},
        {"QDATE", "quote_date"},
        {"VALID", "valid_until"},
        {"SHIP", "charge1"},
        {"TAX", "charge2"},
        {"TOTAL", "total"},
        {"STATE", "state"},
        {"IVNO", "invoice_no"},
        {"REM", "note"}}},
      {"QUOTEIT",
       "quote_items",
       {{"QNO", "quote_no"},
        {"PRID", "product_code"},
        {"QTY", "quantity"},
        {"UPR", "unit_price"},
        {"LTAX1", "charge1_applies"},
        {"LTAX2", "charge2_applies"},
        {"PDESC", "description"},
        {"ICOMM", "description2"}}},
      {"RECEIVED",
       "received_invoices",
       {{"SELLERKEY", "seller_key"},
        {"SELLER", "seller_name"},
        {"SELLERVAT", "seller_vat_id"},
        {"NUMBER", "invoice_number"},
        {"TYPE", "type_code"},
        {"INVDATE", "invoice_date"},
        {"DUEDATE", "due_date"},
        {"CURRENCY", "currency"},
        {"NET", "net_amount"},
        {"VAT", "vat_amount"},
        {"TOTAL", "total_amount"},
        {"DUE", "amount_due"},
        {"BUYERREF", "buyer_reference"},
        {"FILE", "file_name"},
        {"SHA256", "sha256"},
        {"RECEIVED", "received_date"},
        {"VERDICT", "verdict"},
        {"BOOKED", "booked"},
        {"BOOKFROM", "first_purchase_record"}}},
      {"RECVMAP",
       "received_item_products",
       {{"SELLERKEY", "seller_key"}, {"ITEMID", "item_id"}, {"PRID", "product_code"}}},
  };
  return names;
}

const TableName* NamesOf(const TableDef& table) {
  for (const TableName& t : Names())
    if (QString::fromLatin1(t.openName).compare(QLatin1String(table.openName), Qt::CaseInsensitive) == 0)
      return &t;
  return nullptr;
}

const char* ColumnOf(const TableName* names, const QString& field) {
  if (!names) return nullptr;
  for (const FieldName& f : names->fields)
    if (field.compare(QLatin1String(f.field), Qt::CaseInsensitive) == 0) return f.column;
  return nullptr;
}

}  // namespace

QString SqlTableName(const TableDef& table) {
  const TableName* names = NamesOf(table);
  return names ? QString::fromLatin1(names->table) : QString::fromLatin1(table.openName).toLower();
}

QString SqlColumnName(const TableDef& table, const QString& field) {
  const char* column = ColumnOf(NamesOf(table), field);
  return column ? QString::fromLatin1(column) : field.toLower();
}

bool HasReadableNames(const TableDef& table) {
  const TableName* names = NamesOf(table);
  if (!names) return false;
  for (const FieldDef& f : table.fields)
    if (!ColumnOf(names, QString::fromLatin1(f.name))) return false;
  return true;
}
