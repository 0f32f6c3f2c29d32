// TDateSpan: asks for the report date span (ReportFrom, ReportTo), or for a
// single date. The builder presets the span; SpanCancelled tells whether the
// dialog was left without a valid OK.
#ifndef PRINTING_DATESPANU_H
#define PRINTING_DATESPANU_H

#include "platform/FormDialog.h"

class DateBox;
class QLabel;
class QPushButton;

extern bool SpanCancelled;

class TDateSpan : public FormDialog {
  Q_OBJECT
 public:
  explicit TDateSpan(QWidget* parent = nullptr);
  ~TDateSpan() override;

  // Single-date mode: the ending field and its label hidden, Label1 reading
  // caption; off again restores both and Label1's own caption.
  void setSingleDate(bool on, const QString& caption = QString());

 public slots:
  void FormShow() override;
  void BtnOKClick();
  void BtnCancelClick();

 private:
  // Label1's own caption.
  static QString BeginningCaption();

  QLabel* Label1;
  QLabel* Label2;
  DateBox* MaskEdit1;
  DateBox* MaskEdit2;
  QPushButton* BtnOK;
  QPushButton* BtnCancel;
};

// The date span picker created at start-up (nullptr before).
extern TDateSpan* DateSpan;

// Shows the picker modally on the preset ReportFrom and ReportTo; true when
// a span was chosen.
bool RunDateSpan();
// The same for one date (ReportFrom), Label1 reading caption meanwhile.
bool RunSingleDate(const QString& caption);

#endif  // PRINTING_DATESPANU_H
