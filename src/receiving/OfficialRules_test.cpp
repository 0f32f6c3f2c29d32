// The official rule sets run through Saxon on a received invoice, where it
// is installed: a rule no check of ours knows (the code list of the
// document type) is found, and one of ours is not said twice.
#include "receiving/OfficialRules.h"

#include <QFile>
#include <gtest/gtest.h>

#include "receiving/ReceivedRead.h"

namespace {

QByteArray Example(const char* name) {
  QFile f(qEnvironmentVariable("TB_SOURCE_DIR", QStringLiteral(".")) +
          QStringLiteral("/../shared/einvoice/examples/") + QLatin1String(name));
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList Rules(const QList<ReceivedFinding>& findings) {
  QStringList rules;
  for (const ReceivedFinding& f : findings) rules << f.rule + (f.fatal ? "!" : "");
  return rules;
}

TEST(OfficialRules, FindWhatOurChecksCannotAndSayNothingTwice) {
  QString why;
  if (!OfficialRulesAvailable(&why)) GTEST_SKIP() << why.toStdString();
  QByteArray xml = Example("cii-CII_example1.xml");
  if (xml.isEmpty()) GTEST_SKIP() << "no examples";
  const ReceivedRead clean = ReadReceived(xml);
  ASSERT_TRUE(clean.ok()) << clean.error.toStdString();
  EXPECT_EQ(Rules(ReceivedFindings(clean, true)), Rules(ReceivedFindings(clean, false)))
      << "the standard's own example passes its rules";

  xml.replace("<ram:TypeCode>380</ram:TypeCode>", "<ram:TypeCode>999</ram:TypeCode>");
  const ReceivedRead odd = ReadReceived(xml);
  ASSERT_TRUE(odd.ok());
  const QStringList ours = Rules(ReceivedFindings(odd, false));
  const QStringList all = Rules(ReceivedFindings(odd, true));
  EXPECT_FALSE(ours.contains("BR-CL-01!"));
  EXPECT_TRUE(all.contains("BR-CL-01!")) << all.join(' ').toStdString();
  EXPECT_EQ(all.count("TB-LINE-NET"), ours.count("TB-LINE-NET"));
}

}  // namespace
