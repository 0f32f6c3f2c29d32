// The real message boxes: which button Enter alone presses, and their
// captions in the windows' language.
#include "platform/QtUi.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

#include "platform/Language.h"
#include "platform/TestApplication.h"

namespace {

struct Answer {
  bool agreed;
  QString defaultButton;
};

template <class Ask>
Answer EnterOn(Ask ask) {
  QString seen;
  QTimer::singleShot(0, [&seen] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    if (box->defaultButton()) seen = box->defaultButton()->text().remove('&');
    QTest::keyClick(box, Qt::Key_Return);
  });
  const bool agreed = ask();
  return {agreed, seen};
}

TEST(QtUiTest, EnterAgreesToAnOrdinaryConfirmationButNeverToADestructiveOne) {
  EnsureTestApplication();
  QtUi ui;
  using K = Ui::Kind;
  using B = Ui::Buttons;
  Answer a = EnterOn([&] { return ui.confirm(K::Confirmation, B::YesNo, "Add another invoice?"); });
  EXPECT_TRUE(a.agreed);
  EXPECT_EQ(a.defaultButton, "Yes");

  a = EnterOn([&] { return ui.confirmDestructive(K::Warning, B::OkCancel, "WARNING: erase"); });
  EXPECT_FALSE(a.agreed);
  EXPECT_EQ(a.defaultButton, "Cancel");

  a = EnterOn([&] { return ui.confirmDestructive(K::Confirmation, B::YesNo, "Overwrite?"); });
  EXPECT_FALSE(a.agreed);
  EXPECT_EQ(a.defaultButton, "No");
}

TEST(QtUiTest, TheButtonsSpeakTheWindowsLanguageAndTheTitleStaysTheProgramsName) {
  EnsureTestApplication();
  QtUi ui;
  // The title and the buttons' captions of the box ask shows, in their order.
  auto shown = [](const std::function<void()>& ask) {
    QStringList seen;
    QTimer::singleShot(0, [&seen] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      seen << box->windowTitle();
      for (QAbstractButton* b : box->buttons()) seen << b->text();
      seen.sort();
      box->reject();
    });
    ask();
    return seen;
  };
  using K = Ui::Kind;
  using B = Ui::Buttons;
  const struct {
    const char* code;
    QStringList yesNo, okCancel, ok;
  } languages[] = {
      {"de", {"&Ja", "&Nein", "Tallowby"}, {"Abbrechen", "OK", "Tallowby"}, {"OK", "Tallowby"}},
      {"fr", {"&Non", "&Oui", "Tallowby"}, {"Annuler", "OK", "Tallowby"}, {"OK", "Tallowby"}},
  };
  for (const auto& l : languages) {
    DocumentLanguage language(l.code);
    EXPECT_EQ(shown([&] { ui.confirm(K::Confirmation, B::YesNo, "?"); }), l.yesNo);
    EXPECT_EQ(shown([&] { ui.confirmDestructive(K::Warning, B::OkCancel, "!"); }), l.okCancel);
    EXPECT_EQ(shown([&] { ui.message(K::Information, "."); }), l.ok);
  }
}

}  // namespace
