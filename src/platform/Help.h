// The program's help: one HTML file carried inside the program, with a
// section per help context number (the main window 10, its tabs 300 to 700,
// the editors 310, 410, ...) and a contents section. Help is shown in a
// non-modal help window; tests install a recorder instead.
#ifndef PLATFORM_HELP_H
#define PLATFORM_HELP_H

#include <QString>
#include <functional>

class QPushButton;
class QWidget;

namespace Help {

// The context number that stands for the contents section.
inline constexpr int kContents = 0;

// Shows the help window at the section of context (the contents when the
// file has no such section).
void showContext(int context);
void showContents();

// Tests: every request goes to recorder instead of the help window
// (showContents passes kContents); an empty function restores the window.
void setRecorder(std::function<void(int context)> recorder);

// Gives widget a help context: F1 anywhere inside it (unless a child has a
// context of its own) shows that section.
void setContext(QWidget* widget, int context);
// The context of widget or of its nearest parent that has one; kContents
// when none has.
int contextOf(const QWidget* widget);

// A "Help" button that shows context when pressed; objectName as the form
// names it (for example "BitBtn1").
QPushButton* makeButton(QWidget* parent, int context, const QString& objectName);

}  // namespace Help

#endif  // PLATFORM_HELP_H
