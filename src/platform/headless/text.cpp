// Placeholder until text measuring lands.
#include "platform/headless/internal.h"
namespace headless {
void internal::ResetText() {}
}  // namespace headless
