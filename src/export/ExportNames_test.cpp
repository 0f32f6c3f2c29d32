// The exported names: every table of the schema, including the ones added
// since, and every one of its fields has a readable name, and no two
// tables or two columns of one table share one (a clash would fail the
// CREATE TABLE of every export).
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

#include "data/Schema.h"
#include "export/ExportNames.h"

namespace {

const QRegularExpression kSqlName("^[a-z][a-z0-9_]*$");

TEST(ExportNamesTest, EveryTableAndFieldOfTheSchemaHasADistinctReadableName) {
  QSet<QString> tables;
  for (const TableDef* def : AllTables()) {
    const QString table = SqlTableName(*def);
    EXPECT_TRUE(HasReadableNames(*def)) << def->openName;
    EXPECT_TRUE(kSqlName.match(table).hasMatch()) << table.toStdString();
    EXPECT_FALSE(tables.contains(table)) << table.toStdString();
    tables.insert(table);
    QSet<QString> columns;
    for (const FieldDef& f : def->fields) {
      const QString column = SqlColumnName(*def, QString::fromLatin1(f.name));
      EXPECT_TRUE(kSqlName.match(column).hasMatch()) << def->openName << "." << f.name;
      EXPECT_FALSE(columns.contains(column)) << def->openName << "." << f.name;
      columns.insert(column);
    }
  }
  EXPECT_TRUE(tables.contains("einvoice_seller") && tables.contains("customer_einvoice"));
  EXPECT_FALSE(tables.contains("source_columns")) << "the export's own table";
}

TEST(ExportNamesTest, FieldsAreMatchedWithoutCaseAndUnknownOnesKeepTheirOwnName) {
  EXPECT_EQ(SqlColumnName(INV5Def(), "IDATE"), "invoice_date");
  EXPECT_EQ(SqlColumnName(CUST5Def(), "Addr1"), "company");
  EXPECT_EQ(SqlColumnName(CUST5Def(), "MOBILE"), "mobile") << "a field another program added";
}

}  // namespace
