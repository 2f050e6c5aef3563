// The product this setup installs: one product in one version.
#pragma once

namespace driver {

struct ProductIdentity {
  static constexpr const char* name = "QVDLumorak";
  static constexpr const char* versionText = "V001.001.018";
  static constexpr const char* versionDate = "31.12.2012";
  static constexpr const char* creationDate = "11.09.2007";
  static constexpr const char* introTitle = "QVDLumorak V001.001.018";
  static constexpr const char* mainProgramFile = "qvdlumorak.exe";
  static constexpr const char* setupFileName = "setup_qvdlumorak.exe";
  static constexpr const char* uninstallerFile = "LumoUnInst.exe";
  static constexpr const char* helpFile = "QVDLumorak.chm";
  static constexpr const char* authorName = "Eirik Nordavik";
  static constexpr const char* webAddress = "www.nordavik.example";
  static constexpr const char* rightsYears = "2007 - 2012";
};

// The installation record: HKEY_LOCAL_MACHINE, below the maker's key.
inline constexpr const char* kMakerKey = "Software\\Nordavik\\";
inline constexpr const char* kRecordKey = "Software\\Nordavik\\QVDLumorak\\";

}  // namespace driver
