// TMultGroup: asks for one or more customer groups. Shown with the GROUPS
// table open; ChosenGroups holds the chosen group numbers in list order,
// empty when nothing was chosen.
#ifndef PRINTING_MULTGROUPU_H
#define PRINTING_MULTGROUPU_H

#include <QList>
#include <QString>

#include "platform/FormDialog.h"

class QListWidget;
class QPushButton;

extern QList<int> ChosenGroups;

class TMultGroup : public FormDialog {
  Q_OBJECT
 public:
  explicit TMultGroup(QWidget* parent = nullptr);
  ~TMultGroup() override;

 public slots:
  void FormShow() override;
  void BtnRunClick();
  void BtnAllClick();
  void BtnCancelClick();

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

// A group as the picker lists it.
struct ListedGroup {
  int number = 0;
  QString name;  // trimmed
};
// The groups the picker lists: every record of GROUPS (open) not marked
// deleted, in the order of its current tag.
QList<ListedGroup> ListedGroups();

#endif  // PRINTING_MULTGROUPU_H
