// Shared set-up of the pick-list tests and of the feature folders' window
// tests: a data folder with the supplied tables and their indexes, the engine
// started on it, the scripted Ui (ui), help requests recorded, records written
// through the data layer's buffers, and readers of what a pick list shows.
#ifndef PICKLISTS_TESTSUPPORT_H
#define PICKLISTS_TESTSUPPORT_H

#include <QList>
#include <QString>
#include <QStringList>
#include <QTableWidget>
#include <deque>
#include <functional>

#include "data/TestSupport.h"
#include "picklists/PickGrid.h"
#include "picklists/PickList.h"
#include "platform/ScriptedUi.h"
#include "platform/TestApplication.h"

// Steps that window tests take in a grid pick list; fixtures derive from it
// to use them unqualified.
struct PickSteps {
  // Chooses data row `row` (from 1) and presses Select.
  template <class P>
  static std::function<void(P*)> chooseRow(int row) {
    return [row](P* p) {
      p->StringGrid1->setCurrentCell(row - 1, 0);
      p->BtnSelect->click();
    };
  }
  template <class P>
  static void pressNew(P* p) { p->BtnNew->click(); }
  template <class P>
  static void pressCancel(P* p) { p->BtnCancel->click(); }
  // The trimmed text of a grid cell (data row from 1).
  template <class P>
  static QString cell(P* p, int row, int column) {
    const QTableWidgetItem* item = p->StringGrid1->item(row - 1, column);
    return item ? item->text().trimmed() : QString();
  }
};

class PickListTest : public IndexedFolderTest, protected PickSteps {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Each showing of a dialog of class D runs the next of these steps.
  template <class D>
  void steps(std::deque<std::function<void(D*)>> list) {
    ui.onDialogSteps<D>(std::move(list));
  }

  // Opens CUST5 and GROUPS as the customer commands do.
  void openTables();
  // Appends a customer / a group to the open table; the new record number.
  long addCustomer(long number, const QString& last, const QString& first, int group,
                   const QString& note = QString(), const QString& company = QString());
  long addGroup(int number, const QString& name);
  // Appends count customers named "N00001", "N00002", ... (number i + 1,
  // group 1), in an order scattered through the name tag.
  void addNumberedCustomers(int count);
  // Closes every table and checks each one (and its indexes) on disk.
  void closeAndCheck();

  // The visible texts of a grid column, rows 1 to 10 ("" for blank rows).
  static QStringList column(const PickGridForm& grid, int c);
  // The record numbers on rows 1 to 10, stopping at the first blank row.
  static QList<long> records(const PickGridForm& grid);
  static QStringList lines(const PickListForm& list);

  QStringList helpAsked;  // the help sections asked for
};

// The customer with that record number as stored (CUST5 open).
struct CustomerRecord;
CustomerRecord CustomerAt(long recNo);
// The number field of every customer in record order.
QList<long> CustomerNumbers();

#endif  // PICKLISTS_TESTSUPPORT_H
