#include "labels/StationaryU.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cmath>

#include "platform/FieldEdit.h"
#include "data/Schema.h"
#include "data/Settings.h"
#include "platform/AmountBox.h"
#include "platform/HandlerGuard.h"
#include "platform/Ui.h"
#include "platform/FormParts.h"
#include "data/StorableText.h"
#include "platform/EntryTexts.h"

namespace {
constexpr int kHelpContext = 610;
const QString kInchMask = QStringLiteral("!##.99;1;_");
constexpr const char* kInchFormat = "%5.2f";
// Where the locale measures in the metric system, the window shows whole
// millimetres; the settings record keeps inches (two decimals, a quarter of
// a millimetre, so whole millimetres come back as typed).
const QString kMillimetreMask = QStringLiteral("!999;1;_");
constexpr const char* kMillimetreFormat = "%3.0f";
constexpr double kMillimetresPerInch = 25.4;

bool Metric() { return QLocale().measurementSystem() == QLocale::MetricSystem; }
// What the boxes show of an inch.
double ShownPerInch() { return Metric() ? kMillimetresPerInch : 1; }

// What box shows, in inches to the record's two decimals; stored as it was
// when the box still shows what it was given.
double Inches(const AmountBox* box, double stored) {
  if (box->text() == box->property("shown").toString()) return stored;
  return std::round(box->value() / ShownPerInch() * 100) / 100;
}
bool IsFile(const QString& path) { return !path.isEmpty() && QFileInfo(path).isFile(); }
}  // namespace

TStationary::TStationary(QWidget* parent)
    : EditorForm(parent, "TStationary", tr("Stationery Setup"), kHelpContext,
                 Deletes::No) {
  BtnLogo = MakeFormButton("BtnLogo", tr("Logo File"), this);
  Edit1 = MakeFormEdit("Edit1", 35, this);
  Edit1->setFocusPolicy(Qt::ClickFocus);  // not a tab stop
  const QString& mask = Metric() ? kMillimetreMask : kInchMask;
  const char* format = Metric() ? kMillimetreFormat : kInchFormat;
  MaskEdit1 = new AmountBox(mask, format, this);
  MaskEdit1->setObjectName("MaskEdit1");
  MaskEdit2 = new AmountBox(mask, format, this);
  MaskEdit2->setObjectName("MaskEdit2");
  MaskEdit2->setRedWhenNegative(false);
  MaskEdit3 = new AmountBox(mask, format, this);
  MaskEdit3->setObjectName("MaskEdit3");
  MaskEdit3->setRedWhenNegative(false);
  Edit2 = MakeFormEdit("Edit2", 35, this);
  Edit3 = MakeFormEdit("Edit3", 35, this);
  Edit4 = MakeFormEdit("Edit4", 35, this);
  Edit5 = MakeFormEdit("Edit5", 35, this);
  Edit6 = MakeFormEdit("Edit6", 25, this);
  Edit7 = MakeFormEdit("Edit7", 25, this);
  Edit8 = MakeFormEdit("Edit8", 32767, this);
  auto* justification = new QGroupBox(tr(" Justification "), this);
  justification->setObjectName("GroupBox1");
  RadioButton1 = new QRadioButton(tr("Left"), justification);
  RadioButton1->setObjectName("RadioButton1");
  RadioButton2 = new QRadioButton(tr("Center"), justification);
  RadioButton2->setObjectName("RadioButton2");
  RadioButton3 = new QRadioButton(tr("Right"), justification);
  RadioButton3->setObjectName("RadioButton3");

  const int m = fontMetrics().horizontalAdvance(QChar('M'));
  for (QLineEdit* e : {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7, Edit8})
    e->setMinimumWidth(22 * m);
  for (AmountBox* b : {MaskEdit1, MaskEdit2, MaskEdit3}) b->setFixedWidth(5 * m);

  auto* grid = new QGridLayout;
  int r = 0;
  grid->addWidget(BtnLogo, r, 0);
  grid->addWidget(Edit1, r++, 1, 1, 3);
  grid->addWidget(new QLabel(tr("Top Margin:"), this), r, 0);
  grid->addWidget(MaskEdit1, r, 1);
  //: The unit of the margin and logo size where the locale is metric.
  const QString unit = Metric() ? tr("mm") : tr("Inches");
  grid->addWidget(new QLabel(unit, this), r++, 2);
  grid->addWidget(new QLabel(tr("Logo Height:"), this), r, 0);
  grid->addWidget(MaskEdit2, r, 1);
  grid->addWidget(new QLabel(unit, this), r, 2);
  auto* widthBox = new QHBoxLayout;
  widthBox->addWidget(new QLabel(tr("Width:"), this));
  widthBox->addWidget(MaskEdit3);
  widthBox->addStretch();
  grid->addLayout(widthBox, r++, 3);
  grid->addWidget(new QLabel(tr("Company Name:"), this), r, 0);
  grid->addWidget(Edit2, r++, 1, 1, 3);
  grid->addWidget(new QLabel(tr("Address:"), this), r, 0);
  for (QLineEdit* e : {Edit3, Edit4, Edit5, Edit6}) grid->addWidget(e, r++, 1, 1, 3);
  grid->addWidget(new QLabel(tr("Closing Line:"), this), r, 0);
  grid->addWidget(Edit7, r++, 1, 1, 3);
  grid->addWidget(new QLabel(tr("Signature Line:"), this), r, 0);
  grid->addWidget(Edit8, r++, 1, 1, 3);
  auto* radios = new QHBoxLayout(justification);
  radios->addWidget(RadioButton1);
  radios->addWidget(RadioButton2);
  radios->addWidget(RadioButton3);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(justification);
  layout->addLayout(ButtonRow());

  SetTabOrder({BtnLogo, MaskEdit1, MaskEdit2, MaskEdit3, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7,
               Edit8, RadioButton1, RadioButton2, RadioButton3, BtnSave, BtnCancel, BitBtn1});

  connect(BtnLogo, &QPushButton::clicked, this, Guarded(this, &TStationary::BtnLogoClick));
}

