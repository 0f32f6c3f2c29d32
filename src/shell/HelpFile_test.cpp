// The help file against the windows: every help context that a window, a
// tab or a Help button of the program asks for has its section in
// docs/help/tallowby.html and its row in the table of context numbers at
// its end. A new window with a help context passes once both are written:
//   <h2><a name="context-N" id="context-N"></a>...</h2>   the section
//   <tr><td><a href="#context-N">N</a></td><td>...</td></tr>   the row
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QWidget>

#include "platform/Help.h"
#include "shell/TestSupport.h"

namespace {

QString HelpFile() {
  QFile file(":/help/tallowby.html");
  EXPECT_TRUE(file.open(QIODevice::ReadOnly));
  return QString::fromUtf8(file.readAll());
}

// The part of the file after the table's heading.
QString ContextTable(const QString& html) {
  const qsizetype at = html.indexOf("name=\"context-numbers\"");
  EXPECT_GE(at, 0) << "the help file has no table of context numbers";
  return at < 0 ? QString() : html.mid(at);
}

QSet<QString> Matches(const QString& text, const QString& pattern) {
  QSet<QString> found;
  QRegularExpressionMatchIterator it = QRegularExpression(pattern).globalMatch(text);
  while (it.hasNext()) found.insert(it.next().captured(1));
  return found;
}

using HelpFileTest = ShellTest;

TEST_F(HelpFileTest, EveryContextAWindowUsesHasItsSectionAndTableRow) {
  QSet<int> used;
  used.insert(Help::contextOf(main()));
  for (const QWidget* w : main()->findChildren<QWidget*>()) used.insert(Help::contextOf(w));
  used.remove(Help::kContents);
  ASSERT_TRUE(used.contains(10) && used.contains(700)) << "the windows' help contexts were not found";

  const QString html = HelpFile();
  const QString table = ContextTable(html);
  for (int context : used) {
    const QString n = QString::number(context);
    EXPECT_TRUE(html.contains("name=\"context-" + n + "\""))
        << "no section <a name=\"context-" << n.toStdString() << "\"> in docs/help/tallowby.html";
    EXPECT_TRUE(table.contains("<td><a href=\"#context-" + n + "\">" + n + "</a></td>"))
        << "no row for " << n.toStdString() << " in the table of context numbers";
  }
}

TEST_F(HelpFileTest, TableSectionsAndLinksAgree) {
  const QString html = HelpFile();
  const QSet<QString> anchors = Matches(html, R"re(<a name="([^"]+)" id="\1"></a>)re");
  const QSet<QString> sections = Matches(html, R"re(name="(context-\d+)")re");
  const QSet<QString> rows = Matches(ContextTable(html), R"re(<td><a href="#(context-\d+)">)re");
  EXPECT_EQ(rows, sections) << "each numbered section has one row in the table, and no more";
  EXPECT_TRUE(anchors.contains("contents"));
  for (const QString& link : Matches(html, R"re(href="#([^"]+)")re"))
    EXPECT_TRUE(anchors.contains(link)) << "a link to #" << link.toStdString() << " leads nowhere";
}

// Sentences the help once said and the program does not do: no question
// before deleting a customer without invoices, a product or a purchase; no
// quantity-on-hand field; a printer remembered, not chosen per session; a
// conversion that keeps purchases, payments and groups; All only marks.
TEST_F(HelpFileTest, SaysNothingTheProgramDoesNot) {
  const QString html = HelpFile();
  for (const char* stale : {"removes the customer (after asking you)", "removes it after asking",
                            "quantity on hand", "for this session", "replaces all data with",
                            "press <b>All</b> for every group", "Nothing is written to the\nfiles"})
    EXPECT_FALSE(html.contains(QString::fromLatin1(stale)))
        << "the help still says: " << stale;
  EXPECT_TRUE(html.contains("purchases, payments and groups stay as they are"));
  EXPECT_TRUE(html.contains("it is remembered for the next start"));
}

}  // namespace
