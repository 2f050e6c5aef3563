// The installed programs: QVDLumorak shows its window and documents, answers the setup's command
// words and starts its update; LumoUnInst removes what the setup wrote, and nothing else. The
// installation they work on is laid out here as the setup would leave it.
#include "harness.h"

#include <shlobj.h>

#include <vector>

namespace {

constexpr char kMainTitle[] = "QVDLumorak V001.001.018";
constexpr char kRemovalTitle[] = "QVDLumorak - Deinstallation";
constexpr char kInstallFolder[] = "C:\\Program Files\\QVDLumorak\\";
constexpr char kRecordKey[] = "Software\\Nordavik\\QVDLumorak";
constexpr char kMakerKey[] = "Software\\Nordavik";
constexpr char kUninstallEntryKey[] =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\QVDLumorak";

HWND ViewOf(HWND window) {
  for (HWND child : e2e::Descendants(window)) {
    if (lstrcmpiA(e2e::ClassOf(child).c_str(), "Edit") == 0) return child;
  }
  return nullptr;
}

void CloseMainProgram(const e2e::Process& program, HWND window) {
  PostMessageA(window, WM_CLOSE, 0, 0);
  const auto code = e2e::WaitForExit(program, 10000);
  if (e2e::Check(code.has_value(), "the main program ends when its window is closed")) {
    e2e::CheckEqual(*code, 0u, "exit code of the main program");
  }
}

// Waits for the next box of the title from the process (any process: 0), keeps its text,
// answers it and waits until it is gone, so that a following box of the same title is not
// taken for this one.
std::optional<std::string> AnswerBox(const std::string& title, DWORD processId,
                                     const std::vector<std::string>& buttons) {
  const auto box = e2e::WaitForMessageBox(title, 30000, processId);
  if (!e2e::Check(box.has_value(), "a box \"" + title + "\" is shown")) return std::nullopt;
  bool answered = false;
  for (const std::string& button : buttons) {
    for (const std::string& offered : box->buttons) {
      if (!answered && offered == button) answered = e2e::Answer(*box, button);
    }
  }
  e2e::Check(answered, "the box " + e2e::Describe(box->text) + " offers " + buttons.front());
  for (int waited = 0; IsWindow(box->window) && waited < 5000; waited += 20)
    e2e::Sleep(20);
  return box->text;
}
const std::vector<std::string> kYes = {"Ja", "Yes"};
const std::vector<std::string> kNo = {"Nein", "No"};
const std::vector<std::string> kOk = {"OK"};

bool Contains(const std::optional<std::string>& text, const std::string& part) {
  return e2e::Check(
      text.has_value() && text->find(part) != std::string::npos,
      "the text " + e2e::Describe(text.value_or("(none)")) + " contains " + e2e::Describe(part));
}

// ---- An installation as the setup leaves it ---------------------------------------------

struct Installation {
  std::string folder = kInstallFolder;
  std::string uninstaller;           // in the temporary folder
  std::vector<std::string> files;    // everything else the setup wrote as files
  std::vector<std::string> folders;  // to be removed with the files
  bool withNeighbours = false;       // a foreign file type, another product, a file of the user
};

Installation LayOutInstallation(const e2e::Context& context, bool withNeighbours) {
  Installation installation;
  installation.withNeighbours = withNeighbours;
  const std::string& folder = installation.folder;
  e2e::MakeFolders(folder);
  installation.files = {folder + "qvdlumorak.exe", folder + "QVDLumorak.chm"};
  e2e::Check(CopyFileA((context.buildFolder + "qvdlumorak.exe").c_str(),
                       installation.files[0].c_str(), FALSE),
             "the main program is put in place");
  e2e::Check(CopyFileA((context.buildFolder + "product\\QVDLumorak.chm").c_str(),
                       installation.files[1].c_str(), FALSE),
             "the help file is put in place");
  installation.uninstaller = e2e::TemporaryFolder() + "LumoUnInst.exe";
  e2e::Check(CopyFileA((context.buildFolder + "LumoUnInst.exe").c_str(),
                       installation.uninstaller.c_str(), FALSE),
             "the uninstaller is put in place");
  // The links of both Windows layouts: one in the programs folder, or a menu folder of three.
  for (int programs : {CSIDL_COMMON_PROGRAMS, CSIDL_PROGRAMS}) {
    const std::string base = e2e::SpecialFolder(programs);
    const std::string menu = base + "QVDLumorak\\";
    e2e::MakeFolders(menu);
    installation.folders.push_back(menu);
    for (const std::string& link : {base + "QVDLumorak.lnk", menu + "QVDLumorak.lnk",
                                    menu + "UnInstall.lnk", menu + "Hilfe (F1).lnk"}) {
      e2e::WriteFileBytes(link, "link");
      installation.files.push_back(link);
    }
  }
  for (int desktop : {CSIDL_COMMON_DESKTOPDIRECTORY, CSIDL_DESKTOPDIRECTORY}) {
    const std::string link = e2e::SpecialFolder(desktop) + "QVDLumorak.lnk";
    e2e::MakeFolders(e2e::SpecialFolder(desktop));
    e2e::WriteFileBytes(link, "link");
    installation.files.push_back(link);
  }
  // The credits card the setup's intro leaves behind.
  const std::string intro = e2e::TemporaryFolder() + "kvintro\\";
  e2e::MakeFolders(intro);
  e2e::WriteFileBytes(intro + "pic_004.bmp", "BM");
  installation.files.push_back(intro + "pic_004.bmp");
  installation.folders.push_back(intro);
  e2e::WriteRegistryText(HKEY_CLASSES_ROOT, "QVD_Lumorak\\shell\\open\\command", "",
                         folder + "qvdlumorak.exe %1");
  if (withNeighbours) {
    e2e::WriteRegistryText(HKEY_CLASSES_ROOT, ".lmk", "", "Fremd.Dokument");
    e2e::WriteRegistryText(HKEY_LOCAL_MACHINE, "Software\\Nordavik\\Anderes", "Version", "1");
    e2e::WriteFileBytes(folder + "Notizen.txt", "meine Notizen");
  } else {
    e2e::WriteRegistryText(HKEY_CLASSES_ROOT, ".lmk", "", "QVD_Lumorak");
    e2e::WriteRegistryText(HKEY_CLASSES_ROOT, ".lmk", "Content Type", "text/plain");
    e2e::WriteRegistryText(HKEY_CLASSES_ROOT, ".lmk", "PerceivedType", "qvd-lumo-data-file");
  }
  e2e::WriteRegistryText(HKEY_LOCAL_MACHINE, kUninstallEntryKey, "DisplayName", "QVDLumorak");
  e2e::WriteRegistryText(HKEY_LOCAL_MACHINE, kUninstallEntryKey, "UninstallString",
                         "C:\\PROGRAM FILES\\QVDLUMORAK\\qvdlumorak.exe UnInstall");
  e2e::WriteRegistryText(HKEY_LOCAL_MACHINE, kRecordKey, "Version", "V001.001.018");
  e2e::WriteRegistryText(HKEY_LOCAL_MACHINE, kRecordKey, "RunPath", folder);
  e2e::WriteRegistryText(HKEY_LOCAL_MACHINE, kRecordKey, "SetPath",
                         "C:\\PROGRAM FILES\\QVDLUMORAK\\");
  return installation;
}

// Everything of ours is gone; what belongs to others is as it was.
void CheckRemoved(const Installation& installation) {
  for (const std::string& file : installation.files)
    e2e::Check(!e2e::FileExists(file), file + " is removed");
  for (const std::string& folder : installation.folders)
    e2e::Check(!e2e::FolderExists(folder), folder + " is removed");
  e2e::Check(!e2e::RegistryKeyPresent(HKEY_CLASSES_ROOT, "QVD_Lumorak"),
             "HKEY_CLASSES_ROOT\\QVD_Lumorak is removed");
  e2e::Check(!e2e::RegistryKeyPresent(HKEY_LOCAL_MACHINE, kUninstallEntryKey),
             "the uninstall entry is removed");
  e2e::Check(!e2e::RegistryKeyPresent(HKEY_LOCAL_MACHINE, kRecordKey),
             "the installation record is removed");
  if (installation.withNeighbours) {
    e2e::CheckEqual(e2e::ReadRegistryText(HKEY_CLASSES_ROOT, ".lmk", "").value_or("(none)"),
                    "Fremd.Dokument", "the foreign .lmk");
    e2e::Check(e2e::RegistryKeyPresent(HKEY_LOCAL_MACHINE, "Software\\Nordavik\\Anderes"),
               "the maker's other product stays");
    e2e::Check(e2e::FileExists(installation.folder + "Notizen.txt"), "the user's file stays");
  } else {
    e2e::Check(!e2e::RegistryKeyPresent(HKEY_CLASSES_ROOT, ".lmk"), ".lmk is removed");
    e2e::Check(!e2e::RegistryKeyPresent(HKEY_LOCAL_MACHINE, kMakerKey),
               "the emptied maker's key is removed");
    e2e::Check(!e2e::FolderExists(installation.folder), "the emptied folder is removed");
  }
}

void ExpectExit(const e2e::Process& process, DWORD expected, const std::string& what) {
  const auto code = e2e::WaitForExit(process, 20000);
  if (e2e::Check(code.has_value(), what + " ends")) e2e::CheckEqual(*code, expected, what);
}

// A run that finds nothing says so and asks nothing.
void ExpectNothingFound(const Installation& installation) {
  const e2e::Process again = e2e::Start(installation.uninstaller, "", e2e::TemporaryFolder());
  const auto text = AnswerBox(kRemovalTitle, again.id, kOk);
  Contains(text, "Es wurde nichts gefunden, das zu entfernen wäre");
  ExpectExit(again, 0, "exit code of the run that found nothing");
}

}  // namespace

