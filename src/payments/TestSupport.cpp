#include "payments/TestSupport.h"

#include <QStringList>

QByteArray Camt053(const QString& version, const QList<TestEntry>& entries) {
  const bool v08 = version == QLatin1String("08");
  QString x = QStringLiteral(
                  "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                  "<Document xmlns=\"urn:iso:std:iso:20022:tech:xsd:camt.053.001.%1\">\n"
                  "<BkToCstmrStmt><GrpHdr><MsgId>M1</MsgId><CreDtTm>2026-03-21T06:00:00</CreDtTm></GrpHdr>\n"
                  "<Stmt><Id>S1</Id><Acct><Id><IBAN>DE02120300000000202051</IBAN></Id><Ccy>EUR</Ccy></Acct>\n")
                  .arg(version);
  for (const TestEntry& e : entries) {
    x += QStringLiteral("<Ntry><Amt Ccy=\"%1\">%2</Amt><CdtDbtInd>%3</CdtDbtInd>").arg(e.currency, e.amount, e.creditDebit);
    if (e.reversal) x += QStringLiteral("<RvslInd>true</RvslInd>");
    x += v08 ? QStringLiteral("<Sts><Cd>%1</Cd></Sts>").arg(e.status) : QStringLiteral("<Sts>%1</Sts>").arg(e.status);
    x += QStringLiteral("<BookgDt><Dt>%1</Dt></BookgDt><ValDt><Dt>%1</Dt></ValDt>").arg(e.date);
    if (!e.bankRef.isEmpty()) x += QStringLiteral("<AcctSvcrRef>%1</AcctSvcrRef>").arg(e.bankRef);
    x += QStringLiteral("<BkTxCd/>");
    if (!e.transactions.isEmpty()) {
      x += QStringLiteral("<NtryDtls>");
      for (const TestEntry::Tx& t : e.transactions) {
        x += QStringLiteral("<TxDtls>");
        if (!t.endToEnd.isEmpty()) x += QStringLiteral("<Refs><EndToEndId>%1</EndToEndId></Refs>").arg(t.endToEnd);
        if (!t.amount.isEmpty()) x += QStringLiteral("<Amt Ccy=\"%1\">%2</Amt>").arg(e.currency, t.amount);
        if (!t.payer.isEmpty()) {
          x += v08 ? QStringLiteral("<RltdPties><Dbtr><Pty><Nm>%1</Nm></Pty></Dbtr></RltdPties>").arg(t.payer)
                   : QStringLiteral("<RltdPties><Dbtr><Nm>%1</Nm></Dbtr></RltdPties>").arg(t.payer);
        }
        if (!t.text.isEmpty() || !t.reference.isEmpty()) {
          x += QStringLiteral("<RmtInf>");
          if (!t.text.isEmpty()) x += QStringLiteral("<Ustrd>%1</Ustrd>").arg(t.text);
          if (!t.reference.isEmpty())
            x += QStringLiteral("<Strd><CdtrRefInf><Tp><CdOrPrtry><Cd>SCOR</Cd></CdOrPrtry></Tp><Ref>%1</Ref>"
                                "</CdtrRefInf></Strd>")
                     .arg(t.reference);
          x += QStringLiteral("</RmtInf>");
        }
        x += QStringLiteral("</TxDtls>");
      }
      x += QStringLiteral("</NtryDtls>");
    }
    x += QStringLiteral("</Ntry>\n");
  }
  x += QStringLiteral("</Stmt></BkToCstmrStmt></Document>\n");
  return x.toUtf8();
}
