#include "driver/program_information.h"

#include <string>

#include "driver/product_identity.h"
#include "driver/setup_state.h"
#include "platform/gui.h"
#include "textlayout/text_wrapping.h"
#include "toolkit/screen_metrics.h"

namespace driver {

void BuildProgramInformation() {
  SetupState& state = Setup();
  const int points = toolkit::ScaledPoints(10, state.dpiScale);
  const auto wrapped = [&](const char* paragraph) {
    return textlayout::WrapText(paragraph, state.infoWrapWidth, state.baseFontName, points,
                                platform::kFontBold);
  };

  std::string text = "\r";
  text += std::string("Willkommen zum Programm\t: ") + ProductIdentity::name + "\r";
  text += "Programmkomponente\t\t: -\r";
  text += std::string("Erstelldatum\t\t\t: ") + ProductIdentity::creationDate + "\r";
  text += std::string("Versionsdatum\t\t\t: ") + ProductIdentity::versionDate + "\r";
  text += std::string("Programmversion\t\t: ") + ProductIdentity::versionText + "\r";
  text += std::string("Autor\t\t\t\t: ") + ProductIdentity::authorName + "\r";
  text += std::string(kRightsLabel) + "\t\t\t: " + ProductIdentity::rightsYears + "\r";
  text += std::string("Webseite des Autors\t\t: ") + ProductIdentity::webAddress + "\r\r";
  for (int i = 0; i < 4; ++i)
    text += wrapped(kInformationParagraphs[i]) + "\r\r";
  text += "ACHTUNG!\r\r";
  text += wrapped(kInformationParagraphs[4]);
  state.infoText = text;
}

}  // namespace driver
