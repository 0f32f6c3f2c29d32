#include "data/KeyText.h"

#include "data/Cp1252.h"
#include "data/TestSupport.h"

namespace {

class KeyTextTest : public PlainDataTest {};

TDate D(int y, int m, int d) { return DateFromQDate(QDate(y, m, d)); }

TEST_F(KeyTextTest, PadLeftNeverCutsALongNumber) {
  EXPECT_EQ(PadLeft(42, 6), "    42");
  EXPECT_EQ(PadLeft(1234567, 6), "1234567");
  EXPECT_EQ(PadLeft(7, 2), " 7");
  EXPECT_EQ(Spaces(3), "   ");
  EXPECT_EQ(Spaces(-1), "");
}

TEST_F(KeyTextTest, LastPosFindsTheLastOccurrence) {
  EXPECT_EQ(LastPos("-", "12-34-56"), 6);
  EXPECT_EQ(LastPos("/", "12-34"), 0);
  EXPECT_EQ(LastPos("", "abc"), 0);
}

TEST_F(KeyTextTest, SeekKeyIsAtMostSixtyWindowsCharacters) {
  const QByteArray k = SeekKey(QString(70, 'x'));
  EXPECT_EQ(k.size(), 60);
  EXPECT_EQ(k.constData()[60], '\0');
  EXPECT_EQ(SeekKey(QStringLiteral("Caf\u00e9")), QByteArray("Caf\xe9"));
}

TEST_F(KeyTextTest, IndexInListReportsMissingListAndValue) {
  QList<int> groups{4, 7, 7};
  EXPECT_EQ(IndexInList(&groups, 7), 1);
  EXPECT_EQ(IndexInList(&groups, 9), -1);
  EXPECT_EQ(IndexInList(nullptr, 4), -1);
}

TEST_F(KeyTextTest, TableTextIsWindows1252WithQuestionMarkForTheRest) {
  EXPECT_EQ(ToCp1252(QStringLiteral("\u20ac5 \u00fc")), QByteArray("\x80" "5 \xfc"));
  EXPECT_EQ(FromCp1252(QByteArray("\x80\x9f\xe9")), QStringLiteral("\u20ac\u0178\u00e9"));
  EXPECT_EQ(ToCp1252(QStringLiteral("a\u6f22b")), QByteArray("a?b"));
  EXPECT_EQ(ToCp1252(QString::fromUcs4(U"\U0001F600")), QByteArray("?")) << "one character";
}

TEST_F(KeyTextTest, DateKeyIsTheDayAsItIsWithoutTheCenturyWindow) {
  EXPECT_EQ(DateKey(D(1900, 1, 1)), QByteArray("19000101")) << "a stored date would be 2000";
  EXPECT_EQ(DateKey(D(2099, 12, 31)), QByteArray("20991231"));
  EXPECT_EQ(DateKey(0), QByteArray());
}

}  // namespace
