// TReportF: the report window. Shows the report document full-screen with a
// vertical scroll bar, prints it on the current printer and exports it as
// plain or tab-delimited text. It never changes the document.
#ifndef PRINTING_REPORTU_H
#define PRINTING_REPORTU_H

#include <QDialog>

#include "printing/ReportExport.h"
#include "printing/ReportRender.h"

class QAction;
class QFrame;
class QMenu;
class QMenuBar;
class QScrollBar;
class ReportPage;

class TReportF : public QDialog {
  Q_OBJECT
 public:
  explicit TReportF(QWidget* parent = nullptr);
  ~TReportF() override;

  // The measurements of the last showing.
  const ReportLayout& screenLayout() const { return layout_; }
  int visibleLines() const { return visible_; }
  int firstVisibleLine() const { return first_; }

 public slots:
  void FormShow();
  void FormPaint();
  void ScrollBar1Change();
  void mExitClick();
  void mPrintClick();
  void AsciiText1Click();
  void TabDelimited1Click();

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  // The wheel over the report, and Page Up / Page Down, Up / Down, Home /
  // End, move the view as its scroll bar does.
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  friend class ReportPage;
  // Places the scroll bar, fits the font and counts the visible lines.
  void Measure();
  void ExportAs(ExportFormat format);

  QMenuBar* MainMenu1;
  QAction* mExit;
  QAction* mPrint;
  QMenu* mExport;
  QAction* AsciiText1;
  QAction* TabDelimited1;
  ReportPage* page_;
  QFrame* Bevel1;
  QScrollBar* ScrollBar1;

  ReportLayout layout_;
  int visible_ = 0;
  int first_ = 0;
};

// The report window created at start-up (nullptr before).
extern TReportF* ReportF;

// Shows the report window modally when the document has lines.
void ShowReport();

#endif  // PRINTING_REPORTU_H
