#include "platform/qt/tool_application.h"

#include <QGuiApplication>

namespace selkan {

std::unique_ptr<QCoreApplication> ApplicationIfNone(ToolQt kind) {
  if (QCoreApplication::instance() != nullptr) return nullptr;
  // Qt keeps references to both for the application's lifetime.
  static int argc = 1;
  static char name[] = "selkan-cli";
  static char* argv[] = {name, nullptr};
  if (kind == ToolQt::kCore) return std::make_unique<QCoreApplication>(argc, argv);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace selkan
