#include "printing/MultGroupU.h"

#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>

#include <memory>

#include "data/TestSupport.h"
#include "data/dbFiles.h"

namespace {

class MultGroupTest : public IndexedFolderTest {
 protected:
  void SetUp() override {
    IndexedFolderTest::SetUp();
    EnsureTestApplication();
    picker = std::make_unique<TMultGroup>();
  }
  void TearDown() override {
    picker.reset();
    IndexedFolderTest::TearDown();
  }
  // Opens GROUPS (in group-number order) and runs the picker; inDialog
  // selects and presses buttons while it is open.
  bool Run(const std::function<void(QListWidget*, TMultGroup*)>& inDialog) {
    EXPECT_TRUE(OpenGROUPS());
    ui.onDialog<TMultGroup>([&](TMultGroup* d) {
      auto* list = d->findChild<QListWidget*>("ListBox1");
      items.clear();
      for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
      inDialog(list, d);
    });
    const bool chosen = RunMultGroup();
    CloseAll();
    return chosen;
  }
  static void Press(TMultGroup* d, const char* name) { d->findChild<QPushButton*>(name)->click(); }

  QStringList items;
  std::unique_ptr<TMultGroup> picker;
};

TEST_F(MultGroupTest, SingleGroupIsChosenByRunAlone) {
  AppendGroup(Group(4, "Wholesale"));
  EXPECT_TRUE(Run([](QListWidget*, TMultGroup* d) { Press(d, "BtnRun"); }));
  EXPECT_EQ(items, QStringList{" 4 - Wholesale"});
  EXPECT_EQ(ChosenGroups, QList<int>{4});
}

TEST_F(MultGroupTest, SelectedGroupsComeInListOrderAndDeletedOnesAreNotOffered) {
  AppendGroup(Group(12, "Shops"));
  AppendGroup(Group(3, "Retail"));
  AppendGroup(Group(7, "Closed"));
  ASSERT_TRUE(OpenGROUPS());
  d4go(Groups.d, 3);
  d4delete(Groups.d);
  CloseAll();
  EXPECT_TRUE(Run([](QListWidget* list, TMultGroup* d) {
    list->item(1)->setSelected(true);
    list->item(0)->setSelected(true);
    Press(d, "BtnRun");
  }));
  EXPECT_EQ(items, QStringList({" 3 - Retail", "12 - Shops"}));
  EXPECT_EQ(ChosenGroups, QList<int>({3, 12}));

  // The command line's groups are the same lines.
  ASSERT_TRUE(OpenGROUPS());
  const QList<ListedGroup> listed = ListedGroups();
  CloseAll();
  ASSERT_EQ(listed.size(), 2);
  EXPECT_EQ(listed[0].number, 3);
  EXPECT_EQ(listed[1].name, "Shops");
}

TEST_F(MultGroupTest, AllSelectsEveryGroup) {
  AppendGroup(Group(1, "A"));
  AppendGroup(Group(2, "B"));
  EXPECT_TRUE(Run([](QListWidget*, TMultGroup* d) {
    Press(d, "BtnAll");
    Press(d, "BtnRun");
  }));
  EXPECT_EQ(ChosenGroups, QList<int>({1, 2}));
}

TEST_F(MultGroupTest, RunWithNothingSelectedAndCancelChooseNothing) {
  AppendGroup(Group(1, "A"));
  AppendGroup(Group(2, "B"));
  EXPECT_FALSE(Run([](QListWidget*, TMultGroup* d) { Press(d, "BtnRun"); }));
  EXPECT_TRUE(ChosenGroups.isEmpty());
  EXPECT_FALSE(Run([](QListWidget* list, TMultGroup* d) {
    list->item(0)->setSelected(true);
    Press(d, "BtnCancel");
  }));
  EXPECT_TRUE(ChosenGroups.isEmpty());
}

}  // namespace
