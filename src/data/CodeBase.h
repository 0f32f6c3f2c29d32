// The one engine handle of the run, and the engine calls that return a
// double wrapped as functions.
#ifndef DATA_CODEBASE_H
#define DATA_CODEBASE_H

#include <QString>

#include "tbengine/engine.h"

// Set by StartEngine, cleared by EndEngine.
extern CODE4* cb;

// Starts the engine with the program's settings: pages cached, auto-open on,
// safety on, shared access; tables are looked for in dataDir ("" = the
// current directory).
void StartEngine(const QString& dataDir = QString());
// Lets the engine end the program when an error is pending, then frees it.
void EndEngine();
// Ends the engine after a command was cut short: closes the tables and
// frees it without passing the pending error to the fatal hook again.
void AbandonEngine();

// The folder the tables live in: the one given to StartEngine, else the
// current directory. Absolute.
QString DataDirectory();

// While it lives, tables are looked for in dir instead (the conversion
// builds its tables in a staging folder); afterwards in the data folder.
class EngineFolder {
 public:
  explicit EngineFolder(const QString& dir);
  ~EngineFolder();
  EngineFolder(const EngineFolder&) = delete;
  EngineFolder& operator=(const EngineFolder&) = delete;
};

// The engine's d4position2 and f4double2 as functions: 0 on failure.
double d4position(DATA4* d);
double f4double(FIELD4* f);

// The record number of the first (last) record of d in its selected order;
// 0 when the table is empty.
int FirstRecord(DATA4* d);
int LastRecord(DATA4* d);

#endif  // DATA_CODEBASE_H
