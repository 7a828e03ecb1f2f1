#pragma once

#include <functional>

namespace selkan {

// F1 anywhere asks for the help topic of a context number (a command id, a
// dialog's id or the focused control's id). The program installs the
// handler that opens its help window; without one a request does nothing.
void RequestHelp(int contextId);
void SetHelpHandler(std::function<void(int contextId)> handler);

}  // namespace selkan
