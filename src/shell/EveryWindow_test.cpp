// What every window of the program shares with every other: F1 shows the
// help at the window's section, also over a modal window, which leaves the
// help usable; each field is named for screen readers; Escape closes it.
#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QFontDialog>
#include <QGroupBox>
#include <QInputDialog>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMap>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <memory>

#include "einvoice/CustEInvoiceU.h"
#include "einvoice/EInvoicingU.h"
#include "payments/ReminderSettingsU.h"
#include "payments/RemindersU.h"
#include "platform/Help.h"
#include "platform/Language.h"
#include "shell/DataFolderU.h"
#include "shell/TestSupport.h"

namespace {

// The section each window's F1 opens, by window class.
const QMap<QString, QString>& Sections() {
  static const QMap<QString, QString> sections{
      {"TAboutForm", "about"},         {"TDriveDir", "folder-picker"},
      {"TCustomer", "context-410"},    {"TPickCust", "pick-lists"},
      {"TPickGroup", "pick-lists"},    {"TGroupDef", "context-420"},
      {"TPickProd", "pick-lists"},     {"TProdDef", "context-430"},
      {"TPickInv", "pick-lists"},      {"TInvoice", "context-310"},
      {"TPickQuote", "pick-lists"},    {"TQuote", "context-315"},
      {"TRepeat", "context-318"},      {"TSchedules", "context-318"},
      {"TReminders", "context-319"},   {"TReminderSettings", "context-319"},
      {"TItemDef", "context-1120"},    {"TPmtDef", "payment"},
      {"TPickPmt", "payment"},         {"TReportF", "report-window"},
      {"TStationary", "context-610"},  {"TDateSpan", "date-span"},
      {"TLabPrint", "print-labels"},   {"TMultGroup", "groups"},
      {"TPickPur", "pick-lists"},      {"TPurDef", "context-450"},
      {"TTaxDef", "context-630"},      {"TImportdir", "import-folders"},
      {"TLabelDef", "context-620"},    {"TPickLab", "pick-lists"},
      {"TDataFolder", "company-folder"}, {"TMain", "context-10"},
      {"TEInvoicing", "context-640"},  {"TCustEInvoice", "context-415"},
      {"QMessageBox", "contents"},     {"QFileDialog", "contents"},
      {"QFontDialog", "contents"},     {"QInputDialog", "contents"},
  };
  return sections;
}

class EveryWindowTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    start();
    seller = std::make_unique<TEInvoicing>();
    buyer = std::make_unique<TCustEInvoice>();
    reminders = std::make_unique<TReminders>();
    reminderSettings = std::make_unique<TReminderSettings>();
  }
  void TearDown() override {
    if (QWidget* help = Help::window()) help->hide();
    reminderSettings.reset();
    reminders.reset();
    buyer.reset();
    seller.reset();
    ShellTest::TearDown();
  }
  // The program's own windows: those created once at the start, and those
  // made each time they are opened.
  QList<QWidget*> windows() {
    QList<QWidget*> all{main()};
    for (QDialog* d : main()->findChildren<QDialog*>(Qt::FindDirectChildrenOnly)) all << d;
    all << seller.get() << buyer.get() << reminders.get() << reminderSettings.get();
    return all;
  }
  std::unique_ptr<TEInvoicing> seller;
  std::unique_ptr<TCustEInvoice> buyer;
  std::unique_ptr<TReminders> reminders;
  std::unique_ptr<TReminderSettings> reminderSettings;
  static QTextBrowser* browser() { return Help::window()->findChild<QTextBrowser*>("HelpBrowser"); }
  // F1 in the first control of window that takes the focus (else the
  // window itself); the section the help window then shows, "" if none.
  static QString f1In(QWidget* window) {
    if (Help::window()) Help::window()->hide();
    QWidget* target = window;
    if (!qobject_cast<QMainWindow*>(window))
      for (QWidget* w : window->findChildren<QWidget*>())
        if (w->focusPolicy() != Qt::NoFocus && w->window() == window) {
          target = w;
          break;
        }
    QTest::keyClick(target, Qt::Key_F1);
    if (!Help::window() || !Help::window()->isVisible()) return QString();
    return browser()->source().fragment();
  }
};

TEST_F(EveryWindowTest, F1InEveryWindowOpensTheHelpAtItsSection) {
  QFile file(":/help/tallowby.html");
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString html = QString::fromUtf8(file.readAll());
  QList<QWidget*> all = windows();
  TDataFolder folder;
  QMessageBox box(QMessageBox::Information, "Tallowby", "Saved.", QMessageBox::Ok);
  QFileDialog files;
  files.setOption(QFileDialog::DontUseNativeDialog);
  QFontDialog fonts;
  fonts.setOption(QFontDialog::DontUseNativeDialog);
  QInputDialog input;
  all << &folder << &box << &files << &fonts << &input;
  QStringList seen;
  for (QWidget* w : all) {
    const QString name = QString::fromLatin1(w->metaObject()->className());
    seen << name;
    ASSERT_TRUE(Sections().contains(name)) << name.toStdString() << " has no section in this test";
    const QString section = Sections()[name];
    EXPECT_EQ(f1In(w), section) << name.toStdString();
    EXPECT_TRUE(html.contains("name=\"" + section + "\"")) << section.toStdString();
  }
  seen.removeDuplicates();
  EXPECT_EQ(seen.size(), Sections().size()) << "every window class is pressed";
}

