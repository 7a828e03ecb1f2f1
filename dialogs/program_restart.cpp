#include "dialogs/program_restart.h"

#include <QDir>
#include <QProcess>

namespace selkan {

namespace {

ProgramStarter& Starter() {
  static ProgramStarter starter;
  return starter;
}

}  // namespace

QString ProgramFileIn(const QString& directory) {
#if defined(Q_OS_WIN)
  return QDir(directory).filePath(QStringLiteral("Selkan.exe"));
#else
  return QDir(directory).filePath(QStringLiteral("Selkan"));
#endif
}

bool StartProgram(const QString& programFile) {
  if (Starter()) return Starter()(programFile);
  return QProcess::startDetached(programFile, {});
}

void SetProgramStarter(ProgramStarter starter) { Starter() = std::move(starter); }

}  // namespace selkan
