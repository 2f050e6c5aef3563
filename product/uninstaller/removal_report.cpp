#include "removal_report.h"

namespace uninstaller {
namespace {

// The Windows error codes that have a reason of their own.
constexpr unsigned long kAccessDenied = 5;
constexpr unsigned long kSharingViolation = 32;
constexpr unsigned long kLockViolation = 33;
constexpr unsigned long kDirectoryNotEmpty = 145;

std::string Listed(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines)
    text += "\n- " + line;
  return text;
}

std::string Paragraphs(const std::vector<std::string>& notes) {
  std::string text;
  for (const std::string& note : notes)
    text += "\n\n" + note;
  return text;
}

}  // namespace

std::string QuestionText(const std::vector<std::string>& toRemove,
                         const std::vector<std::string>& notes) {
  return "Folgendes wird von diesem Computer entfernt:\n" + Listed(toRemove) + Paragraphs(notes) +
         "\n\nSoll QVDLumorak jetzt entfernt werden?";
}

std::string NothingFoundText(const std::vector<std::string>& notes) {
  return "Es wurde nichts gefunden, das zu entfernen wäre: QVDLumorak ist auf diesem Computer "
         "nicht (mehr) installiert." +
         Paragraphs(notes);
}

std::string ReportText(const std::vector<std::string>& removed,
                       const std::vector<Failure>& failures, const std::vector<std::string>& notes,
                       const std::string& uninstallerPath) {
  // Another run removed it all meanwhile.
  if (removed.empty() && failures.empty()) return NothingFoundText(notes);
  if (failures.empty()) {
    return "QVDLumorak wurde entfernt.\n\nEntfernt:" + Listed(removed) + Paragraphs(notes);
  }
  std::string text = "QVDLumorak wurde nicht vollständig entfernt.";
  if (!removed.empty()) text += "\n\nEntfernt:" + Listed(removed);
  std::vector<std::string> failed;
  for (const Failure& failure : failures)
    failed.push_back(failure.label + " (" + ReasonText(failure.error) + ")");
  text += "\n\nNicht entfernt:" + Listed(failed) + Paragraphs(notes);
  text +=
      "\n\nDie Installationsdaten und der Eintrag in der Liste der installierten Programme "
      "bleiben erhalten. Schließen Sie die Programme, die diese Dateien benutzen, und "
      "starten Sie danach\n" +
      uninstallerPath + "\nnoch einmal.";
  return text;
}

std::string ReasonText(unsigned long error) {
  switch (error) {
    case kAccessDenied:
      return "keine Berechtigung";
    case kSharingViolation:
    case kLockViolation:
      return "wird gerade benutzt";
    case kDirectoryNotEmpty:
      return "nicht leer";
    default:
      return "Fehler " + std::to_string(error);
  }
}

}  // namespace uninstaller
