#include <cstdio>
int main() {
  std::fprintf(stderr, "selkan-sim: not built yet\n");
  return 1;
}
