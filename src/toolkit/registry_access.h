// The setup's only access to the registry: six operations that check their arguments in a fixed
// order, open the key themselves, do one thing, close the key and report 1/0 or a text that is
// empty on failure. Each maintains LastErrorText.
#pragma once

#include <cstdint>
#include <string>

#include "platform/windows_names.h"

namespace toolkit {

using platform::RootKey;

// 1 if the key can be opened for reading.
int RegistryKeyExists(RootKey root, const std::string& subKey);
// 1 if the key exists afterwards (created now or before).
int RegistryCreateKey(RootKey root, const std::string& subKey);
// REG_SZ with its terminating zero byte; the empty name is the key's default value.
int RegistryWriteText(RootKey root, const std::string& subKey, const std::string& valueName,
                      const std::string& text);
// REG_DWORD; the empty name is refused.
int RegistryWriteNumber(RootKey root, const std::string& subKey, const std::string& valueName,
                        std::int32_t number);
// The text of a REG_SZ value with every zero byte left out; empty on any failure.
std::string RegistryReadText(RootKey root, const std::string& subKey, const std::string& valueName);
int RegistryDeleteValue(RootKey root, const std::string& subKey, const std::string& valueName);

}  // namespace toolkit
