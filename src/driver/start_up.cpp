#include "driver/start_up.h"

#include "driver/auto_update_hand_over.h"
#include "driver/intro_pictures.h"
#include "driver/product_identity.h"
#include "driver/program_information.h"
#include "driver/setup_state.h"
#include "driver/version_number.h"
#include "install/messages.h"
#include "platform/gui.h"
#include "platform/message_box.h"
#include "platform/system.h"
#include "toolkit/registry_access.h"
#include "toolkit/resource_numbers.h"
#include "toolkit/screen_metrics.h"
#include "toolkit/single_instance.h"
#include "wizard/setup_wizard.h"

namespace driver {

void InitialiseSettings() {
  SetupState& state = Setup();
  state.autoUpdateMode = 0;
  install::ResetMessageState();
  state.infoWrapWidth = 450;
  state.baseFontName = "Arial";
  state.dpiScale = toolkit::DisplayScale(toolkit::ScreenPixelsPerInch());
  state.recordedFolder = platform::UpperCaseAnsi(
      toolkit::RegistryReadText(platform::HKEY_LOCAL_MACHINE, kRecordKey, "SetPath"));

  platform::WindowSpec anchor;
  anchor.innerWidth = 10;
  anchor.innerHeight = 10;
  anchor.title = ProductIdentity::setupFileName;
  anchor.style = platform::kWindowCaption | platform::kWindowHidden;
  platform::OpenWindow(numbers::kAnchorWindow, anchor);
  state.anchorWindow = numbers::kAnchorWindow;

  platform::LoadFont(numbers::kSmallBoldFont, state.baseFontName,
                     toolkit::ScaledPoints(8, state.dpiScale), platform::kFontBold);
  state.smallBoldFont = numbers::kSmallBoldFont;
}

void RefuseSecondInstance() {
  if (toolkit::GuardSingleInstance(ProductIdentity::setupFileName) == 0) return;
  platform::ShowMessageBox(std::string("Es kann nur eine Instanz von:\r<") +
                               ProductIdentity::setupFileName + ">\rgestartet werden.",
                           "ABBRUCH",
                           platform::MB_OK | platform::MB_ICONERROR | platform::MB_TOPMOST);
  EndSetup();
}

std::int32_t ShowIntroAndWizard() {
  // Colour indexes of the background gradient: (20, 20, 240) at the top, black at the bottom.
  constexpr int kGradientTop = 252;
  constexpr int kGradientBottom = 0;
  constexpr int kUninstallLocked = 0;
  constexpr int kDesktopLinkAllowed = 1;
  constexpr int kFileTypeAllowed = 1;
  const SetupState& state = Setup();
  const wizard::WizardChoice choice = wizard::RunSetupWizard(
      ProductIdentity::name, state.ownVersionNumber, ProductIdentity::versionDate,
      ProductIdentity::authorName, ProductIdentity::webAddress, state.infoText,
      state.installedVersionNumber, state.installedVersionDate, kGradientTop, kGradientBottom,
      kUninstallLocked, kDesktopLinkAllowed, kFileTypeAllowed);
  platform::UseStandardControlFont();
  return choice;
}

[[noreturn]] void RunSetup() {
  platform::InitialisePlatform();
  InitialiseSettings();
  RefuseSecondInstance();
  BuildProgramInformation();
  StageIntroPictures();
  ReadInstalledVersion();
  SetupState& state = Setup();
  state.autoUpdateMode = AwaitMainInstanceExit();
  state.installChoice = ShowIntroAndWizard();
  RemoveIntroPictures();

  // Started for an update and left without one: the main program comes back, told so. Without
  // a recorded folder nothing is started, rather than whatever program of that name the
  // search path would find.
  if (state.autoUpdateMode == 1 && state.installChoice == 0 && !state.recordedFolder.empty()) {
    platform::StartProgram(state.recordedFolder + ProductIdentity::mainProgramFile,
                           "StartFromUpDater_NotSucces", state.recordedFolder);
  }
  EndSetup();
}

[[noreturn]] void EndSetup() {
  platform::ReleasePlatform();
  platform::EndProcess(0);
}

}  // namespace driver
