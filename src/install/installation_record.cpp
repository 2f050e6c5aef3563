#include "install/installation_record.h"

#include "driver/product_identity.h"
#include "install/md5.h"
#include "platform/files.h"
#include "platform/system.h"
#include "toolkit/dates.h"
#include "toolkit/number_text.h"
#include "toolkit/registry_access.h"

namespace install {

using platform::HKEY_LOCAL_MACHINE;

namespace {

bool ReadLittleEndian32(const platform::FileHandle& file, std::uint64_t offset,
                        std::uint32_t& value) {
  std::uint8_t bytes[4];
  if (!platform::SeekInFile(file, offset) ||
      platform::ReadFromFile(file, bytes, sizeof(bytes)) != sizeof(bytes)) {
    return false;
  }
  value = static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
          static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
  return true;
}

// The key exists afterwards, found or made.
bool EnsureKey(const char* subKey) {
  return toolkit::RegistryKeyExists(HKEY_LOCAL_MACHINE, subKey) == 1 ||
         toolkit::RegistryCreateKey(HKEY_LOCAL_MACHINE, subKey) == 1;
}

}  // namespace

std::string MainProgramDigest(std::uint64_t bytesWritten) {
  return Md5Hex(toolkit::DecimalText(static_cast<std::int64_t>(bytesWritten)));
}

std::string LinkTimeStampText(const std::string& path) {
  constexpr std::uint32_t kPeSignature = 0x4550;  // "PE\0\0"
  const platform::FileHandle file = platform::OpenFileForReading(path);
  std::uint32_t headerOffset = 0;
  std::uint32_t signature = 0;
  std::uint32_t stamp = 0;
  if (!file.IsOpen() || !ReadLittleEndian32(file, 60, headerOffset) ||
      !ReadLittleEndian32(file, headerOffset, signature) || signature != kPeSignature ||
      !ReadLittleEndian32(file, static_cast<std::uint64_t>(headerOffset) + 8, stamp)) {
    return {};
  }
  return toolkit::DecimalText(static_cast<std::int32_t>(stamp));
}

bool WriteInstallationRecord(const RecordValues& values) {
  using driver::ProductIdentity;
  const char* record = driver::kRecordKey;
  if (!EnsureKey(driver::kMakerKey) || !EnsureKey(record)) return false;

  const auto write = [&](const char* name, const std::string& text) {
    toolkit::RegistryWriteText(HKEY_LOCAL_MACHINE, record, name, text);
  };
  write("Version", ProductIdentity::versionText);
  write("Versdat", ProductIdentity::versionDate);
  write("Filedat", values.fileDate);
  write("Filelen", values.fileDigest);
  write("Setup", toolkit::FormatDate("%dd.%mm.%yyyy - %hh:%ii:%ss", platform::CurrentLocalTime()));
  write("RunPath", values.targetFolder);
  write("SetPath", platform::UpperCaseAnsi(values.targetFolder));

  // The probe: under HKEY_LOCAL_MACHINE a value can be written only with administrator rights.
  if (toolkit::RegistryWriteText(HKEY_LOCAL_MACHINE, record, "admin", "test") != 1) return false;
  platform::PauseMilliseconds(100);
  toolkit::RegistryDeleteValue(HKEY_LOCAL_MACHINE, record, "admin");
  return true;
}

}  // namespace install
