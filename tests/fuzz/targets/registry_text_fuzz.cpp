// Texts that come from outside: registry values of any kind and content (the installation
// record can be edited by anyone with rights), read back as the setup reads them, and the
// version and date texts taken from them.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "driver/version_number.h"
#include "platform/headless/control.h"
#include "platform/registry.h"
#include "toolkit/dates.h"
#include "toolkit/registry_access.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  headless::Reset();
  const std::uint32_t type = data[0] % 12;
  const std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);
  const char* key = "Software\\Nordavik\\QVDLumorak\\";
  {
    platform::RegKey open;
    platform::KeyCreate(platform::HKEY_LOCAL_MACHINE, key, platform::KEY_ALL_ACCESS, open);
    platform::KeySetValue(open, "Version", type, bytes.data(),
                          static_cast<std::uint32_t>(bytes.size()));
  }
  const std::string text = toolkit::RegistryReadText(platform::HKEY_LOCAL_MACHINE, key, "Version");
  if (type != platform::REG_SZ && !text.empty()) std::abort();
  if (text.find('\0') != std::string::npos || text.size() > bytes.size()) std::abort();

  const std::int32_t number = driver::VersionNumberFromText(text);
  if (number < 0 || number > 999999999) std::abort();
  const std::int64_t date = toolkit::ParseDate("%dd.%mm.%yyyy", text);
  if (date != 0 && toolkit::FormatDate("%dd.%mm.%yyyy", date) != text) std::abort();
  if (headless::OpenRegistryKeyCount() != 0) std::abort();
  return 0;
}
