#include "dialogs/qt/program_restart.h"

#include <QCoreApplication>
#include <QProcess>

namespace selkan {

namespace {

ProgramStarter& Starter() {
  static ProgramStarter starter;
  return starter;
}

}  // namespace

QString RunningProgramFile() { return QCoreApplication::applicationFilePath(); }

bool StartProgram(const QString& programFile) {
  if (Starter()) return Starter()(programFile);
  return QProcess::startDetached(programFile, {});
}

void SetProgramStarter(ProgramStarter starter) { Starter() = std::move(starter); }

}  // namespace selkan
