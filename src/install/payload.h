// The items the setup carries inside itself, in the order in which they are stored.
#pragma once

#include "platform/embedded.h"

namespace install {

enum class PayloadItem {
  MainProgram,
  Uninstaller,
  HelpFile,
  IntroPicture1,
  IntroPicture2,
  IntroPicture3,
};

inline platform::ByteView PayloadBytes(PayloadItem item) {
  return platform::EmbeddedItem(static_cast<int>(item));
}

}  // namespace install
