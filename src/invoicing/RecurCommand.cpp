#include "invoicing/RecurCommand.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>

#include "data/FolderCommand.h"
#include "data/InvoiceLoad.h"
#include "data/RecurringSchedules.h"
#include "data/dbFiles.h"
#include "invoicing/RecurringInvoices.h"
#include "invoicing/SchedulesU.h"
#include "platform/Clock.h"
#include "platform/Dates.h"
#include "platform/SubcommandParser.h"

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(RecurCommand)
};

const char* const kEvery[][2] = {{"weekly", "W"}, {"monthly", "M"}, {"quarterly", "Q"}, {"yearly", "Y"}};

QString EveryWord(QChar every) {
  for (const auto& e : kEvery)
    if (every == QLatin1Char(e[1][0])) return QString::fromLatin1(e[0]);
  return QString();
}

QString ScheduleLine(const ScheduleRecord& s) {
  const QDate next = Occurrence(RecurrenceOf(s), s.made);
  //: %1 schedule number, %2 invoice, %3 weekly/monthly/..., %4 state, %5 made, %6 next date or -
  return Tr::tr("schedule %1: invoice %2 %3, %4, %5 made, next %6")
      .arg(s.sched)
      .arg(s.template_)
      .arg(EveryWord(s.every), ScheduleStateText(s.state))
      .arg(s.made)
      .arg(s.active() && next.isValid() ? next.toString(Qt::ISODate) : QStringLiteral("-"));
}

}  // namespace

int RunRecurCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
  SubcommandParser command(QStringLiteral("recur"),
                           QStringLiteral("tallowby recur [--data DIR] [--until YYYY-MM-DD] [--dry-run]"),
                           Tr::tr("Makes the repeating invoices that are due, and keeps their schedules."), out, err);
  QCommandLineParser& parser = command.parser();
  const QCommandLineOption dryRun("dry-run", Tr::tr("Lists what would be made and changes nothing."));
  const QCommandLineOption list("list", Tr::tr("Lists the schedules."));
  const QCommandLineOption issue("issue", Tr::tr("With --repeat: each new invoice is issued at once."));
  parser.addOption({"until", Tr::tr("Make what is due by this day (default: today)."), "YYYY-MM-DD"});
  parser.addOption(dryRun);
  parser.addOption(list);
  parser.addOption({"repeat", Tr::tr("Repeats this invoice on a new schedule."), "INVOICE"});
  parser.addOption({"every", Tr::tr("With --repeat: weekly, monthly, quarterly or yearly."), "INTERVAL"});
  parser.addOption({"first", Tr::tr("With --repeat: the date of the first new invoice."), "YYYY-MM-DD"});
  parser.addOption({"day", Tr::tr("With --repeat: the day of the month (1-31) after the first."), "N"});
  parser.addOption({"end", Tr::tr("With --repeat: no invoice after this date."), "YYYY-MM-DD"});
  parser.addOption({"times", Tr::tr("With --repeat: how many invoices in all."), "N"});
  parser.addOption(issue);
  parser.addOption({"pause", Tr::tr("Pauses a schedule."), "SCHEDULE"});
  parser.addOption({"resume", Tr::tr("Resumes a paused schedule."), "SCHEDULE"});
  parser.addOption({"stop", Tr::tr("Ends a schedule."), "SCHEDULE"});
  if (const std::optional<int> ended = command.parse(args)) return *ended;
  const auto say = [&command](const QString& text) { command.say(text); };
  const auto unusable = [&command](const QString& text) { return command.unusable(text); };
  if (!parser.positionalArguments().isEmpty())
    return unusable(Tr::tr("unexpected argument %1").arg(parser.positionalArguments().first()));
  const auto date = [&](const char* option, QDate* d) {
    if (!parser.isSet(option)) return true;
    *d = QDate::fromString(parser.value(option), Qt::ISODate);
    return d->isValid();
  };
  const auto number = [&](const char* option, long lowest, long highest, long* n) {
    if (!parser.isSet(option)) return true;
    bool ok = false;
    *n = parser.value(option).toLong(&ok);
    return ok && *n >= lowest && *n <= highest;
  };
  QDate until = Clock::today(), first, end;
  long templateNo = 0, day = 0, times = 0, changed = 0;
  if (!date("until", &until)) return unusable(Tr::tr("--until: not a date YYYY-MM-DD"));
  if (!date("first", &first)) return unusable(Tr::tr("--first: not a date YYYY-MM-DD"));
  if (!date("end", &end)) return unusable(Tr::tr("--end: not a date YYYY-MM-DD"));
  if (!number("repeat", 1, 999999, &templateNo)) return unusable(Tr::tr("--repeat: not an invoice number"));
  if (!number("day", 1, 31, &day)) return unusable(Tr::tr("--day: not a day of the month (1-31)"));
  if (!number("times", 1, 9999, &times)) return unusable(Tr::tr("--times: not a number from 1 to 9999"));
  QChar every;
  for (const auto& e : kEvery)
    if (parser.value("every") == QLatin1String(e[0])) every = QLatin1Char(e[1][0]);
  const char* action = nullptr;  // pause, resume or stop
  for (const char* a : {"pause", "resume", "stop"}) {
    if (!parser.isSet(a)) continue;
    if (action || !number(a, 1, 999999, &changed)) return unusable(Tr::tr("--%1: name one schedule").arg(a));
    action = a;
  }
  if (templateNo > 0 && (every.isNull() || !first.isValid()))
    return unusable(Tr::tr("--repeat needs --every weekly|monthly|quarterly|yearly and --first"));

  const QDir dataDir(command.dataFolder());
  if (!dataDir.exists()) {
    say(Tr::tr("no such data folder: %1").arg(parser.value("data")));
    return 1;
  }
  return RunOnDataFolder(dataDir.absolutePath(), parser.isSet(list) ? FolderUse::Reads : FolderUse::Writes, say, [&] {
    TablesClosedAtEnd tables;
    if (!OpenInvoiceTables()) return 1;
    if (parser.isSet(list)) {
      for (const ScheduleRecord& s : AllSchedules()) out << ScheduleLine(s) << Qt::endl;
      return 0;
    }
    if (templateNo > 0) {
      d4tagSelect(Inv5.d, d4tag(Inv5.d, "inv"));
      if (!SeekNumber(Inv5.d, Inv5.IvNo, templateNo)) {
        say(Tr::tr("there is no invoice %1").arg(templateNo));
        return 1;
      }
      ScheduleRecord s;
      s.template_ = templateNo;
      s.every = every;
      s.day = int(day);
      s.first = DateFromQDate(first);
      s.until = DateFromQDate(end);
      s.times = int(times);
      s.issue = parser.isSet(issue);
      if (!WriteSchedule(s)) {
        say(Tr::tr("the schedule could not be written"));
        return 1;
      }
      out << ScheduleLine(s) << Qt::endl;
      return 0;
    }
    if (action) {
      for (ScheduleRecord s : AllSchedules()) {
        if (s.sched != changed) continue;
        s.state = QLatin1Char(action[0] == 'p' ? 'P' : action[0] == 'r' ? 'A' : 'E');
        if (!WriteSchedule(s)) {
          say(Tr::tr("the schedule could not be written"));
          return 1;
        }
        out << ScheduleLine(s) << Qt::endl;
        return 0;
      }
      say(Tr::tr("there is no schedule %1").arg(changed));
      return 1;
    }
    const RecurringRun run = MakeDueInvoices(until, parser.isSet(dryRun));
    for (const MadeInvoice& m : run.made)
      //: %1 date, %2 schedule, %3 invoice number
      out << Tr::tr("%1  schedule %2: invoice %3").arg(m.date.toString(Qt::ISODate)).arg(m.sched).arg(m.ivNo)
          << Qt::endl;
    if (!run.error.isEmpty()) {
      say(run.error);
      return 1;
    }
    if (!parser.isSet(dryRun)) out << Tr::tr("%n invoice(s) made.", nullptr, int(run.made.size())) << Qt::endl;
    return 0;
  });
}

int RunRecurCommand(int argc, char* argv[]) {
  QStringList args;
  for (int i = 2; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
  QTextStream out(stdout);
  QTextStream err(stderr);
  return RunRecurCommand(args, out, err);
}
