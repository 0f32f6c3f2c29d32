#include "export/ExportRows.h"

#include <QCoreApplication>
#include <cstring>

#include "data/CardText.h"
#include "data/CodeBase.h"
#include "tbengine/engine.h"

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(ExportRows)
};


ValueProblem ReadColumn(const ExportColumn& c, ExportValue* v) {
  ValueProblem problem = ValueProblem::None;
  switch (c.kind) {
    case ColumnKind::Integer:
    case ColumnKind::Decimal:
      problem = ReadNumber(f4str(c.handle), c.width, c.decimals, v);
      if (c.noneIsNull && v->kind == ExportValue::Kind::Number && v->number == 0)
        v->kind = ExportValue::Kind::Null;
      break;
    case ColumnKind::Date:
      problem = ReadDate(f4str(c.handle), v);
      break;
    case ColumnKind::Logical:
      ReadLogical(f4str(c.handle)[0], v);
      break;
    case ColumnKind::Text:
      if (c.type == 'M') {
        const char* memo = f4memoStr(c.handle);
        ReadMemoText(memo, qsizetype(std::strlen(memo)), v);
      } else {
        ReadText(f4str(c.handle), c.width, v);
      }
      if (c.cardText) v->text = MaskedCardText(QString::fromUtf8(v->text)).toUtf8();
      if (c.noneIsNull && v->text.isEmpty()) v->kind = ExportValue::Kind::Null;
      break;
  }
  return problem;
}

QString ProblemText(ValueProblem problem) {
  return problem == ValueProblem::ImpossibleDate ? Tr::tr("impossible dates exported as NULL")
                                                 : Tr::tr("unreadable numbers exported as NULL");
}

}  // namespace

void ValueFindings::count(const ExportTable& table, const ExportColumn& column,
                          ValueProblem problem) {
  for (Count& c : counts_) {
    if (c.table == table.name && c.column == column.name && c.problem == problem) {
      ++c.n;
      return;
    }
  }
  counts_.push_back({table.name, column.name, table.file, column.field, problem, 1});
}

QStringList ValueFindings::lines() const {
  QStringList lines;
  for (const Count& c : counts_)
    lines << QStringLiteral("%1.%2 (%3 %4): %5: %6")
                 .arg(c.table, c.column, c.file, c.field, ProblemText(c.problem))
                 .arg(c.n);
  return lines;
}

long RecordCount(const ExportTable& table) { return table.data ? d4recCountDo(table.data) : 0; }

bool ReadLiveRows(const ExportTable& table, const std::vector<int>& columns,
                  ExportProgress* progress, ValueFindings* findings,
                  const std::function<bool(const std::vector<ExportValue>&)>& row,
                  QString* error) {
  DATA4* d = table.data;
  if (!d) return true;
  std::vector<ExportValue> values(columns.size());
  const long count = d4recCountDo(d);
  for (long r = 1; r <= count; ++r) {
    if (progress) progress->recordDone();
    const bool moved = d4go(d, r) == r4success;
    const bool deleted = moved && d4deleted(d);
    for (size_t i = 0; moved && !deleted && i < columns.size(); ++i) {
      const ExportColumn& c = table.columns[size_t(columns[i])];
      const ValueProblem problem = ReadColumn(c, &values[i]);
      if (problem != ValueProblem::None && findings) findings->count(table, c, problem);
    }
    if (code4errorCode(cb, 0) < 0 || !moved) {
      //: %3: the engine's reason
      *error = Tr::tr("%1, record %2: %3")
                   .arg(table.file, QString::number(r), QString::fromLocal8Bit(code4errorText(cb)));
      return false;
    }
    if (!deleted && !row(values)) return false;
  }
  return true;
}
