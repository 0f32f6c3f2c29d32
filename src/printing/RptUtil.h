// The report document: every report, invoice, bill and statement is built
// here as a grid of coded cells, then shown, printed or exported by the
// renderers (ReportRender, ReportExport), which all read the same document.
//
// Cell codes (column = two characters, decimal, a leading blank allowed):
//   "L" col text   text begins at the column
//   "R" col text   text ends at the column
//   "C" col text   text centred on the column
//   "V" col        vertical rule at the column, the height of the line
//   "H" col col    horizontal rule at the top of the line
//   "EJECT"        page break
//   "I" align col file   picture; align "L", "C" or "R"; file = characters 5-64
// The last cell of a line is its style: "B" bold, "U" rule under the line,
// "S" + height + width (inches, "%5.2f" each) the printed size of a picture.
//
// Only one document exists at a time (process-wide); StartReport begins it,
// EndReport releases it; between them it only grows. Builders fill only the
// current line; a line is complete once the next begins, and is then kept
// compactly (ReportLineStore) or, when the document streams to a file
// (ReportLineSink), handed on and not kept at all.
#ifndef PRINTING_RPTUTIL_H
#define PRINTING_RPTUTIL_H

#include <QByteArray>
#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <cstdint>
#include <vector>

#include "data/KeyText.h"
#include "platform/Dates.h"
#include "tbengine/env.h"
#include "platform/NumberText.h"

// Where the complete lines of a document go as they are completed: kept for
// the report window (ReportLineStore), or written straight to a file while
// the report is built (the report command), so none is held at all.
class ReportLineSink {
 public:
  virtual ~ReportLineSink() = default;
  virtual void put(const QStringList& cells) = 0;
};

// The complete lines of a document: the cells of every line as UTF-8 in one
// buffer and where each cell ends (a few bytes a cell instead of a string
// object each).
class ReportLineStore : public ReportLineSink {
 public:
  void clear();
  qsizetype size() const { return qsizetype(lineStarts_.size()); }
  void append(const QStringList& cells);
  void put(const QStringList& cells) override { append(cells); }
  QStringList line(qsizetype i) const;

 private:
  QByteArray bytes_;
  std::vector<uint32_t> cellEnds_;    // offset in bytes_ where each cell ends
  std::vector<uint32_t> lineStarts_;  // index in cellEnds_ of each line's first cell
};

struct ReportDocument {
  // Lines in output order, each CellsPerLine cells; the last is the style.
  // Line i: line(i); the current line: Working.
  ReportLineStore Stored;          // the lines kept for the report window
  QStringList Working;
  ReportLineSink* Sink = nullptr;  // set: complete lines go there, none is kept
  bool WorkingSent = false;        // the current line went on: the document is complete
  int LineWidth = 0;     // report width in character columns
  int CellsPerLine = 0;  // content cells + the style cell
  QStringList TitleLines;
  QStringList ColumnCodes;       // CellsPerLine - 1 prefixes ("L00", "R47", "V08")
  QList<QStringList> HeadingRows;  // rows of CellsPerLine cells, repeated on each page
  int PageNo = 0;                // 0 before the first page
  int LinesPerPage = 60;
  int LinesOnPage = -1;
  int CurrentLine = -1;          // -1 while the document is empty
  // Set by a builder whose document goes to a customer: called once the
  // document has left the program (printed, or saved into a file), not
  // when it is only shown.
  std::function<void()> Delivered;
  // The start of the file name a print into a PDF file proposes
  // ("invoices"); empty: made from the first title line.
  QString FileStem;

  int lineCount() const { return CurrentLine + 1; }
  // The cells of line i; empty for a line handed to a sink or outside the
  // document.
  QStringList line(int i) const;
  // Completes the current line and begins line cells (the test documents'
  // way in; builders use NewLine).
  void appendLine(const QStringList& cells);
};

// The document that the builders fill and the report window shows.
ReportDocument& Report();
// Its FileStem, else its first title line in lower case with a hyphen for
// every run of other characters than letters and digits ("Account
// Statement" -> "account-statement"), else "report".
QString ReportFileStem();

// The report date span, shared with the date span picker.
extern TDate ReportFrom;
extern TDate ReportTo;

// The report font (name and size from the settings record); every rendering
// and line count uses it.
QFont& ReportFont();

// ReportFont := base (the main window's font) with the settings record's
// FontName and FontSize where they are set.
void SetReportFontFromSettings(const QFont& base);

