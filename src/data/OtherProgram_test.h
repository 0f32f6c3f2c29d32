// Another program holding a folder as a restore (exclusive) or a reading
// command (shared) does, for the tests of the folder holds: the system's
// flock tool, ended with the object.
#ifndef DATA_OTHERPROGRAM_TEST_H
#define DATA_OTHERPROGRAM_TEST_H

#include <QProcess>
#include <QString>
#include <QThread>
#include <gtest/gtest.h>
#include <signal.h>

// What another program gets when it asks for dir now, without waiting: 0
// when granted, 1 when refused.
inline int OtherProgramAsks(const QString& dir, bool exclusive) {
  return QProcess::execute(QStringLiteral("flock"),
                           {"--nonblock", exclusive ? "--exclusive" : "--shared", dir, "true"});
}

class OtherProgramHolding {
 public:
  OtherProgramHolding(const QString& dir, bool exclusive) : dir_(dir) {
    EXPECT_TRUE(QProcess::startDetached(
        QStringLiteral("flock"),
        {"--no-fork", exclusive ? "--exclusive" : "--shared", dir, "sleep", "600"}, QString(), &pid_));
    // Held once another program asking for it exclusively is refused.
    for (int i = 0; i < 500 && OtherProgramAsks(dir, true) == 0; ++i) QThread::msleep(10);
  }
  ~OtherProgramHolding() {
    if (pid_ <= 0) return;
    ::kill(pid_t(pid_), SIGKILL);
    // Let go once another program asking for it exclusively gets it.
    for (int i = 0; i < 500 && OtherProgramAsks(dir_, true) != 0; ++i) QThread::msleep(10);
  }
  OtherProgramHolding(const OtherProgramHolding&) = delete;
  OtherProgramHolding& operator=(const OtherProgramHolding&) = delete;

 private:
  QString dir_;
  qint64 pid_ = 0;
};

#endif  // DATA_OTHERPROGRAM_TEST_H
