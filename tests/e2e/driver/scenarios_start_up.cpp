// The start-up: one copy at a time, and a run without installation record.
#include "harness.h"
#include "setup_steps.h"

namespace {

constexpr const char* kRefusal =
    "Es kann nur eine Instanz von:\r<setup_qvdlumorak.exe>\rgestartet werden.";

// Waits for the refusal box of a second copy, confirms it and expects that copy to end with 0.
void ExpectRefusal(const e2e::Process& copy) {
  const auto box = e2e::WaitForMessageBox("ABBRUCH", 20000, copy.id);
  if (!e2e::Check(box.has_value(), "the second copy shows its ABBRUCH box")) return;
  e2e::CheckEqual(box->text, kRefusal, "refusal text");
  e2e::CheckEqual(box->buttons.size(), 1u, "number of buttons");
  e2e::Answer(*box, "OK");
  const auto code = e2e::WaitForExit(copy, 10000);
  if (e2e::Check(code.has_value(), "the second copy ends after its box")) {
    e2e::CheckEqual(*code, 0u, "exit code of the second copy");
  }
}

}  // namespace

// A copy running for another user holds the global mutex: this copy says so and ends.
E2E_SCENARIO(refused_beside_another_users_copy) {
  HANDLE other = CreateMutexA(nullptr, TRUE, "Global\\setup_qvdlumorak.exe");
  e2e::Check(other != nullptr, "the test holds the mutex");
  ExpectRefusal(e2e::Start(context.setupPath));
  CloseHandle(other);
}

E2E_SCENARIO(second_copy_refused_while_first_runs) {
  const e2e::Process first = e2e::Start(context.setupPath);
  if (!e2e::Check(e2e::WaitForWindow(e2e::kWizardTitle, 30000, first.id) != nullptr,
                  "the first copy shows its wizard")) {
    return;
  }
  ExpectRefusal(e2e::Start(context.setupPath));
  e2e::Check(!e2e::WaitForExit(first, 0).has_value(), "the first copy goes on");
  HWND wizard = e2e::FindTopWindow(e2e::kWizardTitle, first.id);
  if (e2e::Check(wizard != nullptr, "the first copy's wizard is still shown")) {
    e2e::ClickAndExpectExitCodeZero(first, wizard, "Abbruch");
  }
}

// No record: nothing to update, nothing started after a cancelled wizard, exit code 0.
E2E_SCENARIO(cancelled_without_record_ends_with_zero) {
  const e2e::Process setup = e2e::Start(context.setupPath);
  HWND wizard = e2e::WaitForWindow(e2e::kWizardTitle, 30000, setup.id);
  if (!e2e::Check(wizard != nullptr, "the wizard is shown")) return;
  e2e::ClickAndExpectExitCodeZero(setup, wizard, "Abbruch");
  e2e::Check(!e2e::RegistryKeyPresent(HKEY_LOCAL_MACHINE, "Software\\Nordavik\\QVDLumorak"),
             "no installation record was written");
}
