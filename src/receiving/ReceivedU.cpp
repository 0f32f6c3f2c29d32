#include "receiving/ReceivedU.h"

#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "data/dbFiles.h"
#include "platform/FormParts.h"
#include "platform/HandlerGuard.h"
#include "platform/Ui.h"
#include "printing/ReportU.h"
#include "printing/RptUtil.h"
#include "receiving/PdfAttachment.h"
#include "receiving/ReceiveFiles.h"
#include "receiving/ReceivedDocument.h"
#include "receiving/OfficialRules.h"
#include "platform/WaitCursor.h"

namespace {

constexpr int kProductColumn = 5;

void SetRow(QTableWidget* grid, int row, const QStringList& cells, int editable = -1) {
  for (int c = 0; c < cells.size(); ++c) {
    auto* item = new QTableWidgetItem(cells[c]);
    if (c != editable) item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    grid->setItem(row, c, item);
  }
}

void LayOut(QDialog* dialog, QTableWidget* grid, const QList<QPushButton*>& buttons, int widthInLetters) {
  auto* row = new QHBoxLayout;
  row->addStretch();
  for (QPushButton* b : buttons) row->addWidget(b);
  auto* layout = new QVBoxLayout(dialog);
  layout->addWidget(grid);
  layout->addLayout(row);
  const int m = dialog->fontMetrics().horizontalAdvance(QChar('M'));
  dialog->resize(widthInLetters * m, 25 * dialog->fontMetrics().lineSpacing());
}

// The archived copy of r read again; false, said, when it cannot be.
bool ReadArchived(const ReceivedRecord& r, ReceivedRead* read) {
  QFile file(QDir(ReceivedArchiveDir()).filePath(r.file));
  if (!file.open(QIODevice::ReadOnly)) {
    Ui::get().information(TReceivedList::tr("%1 cannot be read: %2").arg(file.fileName(), file.errorString()));
    return false;
  }
  *read = ReadReceived(file.read(kLargestPdf + 1));
  if (read->ok()) return true;
  Ui::get().information(TReceivedList::tr("%1 is not an e-invoice that can be read: %2").arg(file.fileName(), read->error));
  return false;
}

}  // namespace