// ---- The main program -------------------------------------------------------------------

// Started from the build folder, which holds no help file: F1 says so.
E2E_SCENARIO(product_shows_its_window) {
  const e2e::Process program = e2e::Start(context.buildFolder + "qvdlumorak.exe");
  HWND window = e2e::WaitForWindow(kMainTitle, 20000, program.id);
  if (!e2e::Check(window != nullptr, "the main window is shown")) return;
  HWND view = ViewOf(window);
  if (e2e::Check(view != nullptr, "the window shows a text view")) {
    e2e::CheckEqual(e2e::TextOf(view), "", "the text without a document");
    e2e::Check((GetWindowLongA(view, GWL_STYLE) & ES_READONLY) != 0, "the view is read-only");
  }
  e2e::Check(GetMenu(window) != nullptr, "the window has its menu");
  e2e::PressKey(window, VK_F1);
  Contains(AnswerBox("QVDLumorak - Hilfe", program.id, kOk),
           "Die Hilfedatei\n" + context.buildFolder + "QVDLumorak.chm\nwurde nicht gefunden.");
  CloseMainProgram(program, window);
}

// Documents come as the first argument: quoted, or unquoted with blanks as the file type's open
// command passes them; in ANSI or UTF-8, with any line ends. A missing one is reported.
E2E_SCENARIO(product_opens_the_document_it_is_given) {
  const std::string folder = "C:\\Dokumente für Jörg\\";
  e2e::MakeFolders(folder);
  const struct {
    const char* name;
    bool quoted;
    std::string bytes;  // empty: the file does not exist
    const char* shown;
  } cases[] = {
      {"Brief an Jörg.lmk", false, "Grüße\naus Köln\r\nEnde", "Grüße\r\naus Köln\r\nEnde"},
      {"utf8.lmk", true,
       "\xEF\xBB\xBF\x47r\xC3\xBC\xC3\x9F"
       "e\r\n",
       "Grüße\r\n"},
      {"fehlt.lmk", true, "", nullptr},
  };
  for (const auto& c : cases) {
    const std::string path = folder + c.name;
    if (!c.bytes.empty()) e2e::WriteFileBytes(path, c.bytes);
    const e2e::Process program =
        e2e::Start(context.buildFolder + "qvdlumorak.exe", c.quoted ? "\"" + path + "\"" : path);
    if (c.shown == nullptr) {
      Contains(AnswerBox("QVDLumorak - Dokument", program.id, kOk),
               "Das Dokument\n" + path + "\nkonnte nicht geöffnet werden.");
      HWND window = e2e::WaitForWindow(kMainTitle, 10000, program.id);
      if (e2e::Check(window != nullptr, "the window stays after a missing document")) {
        CloseMainProgram(program, window);
      }
      continue;
    }
    HWND window = e2e::WaitForWindow(std::string(c.name) + " - " + kMainTitle, 20000, program.id);
    if (!e2e::Check(window != nullptr, std::string("the window shows ") + c.name)) {
      e2e::Kill(program);
      continue;
    }
    e2e::CheckEqual(e2e::TextOf(ViewOf(window)), c.shown, std::string("the text of ") + c.name);
    CloseMainProgram(program, window);
  }
}

