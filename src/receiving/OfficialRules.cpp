#include "receiving/OfficialRules.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include "receiving/ReceivedInvoice.h"
#include "receiving/ReceivedRead.h"

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(OfficialRules)
};

constexpr int kTimeoutMs = 120000;  // a 50 MB invoice takes its time

// The rule sets' folder: the one TALLOWBY_RULES names when it is set (none
// there: no rules), else beside the installed program, else the source
// tree's (a build that is not installed).
QString RulesFolder() {
  const auto holdsRules = [](const QString& dir) {
    return QFile::exists(dir + QStringLiteral("/en16931/EN16931-CII-validation.xslt"));
  };
  const QString named = qEnvironmentVariable("TALLOWBY_RULES");
  if (!named.isEmpty()) return holdsRules(named) ? QDir(named).absolutePath() : QString();
  QStringList candidates{QCoreApplication::applicationDirPath() + QStringLiteral("/../share/tallowby/rules")};
#ifdef TB_RULES_SOURCE_DIR
  candidates << QStringLiteral(TB_RULES_SOURCE_DIR);
#endif
  for (const QString& dir : candidates)
    if (holdsRules(dir)) return QDir(dir).absolutePath();
  return QString();
}

QString SaxonJar() {
  for (const char* jar : {"/usr/share/java/Saxon-HE.jar", "/usr/share/java/saxon-he.jar", "/usr/share/java/saxon9he.jar"})
    if (QFile::exists(QString::fromLatin1(jar))) return QString::fromLatin1(jar);
  return QString();
}

QStringList RuleSets(const QString& folder, const ReceivedInvoice& invoice) {
  const bool cii = invoice.syntax == ReceivedInvoice::Syntax::Cii;
  QStringList sets{folder + (cii ? QStringLiteral("/en16931/EN16931-CII-validation.xslt")
                                 : QStringLiteral("/en16931/EN16931-UBL-validation.xslt"))};
  const QString id = invoice.customization.toLower();
  if (cii && id.contains(QLatin1String("xrechnung")))
    sets << folder + QStringLiteral("/xrechnung/XRechnung-CII-validation.xsl");
  if (!cii && id.contains(QLatin1String("peppol")))
    sets << folder + QStringLiteral("/peppol/PEPPOL-EN16931-UBL.xsl");
  return sets;
}

// The failed assertions of an SVRL report; what Saxon wrote is read with
// the same care as anything else (no document type, no entity).
bool ReadReport(const QByteArray& svrl, QList<ReceivedFinding>* findings) {
  QXmlStreamReader xml(svrl);
  ReceivedFinding current;
  bool inAssert = false, inText = false;
  while (!xml.atEnd()) {
    switch (xml.readNext()) {
      case QXmlStreamReader::DTD: return false;
      case QXmlStreamReader::StartElement:
        if (xml.name() == QLatin1String("failed-assert")) {
          inAssert = true;
          current = ReceivedFinding{};
          current.rule = xml.attributes().value(QLatin1String("id")).toString();
          const QString flag = xml.attributes().value(QLatin1String("flag")).toString().toLower();
          current.fatal = flag.isEmpty() || flag == QLatin1String("fatal") || flag == QLatin1String("error");
        } else if (inAssert && xml.name() == QLatin1String("text")) {
          inText = true;
        }
        break;
      case QXmlStreamReader::Characters:
        if (inText) current.text += xml.text();
        break;
      case QXmlStreamReader::EndElement:
        if (xml.name() == QLatin1String("text")) inText = false;
        if (xml.name() == QLatin1String("failed-assert")) {
          inAssert = false;
          current.text = current.text.simplified();
          if (current.rule.isEmpty()) current.rule = QStringLiteral("SCHEMATRON");
          findings->append(current);
        }
        break;
      default: break;
    }
  }
  return !xml.hasError();
}

}  // namespace

bool OfficialRulesAvailable(QString* why) {
  QString missing;
  if (QStandardPaths::findExecutable(QStringLiteral("java")).isEmpty())
    missing = Tr::tr("no Java runtime is installed");
  else if (SaxonJar().isEmpty())
    missing = Tr::tr("Saxon HE is not installed (Debian package libsaxonhe-java)");
  else if (RulesFolder().isEmpty())
    missing = Tr::tr("the rule sets are not found");
  if (why) *why = missing;
  return missing.isEmpty();
}

OfficialRulesRun RunOfficialRules(const QByteArray& xml, const ReceivedInvoice& invoice) {
  OfficialRulesRun run;
  if (!OfficialRulesAvailable(&run.why)) return run;
  QTemporaryDir work;
  QFile input(work.filePath(QStringLiteral("invoice.xml")));
  if (!work.isValid() || !input.open(QIODevice::WriteOnly) || input.write(xml) != xml.size()) {
    run.why = Tr::tr("the invoice could not be written for the rules: %1").arg(input.errorString());
    return run;
  }
  input.close();
  const QString java = QStandardPaths::findExecutable(QStringLiteral("java"));
  for (const QString& rules : RuleSets(RulesFolder(), invoice)) {
    QProcess saxon;
    saxon.start(java, {QStringLiteral("-cp"), SaxonJar(), QStringLiteral("net.sf.saxon.Transform"),
                       QStringLiteral("-s:") + input.fileName(), QStringLiteral("-xsl:") + rules});
    if (!saxon.waitForFinished(kTimeoutMs) || saxon.exitStatus() != QProcess::NormalExit || saxon.exitCode() != 0) {
      saxon.kill();
      //: %1 a rule set's file, %2 what Saxon said last.
      run.why = Tr::tr("the rules of %1 could not be run: %2")
                    .arg(QFileInfo(rules).fileName(),
                         QString::fromLocal8Bit(saxon.readAllStandardError()).trimmed().section('\n', -1));
      return run;
    }
    if (!ReadReport(saxon.readAllStandardOutput(), &run.findings)) {
      run.why = Tr::tr("the report of %1 could not be read").arg(QFileInfo(rules).fileName());
      return run;
    }
  }
  run.ran = true;
  return run;
}

QList<ReceivedFinding> ReceivedFindings(const ReceivedRead& read, bool officialRules) {
  QList<ReceivedFinding> findings = CheckReceived(read.invoice);
  if (!officialRules) return findings;
  const OfficialRulesRun run = RunOfficialRules(read.xml, read.invoice);
  if (!run.ran) {
    //: The rule id of a note that the official rules were not run; %1 why.
    findings.append({QStringLiteral("TB-OFFICIAL"), false, Tr::tr("The official rules were not run: %1.").arg(run.why)});
    return findings;
  }
  // A rule our own checks report already keeps our sentence (in the user's
  // language); the others come in the rules' words.
  QStringList ours;
  for (const ReceivedFinding& f : findings) ours << f.rule;
  for (const ReceivedFinding& f : run.findings)
    if (!ours.contains(f.rule)) findings.append(f);
  return findings;
}
