// The stationery window: what it shows, the logo file dialog (which must
// not move the working folder, where the tables are opened by name), and
// what Save writes into the settings record.
#include "labels/StationaryU.h"

#include <QDir>
#include <QLocale>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include "data/Settings.h"
#include "data/StorableText.h"
#include "data/TestSupport.h"
#include "platform/AmountBox.h"

namespace {

// The scripted driver, whose file dialog also wanders off to another
// folder, as a real one may.
class WanderingUi : public DataTestUi {
 public:
  QString elsewhere;
  QString openFileName(QWidget* parent, const QString& title, const QString& dir,
                       const QString& filter) override {
    QDir::setCurrent(elsewhere);
    return DataTestUi::openFileName(parent, title, dir, filter);
  }
};

class StationaryTest : public IndexedFolderTest {
 protected:
  void SetUp() override {
    EnsureTestApplication();
    IndexedFolderTest::SetUp();
    Ui::install(&wandering);
    wandering.elsewhere = pictures.path();
    previousDir = QDir::currentPath();
    QDir::setCurrent(dir.path());
    window = std::make_unique<TStationary>();
  }
  void TearDown() override {
    window.reset();
    QDir::setCurrent(previousDir);
    Ui::install(&ui);
    IndexedFolderTest::TearDown();
  }
  // A small picture in the format its suffix names.
  QString picture(const QString& name) {
    const QString p = pictures.filePath(name);
    QImage image(4, 2, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    EXPECT_TRUE(image.save(p));
    return p;
  }
  void run(const std::function<void(TStationary*)>& steps) {
    wandering.onDialog<TStationary>(steps);
    wandering.exec(window.get());
  }
  // The settings record as stored.
  SettingsRecord stored() {
    const SettingsRecord inMemory = Settings();
    ReadSettings();
    const SettingsRecord s = Settings();
    Settings() = inMemory;
    return s;
  }

  QTemporaryDir pictures;
  WanderingUi wandering;
  QString previousDir;
  std::unique_ptr<TStationary> window;
};

TEST_F(StationaryTest, AMetricLocaleShowsWholeMillimetresAndTheRecordKeepsInches) {
  const QLocale before;
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  window = std::make_unique<TStationary>();
  Settings().TopMargin = 0.39;  // 10 mm
  Settings().LogoHeight = 1;
  WriteSettings();
  QString shown;
  run([&](TStationary* w) {
    shown = w->MaskEdit1->text().trimmed() + "|" + w->MaskEdit2->text().trimmed();
    w->MaskEdit3->setValue(50);
    w->BtnSave->click();
  });
  QLocale::setDefault(before);
  EXPECT_EQ(shown, "10|25");
  EXPECT_DOUBLE_EQ(stored().TopMargin, 0.39);
  EXPECT_DOUBLE_EQ(stored().LogoHeight, 1) << "a size shown and saved again is unchanged";
  EXPECT_DOUBLE_EQ(stored().LogoWidth, 1.97);
}

TEST_F(StationaryTest, LetterheadTextTheTableCannotHoldIsAskedAboutFirst) {
  Settings().Company = "Wick & Tallow";
  WriteSettings();
  const auto typeCompany = [](TStationary* w) {
    w->Edit2->setText("Łódź Candles");
    w->BtnSave->click();
  };
  wandering.expectConfirm(UnstorableQuestion("Łź"), false);
  run(typeCompany);
  EXPECT_EQ(stored().Company.trimmed(), "Wick & Tallow") << "Cancel saves nothing";
  wandering.expectConfirm(UnstorableQuestion("Łź"), true);
  run(typeCompany);
  EXPECT_EQ(stored().Company.trimmed(), "?ód? Candles");
}

}  // namespace

TEST_F(StationaryTest, LogoChosenElsewhereLeavesTheWorkingFolderAsItWas) {
  const QString logo = picture("logo.png");
  run([&](TStationary* w) {
    wandering.expectOpenFile(logo);
    w->BtnLogo->click();
    EXPECT_EQ(QDir::currentPath(), QDir(dir.path()).absolutePath());
    EXPECT_EQ(w->Edit1->text(), logo);
    EXPECT_TRUE(wandering.lastFilePrompt().filter.startsWith("Bitmap Files (*.BMP)|*.BMP"));
    w->BtnSave->click();
  });
  EXPECT_EQ(Settings().LogoFile, logo);
  EXPECT_EQ(stored().LogoFile.trimmed(), logo);
}

TEST_F(StationaryTest, CancelledDialogKeepsAnExistingLogoAndDropsAMissingOne) {
  const QString logo = picture("logo.bmp");
  Settings().LogoFile = logo;
  run([&](TStationary* w) {
    wandering.expectOpenFile("");
    w->BtnLogo->click();
    EXPECT_EQ(w->Edit1->text(), logo);
    QFile::remove(logo);
    wandering.expectOpenFile("");
    w->BtnLogo->click();
    EXPECT_EQ(w->Edit1->text(), "");
    w->BtnCancel->click();
  });
  EXPECT_EQ(Settings().LogoFile, logo);  // Cancel changes nothing
}

TEST_F(StationaryTest, AFileThatIsNotAPictureIsRefusedWhenChosen) {
  const QString logo = picture("logo.png");
  Settings().LogoFile = logo;
  const QString notes = pictures.filePath("notes.png");
  QFile f(notes);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("shopping list, not a picture");
  f.close();
  run([&](TStationary* w) {
    wandering.expectOpenFile(notes);
    wandering.expectMessage(Ui::Kind::Information,
                            notes + " is not a picture Tallowby can read; choose a bitmap, PNG or "
                                    "JPEG file.");
    w->BtnLogo->click();
    EXPECT_EQ(w->Edit1->text(), logo) << "the logo chosen before stays";
    w->BtnSave->click();
  });
  EXPECT_EQ(stored().LogoFile.trimmed(), logo);
}

TEST_F(StationaryTest, LogoDeletedSinceItWasChosenIsDroppedAtSave) {
  const QString logo = picture("gone.bmp");
  Settings().LogoFile = logo;
  QFile::remove(logo);
  run([](TStationary* w) { w->BtnSave->click(); });
  EXPECT_EQ(Settings().LogoFile, "");
}

TEST_F(StationaryTest, ShowsTheSettingsAndSavesEveryField) {
  Settings().TopMargin = 1.5;
  Settings().Company = "Wick & Tallow                      ";
  Settings().LHJustify = 0;
  run([](TStationary* w) {
    EXPECT_EQ(w->windowTitle(), "Stationery Setup");
    EXPECT_EQ(w->MaskEdit1->text().trimmed(), "1.50");
    EXPECT_EQ(w->Edit2->text(), "Wick & Tallow");
    EXPECT_TRUE(w->RadioButton1->isChecked());  // 0 shows "Left"
    w->MaskEdit2->setText("0.75");
    w->MaskEdit3->setText("2");
    for (QLineEdit* e : {w->Edit3, w->Edit4, w->Edit5, w->Edit6, w->Edit7, w->Edit8})
      e->setText(" " + e->objectName() + " ");
    w->BtnSave->click();
  });
  const SettingsRecord s = stored();
  EXPECT_EQ(s.LHJustify, 1);
  EXPECT_EQ(s.TopMargin, 1.5);
  EXPECT_EQ(s.LogoHeight, 0.75);
  EXPECT_EQ(s.LogoWidth, 2);
  EXPECT_EQ(s.Company.trimmed(), "Wick & Tallow");
  EXPECT_EQ(s.Addr1.trimmed(), "Edit3");
  EXPECT_EQ(s.Addr4.trimmed(), "Edit6");
  EXPECT_EQ(s.CloLine.trimmed(), "Edit7");
  EXPECT_EQ(s.SigLine.trimmed(), "Edit8");

  run([](TStationary* w) {
    w->RadioButton3->setChecked(true);
    w->BtnSave->click();
  });
  EXPECT_EQ(stored().LHJustify, 3);
}
