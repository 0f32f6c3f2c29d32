// The hand-made books exported as a PostgreSQL script and loaded with psql
// into a real server this test starts: one transaction, the declared keys,
// the column types, and the same answers as the SQLite file gives.
#include <QFile>
#include <gtest/gtest.h>

#include "export/TestSupport.h"

namespace {

class PostgresExportTest : public ExportTest {
 protected:
  void SetUp() override {
    ExportTest::SetUp();
    if (!server.unavailable().isEmpty()) GTEST_SKIP() << server.unavailable().toStdString();
    script = out.filePath("books.sql");
    const ExportOutcome outcome = exportTo(ExportFormat::Postgres, script);
    ASSERT_TRUE(outcome.done) << outcome.error.toStdString();
    bool ok = false;
    const QString created = server.psql("postgres", {"-c", "CREATE DATABASE books"}, &ok);
    ASSERT_TRUE(ok) << created.toStdString();
  }
  QString q(const QString& query) const {
    bool ok = false;
    const QString answer = server.psql("books", {"-c", query}, &ok);
    EXPECT_TRUE(ok) << query.toStdString() << "\n" << answer.toStdString();
    return answer;
  }
  // Loads the script; psql's output, *ok whether it succeeded.
  QString load(bool* ok) const { return server.psql("books", {"-f", script}, ok); }

  ThrowawayPostgres server;
  QString script;
};

TEST_F(PostgresExportTest, LoadsIntoAnEmptyDatabaseWithTypesAndKeys) {
  bool ok = false;
  const QString output = load(&ok);
  ASSERT_TRUE(ok) << output.toStdString();
  EXPECT_EQ(q("SELECT table_name, column_name, data_type, numeric_precision, numeric_scale "
              "FROM information_schema.columns WHERE table_schema = 'public' AND "
              "(table_name, column_name) IN (('invoices', 'due'), ('invoices', 'invoice_date'), "
              "('invoices', 'invoice_no'), ('purchases', 'purchase_no'), "
              "('products', 'charge1_applies'), ('customers', 'comments'), "
              "('label_stocks', 'label_width')) ORDER BY table_name, column_name"),
            "customers|comments|text||\n"
            "invoices|due|numeric|12|2\ninvoices|invoice_date|date||\ninvoices|invoice_no|integer|32|0\n"
            "label_stocks|label_width|numeric|9|3\n"
            "products|charge1_applies|boolean||\npurchases|purchase_no|bigint|64|0");
  EXPECT_EQ(q("SELECT tc.table_name, tc.constraint_type, kcu.column_name "
              "FROM information_schema.table_constraints tc JOIN information_schema.key_column_usage kcu "
              "USING (constraint_schema, constraint_name) WHERE tc.table_schema = 'public' "
              "ORDER BY 1, 2, 3"),
            "bank_entries|FOREIGN KEY|invoice_no\n"
            "bank_entries|PRIMARY KEY|entry_reference\n"
            "customer_einvoice|PRIMARY KEY|customer_no\n"
            "customer_groups|PRIMARY KEY|group_no\n"
            "customer_language|PRIMARY KEY|customer_no\n"
            "customers|FOREIGN KEY|group_no\n"
            "invoice_items|FOREIGN KEY|invoice_no\n"
            "invoice_state|FOREIGN KEY|credited_invoice_no\n"
            "invoice_state|FOREIGN KEY|invoice_no\n"
            "invoice_state|PRIMARY KEY|invoice_no\n"
            "invoices|PRIMARY KEY|invoice_no\n"
            "label_stocks|PRIMARY KEY|name\n"
            "payments|FOREIGN KEY|invoice_no\n"
            "products|PRIMARY KEY|product_code\n"
            "purchases|FOREIGN KEY|product_code\n"
            "quote_items|FOREIGN KEY|product_code\n"
            "quote_items|FOREIGN KEY|quote_no\n"
            "quotes|FOREIGN KEY|invoice_no\n"
            "quotes|PRIMARY KEY|quote_no\n"
            "received_invoices|PRIMARY KEY|file_name\n"
            "recurring_invoices|PRIMARY KEY|schedule_no\n"
            "reminders_sent|FOREIGN KEY|invoice_no\n"
            "reminders_sent|PRIMARY KEY|invoice_no")
      << "customers keyed by nothing (two share a number), nothing refers to them";
  EXPECT_EQ(q("SELECT SUM(due) FROM invoices"), QString::number(books::DueCents() / 100.0, 'f', 2))
      << "exact to the cent";
  EXPECT_EQ(q("SELECT note FROM invoices WHERE invoice_no = 2004"),
            QString::fromUtf8("Deliver \"by hand\", please;\r\nB&B Straße 5, €10 tip"));
}

TEST_F(PostgresExportTest, AnswersTheQueriesAsTheSqliteFileDoes) {
  bool ok = false;
  const QString output = load(&ok);
  ASSERT_TRUE(ok) << output.toStdString();
  const QString db = out.filePath("books.db");
  const ExportOutcome outcome = exportTo(ExportFormat::Sqlite, db);
  ASSERT_TRUE(outcome.done) << outcome.error.toStdString();
  for (const QString& query : SameAnswerQueries())
    EXPECT_EQ(Normalized(q(query)).toStdString(), Normalized(sqlite(db, query)).toStdString()) << query.toStdString();
}

TEST_F(PostgresExportTest, ALoadThatFailsLeavesTheDatabaseAsItWas) {
  bool ok = false;
  load(&ok);
  ASSERT_TRUE(ok);
  q("DELETE FROM settings");
  const QString second = load(&ok);
  EXPECT_FALSE(ok) << "the tables exist already";
  EXPECT_TRUE(second.contains("already exists")) << second.toStdString();
  EXPECT_EQ(q("SELECT COUNT(*) FROM settings"), "0") << "the second load rolled back whole";
}

}  // namespace
