#include "customers/PickGroupU.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "customers/TestSupport.h"
#include "data/dbFiles.h"
#include "tbengine/inspect.h"

namespace {

class PickGroupTest : public CustomersTest {
 protected:
  void SetUp() override {
    CustomersTest::SetUp();
    openTables();
  }
  void TearDown() override {
    pickGroup->hide();
    CustomersTest::TearDown();
  }
  void show(int highlight) {
    CurrentGroupRec = highlight;
    pickGroup->show();
  }
  QString selectedLine() const {
    const QListWidgetItem* item = pickGroup->ListBox1->currentItem();
    return item && item->isSelected() ? item->text().trimmed() : QString();
  }
};

TEST_F(PickGroupTest, ListsNamesInNameOrderAndSelectsTheCallersGroup) {
  addGroup(1, "Wholesale");
  const long retail = addGroup(2, "retail");
  addGroup(3, "Export");
  d4delete(Groups.d);
  TAG4* before = d4tagSelected(Groups.d);
  show(static_cast<int>(retail));

  EXPECT_EQ(pickGroup->windowTitle(), "PickGroup");
  // Names as stored, padded to the field; a deleted one marked right after
  // its name, where the list shows it.
  EXPECT_EQ(lines(*pickGroup),
            QStringList({QString("Export <DELETED>"),
                         QString("retail").leftJustified(59), QString("Wholesale").leftJustified(59)}));
  EXPECT_EQ(selectedLine(), "retail");
  EXPECT_EQ(CurrentGroupRec, -1);  // until a button chooses

  pickGroup->close();  // the close box
  EXPECT_EQ(CurrentGroupRec, -1);
  EXPECT_EQ(d4tagSelected(Groups.d), before);
}

TEST_F(PickGroupTest, NamesPaddedWithBlanksShowWholeWithoutAnEllipsis) {
  addGroup(1, "Retail");
  addGroup(2, "Wholesale");
  show(0);
  const QListWidget* list = pickGroup->ListBox1;
  for (int i = 0; i < list->count(); ++i) {
    const QString shown =
        list->fontMetrics().elidedText(list->item(i)->text(), list->textElideMode(), list->viewport()->width());
    EXPECT_FALSE(shown.contains(QChar(0x2026))) << shown.toStdString();
  }
}

TEST_F(PickGroupTest, UnknownCallerRecordSelectsTheFirstLine) {
  addGroup(1, "Beta");
  addGroup(2, "Alpha");
  show(0);
  EXPECT_EQ(selectedLine(), "Alpha");
}

TEST_F(PickGroupTest, SelectReturnsTheRecordOfTheChosenLine) {
  const long beta = addGroup(1, "Beta");
  const long alpha = addGroup(2, "Alpha");
  show(static_cast<int>(alpha));
  pickGroup->ListBox1->setCurrentRow(1);
  pickGroup->BtnSelect->click();
  EXPECT_EQ(CurrentGroupRec, beta);
  EXPECT_FALSE(pickGroup->isVisible());

  show(0);
  QTest::keyClick(pickGroup->ListBox1, Qt::Key_Return);  // Enter chooses
  EXPECT_EQ(CurrentGroupRec, alpha);

  show(0);
  pickGroup->BtnNew->click();
  EXPECT_EQ(CurrentGroupRec, 0);
  show(0);
  pickGroup->BtnCancel->click();
  EXPECT_EQ(CurrentGroupRec, -1);
}

TEST_F(PickGroupTest, SeekSelectsTheFirstNameFromThePrefixOn) {
  for (const char* name : {"GAMMA", "alpha", "Beta"}) addGroup(0, name);
  show(0);
  QTest::keyClicks(pickGroup->Edit1, "b");
  EXPECT_EQ(selectedLine(), "Beta");
  pickGroup->Edit1->setText("AM");  // "AL" < "AM" <= "BE"
  EXPECT_EQ(selectedLine(), "Beta");
  pickGroup->Edit1->setText("z");
  EXPECT_EQ(selectedLine(), "");
  ui.expectMessage(Ui::Kind::Information, "Item Not Selected");
  pickGroup->BtnSelect->click();
  EXPECT_TRUE(pickGroup->isVisible());
  EXPECT_EQ(CurrentGroupRec, -1);
}

TEST_F(PickGroupTest, SeekInAOneLineListChangesNothing) {
  addGroup(1, "Alpha");
  show(0);
  pickGroup->Edit1->setText("z");
  EXPECT_EQ(selectedLine(), "Alpha");
}

TEST_F(PickGroupTest, EmptyListSaysItemNotSelected) {
  show(0);
  EXPECT_EQ(pickGroup->ListBox1->count(), 0);
  ui.expectMessage(Ui::Kind::Information, "Item Not Selected");
  pickGroup->BtnSelect->click();
  EXPECT_EQ(CurrentGroupRec, -1);
}

}  // namespace
