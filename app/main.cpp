// Entry point of the configurator.
#include <cstdio>

int main() {
  std::puts("Quelix - Configurator CF21070 - J1939 / PROFIBUS Slave ");
  return 0;
}
