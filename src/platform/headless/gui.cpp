// Windows, controls, fonts and events of the stand-in: recorded for inspection; the scripted
// user is asked for every event.
#include <map>

#include "platform/gui.h"
#include "platform/headless/control.h"
#include "platform/headless/internal.h"

namespace headless {
namespace {

struct Gui {
  std::map<platform::WindowNumber, WindowRecord> windows;  // the current or last of a number
  std::vector<WindowRecord> history;
  std::map<platform::FontNumber, FontRecord> fonts;
  std::string failingFace;
  platform::FontNumber defaultFont = -1;
};

Gui& G() {
  static Gui gui;
  return gui;
}

}  // namespace

void internal::ResetGui() {
  G() = Gui{};
}

void internal::EndProcessGui() {
  for (auto& [number, window] : G().windows) {
    if (window.open) {
      window.open = false;
      window.closedAt = Now();
    }
  }
}

const WindowRecord* Window(platform::WindowNumber number) {
  auto it = G().windows.find(number);
  return it == G().windows.end() ? nullptr : &it->second;
}

std::optional<platform::WindowNumber> FindWindowByTitle(const std::string& title) {
  for (const auto& [number, window] : G().windows) {
    if (window.open && window.title == title) return number;
  }
  return std::nullopt;
}

const std::vector<WindowRecord>& WindowHistory() {
  return G().history;
}

std::optional<FontRecord> LoadedFont(platform::FontNumber number) {
  auto it = G().fonts.find(number);
  if (it == G().fonts.end()) return std::nullopt;
  return it->second;
}

void FailFontsOfFace(const std::string& face) {
  G().failingFace = internal::UpperCase1252(face);
}

platform::FontNumber DefaultControlFont() {
  return G().defaultFont;
}

}  // namespace headless

namespace platform {

using headless::G;

bool OpenWindow(WindowNumber number, const WindowSpec& spec) {
  CloseWindow(number);
  headless::WindowRecord window;
  window.number = number;
  window.spec = spec;
  window.title = spec.title;
  window.open = true;
  window.visible = (spec.style & kWindowHidden) == 0;
  window.topMost = (spec.style & kWindowTopMost) != 0;
  window.openedAt = headless::Now();
  G().windows[number] = window;
  G().history.push_back(window);
  return true;
}

void CloseWindow(WindowNumber number) {
  auto it = G().windows.find(number);
  if (it == G().windows.end() || !it->second.open) return;
  it->second.open = false;
  it->second.visible = false;
  it->second.closedAt = headless::Now();
}

bool IsWindowOpen(WindowNumber number) {
  const headless::WindowRecord* window = headless::Window(number);
  return window != nullptr && window->open;
}

bool LoadFont(FontNumber number, const std::string& face, int points, std::uint32_t style) {
  if (!G().failingFace.empty() && headless::internal::UpperCase1252(face) == G().failingFace) {
    return false;
  }
  G().fonts[number] = headless::FontRecord{face, points, style};
  return true;
}

void FreeFont(FontNumber number) {
  G().fonts.erase(number);
}

bool IsFontLoaded(FontNumber number) {
  return G().fonts.count(number) != 0;
}

void SetDefaultControlFont(FontNumber number) {
  G().defaultFont = number;
}

void UseStandardControlFont() {
  G().defaultFont = -1;
}

}  // namespace platform
