// TPickGroup, "PickGroup": the list-box pick list of GROUPS in name order,
// with a prefix search in its seek box; Enter in the list chooses. Result in
// CurrentGroupRec.
#ifndef CUSTOMERS_PICKGROUPU_H
#define CUSTOMERS_PICKGROUPU_H

#include <QStringList>

#include "picklists/PickList.h"

class QLabel;
class QLineEdit;

class TPickGroup : public PickListForm {
  Q_OBJECT

 public:
  explicit TPickGroup(QWidget* parent = nullptr);

  QLabel* SeekLabel;
  QLineEdit* Edit1;  // the seek box

 public slots:
  void Edit1Change();

 protected:
  DATA4* table() const override;
  const char* tagName() const override;
  int& currentRecord() const override;
  QString readName() override;
  void linesLoaded(const QStringList& names) override;
  void focusAfterShow() override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void done(int result) override;

 private:
  QStringList upperNames_;  // the lines' names in upper case, while shown
};

#endif  // CUSTOMERS_PICKGROUPU_H
