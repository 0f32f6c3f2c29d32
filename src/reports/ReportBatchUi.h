// The Ui driver of the report command: nobody sits at the screen, so the
// command's arguments answer what the report builders ask. The date span
// picker is answered with the span in ReportFrom/ReportTo, the group picker
// with the chosen groups, the report window completes the output file the
// document streamed into, and every message goes to the error stream
// instead of a box.
#ifndef REPORTS_REPORTBATCHUI_H
#define REPORTS_REPORTBATCHUI_H

#include <QList>
#include <QStringList>
#include <QTextStream>

#include "data/DateText.h"
#include "platform/Ui.h"

class ReportFileStream;

class ReportBatchUi : public Ui {
 public:
  // Messages are written to err, each line prefixed "tallowby report: ".
  ReportBatchUi(const QString& outFile, QTextStream& err);

  // The dates typed into the date span picker in place of its preset ones
  // (0 = keep the preset).
  void setSpan(TDate from, TDate to) {
    from_ = from;
    to_ = to;
  }

  // The groups the group picker is answered with: all its groups, or those
  // numbered in groups (a number it does not list throws UnusableArgument).
  void setGroups(const QList<int>& groups, bool all) {
    groups_ = groups;
    allGroups_ = all;
  }
  // The file the report's lines stream into: completed when the report
  // window is shown (not owned).
  void setStream(ReportFileStream* stream) { stream_ = stream; }
  // Messages that say there is nothing to report: noted, but no failure.
  void setNothingMessages(const QStringList& texts) { nothingMessages_ = texts; }

  // A message was shown: something went wrong.
  bool failed() const { return failed_; }
  // One of the nothing-to-report messages was shown.
  bool nothingMessageShown() const { return nothingShown_; }
  // The report window was shown (the document had lines).
  bool reportShown() const { return reportShown_; }
  void note(const QString& text);

  void message(Kind kind, const QString& text) override;
  bool confirm(Kind kind, Buttons buttons, const QString& text) override;
  bool input(const QString& title, const QString& prompt, QString* value) override;
  QString openFileName(QWidget* parent, const QString& title, const QString& dir,
                       const QString& filter) override;
  QString saveFileName(QWidget* parent, const QString& title, const QString& dir,
                       const QString& filter, const QString& defaultSuffix) override;
  QAction* popup(QMenu* menu, const QPoint& pos) override;
  int exec(QDialog* dialog) override;

 private:
  QString outFile_;
  ReportFileStream* stream_ = nullptr;
  QTextStream& err_;
  bool failed_ = false;
  bool reportShown_ = false;
  bool nothingShown_ = false;
  TDate from_ = 0;
  TDate to_ = 0;
  QList<int> groups_;
  bool allGroups_ = false;
  QStringList nothingMessages_;

  void answerGroups(QDialog* dialog);
};

#endif  // REPORTS_REPORTBATCHUI_H
