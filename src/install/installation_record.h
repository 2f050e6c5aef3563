// The installation record: HKEY_LOCAL_MACHINE "Software\Nordavik\QVDLumorak\", the one key in
// which the setup notes that, where, when and in which version the program was installed.
// Writing it is also the test whether the setup may install at all.
#pragma once

#include <cstdint>
#include <string>

namespace install {

// "Filelen": the MD5 digest of the decimal text of the number of bytes written for the main
// program.
std::string MainProgramDigest(std::uint64_t bytesWritten);

// "Filedat": the link time stamp of a PE file as a signed decimal; empty when the file cannot
// be read or does not carry the PE signature.
std::string LinkTimeStampText(const std::string& path);

struct RecordValues {
  std::string targetFolder;  // as the engine received it, ending with a backslash
  std::string fileDate;      // "Filedat"
  std::string fileDigest;    // "Filelen"
};

// Creates the keys where missing, writes the seven values in their order and probes the right
// to write with the transient value "admin". False when a key could not be made or the probe
// was refused: the caller then stops with its administrator-rights message.
bool WriteInstallationRecord(const RecordValues& values);

}  // namespace install
