#pragma once

#include <QString>
#include <functional>

namespace selkan {

// The running program's own file. Not looked for in the program directory:
// an installed program keeps its files apart from its program file.
QString RunningProgramFile();

// Starts a program file as a process of its own, without arguments, that
// outlives this one. False when it could not be started.
bool StartProgram(const QString& programFile);

using ProgramStarter = std::function<bool(const QString& programFile)>;
// Replaces the real start (tests); an empty starter restores it.
void SetProgramStarter(ProgramStarter starter);

}  // namespace selkan
