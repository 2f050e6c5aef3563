#include "driver/version_number.h"

#include "driver/product_identity.h"
#include "driver/setup_state.h"
#include "toolkit/number_text.h"
#include "toolkit/registry_access.h"

namespace driver {

std::int32_t VersionNumberFromText(const std::string& text) {
  std::string core;
  if (text.size() == 12) {
    core = text.substr(1);
  } else if (const std::size_t at = text.find("_V"); at != std::string::npos) {
    core = text.substr(at + 2);
  } else if (text.size() > 1) {
    core = text.substr(1);
  }

  std::string digits;
  std::size_t start = 0;
  for (int field = 0; field < 3; ++field) {
    std::string part;
    if (start <= core.size()) {
      const std::size_t dot = core.find('.', start);
      part = core.substr(start, dot == std::string::npos ? std::string::npos : dot - start);
      start = dot == std::string::npos ? core.size() + 1 : dot + 1;
    }
    if (part.size() > 3) part.resize(3);
    digits += std::string(3 - part.size(), '0') + part;
  }
  // Nine characters read as digits: at most 999 999 999, which fits.
  return static_cast<std::int32_t>(toolkit::LeadingDecimalValue(digits));
}

void ReadInstalledVersion() {
  SetupState& state = Setup();
  const std::string installed =
      toolkit::RegistryReadText(platform::HKEY_LOCAL_MACHINE, kRecordKey, "Version");
  state.ownVersionNumber = VersionNumberFromText(ProductIdentity::versionText);
  state.installedVersionNumber = VersionNumberFromText(installed);
  state.installedVersionDate =
      toolkit::RegistryReadText(platform::HKEY_LOCAL_MACHINE, kRecordKey, "Versdat");
}

}  // namespace driver
