// The names both installed programs share with the setup that writes them: files, registry
// keys, the document type and the words of the command line.
#pragma once

namespace product {

inline constexpr char kName[] = "QVDLumorak";
inline constexpr char kVersionText[] = "V001.001.018";
inline constexpr char kVersionDate[] = "31.12.2012";
inline constexpr char kAuthor[] = "Eirik Nordavik";
inline constexpr char kWebAddress[] = "www.nordavik.example";
inline constexpr char kTitle[] = "QVDLumorak V001.001.018";

inline constexpr char kMainProgramFile[] = "qvdlumorak.exe";
inline constexpr char kHelpFile[] = "QVDLumorak.chm";
inline constexpr char kUninstallerFile[] = "LumoUnInst.exe";
inline constexpr char kSetupFile[] = "setup_qvdlumorak.exe";
// The link name of the Start menu and the desktop, and the extra links of older Windows.
inline constexpr char kMainLink[] = "QVDLumorak.lnk";
inline constexpr char kUninstallLink[] = "UnInstall.lnk";
inline constexpr char kHelpLink[] = "Hilfe (F1).lnk";
inline constexpr char kMenuFolder[] = "QVDLumorak";
// In the temporary folder: the setup's intro pictures and its credits card.
inline constexpr char kIntroFolder[] = "kvintro";
inline constexpr const char* kIntroPictures[] = {"pic_001.bmp", "pic_002.bmp", "pic_003.bmp",
                                                 "pic_004.bmp"};

// HKEY_LOCAL_MACHINE
inline constexpr char kMakerKey[] = "Software\\Nordavik";
inline constexpr char kRecordKey[] = "Software\\Nordavik\\QVDLumorak";
inline constexpr char kRecordKeyName[] = "QVDLumorak";
inline constexpr char kUninstallEntryKey[] =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\QVDLumorak";
// HKEY_CLASSES_ROOT
inline constexpr char kProgramId[] = "QVD_Lumorak";
inline constexpr char kExtension[] = ".lmk";

// Exists while any copy of the main program runs; the uninstaller waits until it is gone.
inline constexpr char kMainProgramMutex[] = "QVDLumorak.Hauptprogramm";

// The command words between the setup and the main program.
inline constexpr char kWordAutoUpdate[] = "AutoUpDate_from_MainInstance";
inline constexpr char kWordUpdateSucceeded[] = "StartFromUpDater_Succesfull";
inline constexpr char kWordUpdateFailed[] = "StartFromUpDater_NotSucces";
inline constexpr char kWordNewInstall[] = "newinstall";
inline constexpr char kWordUninstall[] = "UnInstall";

}  // namespace product
