#include "platform/Help.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "platform/Language.h"

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(Help)
};

const char* const kContextProperty = "helpContext";
const char* const kSectionProperty = "helpSection";

std::function<void(const QString&)>& recorder() {
  static std::function<void(const QString&)> r;
  return r;
}

QPointer<QDialog>& helpWindow() {
  static QPointer<QDialog> window;
  return window;
}

QDialog* makeHelpWindow() {
  auto* window = new QDialog(nullptr, Qt::Window);
  window->setObjectName("HelpWindow");
  window->setWindowTitle(Tr::tr("Tallowby Help"));
  window->setAttribute(Qt::WA_DeleteOnClose, false);
  auto* browser = new QTextBrowser(window);
  browser->setObjectName("HelpBrowser");
  browser->setOpenLinks(true);
  auto* layout = new QVBoxLayout(window);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser);
  window->resize(560, 480);
  // In the middle of the screen, so the window system has room for the
  // title bar above it (at 0,0 the bar lies above the screen's top).
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame(QPoint(), window->size());
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
  }
  return window;
}

// A modal window blocks every window but itself and its own child windows:
// the help window becomes a child window of the modal window in front (and
// a window of its own again when none is), keeping its place on the screen.
void placeHelpWindow(QDialog* help) {
  QWidget* modal = QApplication::activeModalWidget();
  if (modal == help || help->parentWidget() == modal) return;
  const bool shown = help->isVisible();
  const QRect geometry = help->geometry();
  const QPoint place = help->pos();
  help->setParent(modal, Qt::Window);
  if (shown) {
    help->setGeometry(geometry);
    help->show();
  } else {
    help->move(place);  // where it was made to open, its frame included
  }
}

// F1 pressed in any widget of the application; and the modal window that
// holds the help window going away.
class F1Filter : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Hide) {
      QDialog* help = helpWindow();
      if (help && watched == help->parentWidget()) placeHelpWindow(help);
      return false;
    }
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier) return false;
    // The window system hands the key to the window first, then to the
    // focus widget: act on the widget.
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget) return false;
    Help::showSection(Help::sectionOf(widget));
    return true;
  }
};

}  // namespace

namespace Help {

QString anchorOf(int context) {
  return context == kContents ? QString::fromLatin1(kContentsAnchor)
                              : QStringLiteral("context-%1").arg(context);
}

void showSection(const QString& anchor) {
  if (recorder()) {
    recorder()(anchor);
    return;
  }
  if (!helpWindow()) helpWindow() = makeHelpWindow();
  QDialog* help = helpWindow();
  placeHelpWindow(help);
  help->show();
  help->raise();
  help->activateWindow();
  // The help page of the windows' language.
  const QString language = CurrentLanguage();
  QUrl url(language == "en" ? QStringLiteral("qrc:/help/tallowby.html")
                            : "qrc:/help/tallowby." + language + ".html");
  url.setFragment(anchor);
  help->findChild<QTextBrowser*>("HelpBrowser")->setSource(url);
}

void showContext(int context) { showSection(anchorOf(context)); }

void showContents() { showContext(kContents); }

void setRecorder(std::function<void(const QString&)> r) { recorder() = std::move(r); }

void enableF1() {
  static QPointer<F1Filter> filter;
  if (filter || !qApp) return;
  filter = new F1Filter(qApp);
  qApp->installEventFilter(filter);
}

void setContext(QWidget* widget, int context) {
  widget->setProperty(kContextProperty, context);
  setSection(widget, anchorOf(context));
}

void setSection(QWidget* widget, const QString& anchor) {
  widget->setProperty(kSectionProperty, anchor);
  enableF1();
}

int contextOf(const QWidget* widget) {
  for (const QWidget* w = widget; w; w = w->parentWidget()) {
    QVariant v = w->property(kContextProperty);
    if (v.isValid()) return v.toInt();
  }
  return kContents;
}

QString sectionOf(const QWidget* widget) {
  for (const QWidget* w = widget; w; w = w->isWindow() ? nullptr : w->parentWidget()) {
    QVariant v = w->property(kSectionProperty);
    if (v.isValid()) return v.toString();
  }
  return QString::fromLatin1(kContentsAnchor);
}

QPushButton* makeButton(QWidget* parent, int context, const QString& objectName) {
  auto* button = new QPushButton(Tr::tr("&Help"), parent);
  button->setObjectName(objectName);
  button->setIcon(button->style()->standardIcon(QStyle::SP_DialogHelpButton));
  button->setAutoDefault(false);
  setContext(button, context);
  QObject::connect(button, &QPushButton::clicked, button, [context] { showContext(context); });
  return button;
}

QWidget* window() { return helpWindow(); }

}  // namespace Help
