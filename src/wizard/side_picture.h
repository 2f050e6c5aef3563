// The large picture at the left of the wizard's page.
#pragma once

namespace wizard {

inline constexpr int kSidePictureWidth = 128;
inline constexpr int kSidePictureHeight = 350;

// Makes picture 1 the side picture: the first intro picture scaled to 128 x 350 when it is
// there, else a substitute cut from the gradient (picture 0) with the word "Setup" on it.
// False when neither can be had; the page then says that no picture is loaded.
bool PrepareSidePicture();

}  // namespace wizard
