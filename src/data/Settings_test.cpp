#include "data/Settings.h"

#include "data/CodeBase.h"
#include "data/TestSupport.h"
#include "data/dbFiles.h"

namespace {

class SettingsTest : public DataFolderTest {};

TEST_F(SettingsTest, EveryValueSurvivesWriteAndRead) {
  SettingsRecord& s = Settings();
  s.FontName = "DejaVu Sans";
  s.FontSize = 11;
  s.LabID = "Sheet 30";
  s.Company = QString(70, 'C');
  s.Addr1 = "1";
  s.Addr2 = "2";
  s.Addr3 = "3";
  s.Addr4 = "4";
  s.CloLine = "Thanks";
  s.SigLine = "Margaret";
  s.LogoFile = "/home/m/logo.bmp";
  s.LogoHeight = 1.25;
  s.LogoWidth = 2.5;
  s.ShipLine = "Freight";
  s.TaxLine = "VAT";
  s.ShipTax = 3;
  s.TaxRound = 2;
  s.LHJustify = 3;
  s.TaxRate1 = 99.99;
  s.TaxRate2 = 7.25;
  s.TopMargin = -0.5;
  s.ByCust = false;
  s.fifo = false;
  WriteSettings();

  resetSettingsForTests();
  ReadSettings();
  EXPECT_EQ(s.FontName.trimmed(), "DejaVu Sans");
  EXPECT_EQ(s.FontSize, 11);
  EXPECT_EQ(s.LabID.trimmed(), "Sheet 30");
  EXPECT_EQ(s.Company.trimmed(), QString(35, 'C')) << "cut to 59, then to the field";
  EXPECT_EQ(s.Addr4.trimmed(), "4");
  EXPECT_EQ(s.CloLine.trimmed(), "Thanks");
  EXPECT_EQ(s.SigLine.trimmed(), "Margaret");
  EXPECT_EQ(s.LogoFile.trimmed(), "/home/m/logo.bmp");
  EXPECT_DOUBLE_EQ(s.LogoHeight, 1.25);
  EXPECT_DOUBLE_EQ(s.LogoWidth, 2.5);
  EXPECT_EQ(s.ShipLine.trimmed(), "Freight");
  EXPECT_EQ(s.TaxLine.trimmed(), "VAT");
  EXPECT_EQ(s.ShipTax, 3);
  EXPECT_EQ(s.TaxRound, 2);
  EXPECT_EQ(s.LHJustify, 3);
  EXPECT_DOUBLE_EQ(s.TaxRate1, 99.99);
  EXPECT_DOUBLE_EQ(s.TaxRate2, 7.25);
  EXPECT_DOUBLE_EQ(s.TopMargin, -0.5);
  EXPECT_FALSE(s.ByCust);
  EXPECT_FALSE(s.fifo);
  EXPECT_EQ(code4errorCode(cb, 0), 0) << "every value fits its field";
}

TEST_F(SettingsTest, CharacterValuesAreCutTo59) {
  Settings().SigLine = QString(70, 's');
  WriteSettings();
  resetSettingsForTests();
  ReadSettings();
  EXPECT_EQ(Settings().SigLine.trimmed(), QString(59, 's'));
}

TEST_F(SettingsTest, WritingLeavesTheCommandsOtherTablesOpen) {
  RebuildIndexes(true);
  ASSERT_TRUE(OpenLABELS());
  Settings().LabID = "Other";
  WriteSettings();
  EXPECT_EQ(d4appendBlank(Labels.d), 0) << "LABELS still open";
  CloseAll();
}

TEST_F(SettingsTest, SettingsTableThatLostItsRecordGetsOneOnWrite) {
  DATA4* d = OpenKEX1();
  ASSERT_EQ(d4zap(d, 1, 1), 0);
  CloseAll();
  Settings().Company = "Kept";
  WriteSettings();
  resetSettingsForTests();
  ReadSettings();
  EXPECT_EQ(Settings().Company.trimmed(), "Kept");
}

}  // namespace
