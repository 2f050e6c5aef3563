#include <cstdint>

#include "platform/embedded.h"

// Defined by the setup's payload object: the first byte of each item and the byte after its last.
extern "C" {
extern const std::uint8_t qvd_item_0_begin[], qvd_item_0_end[];
extern const std::uint8_t qvd_item_1_begin[], qvd_item_1_end[];
extern const std::uint8_t qvd_item_2_begin[], qvd_item_2_end[];
extern const std::uint8_t qvd_item_3_begin[], qvd_item_3_end[];
extern const std::uint8_t qvd_item_4_begin[], qvd_item_4_end[];
extern const std::uint8_t qvd_item_5_begin[], qvd_item_5_end[];
}

namespace platform {

ByteView EmbeddedItem(int index) {
  static const std::uint8_t* const kBounds[kEmbeddedItemCount][2] = {
      {qvd_item_0_begin, qvd_item_0_end}, {qvd_item_1_begin, qvd_item_1_end},
      {qvd_item_2_begin, qvd_item_2_end}, {qvd_item_3_begin, qvd_item_3_end},
      {qvd_item_4_begin, qvd_item_4_end}, {qvd_item_5_begin, qvd_item_5_end},
  };
  if (index < 0 || index >= kEmbeddedItemCount) return {};
  return {kBounds[index][0], static_cast<std::size_t>(kBounds[index][1] - kBounds[index][0])};
}

}  // namespace platform
