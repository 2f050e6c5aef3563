// The user's actions and views of the contract suite on the stand-in: actions leave the event
// the stand-in gives for them pending, as Windows leaves the messages of a click or a key in the
// queue; views are read from the stand-in's records of windows, controls, brushes and images.
#include "contract.h"

#include "platform/headless/control.h"
#include "platform/pictures.h"

namespace contract {
namespace {

// The system's colours where nobody chose one: the face colour of dialogs and controls, and the
// text colour of static controls.
constexpr platform::Colour kSystemFace{240, 240, 240};
constexpr platform::Colour kSystemText{0, 0, 0};

// The colour a brush paints at a point of a window's inner area: a pattern brush tiles its
// picture from the inner area's top-left corner.
platform::Colour BrushColourAt(platform::BrushId brush, int x, int y) {
  const std::optional<headless::BrushRecord> record = headless::LiveBrush(brush);
  if (!record) return kSystemFace;
  if (!record->pattern) return record->colour;
  const platform::Image* picture = platform::FindPicture(record->picture);
  if (picture == nullptr || picture->width <= 0 || picture->height <= 0) return kSystemFace;
  return picture->At(x % picture->width, y % picture->height);
}

}  // namespace

void ClickControl(platform::ControlId control) {
  headless::PostUserEvent(headless::Click(control));
}

void RequestClose(platform::WindowNumber window) {
  headless::PostUserEvent(headless::CloseRequestFor(window));
}

void PressKey(platform::WindowNumber window, int key) {
  headless::PostUserEvent(headless::KeyPress(window, key));
}

void MoveMouseOver(platform::WindowNumber window) {
  headless::PostUserEvent(headless::OtherEventIn(window));
}

WindowFacts FactsOf(platform::WindowNumber window) {
  WindowFacts facts;
  const headless::WindowRecord* record = headless::Window(window);
  if (record == nullptr || !record->open) return facts;
  facts.title = record->title;
  facts.visible = record->visible;
  facts.topMost = record->topMost;
  facts.owner = record->owner;
  facts.background = record->background;
  return facts;
}

// By the number and by what the control shows: a font replaced under the same number must be
// the new one.
bool ControlUsesFont(platform::ControlId control, platform::FontNumber font) {
  const headless::ControlRecord* record = headless::Control(control);
  return record != nullptr && !record->destroyed && record->fontNumber == font &&
         record->font == headless::LoadedFont(font);
}

// The stand-in paints a control's own colour without a brush of the program's: the answer then
// carries no brush, only the colour.
ColourAnswer AskStaticColour(platform::WindowNumber window, platform::ControlId control) {
  ColourAnswer answer;
  const platform::StaticColourAnswer hooked = headless::AskColourHook(window, control);
  if (hooked.handled) {
    answer.brush = hooked.brush;
    if (const auto brush = headless::LiveBrush(hooked.brush); brush && !brush->pattern) {
      answer.brushColour = brush->colour;
    }
    answer.textColour = hooked.textColour;
    answer.transparentText = hooked.transparentText;
    return answer;
  }
  const headless::ControlRecord* record = headless::Control(control);
  answer.brushColour = record != nullptr && record->background ? *record->background : kSystemFace;
  answer.textColour = kSystemText;
  return answer;
}

platform::Colour ShownPixel(platform::WindowNumber window, int x, int y) {
  if (const platform::Image* image = headless::LastImageShown(window)) {
    const platform::Point corner = headless::LastImagePosition(window);
    const int column = x - corner.x;
    const int row = y - corner.y;
    if (column >= 0 && column < image->width && row >= 0 && row < image->height) {
      return image->At(column, row);
    }
  }
  const headless::WindowRecord* record = headless::Window(window);
  return BrushColourAt(record != nullptr ? record->background : 0, x, y);
}

}  // namespace contract
