// Selkan: the desktop program.
#include <QApplication>
#include <QTimer>
#include <cstdio>

#include "app/qt/main_frame.h"
#include "app/qt/program_options.h"
#include "app/qt/selkan_app.h"
#include "platform/qt/message_box.h"
#include "platform/version.h"

int main(int argc, char* argv[]) {
  // Help and version are answered before the window system is reached, so
  // they work without a display.
  QStringList rawArguments;
  for (int i = 0; i < argc; ++i) rawArguments.append(QString::fromLocal8Bit(argv[i]));
  const selkan::ProgramOptions early = selkan::ParseProgramOptions(rawArguments);
  if (early.version) {
    std::printf("Selkan %s\n", selkan::VersionText());
    return 0;
  }
  if (early.help) {
    std::fputs(selkan::kProgramHelp, stdout);
    return 0;
  }

  QApplication application(argc, argv);
  const selkan::ProgramOptions options = selkan::ParseProgramOptions(QCoreApplication::arguments());

  bool messageShown = false;
  if (options.quitAfterStart) {
    // Nobody is there to answer a box: say what it said and close it.
    selkan::SetMessageHandler([&messageShown](const selkan::MessageRequest& request) {
      messageShown = true;
      std::fprintf(stderr, "Selkan: %s\n", request.text.toLocal8Bit().constData());
      return (request.buttons & QMessageBox::Cancel) ? QMessageBox::Cancel : QMessageBox::Ok;
    });
  }

  selkan::CSelkanApp app;
  if (!app.InitInstance(options.file)) return 1;
  if (options.quitAfterStart) {
    QTimer::singleShot(0, &application, [&app, &messageShown] {
      const selkan::CMainFrame* frame = app.MainFrame();
      const bool shown = frame != nullptr && frame->isVisible() && !messageShown;
      if (shown) std::printf("%s\n", frame->windowTitle().toLocal8Bit().constData());
      QCoreApplication::exit(shown ? 0 : 1);
    });
  }
  // app ends the program (ExitInstance) as it goes, before the application object.
  return QApplication::exec();
}
