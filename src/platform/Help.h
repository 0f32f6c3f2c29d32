// The program's help: one HTML file carried inside the program, with a
// section per help context number (the main window 10, its tabs 300 to 700,
// the editors 310, 410, ...), named sections for the windows without a
// number ("pick-lists", "report-window", ...) and a contents section.
//
// F1 in any window of the program shows the section of that window (the
// contents where it has none): one application-wide filter sees the key
// before any dialog can stop it. The help window is non-modal; while a modal
// window is open it is made that window's own child window, so the modal
// block does not reach it and it stays above the window it explains.
// Tests install a recorder instead.
#ifndef PLATFORM_HELP_H
#define PLATFORM_HELP_H

#include <QString>
#include <functional>

class QPushButton;
class QWidget;

namespace Help {

// The context number that stands for the contents section.
inline constexpr int kContents = 0;
// The anchor of the contents section.
inline constexpr const char* kContentsAnchor = "contents";

// The anchor of a context number's section ("context-410", "contents").
QString anchorOf(int context);

// Shows the help window at the section (the top when the file has no such
// section).
void showContext(int context);
void showSection(const QString& anchor);
void showContents();

// Tests: every request goes to recorder instead of the help window, as the
// section's anchor; an empty function restores the window.
void setRecorder(std::function<void(const QString& anchor)> recorder);

// Gives widget a help context number or a named section: F1 anywhere inside
// its window (unless a child nearer the focus has one of its own) shows it.
void setContext(QWidget* widget, int context);
void setSection(QWidget* widget, const QString& anchor);
// The context number of widget or of its nearest parent that has one;
// kContents when none has.
int contextOf(const QWidget* widget);
// The section F1 in widget shows: the nearest one set on widget or its
// parents within its window; the contents when there is none.
QString sectionOf(const QWidget* widget);

// A "Help" button that shows context when pressed; objectName as the form
// names it (for example "BitBtn1").
QPushButton* makeButton(QWidget* parent, int context, const QString& objectName);

// Makes F1 work in every window of the application (done by setContext and
// setSection; the program's start calls it too).
void enableF1();

// The help window, made when first asked for.
QWidget* window();

}  // namespace Help

#endif  // PLATFORM_HELP_H
