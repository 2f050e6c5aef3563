// The items that the setup carries inside itself, as read-only bytes.
#pragma once

#include <cstddef>
#include <cstdint>

namespace platform {

struct ByteView {
  const std::uint8_t* data = nullptr;
  std::size_t size = 0;
};

inline constexpr int kEmbeddedItemCount = 6;
// The bytes of item 0 .. kEmbeddedItemCount - 1, in the order in which they are stored.
ByteView EmbeddedItem(int index);

}  // namespace platform
