// Base fixture of the unit tests: every test starts on a fresh headless machine with the
// run-wide state of the setup reset.
#pragma once

#include <gtest/gtest.h>

#include "driver/setup_state.h"
#include "install/messages.h"
#include "platform/headless/control.h"
#include "toolkit/last_error.h"
#include "wizard/setup_wizard.h"

class HeadlessTest : public ::testing::Test {
 protected:
  void SetUp() override {
    headless::Reset();
    driver::ResetSetupState();
    install::ResetMessageState();
    toolkit::ClearLastErrorText();
    wizard::ResetWizardState();
  }
};