void TStationary::FormShow() {
  const SettingsRecord& s = Settings();
  MaskEdit1->setValue(s.TopMargin * ShownPerInch());
  MaskEdit2->setValue(s.LogoHeight * ShownPerInch());
  MaskEdit3->setValue(s.LogoWidth * ShownPerInch());
  for (AmountBox* b : {MaskEdit1, MaskEdit2, MaskEdit3}) b->setProperty("shown", b->text());
  ShowText(Edit1, s.LogoFile.trimmed());
  const QString texts[] = {s.Company, s.Addr1, s.Addr2, s.Addr3, s.Addr4, s.CloLine, s.SigLine};
  QLineEdit* const edits[] = {Edit2, Edit3, Edit4, Edit5, Edit6, Edit7, Edit8};
  for (int i = 0; i < 7; ++i) ShowText(edits[i], texts[i].trimmed());
  RadioButton1->setChecked(true);
  if (s.LHJustify == 2) RadioButton2->setChecked(true);
  if (s.LHJustify == 3) RadioButton3->setChecked(true);
  BtnLogo->setFocus();
}

void TStationary::BtnLogoClick() {
  // The file dialog may change the current folder; the tables live there.
  const QString folder = QDir::currentPath();
  const QString current = Edit1->text().trimmed();
  // Any picture the letterhead can draw; bitmaps first, as the files of the
  // earlier versions are.
  //: File dialog filters: "name (patterns)|patterns", keep the patterns and the |
  const QString filter = tr("Bitmap Files (*.BMP)|*.BMP|Picture Files (*.BMP;*.PNG;*.JPG;*.JPEG)|"
                            "*.BMP;*.PNG;*.JPG;*.JPEG");
  QString chosen = Ui::get().openFileName(this, tr("Logo File"), current, filter);
  QDir::setCurrent(folder);
  if (chosen.isEmpty()) chosen = current;  // cancelled: the dialog still names the current logo
  if (!IsFile(chosen)) {
    Edit1->clear();
    return;
  }
  // A file the letterhead cannot draw would leave a blank gap on every invoice.
  if (chosen != current && !QImageReader(chosen).canRead()) {
    Ui::get().information(tr("%1 is not a picture Tallowby can read; choose a "
                             "bitmap, PNG or JPEG file.")
                              .arg(chosen));
    return;
  }
  // A path the settings record cannot hold whole would name another file.
  if (chosen.size() > kTextLength) {
    Ui::get().information(
        tr("The logo file's path is longer than %1 characters; "
           "choose a picture in a folder with a shorter path.")
            .arg(kTextLength));
    return;
  }
  ShowText(Edit1, chosen);
}

void TStationary::BtnSaveClick() {
  // Letterhead texts the table cannot hold are asked about first.
  if (!ConfirmStorable(EntryTexts(this))) return;
  // The numbers are read before anything changes, so one that is not a
  // number leaves the settings as they were.
  SettingsRecord& s = Settings();
  const double top = Inches(MaskEdit1, s.TopMargin);
  const double height = Inches(MaskEdit2, s.LogoHeight);
  const double width = Inches(MaskEdit3, s.LogoWidth);
  s.TopMargin = top;
  s.LogoHeight = height;
  s.LogoWidth = width;
  const QString logo = Edit1->text().trimmed();
  s.LogoFile = IsFile(logo) ? logo : QString();
  QString* const texts[] = {&s.Company, &s.Addr1, &s.Addr2, &s.Addr3,
                            &s.Addr4,   &s.CloLine, &s.SigLine};
  QLineEdit* const edits[] = {Edit2, Edit3, Edit4, Edit5, Edit6, Edit7, Edit8};
  for (int i = 0; i < 7; ++i) *texts[i] = edits[i]->text().trimmed();
  s.LHJustify = RadioButton2->isChecked() ? 2 : RadioButton3->isChecked() ? 3 : 1;
  WriteSettings();
  accept();
}

