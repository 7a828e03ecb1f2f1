#pragma once

#include <string>

namespace selkan {

// Where the program finds its files and where the user's changes go.
//
// The program directory holds what ships with the program: Selkan.ini, the
// language catalogs, the help pages, title.ico and background.bmp. In a
// build folder that is the folder of the program file itself. An installed
// program lives in <prefix>/bin and keeps its files in <prefix>/share/selkan;
// that folder belongs to the package manager and is never written.
//
// The user's own changes to a profile file (the language choice, anything
// else set in Selkan.ini, Olvane.ini) are written beside the shipped file
// when the user may change it, and otherwise into the user's configuration
// folder, which later starts then read first.
//
// The answers come from the system (Linux's /proc/self/exe, POSIX access and
// the password database); program_directory.cpp is the one file a port to
// another system changes.

// The program directory, with a trailing separator.
std::string ProgramDirectory();
// Lets start-up (or a test) say where the program's files are; an empty
// text goes back to finding them from the running program file.
void SetProgramDirectory(std::string directory);

// The user's configuration folder for this program, with a trailing
// separator: "Selkan" in XDG_CONFIG_HOME or ~/.config; empty when no home
// is known.
std::string UserConfigDirectory();

// The rules behind the functions above, for any folder.

struct ProgramFolders {
  std::string directory;   // with a trailing separator
  bool installed = false;  // the shared folder of an installed program
};
// The program directory of a program file in programFileFolder:
// installedDataFolder (relative to it) when that folder exists, otherwise
// programFileFolder itself.
ProgramFolders FindProgramFolders(const std::string& programFileFolder,
                                  const std::string& installedDataFolder);

// The configuration folder from the values of XDG_CONFIG_HOME and HOME
// (either may be null); a relative XDG_CONFIG_HOME is ignored.
std::string UserConfigDirectoryFrom(const char* xdgConfigHome, const char* home);

// Where a profile file of the program directory is read from and where it
// is written back to.
struct ProfilePaths {
  std::string read;
  std::string write;
};
// The shipped file is read and written in place when the user may change it
// (it is not read-only and its folder takes new files) and the program is
// not installed. Otherwise the user's copy stands in for it: read when it
// exists, and written in any case, so that the first write-back copies the
// shipped file's content there.
ProfilePaths ChooseProfilePaths(const ProgramFolders& program, const std::string& userDirectory,
                                const std::string& fileName);
// ChooseProfilePaths for this program's directory and the user's
// configuration folder.
ProfilePaths ProgramProfilePaths(const std::string& fileName);

}  // namespace selkan
