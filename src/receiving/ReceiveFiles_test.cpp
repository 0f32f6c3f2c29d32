// A received file taken in, in-process: the archive's name made of what a
// hostile file says, and an archive that cannot be written registering
// nothing.
#include "receiving/ReceiveFiles.h"

#include <QFile>
#include <gtest/gtest.h>

#include "data/TestSupport.h"
#include "einvoice/CiiWriter.h"
#include "einvoice/TestSupport.h"

namespace {

TEST(ArchiveStem, WhatTheFileSaysCannotLeaveTheArchiveOrHideAFile) {
  EXPECT_EQ(ArchiveStem("../../etc/Ünïcode & Söhne AG", "A/B 7"), "etc_Unicode_Sohne_AG-A_B_7");
  EXPECT_EQ(ArchiveStem(".hidden", ".."), "hidden-no-number");
  EXPECT_EQ(ArchiveStem("", "\n"), "seller-no-number");
  EXPECT_EQ(ArchiveStem(QString(200, 'x'), QString(200, '9')).size(), 45 + 1 + 45) << "it fits the register";
}

class ReceiveFileTest : public IndexedFolderTest {};

TEST_F(ReceiveFileTest, AnArchiveThatCannotBeWrittenRegistersNothing) {
  const QByteArray bytes = WriteCii(SampleInvoice(), CiiFlavour::XRechnung);
  {
    QFile blocker(path("Received"));  // a file where the archive's folder belongs
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  }
  ReceiveOutcome out = ReceiveFile("1007.xml", bytes);
  EXPECT_EQ(out.result, ReceiveOutcome::Result::Failed);
  EXPECT_TRUE(out.line.startsWith("1007.xml was not registered: ")) << out.line.toStdString();
  EXPECT_TRUE(AllReceived().isEmpty());

  ASSERT_TRUE(QFile::remove(path("Received")));
  out = ReceiveFile("1007.xml", bytes);
  EXPECT_EQ(out.result, ReceiveOutcome::Result::Registered) << out.line.toStdString();
  EXPECT_EQ(AllReceived().size(), 1);
  EXPECT_EQ(ReceiveFile("1007.xml", bytes).result, ReceiveOutcome::Result::AlreadyReceived);
  CloseReceivedTables();
}

}  // namespace
