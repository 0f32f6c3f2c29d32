// The About box: the program's name and version. At start-up it stands as
// the splash screen, without its OK button.
#ifndef SHELL_ABOUT_H
#define SHELL_ABOUT_H

#include <QDialog>
#include <QIcon>

class QLabel;
class QPushButton;

// The program's icon (also the desktop menu's), in the sizes it comes in.
QIcon TallowbyIcon();

// True from the beginning of the start-up sequence to its end.
extern bool Starting;

class TAboutForm : public QDialog {
  Q_OBJECT
 public:
  explicit TAboutForm(QWidget* parent = nullptr);

  QLabel* ProgramIcon;
  QLabel* ProductName;
  QLabel* Version;
  QLabel* Comments;
  QPushButton* OKButton;

 protected:
  void showEvent(QShowEvent* event) override;
};

#endif  // SHELL_ABOUT_H
