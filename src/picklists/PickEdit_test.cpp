#include "picklists/PickEdit.h"

#include <QDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

#include "data/CodeBase.h"
#include "data/SupplyTables.h"
#include "data/dbFiles.h"
#include "platform/ScriptedUi.h"
#include "platform/TestApplication.h"

namespace {

// The smallest pick list and editor that keep the protocol.
class FakePick : public QDialog {
 public:
  FakePick() {
    BtnNew = new QPushButton("New", this);
    BtnNew->setObjectName("BtnNew");
  }
  QPushButton* BtnNew;
};
class FakeEditor : public QDialog {};

struct ProgramEnded {};

class PickEditTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureTestApplication();
    pick = std::make_unique<FakePick>();
    editor = std::make_unique<FakeEditor>();
    code4setFatalHook([](int, const std::string&) { throw ProgramEnded{}; });
    resetDataForTests();
    ASSERT_TRUE(dir.isValid());
    QString error;
    ASSERT_TRUE(WriteSuppliedTables(dir.path(), &error)) << error.toStdString();
    StartEngine(dir.path());
    RebuildIndexes(true);
  }
  void TearDown() override {
    resetPickEditForTests();
    EndEngine();
    resetDataForTests();
  }

  // Registers fresh windows for table; the handlers below act on them.
  void registerWindows(PickTable table) {
    RegisterPickEdit(table, pick.get(), editor.get());
    ui.onDialog<FakePick>([this](FakePick* p) {
      newEnabled.append(p->BtnNew->isEnabled());
      valueAtPick.append(CurrentRecordOf(shownFor));
      CurrentRecordOf(shownFor) = pickAnswers.isEmpty() ? -1 : pickAnswers.takeFirst();
      p->accept();
    });
    ui.onDialog<FakeEditor>([this](FakeEditor* e) {
      valueAtEditor.append(CurrentRecordOf(shownFor));
      if (!editorAnswers.isEmpty()) CurrentRecordOf(shownFor) = editorAnswers.takeFirst();
      e->accept();
    });
    shownFor = table;
  }

  void addGroup(const QString& name) {
    ASSERT_TRUE(OpenGROUPS());
    d4appendBlank(Groups.d);
    GroupBuf = {static_cast<int>(d4recNo(Groups.d)), name};
    WriteGroup();
    CloseAll();
  }

  QTemporaryDir dir;
  ScriptedUi ui;
  std::unique_ptr<FakePick> pick;
  std::unique_ptr<FakeEditor> editor;
  PickTable shownFor = PickTable::Group;
  QList<int> pickAnswers, editorAnswers;
  QList<bool> newEnabled;
  QList<int> valueAtPick, valueAtEditor;
};

TEST_F(PickEditTest, EmptyTableWithoutNewRecordsIsRefusedWithItsMessage) {
  registerWindows(PickTable::Group);
  ASSERT_TRUE(OpenGROUPS());
  CurrentGroupRec = 5;
  ui.expectMessage(Ui::Kind::Information, "Group Database is Empty");
  const PickResult r = PickGroup(false);
  EXPECT_FALSE(r.chosen);
  EXPECT_FALSE(r.editorShown);
  EXPECT_EQ(CurrentGroupRec, -1);
  EXPECT_FALSE(ui.transcript().join(";").contains("dialog")) << "no window opened";
  CloseAll();
}

TEST_F(PickEditTest, EmptyTableWithNewRecordsGoesToThePickListWithNewEnabled) {
  registerWindows(PickTable::Group);
  ASSERT_TRUE(OpenGROUPS());
  CurrentGroupRec = 7;  // left over from an earlier pick
  pickAnswers = {0};     // "New"
  editorAnswers = {1};   // saved as record 1
  const PickResult r = PickGroup(true);
  EXPECT_EQ(valueAtPick, QList<int>({0}));
  EXPECT_EQ(newEnabled, QList<bool>({true}));
  EXPECT_EQ(valueAtEditor, QList<int>({0})) << "the editor is told to make a new record";
  EXPECT_TRUE(r.chosen);
  EXPECT_TRUE(r.editorShown);
  CloseAll();
}

