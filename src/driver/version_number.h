#pragma once

#include <cstdint>
#include <string>

namespace driver {

// A version text as a nine-digit number: "V001.001.018" gives 1001018. Pure; never fails.
std::int32_t VersionNumberFromText(const std::string& text);

// Fills ownVersionNumber, installedVersionNumber and installedVersionDate of the setup state
// from the product identity and the installation record.
void ReadInstalledVersion();

}  // namespace driver