TReceivedBooking::TReceivedBooking(QWidget* parent) : QDialog(parent) {
  setObjectName("TReceivedBooking");
  setWindowTitle(tr("Book Received Invoice"));
  StringGrid1 = MakeListGrid({tr("Line"), tr("Item"), tr("Description"), tr("Quantity"), tr("Cost"), tr("Product")}, this);
  BtnBook = MakeFormButton("BtnBook", tr("Book"), this);
  BtnCancel = MakeFormButton("BtnCancel", tr("Cancel"), this);
  LayOut(this, StringGrid1, {BtnBook, BtnCancel}, 70);
  connect(BtnBook, &QPushButton::clicked, this, Guarded(this, &TReceivedBooking::BtnBookClick));
  connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TReceivedBooking::setLines(const QList<BookingLine>& lines) {
  proposed_ = lines;
  StringGrid1->setRowCount(int(lines.size()));
  for (int r = 0; r < lines.size(); ++r) {
    const BookingLine& l = lines[r];
    SetRow(StringGrid1, r,
           {l.lineId, l.itemId, l.name, FormatFloat("%.2f", l.quantity), FormatFloat("%.2f", l.cost), l.product},
           kProductColumn);
  }
  StringGrid1->resizeColumnsToContents();
}

QList<BookingLine> TReceivedBooking::lines() const {
  QList<BookingLine> lines = proposed_;
  for (int r = 0; r < lines.size(); ++r) {
    const QTableWidgetItem* item = StringGrid1->item(r, kProductColumn);
    const QString product = item ? item->text().trimmed().toUpper() : QString();
    if (product == lines[r].product.toUpper()) continue;
    lines[r].product = product;
    lines[r].chosen = !product.isEmpty();
    lines[r].remembered = false;
  }
  return lines;
}

void TReceivedBooking::BtnBookClick() {
  for (const BookingLine& l : lines()) {
    if (l.chosen && ProductCodeOf(l.product).isEmpty()) {
      Ui::get().information(tr("There is no product %1; clear it or name another.").arg(l.product));
      return;
    }
  }
  accept();
}

TReceivedList::TReceivedList(QWidget* parent) : QDialog(parent) {
  setObjectName("TReceivedList");
  setWindowTitle(tr("Received E-Invoices"));
  StringGrid1 = MakeListGrid({tr("Date"), tr("Seller"), tr("Number"), tr("Total"), tr("Verdict"), tr("Booked")}, this);
  BtnReceive = MakeFormButton("BtnReceive", tr("Receive File..."), this);
  BtnShow = MakeFormButton("BtnShow", tr("Show"), this);
  BtnBook = MakeFormButton("BtnBook", tr("Book"), this);
  BtnClose = MakeFormButton("BtnClose", tr("Close"), this);
  LayOut(this, StringGrid1, {BtnReceive, BtnShow, BtnBook, BtnClose}, 80);
  connect(BtnReceive, &QPushButton::clicked, this, Guarded(this, &TReceivedList::BtnReceiveClick));
  connect(BtnShow, &QPushButton::clicked, this, Guarded(this, &TReceivedList::BtnShowClick));
  connect(BtnBook, &QPushButton::clicked, this, Guarded(this, &TReceivedList::BtnBookClick));
  connect(BtnClose, &QPushButton::clicked, this, &QDialog::accept);
  connect(StringGrid1, &QTableWidget::cellDoubleClicked, this, Guarded(this, &TReceivedList::BtnShowClick));
}

void TReceivedList::FormShow() { Refresh(); }

void TReceivedList::Refresh() {
  {
    TablesClosedAtEnd tables;
    records_ = AllReceived();
  }
  std::stable_sort(records_.begin(), records_.end(),
                   [](const ReceivedRecord& a, const ReceivedRecord& b) { return a.date > b.date; });
  StringGrid1->setRowCount(int(records_.size()));
  for (int r = 0; r < records_.size(); ++r) {
    const ReceivedRecord& rec = records_[r];
    const QString verdict = rec.verdict == QLatin1Char('V')   ? tr("valid")
                            : rec.verdict == QLatin1Char('W') ? tr("warnings")
                                                              : tr("invalid");
    SetRow(StringGrid1, r,
           {FormatShortDate(rec.date), rec.seller.isEmpty() ? rec.sellerVat : rec.seller, rec.number,
            FormatFloat("%.2f", rec.total) + QLatin1Char(' ') + rec.currency, verdict, rec.booked ? tr("yes") : QString()});
  }
  StringGrid1->resizeColumnsToContents();
  if (!records_.isEmpty()) StringGrid1->selectRow(0);
}

ReceivedRecord TReceivedList::chosen() const {
  const int row = StringGrid1->currentRow();
  return row >= 0 && row < records_.size() ? records_[row] : ReceivedRecord{};
}

void TReceivedList::BtnReceiveClick() {
  const QString name = Ui::get().openFileName(this, tr("Receive E-Invoice"), QString(),
                                              //: A file dialog's filter: the description, "|", the pattern.
                                              tr("E-invoices (*.xml *.pdf)|*.xml *.pdf"));
  if (name.isEmpty()) return;
  QFile file(name);
  if (!file.open(QIODevice::ReadOnly) || file.size() > kLargestPdf) {
    Ui::get().information(tr("%1 cannot be read: %2").arg(name, file.errorString()));
    return;
  }
  ReceiveOutcome outcome;
  {
    TablesClosedAtEnd tables;
    outcome = ReceiveFile(QFileInfo(name).fileName(), file.read(kLargestPdf + 1), OfficialRulesAvailable());
  }
  Ui::get().information(outcome.line);
  Refresh();
}

void TReceivedList::BtnShowClick() {
  const ReceivedRecord r = chosen();
  if (r.recNo == 0) return;
  ReceivedDocumentRequest request;
  ReceivedRead read;
  if (!ReadArchived(r, &read)) return;
  request.invoice = read.invoice;
  {
    WaitCursor wait;  // the official rules take a few seconds
    request.findings = ReceivedFindings(read, OfficialRulesAvailable());
  }
  request.file = QString::fromLatin1(kReceivedFolder) + QLatin1Char('/') + r.file;
  DocumentInHand document;
  BuildReceivedDocument(request, KeptLines());
  ShowReport();
}

void TReceivedList::BtnBookClick() {
  const ReceivedRecord r = chosen();
  if (r.recNo == 0) return;
  if (r.booked) {
    Ui::get().information(tr("Invoice %1 of %2 was booked before.").arg(r.number, r.seller));
    return;
  }
  ReceivedRead read;
  if (!ReadArchived(r, &read)) return;
  ReceivedBookingOutcome booked;
  {
    TablesClosedAtEnd tables;
    if (!OpenProd5() || !OpenPur5()) return;
    TReceivedBooking window(this);
    window.setLines(ProposeBooking(read.invoice));
    if (Ui::get().exec(&window) != QDialog::Accepted) return;
    booked = BookReceived(r, r.date > 0 ? r.date : r.received, window.lines());
  }
  if (!booked.ok)
    Ui::get().information(tr("Nothing was booked: %1").arg(booked.error));
  else
    Ui::get().information(tr("%n purchase(s) booked.", nullptr, booked.booked));
  Refresh();
}

void ShowReceivedInvoices(QWidget* parent) {
  TReceivedList window(parent);
  window.FormShow();
  Ui::get().exec(&window);
}
