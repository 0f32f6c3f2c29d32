#include "data/SupplyTables.h"

#include <QDir>
#include <QFile>
#include <functional>
#include <vector>

#include "data/Cp1252.h"
#include "data/CodeBase.h"
#include "data/Schema.h"
#include "data/dbFiles.h"
#include "tbengine/engine.h"

namespace {

struct Engine {
  CODE4* cb = code4initP();
  ~Engine() { code4initUndoP(cb); }
};

QString EngineError(CODE4* cb) {
  QString text = QString::fromStdString(code4errorText(cb));
  code4errorCode(cb, 0);
  return text;
}

bool Create(CODE4* cb, const TableDef& def, QString* error) {
  std::vector<FIELD4INFO> fields;
  for (const FieldDef& f : def.fields) fields.push_back({f.name, f.type, f.width, f.decimals});
  fields.push_back({nullptr, 0, 0, 0});
  if (d4create(cb, def.fileName, fields.data()) < 0) {
    *error = EngineError(cb);
    return false;
  }
  return true;
}

void Assign(DATA4* d, const char* field, const char* text) { f4assign(d4field(d, field), text); }

// First-start settings: the two charge lines named "Shipping" and "Sales
// Tax" at 0 %, no tax on shipping, normal rounding, a left-aligned
// letterhead, customers by name, first in first out; no font of its own, so
// reports start with the main window's font.
void WriteFirstSettings(DATA4* d) {
  Assign(d, "ShipLine", "Shipping");
  Assign(d, "TaxLine", "Sales Tax");
  f4assignInt(d4field(d, "FontSize"), 0);
  f4assignInt(d4field(d, "ShipTax"), 1);
  f4assignInt(d4field(d, "TaxRound"), 1);
  f4assignInt(d4field(d, "LHJustify"), 1);
  for (const char* n : {"LogoHeight", "LogoWidth", "TaxRate1", "TaxRate2", "TopMargin"}) {
    f4assignDouble(d4field(d, n), 0);
  }
  Assign(d, "ByCust", "T");
  Assign(d, "fifo", "T");
}

// The e-invoice settings before the seller fills them in: euro, and items
// without the second tax exempt.
void WriteFirstEInvoiceSettings(DATA4* d) {
  Assign(d, "CURRENCY", "EUR");
  Assign(d, "NOTAXCAT", "E");
  f4assignInt(d4field(d, "DUEDAYS"), 0);
  Assign(d, "FINAL", "F");
}

// A new company's in the language it was made in: the charge lines' names,
// the VAT rate and the country of a German or French business.
struct CompanyDefaults {
  const char* language;
  const char* shipLine;
  const char* taxLine;
  double taxRate;
  const char* country;
};
const CompanyDefaults* DefaultsOf(const QString& language) {
  static const CompanyDefaults defaults[] = {
      {"de", "Versand", "MwSt.", 19, "DE"},
      {"fr", "Frais de port", "TVA", 20, "FR"},
  };
  for (const CompanyDefaults& d : defaults)
    if (language == QLatin1String(d.language)) return &d;
  return nullptr;
}

// Appends the table's one record, filled by fill.
bool AppendOne(CODE4* cb, const TableDef& def, const std::function<void(DATA4*)>& fill, QString* error) {
  code4autoOpen(cb, 0);
  DATA4* d = d4open(cb, def.openName);
  code4autoOpen(cb, 1);
  if (!d || d4appendBlank(d) != 0) {
    *error = EngineError(cb);
    return false;
  }
  fill(d);
  if (d4close(d) < 0) {
    *error = EngineError(cb);
    return false;
  }
  return true;
}

}  // namespace

bool WriteSuppliedTables(const QString& dir, QString* error, bool finalInvoices, const QString& language) {
  const QStringList present = QDir(dir).entryList(QDir::Files | QDir::Hidden);
  for (const TableDef* t : AllTables()) {
    for (const QString& name : present) {
      if (name.compare(QString::fromLatin1(t->fileName), Qt::CaseInsensitive) == 0) {
        *error = QStringLiteral("%1 already holds %2").arg(dir, name);
        return false;
      }
    }
  }
  Engine engine;
  code4setDirectory(engine.cb, QFile::encodeName(dir).toStdString());
  code4safety(engine.cb, 1);  // never over a folder that holds data
  for (const TableDef* t : AllTables()) {
    if (!Create(engine.cb, *t, error)) return false;
  }
  const CompanyDefaults* local = DefaultsOf(language);
  const auto settings = [local](DATA4* d) {
    WriteFirstSettings(d);
    if (!local) return;
    Assign(d, "ShipLine", local->shipLine);
    Assign(d, "TaxLine", local->taxLine);
    f4assignDouble(d4field(d, "TaxRate2"), local->taxRate);
  };
  const auto einvoicing = [local, finalInvoices](DATA4* d) {
    WriteFirstEInvoiceSettings(d);
    // A new company's issued invoices stay as issued.
    if (finalInvoices) Assign(d, "FINAL", "T");
    if (local) Assign(d, "COUNTRY", local->country);
  };
  return AppendOne(engine.cb, KEX1Def(), settings, error) &&
         AppendOne(engine.cb, ImpdirsDef(), [](DATA4*) {}, error) &&
         AppendOne(engine.cb, EINVSETDef(), einvoicing, error);
}

bool MakeMissingTables(QString* error) {
  if (!DataFileExists(EINVSETDef().fileName)) {
    if (!Create(cb, EINVSETDef(), error) ||
        !AppendOne(cb, EINVSETDef(), WriteFirstEInvoiceSettings, error))
      return false;
  }
  for (const TableDef* def : {&CUSTEIDef(), &CUSTLANGDef(), &INVSTATEDef(), &BANKREFDef(), &REMINDDef(), &REFRATEDef(),
                              &RECURDef(), &QUOTEDef(), &QUOTEITDef(), &RECEIVEDDef(), &RECVMAPDef()})
    if (!DataFileExists(def->fileName) && !Create(cb, *def, error)) return false;
  return true;
}
