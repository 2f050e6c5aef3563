// The run-wide settings and results of one run of the setup.
#pragma once

#include <cstdint>
#include <string>

namespace driver {

struct SetupState {
  int autoUpdateMode = 0;          // 1 when the main program started the setup for its update
  std::int32_t installChoice = 0;  // a WizardChoice; 8 when a reinstallation is asked for
  std::string recordedFolder;      // "SetPath" of the installation record, upper case; "" if none
  double dpiScale = 1.0;           // 96 / the screen's pixels per inch
  std::string baseFontName = "Arial";
  std::int32_t infoWrapWidth = 450;
  int smallBoldFont = -1;  // font number of the small bold font once loaded
  int anchorWindow = -1;   // window number of the invisible anchor window
  std::int32_t ownVersionNumber = 0;
  std::int32_t installedVersionNumber = 0;
  std::string installedVersionDate;
  std::string infoText;
};

SetupState& Setup();
void ResetSetupState();

}  // namespace driver
