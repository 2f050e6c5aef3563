#include "platform/headless/control.h"

#include "platform/headless/internal.h"

namespace headless {

void Reset() {
  internal::ResetProcess();
  internal::ResetRegistry();
  internal::ResetFiles();
  internal::ResetMessageBoxes();
  internal::ResetGui();
  internal::ResetText();
  internal::ResetEmbedded();
}

std::string internal::UpperCase1252(const std::string& text) {
  std::string upper = text;
  for (char& c : upper) {
    const auto byte = static_cast<unsigned char>(c);
    unsigned char raised = byte;
    if (byte >= 'a' && byte <= 'z') {
      raised = static_cast<unsigned char>(byte - 0x20);
    } else if (byte >= 0xE0 && byte <= 0xFE && byte != 0xF7) {
      raised = static_cast<unsigned char>(byte - 0x20);  // à..þ to À..Þ, not ÷
    } else if (byte == 0x9A || byte == 0x9C || byte == 0x9E) {
      raised = static_cast<unsigned char>(byte - 0x10);  // š œ ž
    } else if (byte == 0xFF) {
      raised = 0x9F;  // ÿ to Ÿ
    }
    c = static_cast<char>(raised);
  }
  return upper;
}

}  // namespace headless
