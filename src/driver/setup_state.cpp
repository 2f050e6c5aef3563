#include "driver/setup_state.h"

namespace driver {
namespace {
SetupState& State() {
  static SetupState state;
  return state;
}
}  // namespace

SetupState& Setup() {
  return State();
}
void ResetSetupState() {
  State() = SetupState{};
}

}  // namespace driver
