#include "start_request.h"

#include "../common/command_line_text.h"
#include "../common/product_facts.h"

namespace lumorak {

StartRequest ReadStartRequest(const std::string& commandLine) {
  const std::string arguments = product::ArgumentText(commandLine);
  StartRequest request;
  if (arguments.empty()) return request;
  const std::string word = product::FirstWord(arguments);
  const struct {
    const char* word;
    StartKind kind;
  } words[] = {
      {product::kWordNewInstall, StartKind::NewInstall},
      {product::kWordUpdateSucceeded, StartKind::UpdateSucceeded},
      {product::kWordUpdateFailed, StartKind::UpdateFailed},
      {product::kWordUninstall, StartKind::Uninstall},
  };
  for (const auto& known : words) {
    if (word == known.word) {
      request.kind = known.kind;
      return request;
    }
  }
  request.documentPath = product::WholeArgumentAsPath(arguments);
  if (!request.documentPath.empty()) request.kind = StartKind::Document;
  return request;
}

}  // namespace lumorak
