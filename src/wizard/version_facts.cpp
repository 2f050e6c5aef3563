#include "wizard/version_facts.h"

#include "toolkit/dates.h"
#include "toolkit/number_text.h"

namespace wizard {

std::string VersionDisplay(std::int32_t versionNumber) {
  std::string digits = toolkit::DecimalText(versionNumber);
  if (digits.size() < 9) digits.insert(0, 9 - digits.size(), '0');
  return digits.substr(0, 3) + "." + digits.substr(3, 3) + "." + digits.substr(6, 3);
}

std::string SetupVersionLine(std::int32_t setupVersion) {
  return "Setup-Version\t\t: " + VersionDisplay(setupVersion);
}

std::string SetupDateLine(std::int64_t setupDate) {
  return "Versionsdatum\t: " + toolkit::FormatDate(kDateMask, setupDate);
}

std::string InstalledVersionLine(std::int32_t installedVersion) {
  if (installedVersion > 0) return "Installierte Version\t: " + VersionDisplay(installedVersion);
  return "Installierte Version\t: nicht angegeben / installiert";
}

std::string InstalledDateLine(std::int32_t installedVersion, std::int64_t installedDate) {
  if (installedDate != 0 && installedVersion > 0) {
    return "Versionsdatum\t: " + toolkit::FormatDate(kDateMask, installedDate);
  }
  return "Versionsdatum\t: --.--.----";
}

}  // namespace wizard
