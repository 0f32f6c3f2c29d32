#include "picklists/TestSupport.h"

#include <QListWidget>
#include <QTableWidget>

#include "data/dbFiles.h"
#include "platform/Help.h"
#include "picklists/PickEdit.h"
#include "tbengine/inspect.h"

void PickListTest::SetUp() {
  EnsureTestApplication();
  IndexedFolderTest::SetUp();
  Help::setRecorder([this](const QString& anchor) { helpAsked.append(anchor); });
}

void PickListTest::TearDown() {
  resetPickEditForTests();
  Help::setRecorder({});
  IndexedFolderTest::TearDown();
}

void PickListTest::openTables() {
  ASSERT_TRUE(OpenCUST5());
  ASSERT_TRUE(OpenGROUPS());
}

long PickListTest::addCustomer(long number, const QString& last, const QString& first, int group,
                                const QString& note, const QString& company) {
  CustBuf = CustomerRecord{};
  CustBuf.cuno = number;
  CustBuf.last = last;
  CustBuf.first = first;
  CustBuf.ngroup = group;
  CustBuf.note = note;
  CustBuf.addr1 = company;
  EXPECT_EQ(d4appendBlank(Cust5.d), 0);
  WriteCustomer();
  return d4recNo(Cust5.d);
}

long PickListTest::addGroup(int number, const QString& name) {
  GroupBuf = {number, name};
  EXPECT_EQ(d4appendBlank(Groups.d), 0);
  WriteGroup();
  return d4recNo(Groups.d);
}

void PickListTest::addNumberedCustomers(int count) {
  // Stepping by a number prime to count visits every name once, out of order.
  const int step = 7919;
  for (int i = 0; i < count; ++i) {
    const int n = static_cast<int>((static_cast<long long>(i) * step) % count) + 1;
    addCustomer(n, QString("N%1").arg(n, 5, 10, QChar('0')), "F", 1);
  }
}

void PickListTest::closeAndCheck() {
  CloseAll();
  for (const TableDef* t : RequiredTables()) {
    DATA4* d = d4open(cb, t->openName);
    ASSERT_NE(d, nullptr) << t->openName;
    std::vector<std::string> problems;
    EXPECT_EQ(d4check(d, &problems), 0) << t->openName << ": "
                                        << (problems.empty() ? "" : problems.front());
    d4close(d);
  }
}

QStringList PickListTest::column(const PickGridForm& grid, int c) {
  QStringList texts;
  for (int r = 0; r < grid.StringGrid1->rowCount(); ++r) {
    const QTableWidgetItem* item = grid.StringGrid1->item(r, c);
    texts << (item ? item->text() : QString());
  }
  return texts;
}

QList<long> PickListTest::records(const PickGridForm& grid) {
  QList<long> recs;
  for (int row = 1; row <= grid.StringGrid1->rowCount(); ++row) {
    const long r = grid.recordOfRow(row);
    if (r <= 0) break;
    recs << r;
  }
  return recs;
}

QStringList PickListTest::lines(const PickListForm& list) {
  QStringList texts;
  for (int i = 0; i < list.ListBox1->count(); ++i) texts << list.ListBox1->item(i)->text();
  return texts;
}

CustomerRecord CustomerAt(long recNo) {
  d4go(Cust5.d, recNo);
  ReadCustomer();
  return CustBuf;
}

QList<long> CustomerNumbers() {
  QList<long> numbers;
  TAG4* before = d4tagSelected(Cust5.d);
  d4tagSelect(Cust5.d, nullptr);
  for (int at = d4top(Cust5.d); at == r4success; at = d4skip(Cust5.d, 1)) {
    numbers << f4long(Cust5.cuno);
  }
  d4tagSelect(Cust5.d, before);
  return numbers;
}