E2E_SCENARIO(product_answers_the_setup_command_words) {
  const struct {
    const char* word;
    const char* title;
    const char* text;
  } cases[] = {
      {"newinstall", "QVDLumorak - Willkommen", "Willkommen bei QVDLumorak V001.001.018!"},
      {"StartFromUpDater_Succesfull", "QVDLumorak - Update",
       "Das Update wurde erfolgreich installiert."},
      {"StartFromUpDater_NotSucces", "QVDLumorak - Update", "Das Update wurde nicht durchgeführt."},
  };
  for (const auto& c : cases) {
    const e2e::Process program = e2e::Start(context.buildFolder + "qvdlumorak.exe", c.word);
    HWND window = e2e::WaitForWindow(kMainTitle, 20000, program.id);
    e2e::Check(window != nullptr, std::string("the window is shown for ") + c.word);
    Contains(AnswerBox(c.title, program.id, kOk), c.text);
    if (window != nullptr) CloseMainProgram(program, window);
  }
}

// The chosen setup is started with the auto-update word in its own folder; the program ends.
E2E_SCENARIO(product_starts_the_chosen_setup_for_its_update) {
  const std::string folder = "C:\\Neue Version\\";
  const std::string setup = folder + "setup_qvdlumorak.exe";
  e2e::MakeFolders(folder);
  e2e::Check(
      CopyFileA((context.buildFolder + "e2e_setup_stand_in.exe").c_str(), setup.c_str(), FALSE),
      "the stand-in setup is put in place");
  const e2e::Process program = e2e::Start(context.buildFolder + "qvdlumorak.exe");
  HWND window = e2e::WaitForWindow(kMainTitle, 20000, program.id);
  if (!e2e::Check(window != nullptr, "the main window is shown")) return;
  e2e::ChooseMenuItem(window, 'h', 'a');  // Hilfe - Programm aktualisieren...
  HWND dialog = e2e::WaitForWindow("Setup für das Update auswählen", 20000, program.id);
  if (!e2e::Check(dialog != nullptr, "the file dialog is shown")) return;
  // The file name field: edt1, or the edit inside the name combo box cmb13.
  HWND name = nullptr;
  for (HWND child : e2e::Descendants(dialog)) {
    const int id = GetDlgCtrlID(child);
    if (name == nullptr && e2e::ClassOf(child) == "Edit" && (id == 0x480 || id == 0x47C)) {
      name = child;
    }
  }
  if (!e2e::Check(name != nullptr, "the file dialog has a name field")) return e2e::Kill(program);
  SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(setup.c_str()));
  PostMessageA(dialog, WM_COMMAND, IDOK, 0);
  Contains(AnswerBox("QVDLumorak - Update", program.id, kYes), setup);
  ExpectExit(program, 0, "exit code of the main program after handing over");
  std::optional<std::string> started;
  for (int waited = 0; !started && waited < 20000; waited += 100) {
    e2e::Sleep(100);
    started = e2e::ReadFileBytes(folder + "setup_started.txt");
  }
  if (!e2e::Check(started.has_value(), "the chosen setup was started")) return;
  const std::string commandLine = started->substr(0, started->find('\n'));
  const std::string workingFolder = started->substr(commandLine.size() + 1);
  const std::string word = " AutoUpDate_from_MainInstance";
  e2e::Check(
      commandLine.find(setup) != std::string::npos && commandLine.size() > word.size() &&
          commandLine.compare(commandLine.size() - word.size(), word.size(), word) == 0,
      "the setup's command line " + e2e::Describe(commandLine) + " names it and ends with" + word);
  e2e::CheckEqual(workingFolder, folder.substr(0, folder.size() - 1) + "\n",
                  "the setup's working folder");
}

