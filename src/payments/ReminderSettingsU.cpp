#include "payments/ReminderSettingsU.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <optional>

#include "data/EInvoiceTables.h"
#include "data/ReferenceRateTable.h"
#include "data/StorableText.h"
#include "payments/Interest.h"
#include "platform/Dates.h"
#include "platform/EntryTexts.h"
#include "platform/FieldEdit.h"
#include "platform/FieldNames.h"
#include "platform/FormParts.h"
#include "platform/NumberText.h"
#include "platform/Ui.h"

namespace {

constexpr int kHelpContext = 319;
const char* const kCountries[] = {"DE", "FR"};

// The rate the program ships with for country from that day, if any.
std::optional<double> ShippedRate(const QString& country, const QDate& from) {
  for (const RatePeriod& p : ShippedRates(country))
    if (p.from == from) return p.rate;
  return std::nullopt;
}

// The short date typed; invalid when it is none.
QDate DateOfText(const QString& text) {
  try {
    return QDateFromDate(ParseShortDate(text));
  } catch (const ConversionError&) {
    return QDate();
  }
}

}  // namespace

TReminderSettings::TReminderSettings(QWidget* parent)
    : EditorForm(parent, "TReminderSettings", tr("Reminder Settings"), kHelpContext, Deletes::No) {
  auto* grid = new QGridLayout;
  //: Column headings above the three reminder levels.
  grid->addWidget(new QLabel(tr("Days Past Due"), this), 0, 1);
  grid->addWidget(new QLabel(tr("Fee"), this), 0, 2);
  grid->addWidget(new QLabel(tr("Text (empty: the program's)"), this), 0, 3);
  QLineEdit** days[] = {&Edit1, &Edit2, &Edit3};
  QLineEdit** fees[] = {&Edit4, &Edit5, &Edit6};
  QLineEdit** texts[] = {&Edit7, &Edit8, &Edit9};
  for (int level = 0; level < 3; ++level) {
    const int row = level + 1;
    *days[level] = MakeFormEdit(QStringLiteral("Edit%1").arg(level + 1), 3, this);
    (*days[level])->setValidator(new QIntValidator(1, 999, *days[level]));
    *fees[level] = MakeFormEdit(QStringLiteral("Edit%1").arg(level + 4), 10, this);
    *texts[level] = MakeFormEdit(QStringLiteral("Edit%1").arg(level + 7), 254, this);
    //: Placeholder of a reminder level's own text; %1 in it stands for the date to pay by.
    (*texts[level])->setPlaceholderText(tr("\"%1\" stands for the date to pay by"));
    //: %1: 1, 2 or 3.
    auto* caption = new QLabel(tr("Level %1:").arg(level + 1), this);
    caption->setBuddy(*days[level]);
    grid->addWidget(caption, row, 0);
    grid->addWidget(*days[level], row, 1);
    grid->addWidget(*fees[level], row, 2);
    grid->addWidget(*texts[level], row, 3);
  }
  const int digit = fontMetrics().horizontalAdvance(QChar('0'));
  for (int level = 0; level < 3; ++level) {
    (*days[level])->setMaximumWidth(8 * digit);
    (*fees[level])->setMaximumWidth(12 * digit);
  }
  Edit7->setMinimumWidth(60 * digit);
  CheckBox1 = new QCheckBox(tr("Charge statutory default interest on reminders"), this);
  CheckBox1->setObjectName("CheckBox1");
  CheckBox1->setToolTip(tr("Germany: the base rate + 9 points between businesses, + 5 for consumers; "
                           "France: the ECB rate + 10 points; and EUR 40 recovery costs from businesses."));
  grid->addWidget(CheckBox1, 4, 1, 1, 3);

  //: Column headings of the reference rates of default interest.
  StringGrid1 = MakeListGrid({tr("Country"), tr("From"), tr("Rate (%)")}, this);
  StringGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  auto* ratesCaption = new QLabel(tr("Reference rates of default interest:"), this);
  ratesCaption->setBuddy(StringGrid1);
  BtnAddRate = MakeFormButton("BtnAddRate", tr("Add Rate"), this);
  BtnRemoveRate = MakeFormButton("BtnRemoveRate", tr("Remove Rate"), this);
  connect(BtnAddRate, &QPushButton::clicked, this, &TReminderSettings::BtnAddRateClick);
  connect(BtnRemoveRate, &QPushButton::clicked, this, &TReminderSettings::BtnRemoveRateClick);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(ratesCaption);
  layout->addWidget(StringGrid1);
  auto* rateButtons = new QHBoxLayout;
  rateButtons->addWidget(BtnAddRate);
  rateButtons->addWidget(BtnRemoveRate);
  rateButtons->addStretch();
  layout->addLayout(rateButtons);
  layout->addLayout(ButtonRow());
  NameFieldsByLabels(this);
  SetTabOrder({Edit1, Edit4, Edit7, Edit2, Edit5, Edit8, Edit3, Edit6, Edit9, CheckBox1, StringGrid1, BtnAddRate,
               BtnRemoveRate, BtnSave, BtnCancel, BitBtn1});
}

