#include "reports/ReportBatchUi.h"

#include <QAction>
#include <QDialog>
#include <QListWidget>
#include <QPushButton>

#include "platform/DateBox.h"
#include "reports/DateSpanU.h"
#include "reports/MultGroupU.h"
#include "reports/ReportCatalog.h"
#include "reports/ReportStream.h"
#include "reports/ReportU.h"

ReportBatchUi::ReportBatchUi(const QString& outFile, QTextStream& err) : outFile_(outFile), err_(err) {}

void ReportBatchUi::note(const QString& text) {
  QString t = text;
  t.replace(QLatin1String("\r\n"), QLatin1String(" "));
  err_ << "tallowby report: " << t << Qt::endl;
}

void ReportBatchUi::message(Kind, const QString& text) {
  if (nothingMessages_.contains(text))
    nothingShown_ = true;
  else
    failed_ = true;
  note(text);
}

bool ReportBatchUi::confirm(Kind, Buttons, const QString& text) {
  failed_ = true;
  note(text + " (answered No)");
  return false;
}

bool ReportBatchUi::input(const QString& title, const QString&, QString*) {
  failed_ = true;
  note(title + " (cancelled)");
  return false;
}

QString ReportBatchUi::openFileName(QWidget*, const QString& title, const QString&,
                                    const QString&) {
  failed_ = true;
  note(title + " (cancelled)");
  return QString();
}

QString ReportBatchUi::saveFileName(QWidget*, const QString&, const QString&, const QString&,
                                    const QString&) {
  return outFile_;
}

QAction* ReportBatchUi::popup(QMenu*, const QPoint&) { return nullptr; }

int ReportBatchUi::exec(QDialog* dialog) {
  dialog->setResult(QDialog::Rejected);
  dialog->show();
  if (qobject_cast<TDateSpan*>(dialog)) {
    if (from_ > 0) dialog->findChild<DateBox*>("MaskEdit1")->setDate(from_);
    if (to_ > 0) dialog->findChild<DateBox*>("MaskEdit2")->setDate(to_);
    dialog->findChild<QPushButton*>("BtnOK")->click();
  } else if (qobject_cast<TMultGroup*>(dialog)) {
    answerGroups(dialog);
  } else if (qobject_cast<TReportF*>(dialog)) {
    reportShown_ = true;
    FinishStream();
    if (stream_ && !stream_->close()) message(Kind::Information, QStringLiteral("Unable to save to: ") + outFile_);
  } else {
    failed_ = true;
    note(QStringLiteral("unexpected window: ") + dialog->windowTitle());
  }
  if (dialog->isVisible()) dialog->close();
  return dialog->result();
}

void ReportBatchUi::answerGroups(QDialog* dialog) {
  if (allGroups_) {
    dialog->findChild<QPushButton*>("BtnAll")->click();
    dialog->findChild<QPushButton*>("BtnRun")->click();
    return;
  }
  QListWidget* list = dialog->findChild<QListWidget*>("ListBox1");
  QList<int> missing = groups_;
  for (int i = 0; i < list->count(); ++i) {
    QListWidgetItem* item = list->item(i);
    const int number = item->text().left(2).trimmed().toInt();
    item->setSelected(groups_.contains(number));
    missing.removeAll(number);
  }
  if (!missing.isEmpty()) {
    dialog->findChild<QPushButton*>("BtnCancel")->click();
    throw UnusableArgument(QStringLiteral("--groups: there is no group %1")
                               .arg(missing.first())
                               .toStdString());
  }
  dialog->findChild<QPushButton*>("BtnRun")->click();
}