TEST_F(EveryWindowTest, HelpOverAModalEditorCanBeReadAndOutlivesIt) {
  QWidget* editor = nullptr;
  for (QWidget* w : windows())
    if (QString(w->metaObject()->className()) == "TTaxDef") editor = w;
  ASSERT_NE(editor, nullptr);
  editor->setWindowModality(Qt::ApplicationModal);
  editor->show();
  ASSERT_EQ(QApplication::activeModalWidget(), editor);
  // Through the window system, which holds back keys from blocked windows.
  QTest::keyClick(editor->windowHandle(), Qt::Key_F1);
  QWidget* help = Help::window();
  ASSERT_NE(help, nullptr);
  ASSERT_TRUE(help->isVisible());
  EXPECT_EQ(browser()->source().fragment(), "context-630");
  EXPECT_TRUE(editor->isVisible()) << "the editor stays open";

  browser()->setFocus();
  QCoreApplication::processEvents();
  QScrollBar* bar = browser()->verticalScrollBar();
  ASSERT_GT(bar->maximum(), 0);
  QTest::keyClick(help->windowHandle(), Qt::Key_End);
  EXPECT_EQ(bar->value(), bar->maximum()) << "the help takes keys while the editor is open";

  editor->hide();
  editor->setWindowModality(Qt::NonModal);
  EXPECT_TRUE(help->isVisible()) << "closing the editor leaves the help open";
  browser()->setFocus();
  QTest::keyClick(help->windowHandle(), Qt::Key_Home);
  EXPECT_EQ(bar->value(), 0);
}

TEST_F(EveryWindowTest, EveryFieldHasANameForScreenReaders) {
  QStringList unnamed;
  for (QWidget* w : windows()) {
    if (QString(w->metaObject()->className()).startsWith('Q')) continue;  // the toolkit's own
    for (QWidget* field : w->findChildren<QWidget*>()) {
      const bool entry = qobject_cast<QLineEdit*>(field) || qobject_cast<QComboBox*>(field) ||
                         qobject_cast<QPlainTextEdit*>(field) ||
                         qobject_cast<QAbstractSpinBox*>(field) || qobject_cast<QToolButton*>(field);
      if (!entry || field->isHidden() || field->window() != w ||
          qobject_cast<QComboBox*>(field->parentWidget()) ||
          qobject_cast<QAbstractSpinBox*>(field->parentWidget()))  // the box's own edit: the box is named
        continue;
      const QString name = field->accessibleName().isEmpty() && qobject_cast<QToolButton*>(field)
                               ? field->property("text").toString()
                               : field->accessibleName();
      if (name.trimmed().isEmpty())
        unnamed << QString("%1.%2").arg(w->objectName(), field->objectName());
    }
  }
  EXPECT_EQ(unnamed, QStringList()) << "fields without a label to name them";
}

TEST_F(EveryWindowTest, EscapeClosesTheReportWindow) {
  QWidget* report = nullptr;
  for (QWidget* w : windows())
    if (QString(w->metaObject()->className()) == "TReportF") report = w;
  ASSERT_NE(report, nullptr);
  report->show();
  ASSERT_TRUE(report->isVisible());
  QTest::keyClick(report->windowHandle(), Qt::Key_Escape);
  EXPECT_FALSE(report->isVisible());
}

}  // namespace

// Every window made in a longer language: each caption still fits the
// control that shows it.
class EveryWindowInLanguageTest : public EveryWindowTest,
                                  public ::testing::WithParamInterface<const char*> {
 protected:
  void SetUp() override {
    EnsureTestApplication();
    language = std::make_unique<DocumentLanguage>(GetParam());
    EveryWindowTest::SetUp();
  }
  void TearDown() override {
    EveryWindowTest::TearDown();
    language.reset();
  }
  std::unique_ptr<DocumentLanguage> language;
};

// The captions of window's visible controls that are wider than the control.
QStringList CutCaptions(QWidget* window) {
  QStringList cut;
  for (QWidget* control : window->findChildren<QWidget*>()) {
    QString text;
    if (auto* label = qobject_cast<QLabel*>(control)) {
      if (label->wordWrap() || !label->pixmap().isNull()) continue;
      text = label->text();
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
      text = button->text();
    } else if (auto* box = qobject_cast<QGroupBox*>(control)) {
      text = box->title();
    }
    if (text.trimmed().isEmpty() || !control->isVisible() || control->window() != window) continue;
    if (control->width() + 1 < control->sizeHint().width())
      cut << QString("%1.%2 \"%3\" (%4 of %5 px)")
                 .arg(window->objectName(), control->objectName(), text)
                 .arg(control->width())
                 .arg(control->sizeHint().width());
  }
  return cut;
}

TEST_P(EveryWindowInLanguageTest, EveryCaptionFitsItsControl) {
  ASSERT_NE(main()->findChild<QTabWidget*>()->tabText(0), "Invoices");  // made in the language
  QStringList cut;
  for (QWidget* w : windows()) {
    const bool shown = w->isVisible();
    w->setAttribute(Qt::WA_DontShowOnScreen);
    w->show();
    QApplication::processEvents();  // the layouts settle
    QList<QTabWidget*> tabs = w->findChildren<QTabWidget*>();
    if (tabs.isEmpty()) cut << CutCaptions(w);
    for (QTabWidget* tab : tabs)
      for (int i = 0; i < tab->count(); ++i) {
        tab->setCurrentIndex(i);
        QApplication::processEvents();
        cut << CutCaptions(w);
      }
    if (!shown) w->hide();
  }
  cut.removeDuplicates();
  EXPECT_EQ(cut, QStringList()) << cut.join('\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(GermanAndFrench, EveryWindowInLanguageTest, ::testing::Values("de", "fr"));