void TReminderSettings::FormShow() {
  const SellerDetails s = ReadSellerDetails();
  QLineEdit* days[] = {Edit1, Edit2, Edit3};
  QLineEdit* fees[] = {Edit4, Edit5, Edit6};
  QLineEdit* texts[] = {Edit7, Edit8, Edit9};
  for (int level = 0; level < 3; ++level) {
    days[level]->setText(QString::number(s.reminderDays.value(level)));
    fees[level]->setText(QLocale().toString(s.reminderFees.value(level), 'f', 2));
    ShowText(texts[level], s.reminderTexts.value(level));
  }
  CheckBox1->setChecked(s.reminderInterest);
  StringGrid1->setRowCount(0);
  for (const char* country : kCountries) {
    for (const RatePeriod& p : ReferenceRates(QLatin1String(country))) {
      const int row = StringGrid1->rowCount();
      StringGrid1->insertRow(row);
      StringGrid1->setItem(row, 0, new QTableWidgetItem(QLatin1String(country)));
      StringGrid1->setItem(row, 1, new QTableWidgetItem(FormatShortDate(DateFromQDate(p.from))));
      StringGrid1->setItem(row, 2, new QTableWidgetItem(QLocale().toString(p.rate, 'f', 2)));
    }
  }
  Edit1->setFocus();
}

void TReminderSettings::BtnAddRateClick() {
  const int row = StringGrid1->rowCount();
  StringGrid1->insertRow(row);
  const QString country = row > 0 && StringGrid1->item(row - 1, 0) ? StringGrid1->item(row - 1, 0)->text()
                                                                    : QStringLiteral("DE");
  StringGrid1->setItem(row, 0, new QTableWidgetItem(country));
  StringGrid1->setItem(row, 1, new QTableWidgetItem(QString()));
  StringGrid1->setItem(row, 2, new QTableWidgetItem(QString()));
  StringGrid1->setCurrentCell(row, 1);
  StringGrid1->editItem(StringGrid1->item(row, 1));
}

void TReminderSettings::BtnRemoveRateClick() {
  const int row = StringGrid1->currentRow();
  if (row < 0) return;
  const QString country = StringGrid1->item(row, 0) ? StringGrid1->item(row, 0)->text().trimmed().toUpper() : QString();
  const QString from = StringGrid1->item(row, 1) ? StringGrid1->item(row, 1)->text().trimmed() : QString();
  if (ShippedRate(country, DateOfText(from))) {
    Ui::get().information(tr("A rate the program ships with can be corrected, not removed."));
    return;
  }
  StringGrid1->removeRow(row);
}

void TReminderSettings::BtnSaveClick() {
  SellerDetails s = ReadSellerDetails();
  QLineEdit* dayEdits[] = {Edit1, Edit2, Edit3};
  QLineEdit* feeEdits[] = {Edit4, Edit5, Edit6};
  QLineEdit* textEdits[] = {Edit7, Edit8, Edit9};
  QList<int> days;
  QList<double> fees;
  bool feesRead = true;
  for (int level = 0; level < 3; ++level) {
    days << dayEdits[level]->text().trimmed().toInt();
    bool ok = false;
    const QString fee = feeEdits[level]->text().trimmed();
    fees << (fee.isEmpty() ? 0.0 : QLocale().toDouble(fee, &ok));
    feesRead = feesRead && (fee.isEmpty() || (ok && fees.last() >= 0));
    s.reminderTexts[level] = textEdits[level]->text().trimmed();
  }
  if (days[0] <= 0 || days[0] >= days[1] || days[1] >= days[2] || !feesRead) {
    Ui::get().information(tr("Give each level more days past due than the one before (e.g. 14, 28, 42) and "
                             "a fee of 0 or more."));
    return;
  }
  s.reminderDays = days;
  s.reminderFees = fees;
  s.reminderInterest = CheckBox1->isChecked();
  // What the user changed or added beside the shipped rates is stored.
  QList<StoredRate> stored;
  for (int row = 0; row < StringGrid1->rowCount(); ++row) {
    const auto text = [&](int column) {
      return StringGrid1->item(row, column) ? StringGrid1->item(row, column)->text().trimmed() : QString();
    };
    StoredRate r;
    r.country = text(0).toUpper();
    bool rateRead = false;
    r.rate = QLocale().toDouble(text(2), &rateRead);
    r.from = DateOfText(text(1));
    const bool known = r.country == QLatin1String("DE") || r.country == QLatin1String("FR");
    if (!known || !r.from.isValid() || !rateRead || r.rate < -20 || r.rate > 50) {
      //: %1: the row's number in the list of reference rates.
      Ui::get().information(tr("Rate %1: give the country (DE or FR), the first day the rate holds and the "
                               "rate in percent.").arg(row + 1));
      StringGrid1->setCurrentCell(row, 0);
      return;
    }
    const std::optional<double> shipped = ShippedRate(r.country, r.from);
    if (!shipped || qRound(*shipped * 100) != qRound(r.rate * 100)) stored << r;
  }
  if (!ConfirmStorable(EntryTexts(this))) return;
  if (!WriteSellerDetails(s) || !WriteStoredRates(stored)) {
    Ui::get().information(tr("Unable to save the reminder settings."));
    return;
  }
  accept();
}
