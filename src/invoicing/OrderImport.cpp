#include "invoicing/OrderImport.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QStringDecoder>

#include "data/CodeBase.h"
#include "data/Cp1252.h"
#include "platform/NumberText.h"

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(OrderImport)
};

constexpr int kInfoFields = 32;
constexpr int kOrderFields = 8;

// The text of an import file: UTF-8 when the bytes are valid UTF-8 (what
// shops write today), else Windows-1252 (what older ones wrote).
QString DecodeImportText(const QByteArray& bytes) {
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  const QString text = utf8(bytes);
  if (!utf8.hasError()) return text.startsWith(QChar(0xFEFF)) ? text.mid(1) : text;
  return FromCp1252(bytes);
}

// The lines of a file; a final line end does not start another line.
QStringList ReadLines(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    //: %1 a file, %2 the reason.
    throw OrderFileError(Tr::tr("Unable to read %1: %2").arg(path, file.errorString()));
  }
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) {
    throw OrderFileError(Tr::tr("Unable to read %1: %2").arg(path, file.errorString()));
  }
  QString text = DecodeImportText(bytes);
  text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  QStringList lines = text.split('\n');
  if (lines.size() > 1 && lines.last().isEmpty()) lines.removeLast();
  return lines;
}

QStringList FieldsOf(const QString& path, const QStringList& lines, int lineIndex, int needed) {
  const QStringList fields = SplitCsvLine(lines.value(lineIndex));
  if (fields.size() < needed) {
    //: %1 the order file, %2 its line; %3 fields found, %4 needed, %5 the first one missing.
    throw OrderFileError(Tr::tr("%1, line %2: %3 fields where %4 are needed (field %5 is missing).")
                             .arg(QFileInfo(path).fileName())
                             .arg(lineIndex + 1)
                             .arg(fields.size())
                             .arg(needed)
                             .arg(fields.size()));
  }
  return fields;
}

// A number of an import file: "." as the decimal point (the files come from
// programs), or the user's own separator.
double NumberOf(const QString& path, int lineIndex, const QStringList& fields, int field) {
  const QString text = fields[field].trimmed();
  bool ok = false;
  const double value = QLocale::c().toDouble(text, &ok);
  if (ok) return value;
  try {
    return StrToFloat(text);
  } catch (const ConversionError&) {
    //: %1 the order file, %2 its line, %3 the field, %4 what it holds.
    throw OrderFileError(Tr::tr("%1, line %2, field %3: '%4' is not a number.")
                             .arg(QFileInfo(path).fileName())
                             .arg(lineIndex + 1)
                             .arg(field)
                             .arg(text));
  }
}

QString Key(const QString& text) { return text.trimmed().toUpper(); }

}  // namespace

QStringList SplitCsvLine(const QString& line) {
  QStringList fields;
  QString field;
  bool quoted = false;
  for (const QChar c : line) {
    if (c == '"') {
      quoted = !quoted;
    } else if (c == ',' && !quoted) {
      fields << field;
      field.clear();
    } else {
      field += c;
    }
  }
  fields << field;
  return fields;
}

ImportedOrder ReadOrderFiles(const QString& infoPath, const QString& orderPath) {
  ImportedOrder order;
  const QStringList infoLines = ReadLines(infoPath);
  order.info = FieldsOf(infoPath, infoLines, 0, kInfoFields);
  order.tax = NumberOf(infoPath, 0, order.info, 30);
  order.shipping = NumberOf(infoPath, 0, order.info, 31);
  const QStringList orderLines = ReadLines(orderPath);
  // An empty Order file holds no line at all.
  const bool empty = orderLines.size() == 1 && orderLines[0].isEmpty();
  for (int i = 0; !empty && i < orderLines.size(); ++i) {
    const QStringList f = FieldsOf(orderPath, orderLines, i, kOrderFields);
    OrderLine line;
    line.code = f[1];
    line.description = f[2];
    line.price = NumberOf(orderPath, i, f, 3);
    line.quantity = NumberOf(orderPath, i, f, 4);
    line.option = f[7];
    order.lines << line;
  }
  return order;
}