// ---- The uninstaller ----------------------------------------------------------------------

// Asks first (Nein leaves everything), removes everything on Ja, says what it removed, and a
// second run finds nothing.
E2E_SCENARIO(uninstaller_removes_what_the_setup_wrote) {
  const Installation installation = LayOutInstallation(context, false);
  const std::string folderArgument = "\"" + installation.folder + "\"";

  const e2e::Process declined =
      e2e::Start(installation.uninstaller, folderArgument, e2e::TemporaryFolder());
  const auto question = AnswerBox(kRemovalTitle, declined.id, kNo);
  for (const std::string& file : installation.files)
    Contains(question, file);
  Contains(question, "Dateiendung .lmk");
  Contains(question, "Installationsdaten (HKEY_LOCAL_MACHINE\\Software\\Nordavik\\QVDLumorak)");
  ExpectExit(declined, 1, "exit code after Nein");
  for (const std::string& file : installation.files)
    e2e::Check(e2e::FileExists(file), file + " stays after Nein");
  e2e::Check(e2e::RegistryKeyPresent(HKEY_LOCAL_MACHINE, kRecordKey),
             "the record stays after Nein");

  const e2e::Process removal =
      e2e::Start(installation.uninstaller, folderArgument, e2e::TemporaryFolder());
  AnswerBox(kRemovalTitle, removal.id, kYes);
  const auto report = AnswerBox(kRemovalTitle, removal.id, kOk);
  Contains(report,
           "QVDLumorak wurde entfernt.\n\nEntfernt:\n- Programmdatei " + installation.files[0]);
  Contains(report, "Herstellerschlüssel");
  ExpectExit(removal, 0, "exit code of the removal");
  CheckRemoved(installation);
  ExpectNothingFound(installation);
}

