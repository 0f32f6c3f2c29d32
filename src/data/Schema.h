// The one description of the program's tables: for each table its open
// name, file names, fields (name, kind, width, decimals) in file order, and
// index tags. The supplied empty tables, the test fixtures and the record
// buffers all follow it.
#ifndef DATA_SCHEMA_H
#define DATA_SCHEMA_H

#include <QString>
#include <QStringList>
#include <vector>

struct FieldDef {
  const char* name;
  char type;  // C N D L M
  int width;
  int decimals;
};

struct TagDef {
  const char* name;        // also the index file's stem
  const char* expression;  // key expression
};

struct TableDef {
  const char* openName;     // as passed to d4open
  const char* fileName;     // the .dbf as supplied (memo file: same stem, ".dbt")
  const char* messageName;  // the file named in "Unable to open file ..."
  const char* defaultTag;   // nullptr: record order
  const char* tagFileName;  // the index file named when the default tag is missing
  std::vector<FieldDef> fields;
  std::vector<TagDef> tags;
  // Must be in the folder for the program to start; the others (the import
  // folders and the e-invoice details) the program makes when missing.
  bool required = true;

  bool hasMemo() const;
  const FieldDef* field(const char* name) const;  // without regard to case
  // The files whose absence makes the start-up rebuild its indexes: one
  // ".ntx" per tag and the tag group "<open name>.cgp".
  QStringList indexFiles() const;
};

// Texts are cut to this many characters before they reach a character field
// (the import folder paths to kImportDirLength).
constexpr int kTextLength = 59;
constexpr int kImportDirLength = 126;

const TableDef& KEX1Def();
const TableDef& CUST5Def();
const TableDef& GROUPSDef();
const TableDef& INV5Def();
const TableDef& ITM5Def();
const TableDef& LABELSDef();
const TableDef& PMTDef();
const TableDef& Prod5Def();
const TableDef& Pur5Def();
const TableDef& ImpdirsDef();
// The e-invoice details: the seller's (one record) and each buyer's.
const TableDef& EINVSETDef();
const TableDef& CUSTEIDef();
// The language of each customer's documents.
const TableDef& CUSTLANGDef();
const TableDef& INVSTATEDef();
const TableDef& BANKREFDef();
const TableDef& REMINDDef();
const TableDef& REFRATEDef();
const TableDef& RECURDef();
const TableDef& QUOTEDef();
const TableDef& QUOTEITDef();
// The register of received e-invoices and the remembered item mappings.
const TableDef& RECEIVEDDef();
const TableDef& RECVMAPDef();

// Every table: settings first, the nine tables of the business, Impdirs,
// then the tables added since.
const std::vector<const TableDef*>& AllTables();
// The nine tables that must be present when the program starts.
std::vector<const TableDef*> RequiredTables();

#endif  // DATA_SCHEMA_H
