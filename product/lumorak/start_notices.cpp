#include "start_notices.h"

namespace lumorak {

void ShowStartNotice(HWND owner, StartKind kind) {
  switch (kind) {
    case StartKind::NewInstall:
      MessageBoxA(owner,
                  "Willkommen bei QVDLumorak V001.001.018!\n\n"
                  "Das Programm wurde soeben installiert. Öffnen Sie ein Dokument (*.lmk) über "
                  "\"Datei - Öffnen...\" oder mit einem Doppelklick im Explorer.\n\n"
                  "Die Hilfe erreichen Sie jederzeit mit F1.",
                  "QVDLumorak - Willkommen", MB_OK | MB_ICONINFORMATION);
      break;
    case StartKind::UpdateSucceeded:
      MessageBoxA(owner,
                  "Das Update wurde erfolgreich installiert.\n\n"
                  "Sie arbeiten jetzt mit QVDLumorak V001.001.018 vom 31.12.2012.",
                  "QVDLumorak - Update", MB_OK | MB_ICONINFORMATION);
      break;
    case StartKind::UpdateFailed:
      MessageBoxA(owner,
                  "Das Update wurde nicht durchgeführt.\n\n"
                  "QVDLumorak ist unverändert; Sie arbeiten mit der bisherigen Version weiter.",
                  "QVDLumorak - Update", MB_OK | MB_ICONWARNING);
      break;
    default:
      break;
  }
}

}  // namespace lumorak
