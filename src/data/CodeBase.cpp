#include "data/CodeBase.h"

#include <QDir>

#include "data/dbFiles.h"

CODE4* cb = nullptr;

namespace {
QString dataDir;
}

void StartEngine(const QString& dir) {
  dataDir = dir;
  cb = code4initP();
  error4exitTest(cb);
  code4optimize(cb, 1);
  code4optimizeWrite(cb, -1);
  code4autoOpen(cb, 1);
  code4safety(cb, 1);
  code4accessMode(cb, OPEN4DENY_NONE);
  code4setDirectory(cb, QFile::encodeName(dir).toStdString());
}

void EndEngine() {
  if (!cb) return;
  error4exitTest(cb);
  code4initUndoP(cb);
  cb = nullptr;
}

void AbandonEngine() {
  if (!cb) return;
  code4errorCode(cb, 0);
  CloseAll();
  code4errorCode(cb, 0);
  EndEngine();
}

QString DataDirectory() {
  return QDir(dataDir.isEmpty() ? QDir::currentPath() : dataDir).absolutePath();
}

EngineFolder::EngineFolder(const QString& dir) {
  code4setDirectory(cb, QFile::encodeName(dir).toStdString());
}

EngineFolder::~EngineFolder() { code4setDirectory(cb, QFile::encodeName(dataDir).toStdString()); }

double d4position(DATA4* d) {
  double r = 0;
  return d4position2(d, &r) < 0 ? 0 : r;
}

double f4double(FIELD4* f) {
  double r = 0;
  return f4double2(f, &r) < 0 ? 0 : r;
}

int FirstRecord(DATA4* d) { return d4top(d) == r4success ? static_cast<int>(d4recNo(d)) : 0; }

int LastRecord(DATA4* d) { return d4bottom(d) == r4success ? static_cast<int>(d4recNo(d)) : 0; }
