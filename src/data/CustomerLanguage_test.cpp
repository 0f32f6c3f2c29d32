// The customer's document language: made where a folder lacks the table,
// kept across a restart, blanked rather than left behind.
#include "data/CustomerLanguage.h"

#include <QFile>
#include <gtest/gtest.h>

#include "data/TestSupport.h"
#include "data/dbFiles.h"

namespace {

using CustomerLanguageTest = IndexedFolderTest;

TEST_F(CustomerLanguageTest, WrittenLanguagesReadBackAfterARestart) {
  // A folder of an earlier version: the table comes at start.
  EndEngine();
  ASSERT_TRUE(QFile::remove(path("CUSTLANG.DBF")));
  StartEngine(dir.path());
  PrepareTables();
  ASSERT_TRUE(exists("CUSTLANG.DBF"));
  ASSERT_TRUE(exists("CUSTLANG.ntx"));

  QString error;
  EXPECT_EQ(CustomerLanguage(7), "") << "none set";
  ASSERT_TRUE(SetCustomerLanguage(7, "fr", &error)) << error.toStdString();
  ASSERT_TRUE(SetCustomerLanguage(12, "de", &error)) << error.toStdString();
  ASSERT_TRUE(SetCustomerLanguage(12, "en", &error)) << error.toStdString();
  ASSERT_TRUE(SetCustomerLanguage(30, "de", &error)) << error.toStdString();
  ASSERT_TRUE(SetCustomerLanguage(30, "", &error)) << error.toStdString();
  ASSERT_TRUE(SetCustomerLanguage(40, "", &error)) << error.toStdString();
  EXPECT_FALSE(SetCustomerLanguage(41, "it", &error));
  EXPECT_TRUE(error.contains("it")) << error.toStdString();

  EndEngine();
  StartEngine(dir.path());
  EXPECT_EQ(CustomerLanguage(7), "fr");
  EXPECT_EQ(CustomerLanguage(12), "en") << "written again: the same record";
  EXPECT_EQ(CustomerLanguage(30), "") << "blanked";
  EXPECT_EQ(CustomerLanguage(40), "");
  EXPECT_EQ(CustomerLanguage(41), "");
  DATA4* d = OpenCUSTLANG();
  ASSERT_NE(d, nullptr);
  EXPECT_EQ(d4recCountDo(d), 3) << "7, 12 and the blanked 30; none for 40 or 41";
  CloseAll();

  // The index is rebuilt with the others: a seek still finds them.
  RebuildIndexes(false);
  EXPECT_EQ(CustomerLanguage(7), "fr");
  EXPECT_EQ(CustomerLanguage(12), "en");
}

}  // namespace
