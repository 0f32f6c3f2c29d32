#include "platform/Help.h"

#include <QDialog>
#include <QEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

const char* const kContextProperty = "helpContext";
const char* const kHelpFile = "qrc:/help/tallowby.html";

std::function<void(int)>& recorder() {
  static std::function<void(int)> r;
  return r;
}

QString anchorOf(int context) {
  return context == Help::kContents ? QStringLiteral("contents")
                                    : QStringLiteral("context-%1").arg(context);
}

QDialog* helpWindow() {
  static QPointer<QDialog> window;
  if (!window) {
    window = new QDialog(nullptr, Qt::Window);
    window->setObjectName("HelpWindow");
    window->setWindowTitle("Tallowby Help");
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    auto* browser = new QTextBrowser(window);
    browser->setObjectName("HelpBrowser");
    browser->setOpenLinks(true);
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser);
    window->resize(560, 480);
  }
  return window;
}

// F1 pressed in a widget with a help context, or in one of its children.
class F1Filter : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    if (static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget) return false;
    Help::showContext(Help::contextOf(widget));
    return true;
  }
};

F1Filter* f1Filter() {
  static F1Filter filter;
  return &filter;
}

}  // namespace

namespace Help {

void showContext(int context) {
  if (recorder()) {
    recorder()(context);
    return;
  }
  QDialog* window = helpWindow();
  window->show();
  window->raise();
  window->activateWindow();
  QUrl url(kHelpFile);
  url.setFragment(anchorOf(context));
  window->findChild<QTextBrowser*>("HelpBrowser")->setSource(url);
}

void showContents() { showContext(kContents); }

void setRecorder(std::function<void(int)> r) { recorder() = std::move(r); }

void setContext(QWidget* widget, int context) {
  widget->setProperty(kContextProperty, context);
  widget->removeEventFilter(f1Filter());
  widget->installEventFilter(f1Filter());
}

int contextOf(const QWidget* widget) {
  for (const QWidget* w = widget; w; w = w->parentWidget()) {
    QVariant v = w->property(kContextProperty);
    if (v.isValid()) return v.toInt();
  }
  return kContents;
}

QPushButton* makeButton(QWidget* parent, int context, const QString& objectName) {
  auto* button = new QPushButton(QStringLiteral("&Help"), parent);
  button->setObjectName(objectName);
  button->setIcon(button->style()->standardIcon(QStyle::SP_DialogHelpButton));
  button->setAutoDefault(false);
  button->setProperty(kContextProperty, context);
  QObject::connect(button, &QPushButton::clicked, button, [context] { showContext(context); });
  return button;
}

}  // namespace Help
