#include <QApplication>

#include "app/qt/selkan_app.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  selkan::CSelkanApp app;
  QStringList arguments = QCoreApplication::arguments();
  arguments.removeFirst();
  if (!app.InitInstance(arguments)) return 1;
  const int result = QApplication::exec();
  app.ExitInstance();
  return result;
}
