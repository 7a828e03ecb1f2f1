#pragma once

#include <QString>
#include <QStringList>

namespace selkan {

// The desktop program's command line: Selkan [FILE.dat], with --help (-h),
// --version and --quit-after-start. Qt's own options (-platform offscreen)
// are QApplication's; other unknown options are ignored, as a desktop
// start cannot show a usage error.
struct ProgramOptions {
  bool help = false;
  bool version = false;
  bool quitAfterStart = false;
  QString file;  // the document to open; empty for a new one
};

// The options of the arguments (the program name first). Before the
// application object exists they still hold Qt's own options, whose words
// may then be taken for a file: only help and version are answered then.
ProgramOptions ParseProgramOptions(const QStringList& arguments);

// The text --help prints.
extern const char kProgramHelp[];

}  // namespace selkan
