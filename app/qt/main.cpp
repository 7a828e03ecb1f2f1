// Selkan: the desktop program.
#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstring>

#include "app/qt/main_frame.h"
#include "app/qt/selkan_app.h"
#include "platform/qt/message_box.h"
#include "platform/version.h"

namespace {

constexpr char kHelp[] =
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

}  // namespace

int main(int argc, char* argv[]) {
  // Answered before the window system is reached, so they work without a
  // display.
  for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
    if (std::strcmp(argv[i], "--version") == 0) {
      std::printf("Selkan %s\n", selkan::VersionText());
      return 0;
    }
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::fputs(kHelp, stdout);
      return 0;
    }
  }

  QApplication application(argc, argv);
  // Desktops match the window to the menu entry (and its icon) by this name.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.selkan.Selkan"));
  QStringList arguments = QCoreApplication::arguments();
  arguments.removeFirst();
  const bool quitAfterStart = arguments.removeAll(QStringLiteral("--quit-after-start")) > 0;

  bool messageShown = false;
  if (quitAfterStart) {
    // Nobody is there to answer a box: say what it said and close it.
    selkan::SetMessageHandler([&messageShown](const selkan::MessageRequest& request) {
      messageShown = true;
      std::fprintf(stderr, "Selkan: %s\n", request.text.toLocal8Bit().constData());
      return (request.buttons & QMessageBox::Cancel) ? QMessageBox::Cancel : QMessageBox::Ok;
    });
  }

  selkan::CSelkanApp app;
  if (!app.InitInstance(arguments)) return 1;
  if (quitAfterStart) {
    QTimer::singleShot(0, &application, [&app, &messageShown] {
      const selkan::CMainFrame* frame = app.MainFrame();
      const bool shown = frame != nullptr && frame->isVisible() && !messageShown;
      if (shown) std::printf("%s\n", frame->windowTitle().toLocal8Bit().constData());
      QCoreApplication::exit(shown ? 0 : 1);
    });
  }
  const int result = QApplication::exec();
  app.ExitInstance();
  return result;
}
