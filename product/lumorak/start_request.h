// What the main program was started for: one of the setup's command words, a document to show,
// or nothing in particular.
#pragma once

#include <string>

namespace lumorak {

enum class StartKind { Plain, NewInstall, UpdateSucceeded, UpdateFailed, Uninstall, Document };

struct StartRequest {
  StartKind kind = StartKind::Plain;
  std::string documentPath;  // for StartKind::Document
};

// The command words count only as the first word and in their exact letter case; anything else
// is taken as the path of a document.
StartRequest ReadStartRequest(const std::string& commandLine);

}  // namespace lumorak
