#include "invoicing/Recurrence.h"

#include <gtest/gtest.h>

namespace {

QList<QDate> First(const Recurrence& r, int n) {
  QList<QDate> dates;
  for (int k = 0; k < n; ++k) dates << Occurrence(r, k);
  return dates;
}

QDate D(int y, int m, int d) { return QDate(y, m, d); }

TEST(Recurrence, TheDayOfTheMonthIsClampedAtShortMonthsAndComesBack) {
  const Recurrence monthly{QLatin1Char('M'), 31, D(2027, 1, 31), QDate(), 0};
  EXPECT_EQ(First(monthly, 4), (QList<QDate>{D(2027, 1, 31), D(2027, 2, 28), D(2027, 3, 31), D(2027, 4, 30)}));
  const Recurrence leap{QLatin1Char('M'), 31, D(2028, 1, 31), QDate(), 0};
  EXPECT_EQ(Occurrence(leap, 1), D(2028, 2, 29));
  // Quarterly across the year's end, on the 30th.
  const Recurrence quarterly{QLatin1Char('Q'), 30, D(2027, 11, 30), QDate(), 0};
  EXPECT_EQ(First(quarterly, 3), (QList<QDate>{D(2027, 11, 30), D(2028, 2, 29), D(2028, 5, 30)}));
  // Yearly from a 29 February: the 28th in common years, the 29th again in
  // leap years; a day of 0 is the first date's.
  const Recurrence yearly{QLatin1Char('Y'), 0, D(2028, 2, 29), QDate(), 0};
  EXPECT_EQ(First(yearly, 5),
            (QList<QDate>{D(2028, 2, 29), D(2029, 2, 28), D(2030, 2, 28), D(2031, 2, 28), D(2032, 2, 29)}));
  const Recurrence weekly{QLatin1Char('W'), 0, D(2026, 12, 28), QDate(), 0};
  EXPECT_EQ(Occurrence(weekly, 1), D(2027, 1, 4));
}

TEST(Recurrence, AnEndDateOrACountEndsTheDatesAndWhatIsMadeIsNotDueAgain) {
  const Recurrence byDate{QLatin1Char('M'), 15, D(2026, 1, 15), D(2026, 4, 14), 0};
  EXPECT_EQ(DueOccurrences(byDate, 0, D(2030, 1, 1)),
            (QList<QDate>{D(2026, 1, 15), D(2026, 2, 15), D(2026, 3, 15)}));
  const Recurrence byCount{QLatin1Char('M'), 15, D(2026, 1, 15), QDate(), 2};
  EXPECT_EQ(DueOccurrences(byCount, 0, D(2030, 1, 1)), (QList<QDate>{D(2026, 1, 15), D(2026, 2, 15)}));
  EXPECT_TRUE(DueOccurrences(byCount, 2, D(2030, 1, 1)).isEmpty());
  // A long pause: every missed date, from the first not made, up to the day.
  const Recurrence monthly{QLatin1Char('M'), 1, D(2020, 1, 1), QDate(), 0};
  const QList<QDate> missed = DueOccurrences(monthly, 10, D(2026, 12, 9));
  ASSERT_EQ(missed.size(), 12 * 7 - 10);
  EXPECT_EQ(missed.first(), D(2020, 11, 1));
  EXPECT_EQ(missed.last(), D(2026, 12, 1));
  EXPECT_TRUE(DueOccurrences(monthly, 0, D(2019, 12, 31)).isEmpty());
  // Not a schedule: no dates at all.
  EXPECT_FALSE(Occurrence({QLatin1Char('X'), 0, D(2026, 1, 1), QDate(), 0}, 0).isValid());
  EXPECT_FALSE(Occurrence({QLatin1Char('M'), 0, QDate(), QDate(), 0}, 0).isValid());
}

}  // namespace
