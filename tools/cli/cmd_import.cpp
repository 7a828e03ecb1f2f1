#include <cstdio>

#include "tools/cli/commands.h"

namespace selkan::cli {
int RunImport(const Args&) {
  std::fprintf(stderr, "selkan-cli import: not built yet\n");
  return kExitUsage;
}
}  // namespace selkan::cli
