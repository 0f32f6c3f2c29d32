#include "reports/ReportCommand.h"

#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include "data/CodeBase.h"
#include "data/EInvoiceTables.h"
#include "data/InvoiceStates.h"
#include "printing/RptUtil.h"
#include "reports/ReportCatalog.h"
#include "reports/TestSupport.h"

namespace {

// The candle maker's tables on disk; the command starts its own engine.
class ReportCommand : public IndexedFolderTest {
 protected:
  void SetUp() override {
    IndexedFolderTest::SetUp();
    EnsureTestApplication();
    resetReportForTests();
    WriteCandleBusiness();
    EndEngine();
  }
  int Run(QStringList args) {
    args.insert(1, "--data");
    args.insert(2, dir.path());
    errors.clear();
    output.clear();
    QTextStream out(&output);
    QTextStream err(&errors);
    const int status = RunReportCommand(args, out, err);
    out.flush();
    err.flush();
    return status;
  }
  QString Out(const QString& name) const { return dir.filePath(name); }
  static QByteArray Contents(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  QString errors;
  QString output;
};

TEST_F(ReportCommand, TextOutputIsWhatTheReportWindowExports) {
  EXPECT_EQ(Run({"invoices", "--from", "2026-03-01", "--to", "2026-03-06", "--out", Out("i.txt")}), 0)
      << errors.toStdString();
  EXPECT_EQ(QString::fromUtf8(Contents(Out("i.txt"))), Golden("invoices_of_span.txt"));
  EXPECT_TRUE(errors.isEmpty()) << errors.toStdString();
}

TEST_F(ReportCommand, StatementsAndBillsTakeTheirSpanFromTheArguments) {
  ASSERT_EQ(Run({"statements", "--from", "2026-03-01", "--to", "2026-03-31", "--out",
                 Out("s.txt")}),
            0);
  EXPECT_EQ(QString::fromUtf8(Contents(Out("s.txt"))), Golden("statements_with_balances.txt"));
  ASSERT_EQ(Run({"bills", "--from", "2026-03-01", "--to", "2026-03-31", "--format", "tab",
                 "--out", Out("b.asc")}),
            0);
  const QString tabbed = QString::fromUtf8(Contents(Out("b.asc")));
  EXPECT_TRUE(tabbed.contains("To:\t\tInvoice No:\t1005\r\n")) << tabbed.toStdString();
  EXPECT_EQ(tabbed.count("Bill\r\n"), 2);
}

TEST_F(ReportCommand, PdfOutputIsAPrintedFile) {
  ASSERT_EQ(Run({"statements", "--from", "2026-03-01", "--to", "2026-03-31", "--format", "pdf",
                 "--out", Out("s.pdf")}),
            0)
      << errors.toStdString();
  EXPECT_TRUE(Contents(Out("s.pdf")).startsWith("%PDF"));
  EXPECT_FALSE(QFile::exists(Out("s.pdf.tbprint"))) << "printed beside the target, then renamed over it";
  // Every invoice on a page of its own, as its page break says.
  ASSERT_EQ(Run({"invoices", "--from", "2026-03-01", "--to", "2026-03-31", "--format", "pdf",
                 "--out", Out("i.pdf")}),
            0)
      << errors.toStdString();
  const QByteArray pdf = Contents(Out("i.pdf"));
  EXPECT_EQ(pdf.count("/Type /Page\n"), 4) << "one page for each of the four invoices of March";
}

TEST_F(ReportCommand, PdfIsPrintedInTheReportFontOfTheWindows) {
  // The settings name no font: the window's, the application's at 8 points,
  // so the command's pages break where the window's do.
  ReportFont() = QFont();
  ASSERT_EQ(Run({"statements", "--from", "2026-03-01", "--to", "2026-03-31", "--format", "pdf",
                 "--out", Out("s.pdf")}),
            0)
      << errors.toStdString();
  EXPECT_EQ(ReportFont().pointSize(), 8);
  EXPECT_EQ(ReportFont().family(), QGuiApplication::font().family());
}

TEST_F(ReportCommand, BadDateIsRefusedBeforeAnythingIsRead) {
  EXPECT_EQ(Run({"invoices", "--from", "2026-02-30", "--out", Out("x.txt")}), 2);
  EXPECT_TRUE(errors.contains("--from 2026-02-30 is not a date of the form YYYY-MM-DD"))
      << errors.toStdString();
  EXPECT_EQ(Run({"invoices", "--from", "1899-12-31", "--out", Out("x.txt")}), 2);
  EXPECT_TRUE(errors.contains("--from 1899-12-31: dates must lie in the years 1900 to 9999"))
      << errors.toStdString();
  EXPECT_FALSE(QFile::exists(Out("x.txt")));
}

TEST_F(ReportCommand, EveryDayTheProgramCanStoreIsASpanEnd) {
  // Not typed into the picker's two-digit years: 1900 and 2099 are days too.
  EXPECT_EQ(Run({"invoices", "--from", "1900-01-01", "--to", "2099-12-31", "--out", Out("all.txt")}), 0)
      << errors.toStdString();
  EXPECT_EQ(QString::fromUtf8(Contents(Out("all.txt"))).count("Invoice No:"), 5);
  EXPECT_EQ(Run({"sales-summary", "--from", "1900-01-01", "--to", "9999-12-31", "--out",
                 Out("s.txt")}),
            0)
      << errors.toStdString();
  EXPECT_TRUE(QString::fromUtf8(Contents(Out("s.txt"))).contains("01/01/00 through 12/31/99"));
}

TEST_F(ReportCommand, EndBeforeStartFailsWithThePickersMessage) {
  EXPECT_EQ(Run({"bills", "--from", "2026-03-31", "--to", "2026-03-01", "--out", Out("x.txt")}), 1);
  EXPECT_TRUE(errors.contains("Ending Date must be greater than or equal to Starting Date."));
  EXPECT_FALSE(QFile::exists(Out("x.txt")));
}

TEST_F(ReportCommand, MissingTableFailsWithTheDataLayersMessage) {
  ASSERT_TRUE(QFile::remove(path("INV5.dbf")));
  EXPECT_EQ(Run({"invoices", "--out", Out("x.txt")}), 1);
  EXPECT_TRUE(errors.contains(
      "tallowby report: Unable to open file INV5.DBF Program will now terminate."))
      << errors.toStdString();
  EXPECT_EQ(cb, nullptr);  // the engine was ended
}

TEST_F(ReportCommand, UnwritableOutputFileIsReported) {
  const QString text = Out("no such folder/i.txt");
  EXPECT_EQ(Run({"invoices", "--from", "2026-03-01", "--to", "2026-03-06", "--out", text}), 1);
  EXPECT_TRUE(errors.contains("Unable to save to: ")) << errors.toStdString();
  const QString pdf = Out("no such folder/i.pdf");
  EXPECT_EQ(Run({"invoices", "--format", "pdf", "--out", pdf}), 1);
  EXPECT_TRUE(errors.contains("Unable to save to: " + pdf)) << errors.toStdString();
}

// Where issued invoices are final, the invoices and bills a command writes
// are issued once the file is in place; statements and a file that could
// not be written issue nothing, and a credit note is titled as one.
TEST_F(ReportCommand, WrittenInvoicesAndBillsAreIssuedOnceTheFileIsInPlace) {
  StartEngine(dir.path());
  SellerDetails seller = ReadSellerDetails();
  seller.finalInvoices = true;
  ASSERT_TRUE(WriteSellerDetails(seller));
  InvoiceStateRecord note;
  note.ivNo = 1002;
  note.kind = QLatin1Char('C');
  note.refNo = 1001;
  ASSERT_TRUE(WriteInvoiceState(note));
  CloseAll();
  EndEngine();
  const auto issued = [this] {
    StartEngine(dir.path());
    QStringList numbers;
    for (const InvoiceStateRecord& s : AllInvoiceStates())
      if (s.isIssued()) numbers << QString::number(s.ivNo);
    CloseAll();
    EndEngine();
    return numbers;
  };

  ASSERT_EQ(Run({"statements", "--from", "2026-03-01", "--to", "2026-03-31", "--out", Out("s.txt")}), 0);
  EXPECT_EQ(Run({"invoices", "--from", "2026-03-01", "--to", "2026-03-06", "--out", Out("none/i.txt")}), 1);
  EXPECT_TRUE(issued().isEmpty()) << "nothing left the program";
  ASSERT_EQ(Run({"invoices", "--from", "2026-03-01", "--to", "2026-03-06", "--out", Out("i.txt")}), 0)
      << errors.toStdString();
  EXPECT_EQ(issued(), QStringList({"1001", "1002"}));
  EXPECT_TRUE(QString::fromUtf8(Contents(Out("i.txt"))).contains("Credit Note"));
  EXPECT_TRUE(QString::fromUtf8(Contents(Out("i.txt"))).contains("Credits Invoice:  1001"))
      << Contents(Out("i.txt")).toStdString();
  ASSERT_EQ(Run({"bills", "--from", "2026-03-01", "--to", "2026-03-31", "--out", Out("b.txt")}), 0);
  EXPECT_EQ(issued(), QStringList({"1001", "1002", "1005"})) << "the bills with something due";
}

TEST_F(ReportCommand, EmptySpanWritesNoFileAndSaysSo) {
  EXPECT_EQ(Run({"invoices", "--from", "2025-01-01", "--to", "2025-01-31", "--out", Out("x.txt")}),
            0);
  EXPECT_TRUE(errors.contains("nothing to report for 01/01/25 - 01/31/25")) << errors.toStdString();
  EXPECT_FALSE(QFile::exists(Out("x.txt")));
}

TEST_F(ReportCommand, UnknownReportOrOptionShowsTheUsage) {
  EXPECT_EQ(Run({"profits", "--out", Out("x.txt")}), 2);
  EXPECT_TRUE(errors.contains("unknown report: profits"));
  EXPECT_TRUE(errors.contains("usage: tallowby report"));
  EXPECT_EQ(Run({"invoices", "--format", "rtf", "--out", Out("x.txt")}), 2);
  EXPECT_EQ(Run({"invoices"}), 2);
  EXPECT_TRUE(errors.contains("--out FILE is required"));
  EXPECT_EQ(Run({"invoices", "--colour", "red", "--out", Out("x.txt")}), 2);
  EXPECT_TRUE(errors.contains("Unknown option 'colour'")) << errors.toStdString();
  EXPECT_EQ(Run({"invoices", "--out"}), 2);
  EXPECT_TRUE(errors.contains("Missing value after '--out'")) << errors.toStdString();
}

TEST_F(ReportCommand, OptionsAReportDoesNotTakeAreRefused) {
  EXPECT_EQ(Run({"statements", "--product", "CANDLE", "--out", Out("x.txt")}), 2);
  EXPECT_TRUE(errors.contains("statements takes no --product")) << errors.toStdString();
  EXPECT_EQ(Run({"invoices", "bills", "--out", Out("x.txt")}), 2);
  EXPECT_TRUE(errors.contains("one report at a time")) << errors.toStdString();
  EXPECT_FALSE(QFile::exists(Out("x.txt")));
}

TEST_F(ReportCommand, HelpListsEveryReportWithItsOptions) {
  // Wherever it stands, --help only prints the help and reads nothing.
  EXPECT_EQ(Run({"profits", "--help"}), 0);
  EXPECT_TRUE(errors.isEmpty()) << errors.toStdString();
  EXPECT_TRUE(output.contains("--out <FILE>")) << output.toStdString();
  for (const ReportEntry& e : ReportCatalog()) {
    const qsizetype at = output.indexOf("\n  " + e.name);
    ASSERT_GE(at, 0) << e.name.toStdString();
    const QString entry = output.mid(at, output.indexOf(QRegularExpression("\n  \\S"), at + 1) - at);
    for (const QString& o : e.options)
      EXPECT_TRUE(entry.contains("--" + o + " ")) << entry.toStdString();
  }
  EXPECT_EQ(Run({"--version"}), 0);
  EXPECT_TRUE(output.startsWith("tallowby 1.")) << output.toStdString();
}

TEST_F(ReportCommand, SummaryReportsWriteTheirTextAndTabOutput) {
  ASSERT_EQ(Run({"receivables", "--out", Out("r.txt")}), 0) << errors.toStdString();
  const QString receivables = QString::fromUtf8(Contents(Out("r.txt")));
  EXPECT_TRUE(receivables.contains("   1005   UNKNOWN                                     3          1.00\r\n"))
      << receivables.toStdString();
  EXPECT_TRUE(receivables.endsWith(" Total Receivables                                              14.00\r\n"));
  ASSERT_EQ(Run({"income", "--from", "2026-03-01", "--to", "2026-03-31", "--format", "tab", "--out",
                 Out("i.asc")}),
            0);
  const QString income = QString::fromUtf8(Contents(Out("i.asc")));
  EXPECT_TRUE(income.contains("\r\n03/04/26\t1001\t\t     22.18\t       22.18\r\n")) << income.toStdString();
  EXPECT_TRUE(income.endsWith("Total Payments\t       35.94\r\n"));
  for (const char* report : {"tax", "product-sales", "sales-summary"}) {
    EXPECT_EQ(Run({report, "--from", "2026-03-01", "--to", "2026-03-31", "--out", Out("s.txt")}), 0)
        << report << errors.toStdString();
    EXPECT_TRUE(QString::fromUtf8(Contents(Out("s.txt"))).contains("03/01/26 through 03/31/26"))
        << report;
  }
}

TEST_F(ReportCommand, AReportsOwnNothingToReportMessageEndsWellWithoutAFile) {
  EXPECT_EQ(Run({"tax", "--from", "2025-01-01", "--to", "2025-01-31", "--out", Out("x.txt")}), 0);
  EXPECT_EQ(errors, "tallowby report: No Invoices within selected dates.\n");
  EXPECT_EQ(Run({"income", "--from", "2026-02-01", "--to", "2026-02-28", "--out", Out("x.txt")}), 0);
  EXPECT_EQ(errors, "tallowby report: No Payments within selected dates.\n");
  EXPECT_FALSE(QFile::exists(Out("x.txt")));
}

TEST_F(ReportCommand, ProfilesFollowTheNumbersGivenAndRefuseUnknownOnes) {
  ASSERT_EQ(Run({"profile", "--customers", "8,7", "--out", Out("p.txt")}), 0) << errors.toStdString();
  const QString profile = QString::fromUtf8(Contents(Out("p.txt")));
  EXPECT_LT(profile.indexOf("Cust#: 8"), profile.indexOf("Cust#: 7")) << profile.toStdString();
  EXPECT_EQ(Run({"profile", "--customers", "7,55", "--out", Out("x.txt")}), 2);
  EXPECT_TRUE(errors.contains("--customers: there is no customer 55")) << errors.toStdString();
  EXPECT_EQ(Run({"profile", "--customers", "7,x", "--out", Out("x.txt")}), 2);
  EXPECT_TRUE(errors.contains("--customers: \"x\" is not a number")) << errors.toStdString();
  EXPECT_EQ(Run({"profile", "--groups", "3", "--out", Out("x.txt")}), 2);
  EXPECT_TRUE(errors.contains("--groups: there is no group 3")) << errors.toStdString();
  EXPECT_EQ(Run({"profile", "--out", Out("x.txt")}), 2);
  EXPECT_TRUE(errors.contains("profile needs one of --customers, --groups")) << errors.toStdString();
  EXPECT_EQ(Run({"profile", "--customers", "7", "--groups", "all", "--out", Out("x.txt")}), 2);
  EXPECT_EQ(Run({"receivables", "--from", "2026-03-01", "--out", Out("x.txt")}), 2);
  EXPECT_TRUE(errors.contains("receivables takes no --from")) << errors.toStdString();
  EXPECT_FALSE(QFile::exists(Out("x.txt")));
  // No customer of the candle maker is in a group.
  EXPECT_EQ(Run({"profile", "--groups", "all", "--out", Out("x.txt")}), 0);
  EXPECT_TRUE(errors.contains("nothing to report; ")) << errors.toStdString();
}

TEST_F(ReportCommand, BuyersTakeTheExactProductCode) {
  ASSERT_EQ(Run({"buyers", "--product", "CANDLE", "--from", "2026-02-01", "--to", "2026-03-31",
                 "--format", "tab", "--out", Out("b.asc")}),
            0)
      << errors.toStdString();
  const QString buyers = QString::fromUtf8(Contents(Out("b.asc")));
  EXPECT_EQ(buyers.count("Ms.  Ada Byron\tUNKNOWN\t"), 2) << buyers.toStdString();
  EXPECT_TRUE(buyers.contains("Buyers of CANDLE-\r\n"));
  EXPECT_EQ(Run({"buyers", "--product", "candle", "--out", Out("x.txt")}), 2);
  EXPECT_TRUE(errors.contains("--product: there is no product candle")) << errors.toStdString();
  EXPECT_EQ(Run({"buyers", "--out", Out("x.txt")}), 2);
  EXPECT_FALSE(QFile::exists(Out("x.txt")));
}

// The program itself, when it has been built: the subcommand reaches the
// report command and its exit status and messages reach the caller.
TEST_F(ReportCommand, ProgramRunsTheCommandWithoutADisplay) {
  const QString program = qEnvironmentVariable("TB_BINARY_DIR") + "/src/shell/tallowby";
  if (!QFile::exists(program)) GTEST_SKIP() << "the tallowby program has not been built";
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.remove("DISPLAY");
  env.remove("WAYLAND_DISPLAY");
  env.remove("QT_QPA_PLATFORM");
  auto run = [&](const QStringList& args, QString* err) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, args);
    EXPECT_TRUE(p.waitForFinished(60000));
    *err = QString::fromLocal8Bit(p.readAllStandardError());
    return p.exitCode();
  };
  QString err;
  EXPECT_EQ(run({"report", "statements", "--data", dir.path(), "--from", "2026-03-01", "--to",
                 "2026-03-31", "--out", Out("s.txt")},
                &err),
            0)
      << err.toStdString();
  EXPECT_TRUE(QString::fromUtf8(Contents(Out("s.txt"))).contains("Account Statement"));
  EXPECT_EQ(run({"report", "invoices", "--data", dir.path(), "--from", "tomorrow", "--out",
                 Out("x.txt")},
                &err),
            2);
  EXPECT_TRUE(err.contains("--from tomorrow is not a date")) << err.toStdString();
  ASSERT_TRUE(QFile::remove(path("CUST5.dbf")));
  EXPECT_EQ(run({"report", "invoices", "--data", dir.path(), "--out", Out("x.txt")}, &err), 1);
  EXPECT_TRUE(err.contains("Unable to open file CUST5.DBF")) << err.toStdString();
}

}  // namespace
