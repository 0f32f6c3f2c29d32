// TMultGroup: asks for one or more customer groups. Shown with the GROUPS
// table open; ChosenGroups holds the chosen group numbers in list order,
// empty when nothing was chosen.
#ifndef REPORTS_MULTGROUPU_H
#define REPORTS_MULTGROUPU_H

#include <QDialog>
#include <QList>

class QListWidget;
class QPushButton;

extern QList<int> ChosenGroups;

class TMultGroup : public QDialog {
  Q_OBJECT
 public:
  explicit TMultGroup(QWidget* parent = nullptr);
  ~TMultGroup() override;

 public slots:
  void FormShow();
  void BtnRunClick();
  void BtnAllClick();
  void BtnCancelClick();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QListWidget* ListBox1;
  QPushButton* BtnRun;
  QPushButton* BtnAll;
  QPushButton* BtnCancel;
};

// The group picker created at start-up (nullptr before).
extern TMultGroup* MultGroup;

// Shows the group picker modally (GROUPS open); true when groups were chosen.
bool RunMultGroup();

#endif  // REPORTS_MULTGROUPU_H
