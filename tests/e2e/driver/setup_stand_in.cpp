// Stands in for the setup when the main program starts an update: notes how it was started
// (its command line and working folder) in "setup_started.txt" beside itself, and ends.
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  char own[MAX_PATH + 1] = {};
  GetModuleFileNameA(nullptr, own, sizeof(own));
  std::string note = std::string(own);
  note = note.substr(0, note.find_last_of('\\') + 1) + "setup_started.txt";
  char folder[MAX_PATH + 1] = {};
  GetCurrentDirectoryA(sizeof(folder), folder);
  const std::string text = std::string(GetCommandLineA()) + "\n" + folder + "\n";
  HANDLE file = CreateFileA(note.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
  return 0;
}
