// TPickQuote, "Select Quote": the grid pick list of QUOTE in number order:
// number, date, customer, total and state. The seek box finds a quote
// number (or the next higher one). Result in CurrentQuoteRec: the record
// chosen, 0 for New, -1 for Cancel.
#ifndef QUOTES_PICKQUOTEU_H
#define QUOTES_PICKQUOTEU_H

#include "picklists/PickGrid.h"

class TPickQuote : public PickGridForm {
  Q_OBJECT

 public:
  explicit TPickQuote(QWidget* parent = nullptr);

 protected:
  DATA4* table() const override;
  int& currentRecord() const override;
  void selectTag() override;
  QList<Column> columns() const override;
  QStringList rowTexts() override;
  bool seek(const QString& text) override;
};

#endif  // QUOTES_PICKQUOTEU_H
