// How the wizard shows versions and dates: the four fact lines of its page.
#pragma once

#include <cstdint>
#include <string>

namespace wizard {

// The mask of every version date the wizard reads and writes.
inline constexpr const char* kDateMask = "%dd.%mm.%yyyy";

// A nine-digit version number as "001.001.018": padded with "0" on the left, a longer text cut
// to its first nine characters.
std::string VersionDisplay(std::int32_t versionNumber);

std::string SetupVersionLine(std::int32_t setupVersion);
std::string SetupDateLine(std::int64_t setupDate);
// Placeholders stand in for what is not recorded: a version of 0, a date of 0.
std::string InstalledVersionLine(std::int32_t installedVersion);
std::string InstalledDateLine(std::int32_t installedVersion, std::int64_t installedDate);

}  // namespace wizard