CustomerRecord CustomerFromInfo(const QStringList& info, bool* countryLeftOut) {
  CustomerRecord c;
  c.title = info[4];
  c.first = info[5];
  c.last = info[6];
  QStringList lines;
  for (int f = 7; f <= 9; ++f)
    if (!info[f].trimmed().isEmpty()) lines << info[f];
  lines << info[10] + ", " + info[11];
  // An empty country is taken as none given.
  const QString country = info[13].trimmed();
  *countryLeftOut = false;
  if (!country.isEmpty() && country != QLatin1String("US")) {
    if (lines.size() < 4) {
      lines << info[13];
    } else {
      *countryLeftOut = true;
    }
  }
  lines.resize(4);
  c.addr1 = lines[0];
  c.addr2 = lines[1];
  c.addr3 = lines[2];
  c.addr4 = lines[3];
  c.zip = info[12];
  c.email = info[14];
  c.phone = info[15] + ' ' + info[16];
  c.note = info[17] + ' ' + info[18];
  c.fax = info[19];
  return c;
}

QString CardTextFromInfo(const QStringList& info) {
  if (info[21] == QLatin1String("CREDIT")) return info[23] + " x" + info[24] + '/' + info[25];
  return info[21];
}

QString InvoiceNoteFromInfo(const QStringList& info, const QString& fileName) {
  const QString crlf = QStringLiteral("\r\n");
  QString note = info[20] + crlf + fileName;
  // Written into the invoice's note in the user's language, as if typed.
  //: Part of the note of an imported order's invoice: where the order came from.
  if (!info[26].isEmpty()) note += crlf + Tr::tr("Source: %1").arg(info[26]);
  if (!info[27].isEmpty()) note += crlf + info[27];
  note += crlf + crlf + Tr::tr("THANKS FOR YOUR ORDER.") + crlf + crlf +
          Tr::tr("ALL DAMAGES AND SHORTAGES MUST BE REPORTED WITHIN 5 DAYS OF RECEIPT.");
  return note;
}

ItemRow ItemRowFromOrder(const OrderLine& line, bool taxed) {
  ItemRow row;
  row.PrID = line.code;
  row.Qty = FormatFloat("%9.2f", line.quantity);
  row.UPR = FormatFloat("%9.2f", line.price);
  row.Tax1 = QStringLiteral("f");
  row.Tax2 = taxed ? QStringLiteral("t") : QStringLiteral("f");
  row.PDesc = line.description;
  row.IComm = line.option;
  return row;
}

int FindOrderedProduct(QString* code, const QString& option) {
  DATA4* d = Prod5.d;
  d4tagSelect(d, d4tag(d, "Prod"));
  *code = Key(*code);
  for (int attempt = 0; attempt < 2; ++attempt) {
    if (code->isEmpty() || d4seek(d, ToCp1252(*code).constData()) == r4eof) return 0;
    const QString stored = Key(FieldText(Prod5.PrID));
    if (stored == *code) return static_cast<int>(d4recNo(d));
    // The seek stopped on a longer code (or on none beginning with this).
    if (!stored.startsWith(*code) || option.trimmed().isEmpty()) return 0;
    if (attempt == 0) *code += option.trimmed().left(1).toUpper();
  }
  return 0;
}

int FindImportedCustomer(const CustomerRecord& imported, bool* more) {
  DATA4* d = Cust5.d;
  d4tagSelect(d, d4tag(d, "cName"));
  *more = false;
  const QString last = Key(imported.last);
  const QString first = Key(imported.first);
  const QString zip = Key(imported.zip);
  int found = 0;
  if (last.isEmpty()) return 0;
  for (int at = d4seek(d, ToCp1252(last).constData()); at == r4success || at == r4after;
       at = d4skip(d, 1)) {
    if (Key(FieldText(Cust5.last)) != last) break;
    if (Key(FieldText(Cust5.first)) != first || Key(FieldText(Cust5.zip)) != zip) continue;
    if (found) {
      *more = true;
      break;
    }
    found = static_cast<int>(d4recNo(d));
  }
  return found;
}
