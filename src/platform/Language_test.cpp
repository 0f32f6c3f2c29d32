#include "platform/Language.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLocale>
#include <QTemporaryDir>

#include "platform/NumberText.h"
#include "platform/TestApplication.h"

namespace {

class LanguageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureTestApplication();
    ASSERT_TRUE(config_.isValid());
    qputenv("XDG_CONFIG_HOME", config_.path().toLocal8Bit());
    RememberLanguage(QString());
  }
  void TearDown() override { UseLanguage("en"); }
  QTemporaryDir config_;
};

TEST_F(LanguageTest, TheOptionWinsOverTheRememberedChoiceWhichWinsOverTheDesktop) {
  char program[] = "tallowby", spaced[] = "--language", de[] = "de", joined[] = "--language=fr";
  char* separate[] = {program, spaced, de, nullptr};
  char* together[] = {program, joined, nullptr};
  EXPECT_EQ(LanguageOption(3, separate), "de");
  EXPECT_EQ(LanguageOption(2, together), "fr");
  EXPECT_EQ(LanguageOption(1, separate), "");

  const QString desktop = ChooseLanguage(QString());
  RememberLanguage("fr");
  EXPECT_EQ(RememberedLanguage(), "fr");
  EXPECT_EQ(ChooseLanguage(QString()), "fr");
  EXPECT_EQ(ChooseLanguage("de"), "de");
  EXPECT_EQ(ChooseLanguage("xx"), "fr");  // an unknown code is no choice
  RememberLanguage(QString());
  EXPECT_EQ(ChooseLanguage(QString()), desktop);
}

TEST_F(LanguageTest, QtsOwnTextsAndTheLocaleFollowTheLanguage) {
  UseLanguage("de");
  EXPECT_EQ(CurrentLanguage(), "de");
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Abbrechen");
  EXPECT_EQ(QLocale().decimalPoint(), ",");
  UseLanguage("fr");
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Annuler");
  UseLanguage("en");
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel");
  EXPECT_EQ(QLocale().decimalPoint(), ".");
}

TEST_F(LanguageTest, ADocumentsLanguageEndsWithTheDocument) {
  UseLanguage("de");
  {
    DocumentLanguage french("fr");
    EXPECT_EQ(CurrentLanguage(), "fr");
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Annuler");
    {
      DocumentLanguage none{QString()};  // a customer without a language
      EXPECT_EQ(CurrentLanguage(), "fr");
    }
  }
  EXPECT_EQ(CurrentLanguage(), "de");
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Abbrechen");
}

TEST_F(LanguageTest, WhatWasTypedInTheWindowsIsReadAsTypedWhileADocumentIsInAnotherLanguage) {
  UseLanguage("en");
  {
    DocumentLanguage german("de");
    EXPECT_DOUBLE_EQ(StrToFloat("6.00"), 6) << "the working copy's texts were typed in English";
    EXPECT_EQ(FormatFloat("%.2f", 6), "6,00") << "the document writes German numbers";
    EXPECT_DOUBLE_EQ(StrToFloat("6,50"), 6.5) << "and reads what it wrote";
  }
  EXPECT_DOUBLE_EQ(StrToFloat("4.35"), 4.35);
  UseLanguage("de");
  EXPECT_DOUBLE_EQ(StrToFloat("4,35"), 4.35) << "the windows' separator follows their language again";
  UseLanguage("en");
}

}  // namespace
