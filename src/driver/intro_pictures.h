// The intro shows its pictures from files: they are written from the payload into a folder of
// the user's temporary directory at start-up and removed again before the setup ends. Picture 1
// also stays in memory for the wizard and the start question.
#pragma once

#include <string>

namespace driver {

// The user's temporary folder followed by "kvintro\"; empty when the system names no
// temporary folder.
std::string IntroFolder();

void StageIntroPictures();
// Deletes the three staged pictures; the folder and the credits card stay. Harmless to repeat.
void RemoveIntroPictures();

}  // namespace driver
