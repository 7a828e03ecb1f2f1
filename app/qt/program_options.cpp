#include "app/qt/program_options.h"

#include <QCommandLineParser>

namespace selkan {

const char kProgramHelp[] =
    "usage: Selkan [FILE.dat]\n"
    "\n"
    "Programming software for the Selkan handheld FM radio. Opens FILE.dat,\n"
    "or a new configuration without it.\n"
    "\n"
    "  -h, --help           print this help and stop\n"
    "  --version            print the version and stop\n"
    "  --quit-after-start   start as usual, print the main window's caption\n"
    "                       and quit once the window is shown: a check that\n"
    "                       the program finds its files. A message the start\n"
    "                       would show goes to stderr and makes it fail.\n"
    "\n"
    "Qt's own options, such as -platform offscreen, are taken as well.\n";

ProgramOptions ParseProgramOptions(const QStringList& arguments) {
  const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
  const QCommandLineOption version(QStringLiteral("version"));
  const QCommandLineOption quitAfterStart(QStringLiteral("quit-after-start"));
  QCommandLineParser parser;
  // As Qt reads its own: "-stylesheet" is one option, not the letters s, t,
  // y, l, e, s, h...
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.addOptions({help, version, quitAfterStart});
  parser.parse(arguments);  // false for unknown options, which are ignored
  ProgramOptions options;
  options.help = parser.isSet(help);
  options.version = parser.isSet(version);
  options.quitAfterStart = parser.isSet(quitAfterStart);
  const QStringList files = parser.positionalArguments();
  if (!files.isEmpty()) options.file = files.first();
  return options;
}

}  // namespace selkan
