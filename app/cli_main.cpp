#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
  if (argc >= 2 && std::strcmp(argv[1], "--version") == 0) {
    std::puts("wattora-cli 1.01.03");
    return 0;
  }
  if (argc >= 2 && std::strcmp(argv[1], "--help") == 0) {
    std::puts("Usage: wattora-cli estimate [--json|--csv] [--strict] FILE.KVE...\n"
              "       wattora-cli new fan|pump -o FILE.KVE [--set A1-NN=VALUE]... [--power kW|HP]\n"
              "                   [--currency 0-3] [--custom-currency TEXT] [--info N=TEXT]...\n"
              "       wattora-cli --help | --version");
    return 0;
  }
  std::fputs("wattora-cli: unknown command (see --help)\n", stderr);
  return 2;
}