// A foreign .lmk, another product of the maker and a file of the user stay, and the report
// says why the folder stays.
E2E_SCENARIO(uninstaller_leaves_what_is_not_ours) {
  const Installation installation = LayOutInstallation(context, true);
  const e2e::Process removal = e2e::Start(installation.uninstaller, "", e2e::TemporaryFolder());
  const auto question = AnswerBox(kRemovalTitle, removal.id, kYes);
  Contains(question, "Die Dateiendung .lmk gehört einem anderen Programm und bleibt unverändert.");
  e2e::Check(question && question->find("- Dateiendung .lmk") == std::string::npos,
             "the foreign .lmk is not offered for removal");
  const auto report = AnswerBox(kRemovalTitle, removal.id, kOk);
  Contains(report, "Der Installationsordner " + installation.folder +
                       " enthält weitere Dateien und bleibt bestehen.");
  ExpectExit(removal, 0, "exit code of the removal");
  CheckRemoved(installation);
  ExpectNothingFound(installation);
}

// "UnInstall": the main program asks, starts the uninstaller it shipped with its own folder and
// ends; the uninstaller waits for it and removes its file too. The record here names no folder,
// so the one handed over is all the uninstaller knows.
E2E_SCENARIO(uninstall_handed_over_by_the_main_program) {
  const Installation installation = LayOutInstallation(context, false);
  e2e::DeleteRegistryValue(HKEY_LOCAL_MACHINE, kRecordKey, "RunPath");
  e2e::DeleteRegistryValue(HKEY_LOCAL_MACHINE, kRecordKey, "SetPath");
  const e2e::Process program = e2e::Start(installation.files[0], "UnInstall", installation.folder);
  Contains(AnswerBox(kRemovalTitle, program.id, kYes),
           "Soll QVDLumorak V001.001.018 von diesem Computer entfernt werden?");
  ExpectExit(program, 0, "exit code of the main program after handing over");
  AnswerBox(kRemovalTitle, 0, kYes);
  Contains(AnswerBox(kRemovalTitle, 0, kOk), "QVDLumorak wurde entfernt.");
  e2e::Check(e2e::WaitForWindowGone(kRemovalTitle, 10000), "the uninstaller's box is gone");
  CheckRemoved(installation);
}

