// e2e_driver SCENARIO SETUP_PATH: runs one scenario against the setup at SETUP_PATH (a Linux
// path, reached through Wine's drive Z:).
#include <cstdio>
#include <cstdlib>

#include "harness.h"

namespace {
std::string WindowsPath(const std::string& linuxPath) {
  std::string path = "Z:" + linuxPath;
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}
}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: e2e_driver SCENARIO SETUP_PATH\n");
    return 2;
  }
  e2e::Context context;
  context.setupPath = WindowsPath(argv[2]);
  context.buildFolder = context.setupPath.substr(0, context.setupPath.find_last_of('\\') + 1);
  if (const char* folder = std::getenv("QVD_RUN_FOLDER")) context.runFolder = folder;
  return e2e::RunScenario(argv[1], context);
}
