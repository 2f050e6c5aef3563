// Checks a built Windows program from the outside, as a build-time test:
//
//   check_windows_program PROGRAM [--machine i386|amd64] [--gui] [--require-admin]
//                         [--time-stamp SECONDS] [--text TEXT]...
//                         [--own-size-below BYTES --items FILE...]
//
// --machine and --gui check the PE header; --require-admin looks for the manifest's request;
// --text looks for a text in the bytes; --items checks that the files are embedded back to back
// in the given order and that the program less those items stays below the given size. Build
// paths are refused always, and so is a link time stamp other than the one --time-stamp names
// (none by default): the bytes must not depend on where or when they were built.
#include "file_bytes.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using namespace package;

std::size_t Find(const Bytes& haystack, const Bytes& needle, std::size_t from = 0) {
  if (needle.empty() || needle.size() > haystack.size()) return std::string::npos;
  for (std::size_t i = from; i + needle.size() <= haystack.size(); ++i) {
    if (haystack[i] == needle[0] && std::memcmp(&haystack[i], needle.data(), needle.size()) == 0) {
      return i;
    }
  }
  return std::string::npos;
}

Bytes AsBytes(const std::string& text) {
  return Bytes(text.begin(), text.end());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: check_windows_program PROGRAM [checks]\n");
    return 2;
  }
  Bytes program;
  if (!Read(argv[1], program)) {
    Fail(std::string("cannot read ") + argv[1]);
    return 1;
  }
  const std::uint32_t pe = U32(program, 60);
  if (U32(program, pe) != 0x4550) {
    Fail("no PE signature");
    return 1;
  }
  const std::size_t optional = pe + 24;
  for (const char* buildPath : {"/work/", "/build/", "/tmp/", "/home/"}) {
    if (Find(program, AsBytes(buildPath)) != std::string::npos) {
      Fail(std::string("a build path is inside: ") + buildPath);
    }
  }

  std::vector<std::string> items;
  long long ownSizeLimit = -1;
  std::uint32_t timeStamp = 0;
  for (int i = 2; i < argc; ++i) {
    const std::string option = argv[i];
    if (option == "--machine" && i + 1 < argc) {
      const std::string machine = argv[++i];
      const std::uint16_t expected = machine == "i386" ? 0x14c : 0x8664;
      const std::uint16_t magic = machine == "i386" ? 0x10b : 0x20b;
      if (U16(program, pe + 4) != expected) Fail("machine is not " + machine);
      if (U16(program, optional) != magic) Fail("optional header is not of " + machine);
    } else if (option == "--gui") {
      if (U16(program, optional + 68) != 2) Fail("subsystem is not the Windows GUI");
    } else if (option == "--require-admin") {
      if (Find(program, AsBytes("level=\"requireAdministrator\"")) == std::string::npos) {
        Fail("the manifest does not ask for administrator rights");
      }
    } else if (option == "--time-stamp" && i + 1 < argc) {
      timeStamp = static_cast<std::uint32_t>(std::strtoul(argv[++i], nullptr, 10));
    } else if (option == "--text" && i + 1 < argc) {
      const std::string text = argv[++i];
      if (Find(program, AsBytes(text)) == std::string::npos) Fail("text not found: " + text);
    } else if (option == "--own-size-below" && i + 1 < argc) {
      ownSizeLimit = std::atoll(argv[++i]);
    } else if (option == "--items") {
      while (i + 1 < argc)
        items.push_back(argv[++i]);
    } else {
      Fail("unknown option " + option);
    }
  }

  const std::uint32_t linked = U32(program, pe + 8);
  if (linked != timeStamp) {
    Fail("the link time stamp is " + std::to_string(linked) + ", expected " +
         std::to_string(timeStamp));
  }

  if (!items.empty()) {
    std::size_t embedded = 0;
    std::size_t previousEnd = std::string::npos;
    for (const std::string& path : items) {
      Bytes item;
      if (!Read(path, item) || item.empty()) {
        Fail("cannot read item " + path);
        continue;
      }
      const std::size_t at =
          Find(program, item, previousEnd == std::string::npos ? 0 : previousEnd);
      if (at == std::string::npos) {
        Fail("item not embedded (or not after the one before): " + path);
        continue;
      }
      if (previousEnd != std::string::npos && at != previousEnd) {
        Fail("item does not follow the one before directly: " + path);
      }
      previousEnd = at + item.size();
      embedded += item.size();
    }
    const long long own = static_cast<long long>(program.size()) - static_cast<long long>(embedded);
    std::printf("program %zu bytes, embedded items %zu bytes, own code %lld bytes\n",
                program.size(), embedded, own);
    if (ownSizeLimit >= 0 && own >= ownSizeLimit) {
      Fail("own size " + std::to_string(own) + " is not below " + std::to_string(ownSizeLimit));
    }
  }
  return failures == 0 ? 0 : 1;
}
