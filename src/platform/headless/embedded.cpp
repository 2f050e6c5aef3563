// The embedded items of the stand-in are whatever the test puts there.
#include <array>

#include "platform/embedded.h"
#include "platform/headless/control.h"
#include "platform/headless/internal.h"

namespace headless {
namespace {

std::array<std::vector<std::uint8_t>, platform::kEmbeddedItemCount>& Items() {
  static std::array<std::vector<std::uint8_t>, platform::kEmbeddedItemCount> items;
  return items;
}

}  // namespace

void internal::ResetEmbedded() {
  for (auto& item : Items())
    item.clear();
}

void SetEmbeddedItem(int index, std::vector<std::uint8_t> bytes) {
  if (index >= 0 && index < platform::kEmbeddedItemCount) Items()[index] = std::move(bytes);
}

}  // namespace headless

namespace platform {

ByteView EmbeddedItem(int index) {
  if (index < 0 || index >= kEmbeddedItemCount) return {};
  const auto& item = headless::Items()[index];
  return {item.data(), item.size()};
}

}  // namespace platform
