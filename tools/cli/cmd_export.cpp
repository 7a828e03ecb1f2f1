#include <cstdio>

#include "tools/cli/commands.h"

namespace selkan::cli {
int RunExport(const Args&) {
  std::fprintf(stderr, "selkan-cli export: not built yet\n");
  return kExitUsage;
}
}  // namespace selkan::cli