TEST_F(PickEditTest, NewIsDisabledWhenNotAllowedAndAChosenRecordSkipsTheEditor) {
  addGroup("Retail");
  registerWindows(PickTable::Group);
  ASSERT_TRUE(OpenGROUPS());
  CurrentGroupRec = 1;
  pickAnswers = {1};
  const PickResult r = PickGroup(false);
  EXPECT_EQ(newEnabled, QList<bool>({false}));
  EXPECT_EQ(valueAtPick, QList<int>({1})) << "the caller's record is highlighted";
  EXPECT_TRUE(valueAtEditor.isEmpty());
  EXPECT_TRUE(r.chosen);
  EXPECT_FALSE(r.editorShown);
  CloseAll();
}

TEST_F(PickEditTest, CancelledNewRecordCountsAsMadeOnlyForTheTablesThatSaySo) {
  struct Case {
    PickTable table;
    bool (*open)();
    int cancelledValue;  // what that table's editor leaves on Cancel
    bool editorShown;
  };
  const Case cases[] = {
      {PickTable::Customer, OpenCUST5, -1, true},  {PickTable::Product, OpenProd5, -1, true},
      {PickTable::Invoice, OpenINV5, -1, true},    {PickTable::Purchase, OpenPur5, 0, false},
      {PickTable::Group, OpenGROUPS, -1, false},   {PickTable::Label, OpenLABELS, 0, false},
  };
  for (const Case& c : cases) {
    registerWindows(c.table);
    ASSERT_TRUE(c.open());
    pickAnswers = {0};
    editorAnswers = {c.cancelledValue};
    const PickResult r = PickRecord(c.table, true);
    EXPECT_FALSE(r.chosen) << static_cast<int>(c.table);
    EXPECT_EQ(r.editorShown, c.editorShown) << static_cast<int>(c.table);
    CloseAll();
  }
}

TEST_F(PickEditTest, CustomerPickUsesTheNameOrderWhateverTheCallerSelected) {
  registerWindows(PickTable::Customer);
  ASSERT_TRUE(OpenCUST5());
  d4tagSelect(Cust5.d, d4tag(Cust5.d, "ccomp"));
  PickCustomer(true);
  EXPECT_EQ(d4tagSelected(Cust5.d), d4tag(Cust5.d, "cname"));
  CloseAll();
}

TEST_F(PickEditTest, EditLoopEditsEachChosenRecordUntilCancelled) {
  addGroup("Retail");
  addGroup("Wholesale");
  registerWindows(PickTable::Group);
  ASSERT_TRUE(OpenGROUPS());
  CurrentGroupRec = 1;
  pickAnswers = {2, 1, -1};
  EditLoop(PickTable::Group);
  EXPECT_EQ(valueAtPick, QList<int>({1, 2, 1})) << "each pick highlights the record edited last";
  EXPECT_EQ(valueAtEditor, QList<int>({2, 1}));
  CloseAll();
}

TEST_F(PickEditTest, EditLoopReturnsToThePickListAfterANewRecordIsSaved) {
  addGroup("Retail");
  registerWindows(PickTable::Group);
  ASSERT_TRUE(OpenGROUPS());
  CurrentGroupRec = 1;
  pickAnswers = {0, -1};
  editorAnswers = {2};  // the new record's number
  EditLoop(PickTable::Group);
  EXPECT_EQ(valueAtEditor, QList<int>({0})) << "the editor is not shown twice for the new record";
  EXPECT_EQ(valueAtPick, QList<int>({1, 2}));
  CloseAll();
}

TEST_F(PickEditTest, EditLoopEndsWhenANewRecordIsNotSaved) {
  registerWindows(PickTable::Group);
  ASSERT_TRUE(OpenGROUPS());
  pickAnswers = {0, 0};
  editorAnswers = {-1, 1};
  EditLoop(PickTable::Group);
  EXPECT_EQ(valueAtPick.size(), 1);
  EXPECT_EQ(valueAtEditor.size(), 1);
  CloseAll();
}

TEST_F(PickEditTest, TableWithoutWindowsPicksNothingAndShowsNothing) {
  ASSERT_TRUE(OpenGROUPS());
  EXPECT_FALSE(PickEditRegistered(PickTable::Group));
  EXPECT_FALSE(PickGroup(false).chosen);
  EditLoop(PickTable::Group);
  {
    auto* gone = new FakePick;
    RegisterPickEdit(PickTable::Group, gone, editor.get());
    EXPECT_TRUE(PickEditRegistered(PickTable::Group));
    delete gone;
  }
  EXPECT_FALSE(PickEditRegistered(PickTable::Group)) << "a destroyed window is forgotten";
  EXPECT_FALSE(PickGroup(true).chosen);
  EXPECT_TRUE(ui.transcript().isEmpty());
  CloseAll();
}

}  // namespace