// While a copy of the main program runs, the uninstaller asks nothing and removes nothing; a
// second uninstaller meanwhile says that one runs and ends.
E2E_SCENARIO(uninstaller_waits_for_the_main_program) {
  const Installation installation = LayOutInstallation(context, false);
  const e2e::Process program = e2e::Start(installation.files[0], "", installation.folder);
  HWND window = e2e::WaitForWindow(kMainTitle, 20000, program.id);
  if (!e2e::Check(window != nullptr, "the main window is shown")) return;
  const e2e::Process removal = e2e::Start(installation.uninstaller, "", e2e::TemporaryFolder());
  e2e::Check(!e2e::WaitForMessageBox(kRemovalTitle, 3000, removal.id).has_value(),
             "no question while the main program runs");
  const e2e::Process second = e2e::Start(installation.uninstaller, "", e2e::TemporaryFolder());
  Contains(AnswerBox(kRemovalTitle, second.id, kOk),
           "Die Deinstallation von QVDLumorak läuft bereits.");
  ExpectExit(second, 1, "exit code of the second uninstaller");
  CloseMainProgram(program, window);
  AnswerBox(kRemovalTitle, removal.id, kYes);
  AnswerBox(kRemovalTitle, removal.id, kOk);
  ExpectExit(removal, 0, "exit code of the removal");
  CheckRemoved(installation);
}

// A missing or altered uninstaller is not started: the user is sent to the setup.
E2E_SCENARIO(uninstall_refuses_an_uninstaller_it_did_not_ship) {
  const Installation installation = LayOutInstallation(context, false);
  const struct {
    const char* state;
    const char* reason;
  } cases[] = {{"altered", "gehört nicht zu dieser Version von QVDLumorak"},
               {"missing", "wurde nicht gefunden"}};
  for (const auto& c : cases) {
    if (std::string(c.state) == "altered") {
      std::string bytes = e2e::ReadFileBytes(installation.uninstaller).value_or("");
      if (!bytes.empty()) bytes[bytes.size() / 2] ^= 1;
      e2e::WriteFileBytes(installation.uninstaller, bytes);
    } else {
      e2e::Check(DeleteFileA(installation.uninstaller.c_str()), "the uninstaller is deleted");
    }
    const e2e::Process program =
        e2e::Start(installation.files[0], "UnInstall", installation.folder);
    AnswerBox(kRemovalTitle, program.id, kYes);
    const auto refusal = AnswerBox(kRemovalTitle, program.id, kOk);
    Contains(refusal, "Das Deinstallationsprogramm\n" + installation.uninstaller + "\n" + c.reason);
    Contains(refusal, "Bitte führen Sie das Setup (setup_qvdlumorak.exe) noch einmal aus");
    ExpectExit(program, 1, std::string("exit code with the uninstaller ") + c.state);
    for (const std::string& file : installation.files)
      e2e::Check(e2e::FileExists(file), file + " stays");
  }
}

// A file held open by another program stays and is reported; the entries that allow another
// run stay too, and that run finishes the removal.
E2E_SCENARIO(uninstaller_reports_a_file_in_use) {
  const Installation installation = LayOutInstallation(context, false);
  const std::string help = installation.folder + "QVDLumorak.chm";
  HANDLE held = CreateFileA(help.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  e2e::Check(held != INVALID_HANDLE_VALUE, "the help file is held open");
  const e2e::Process first = e2e::Start(installation.uninstaller, "", e2e::TemporaryFolder());
  AnswerBox(kRemovalTitle, first.id, kYes);
  const auto report = AnswerBox(kRemovalTitle, first.id, kOk);
  Contains(report, "QVDLumorak wurde nicht vollständig entfernt.");
  Contains(report, "Nicht entfernt:\n- Hilfedatei " + help + " (wird gerade benutzt)");
  ExpectExit(first, 2, "exit code of the incomplete removal");
  e2e::Check(!e2e::FileExists(installation.files[0]), "the main program is removed");
  e2e::Check(e2e::FileExists(help), "the help file in use stays");
  e2e::Check(e2e::RegistryKeyPresent(HKEY_LOCAL_MACHINE, kRecordKey), "the record stays");
  e2e::Check(e2e::RegistryKeyPresent(HKEY_LOCAL_MACHINE, kUninstallEntryKey),
             "the uninstall entry stays");
  CloseHandle(held);

  const e2e::Process second = e2e::Start(installation.uninstaller, "", e2e::TemporaryFolder());
  Contains(AnswerBox(kRemovalTitle, second.id, kYes), "- Hilfedatei " + help);
  Contains(AnswerBox(kRemovalTitle, second.id, kOk), "QVDLumorak wurde entfernt.");
  ExpectExit(second, 0, "exit code of the second removal");
  CheckRemoved(installation);
}
