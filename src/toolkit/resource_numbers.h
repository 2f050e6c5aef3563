// The numbers under which the setup keeps its windows, fonts and pictures. Several subsystems
// share them: window 0 owns the installation's windows, font 0 is the wizard's base font that
// the installation's controls use, picture 1 holds the first intro picture.
#pragma once

namespace numbers {

// Windows
inline constexpr int kWizardMainWindow = 0;
inline constexpr int kProgressWindow = 1;
inline constexpr int kStartQuestionWindow = 2;
inline constexpr int kWizardDialog = 3;
inline constexpr int kLicenceWindow = 4;
inline constexpr int kTargetDialog = 5;
inline constexpr int kIntroWindow = 6;
inline constexpr int kHandOverWindow = 7;
inline constexpr int kAnchorWindow = 8;

// Fonts
inline constexpr int kBaseFont = 0;
inline constexpr int kSmallBoldFont = 1;
inline constexpr int kWizardLargeFont = 2;
inline constexpr int kWizardBoldFont = 3;
inline constexpr int kWizardBodyFont = 4;
inline constexpr int kIntroBandFont = 5;
inline constexpr int kCreditsSmallFont = 6;
inline constexpr int kCreditsLargeFont = 7;
inline constexpr int kCreditsSloganFont = 8;

// Pictures
inline constexpr int kGradientPicture = 0;
inline constexpr int kIntroPicture1 = 1;
inline constexpr int kStagingPicture = 2;  // pictures 2 and 3 while they are staged
inline constexpr int kQuestionPicture = 3;

}  // namespace numbers
