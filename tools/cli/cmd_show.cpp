#include <cstdio>

#include "tools/cli/commands.h"

namespace selkan::cli {
int RunShow(const Args&) {
  std::fprintf(stderr, "selkan-cli show: not built yet\n");
  return kExitUsage;
}
}  // namespace selkan::cli
