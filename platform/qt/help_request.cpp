#include "platform/qt/help_request.h"

namespace selkan {

namespace {
std::function<void(int)>& Handler() {
  static std::function<void(int)> handler;
  return handler;
}
}  // namespace

void RequestHelp(int contextId) {
  if (Handler()) Handler()(contextId);
}

void SetHelpHandler(std::function<void(int contextId)> handler) { Handler() = std::move(handler); }

}  // namespace selkan