// A column as the two characters of a cell code: 5 -> " 5", 47 -> "47".
QString ColumnText(int column);

// Requires LineWidth and CellsPerLine. Computes LinesPerPage from the current
// printer (60 with none), resets the counters and creates one empty line
// (still CurrentLine -1, so the first NewLine reuses it), one heading row and
// CellsPerLine - 1 column codes.
void StartReport();
// Releases the lines, the heading rows and the column codes; the lines are
// kept again from then on.
void EndReport();
// How much of each table a document's reading keeps in memory: it reads
// them once through, and pages read again come from the page cache.
constexpr uint64_t kDocumentResidentBytes = 1 << 20;
// Releases the document when its holder ends, also when it is abandoned;
// while it is held, the tables read keep little of themselves in memory.
struct DocumentInHand {
  DocumentInHand() = default;
  DocumentInHand(const DocumentInHand&) = delete;
  DocumentInHand& operator=(const DocumentInHand&) = delete;
  ~DocumentInHand() { EndReport(); }

 private:
  tbengine::ResidentBudget budget_{kDocumentResidentBytes};
};
// The lines a document keeps for the report window: the sink of a report
// that is to be shown.
ReportLineSink& KeptLines();
// A builder's beginning: a new document whose complete lines go to sink
// (which outlives the document), lineWidth columns of cellsPerLine cells
// (StartReport), titles and columnCodes.
void BeginReport(ReportLineSink& sink, int lineWidth, int cellsPerLine, const QStringList& titles,
                 const QStringList& columnCodes);
// Hands the current line on too: the document is complete. The report
// window and the report command call it before they read the sink.
void FinishReport();
// Appends a line of empty cells and makes it the current line.
void NewLine();
// Cell index of the current line (the last cell is the style cell).
QString& Cell(int index);
QString& StyleCell();
// Begins a new page when none has begun yet, or when needed (LinesOnPage
// after the lines the caller is about to add) exceeds LinesPerPage: the page
// break, the page line, the titles and, with withHeadings, the column
// headings. True when a page was begun.
bool CheckPage(int needed, bool withHeadings);
// One bold centred line per title.
void PutTitles();
// A blank line and a copy of the heading rows.
void PutHeadings();
// The heading rows: an empty row and the captions (each with its column
// code), both ruled under, so the captions stand between two rules.
// captions[i] belongs to content cell i; empty ones stay empty.
void SetHeadings(const QStringList& captions);
// The same with a row of captions above those, not ruled under.
void SetHeadings(const QStringList& upperCaptions, const QStringList& captions);
// Content cell i of the current line := its column code + text.
void PutColumn(int i, const QString& text);
// Every vertical-rule column ("V..") of the column codes into its cell of
// the current line.
void PutRules();
// The letterhead of a printed invoice, bill or statement from the settings
// record: top margin, logo, company and address lines, and the date.
// Sets PageNo to 1 and LinesOnPage to 0 first.
void PutLetterhead();
// A picture line: file drawn from the column with its top on the line,
// printed heightInches high and widthInches wide ("L", "C" or "R" and the
// column as the letterhead places its logo: prefix is the alignment letter
// and the column, e.g. "L01"), followed by the blank lines its height takes
// on the printer. The number of those lines.
int PutPicture(const QString& prefix, const QString& file, double heightInches, double widthInches);
// The blank lines a picture heightInches high takes on the printer.
int PictureLines(double heightInches);
// The start of one printed invoice, bill or statement: a page break when the
// document already has lines, then page 1 with the letterhead, the titles
// and a blank line.
void BeginLetterheadPage();
// The address block of a letter to a customer: caption ("To:") at the left
// margin beside the first line, the lines of address under each other.
void PutAddressBlock(const QString& caption, const QStringList& address);
// Splits a memo into lines no wider than the printed report; *lines starts
// with one empty element. False when the text is blank.
bool WrapText(const QString& text, QStringList* lines);
// ReportFrom/ReportTo := the first and last day of the current month.
void SetMonthSpan();

// What the letterhead and the memo wrapping assume when there is no printer.
constexpr int kNoPrinterLinesPerPage = 60;
constexpr int kNoPrinterResolution = 72;  // pixels per inch
constexpr int kNoPrinterLineHeight = 12;  // pixels: six lines to the inch

// Empties the document and the span, and gives ReportFont the application font.
void resetReportForTests();

#endif  // PRINTING_RPTUTIL_H
