// The mail program as xdg-email is: a stand-in script of that name on the
// PATH records what it was given, or fails as a real one does.
#include "platform/MailProgram.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <utime.h>

#include "platform/Language.h"
#include "platform/TestApplication.h"

namespace {

class MailProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureTestApplication();
    ASSERT_TRUE(bin.isValid());
    path = qgetenv("PATH");
    qputenv("PATH", bin.path().toLocal8Bit() + ":" + path);
  }
  void TearDown() override { qputenv("PATH", path); }
  // An xdg-email that runs body (a shell script's lines).
  void standIn(const QByteArray& body) {
    QFile script(bin.filePath("xdg-email"));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\n" + body + "\n");
    script.close();
    script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  }
  QByteArray given() const {
    QFile f(bin.filePath("args"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }

  QTemporaryDir bin;
  QByteArray path;
  MailDraft draft{"ada@byron.example", "Invoice 1001", "/tmp/1001.xml"};
};

TEST_F(MailProgramTest, OnlyAPlainAddressIsAnAddress) {
  for (const char* address : {"ada@byron.example", "a.b+c@d-e.example", "o'hara@x.ie"})
    EXPECT_TRUE(IsPlainMailAddress(address)) << address;
  for (const char* address :
       {"mailto:a@b.c?attach=/etc/passwd&bcc=evil@x.y", "MAILTO:a@b.c", "a@b.c?attach=/etc/passwd",
        "a@b.c&bcc=evil@x.y", "a%40b@c.d", "a@b.c\r\nBcc: evil@x.y", "a@b.c\n", "--attach=/etc/passwd@x.y",
        "-a@b.c", "a b@c.d", "a@b@c.d", "ab.cd", "@b.cd", "ab@", "", "a\t@b.c"})
    EXPECT_FALSE(IsPlainMailAddress(address)) << address;
}

TEST_F(MailProgramTest, TheAddressGoesLastAfterTheOptions) {
  standIn("for a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$(dirname \"$0\")/args\"");
  QString why;
  ASSERT_TRUE(OpenMailProgram(draft, &why)) << why.toStdString();
  EXPECT_EQ(given(), "--utf8\n--subject\nInvoice 1001\n--attach\n/tmp/1001.xml\nada@byron.example\n");
  draft.to = "mailto:a@b.c?attach=/etc/passwd";
  ASSERT_TRUE(OpenMailProgram(draft, &why));
  EXPECT_EQ(given(), "--utf8\n--subject\nInvoice 1001\n--attach\n/tmp/1001.xml\n")
      << "an address that is not plain is never passed on";
}

TEST_F(MailProgramTest, AFailingMailProgramIsSaidWithWhatItSaid) {
  standIn("echo \"xdg-email: unexpected option '--utf8'\" >&2\nexit 1");
  QString why;
  EXPECT_FALSE(OpenMailProgram(draft, &why));
  EXPECT_EQ(why, "the mail program did not open the message (xdg-email: unexpected option '--utf8')");
  standIn("exit 3");
  EXPECT_FALSE(OpenMailProgram(draft, &why));
  EXPECT_EQ(why, "the mail program did not open the message (xdg-email ended with exit status 3)");
  {
    const DocumentLanguage german("de");
    EXPECT_FALSE(OpenMailProgram(draft, &why));
    EXPECT_EQ(why, QString::fromUtf8("das E-Mail-Programm hat die Nachricht nicht geöffnet "
                                     "(xdg-email endete mit dem Status 3)"));
  }
  {
    const DocumentLanguage french("fr");
    EXPECT_FALSE(OpenMailProgram(draft, &why));
    EXPECT_EQ(why, QString::fromUtf8("le programme de messagerie n'a pas ouvert le message "
                                     "(xdg-email s'est terminé avec le code 3)"));
  }
}

TEST_F(MailProgramTest, MailFoldersOlderThanADayGoAtTheNextStart) {
  QTemporaryDir temp;
  const QByteArray tmpdir = qgetenv("TMPDIR");
  qputenv("TMPDIR", temp.path().toLocal8Bit());
  QString why;
  const QString old = NewMailFolder(&why), fresh = NewMailFolder(&why);
  ASSERT_FALSE(old.isEmpty()) << why.toStdString();
  ASSERT_TRUE(old.startsWith(temp.path() + "/tallowby-mail-")) << old.toStdString();
  QFile attachment(QDir(old).filePath("1001.xml"));
  ASSERT_TRUE(attachment.open(QIODevice::WriteOnly));
  attachment.close();
  ASSERT_TRUE(QDir(temp.path()).mkdir("tallowby-other"));
  const QDateTime now = QDateTime::currentDateTime();
  const utimbuf dayAndMore{now.toSecsSinceEpoch() - 25 * 3600, now.toSecsSinceEpoch() - 25 * 3600};
  for (const QString& folder : {old, temp.filePath("tallowby-other")})
    ASSERT_EQ(::utime(QFile::encodeName(folder).constData(), &dayAndMore), 0);
  RemoveOldMailFolders(now);
  EXPECT_FALSE(QFileInfo::exists(old));
  EXPECT_TRUE(QFileInfo::exists(fresh)) << "a message of today may still be open";
  EXPECT_TRUE(QFileInfo::exists(temp.filePath("tallowby-other"))) << "not ours";
  if (tmpdir.isEmpty()) qunsetenv("TMPDIR");
  else qputenv("TMPDIR", tmpdir);
}

}  // namespace
