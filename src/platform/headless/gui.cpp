// Windows and fonts of the stand-in: recorded for inspection. Closing a window destroys its
// controls and the windows it owns, as Windows does when the owner goes; what happened in it
// and was not yet taken goes with it. Controls follow their font when it is replaced or freed.
#include "platform/gui.h"

#include "platform/headless/control.h"
#include "platform/headless/gui_store.h"
#include "platform/headless/internal.h"
#include "platform/pictures.h"

namespace headless {
namespace {

// The stand-in's screen and frame metrics, from which centred windows get their position.
constexpr int kScreenWidth = 1280;
constexpr int kScreenHeight = 1024;
constexpr int kTitleBarHeight = 22;
constexpr int kFixedBorder = 3;
constexpr int kSizingBorder = 4;

bool HasTitleBar(std::uint32_t style) {
  return (style & (platform::kWindowCaption | platform::kWindowSystemMenu)) != 0;
}

platform::Size FrameSize(const platform::WindowSpec& layout) {
  if (!HasTitleBar(layout.style) && (layout.style & platform::kWindowSizingBorder) == 0) {
    return {layout.innerWidth, layout.innerHeight};
  }
  const int border =
      (layout.style & platform::kWindowSizingBorder) != 0 ? kSizingBorder : kFixedBorder;
  const int titleBar = HasTitleBar(layout.style) ? kTitleBarHeight : 0;
  return {layout.innerWidth + 2 * border, layout.innerHeight + 2 * border + titleBar};
}

void MarkClosed(platform::WindowNumber number) {
  internal::DestroyControlsOf(number);
  internal::ChangeWindow(number, [](WindowRecord& window) {
    window.open = false;
    window.visible = false;
    window.hooked = false;
    window.closedAt = Now();
  });
  internal::Gui().extras[number].hook = nullptr;
  internal::Gui().extras[number].shortcuts.clear();
  std::erase_if(internal::Gui().pending,
                [number](const platform::Event& event) { return event.window == number; });
}

// Gives the live controls that show a font the one now under that number (-1: the standard
// font), as Windows' controls are handed the new font before the earlier one is deleted.
void SwitchControlsOfFont(platform::FontNumber from, platform::FontNumber to) {
  const std::optional<FontRecord> font = LoadedFont(to);
  for (ControlRecord& control : internal::Gui().controls) {
    if (control.destroyed || control.fontNumber != from) continue;
    control.fontNumber = font ? to : -1;
    control.font = font;
  }
}

}  // namespace

internal::GuiStore& internal::Gui() {
  static GuiStore gui;
  return gui;
}

void internal::ResetGui() {
  // Brush ids keep counting: a brush id that a module kept from before the reset must never
  // name a new brush, or freeing it would delete someone else's.
  const platform::BrushId nextBrush = Gui().nextBrush;
  Gui() = GuiStore{};
  Gui().nextBrush = nextBrush;
  platform::FreeAllPictures();
}

void internal::EndProcessGui() {
  for (auto& [number, window] : Gui().windows) {
    if (window.open) MarkClosed(number);
  }
}

WindowRecord* internal::OpenWindowRecord(platform::WindowNumber number) {
  auto it = Gui().windows.find(number);
  return it == Gui().windows.end() || !it->second.open ? nullptr : &it->second;
}

internal::WindowExtras* internal::OpenWindowExtras(platform::WindowNumber number) {
  if (OpenWindowRecord(number) == nullptr) return nullptr;
  return &Gui().extras[number];
}

void internal::ChangeWindow(platform::WindowNumber number,
                            const std::function<void(WindowRecord&)>& change) {
  auto it = Gui().windows.find(number);
  if (it == Gui().windows.end()) return;
  change(it->second);
  change(Gui().history[Gui().extras[number].opening]);
}

const WindowRecord* Window(platform::WindowNumber number) {
  auto it = internal::Gui().windows.find(number);
  return it == internal::Gui().windows.end() ? nullptr : &it->second;
}

std::optional<platform::WindowNumber> FindWindowByTitle(const std::string& title) {
  for (const auto& [number, window] : internal::Gui().windows) {
    if (window.open && window.title == title) return number;
  }
  return std::nullopt;
}

const std::vector<WindowRecord>& WindowHistory() {
  return internal::Gui().history;
}

void FailOpeningWindow(platform::WindowNumber number, bool fail) {
  if (fail) {
    internal::Gui().refusedWindows.insert(number);
  } else {
    internal::Gui().refusedWindows.erase(number);
  }
}

const platform::Image* LastImageShown(platform::WindowNumber number) {
  auto it = internal::Gui().extras.find(number);
  if (it == internal::Gui().extras.end() || it->second.imagesShown == 0) return nullptr;
  return &it->second.lastImage;
}

int ImagesShownCount(platform::WindowNumber number) {
  auto it = internal::Gui().extras.find(number);
  return it == internal::Gui().extras.end() ? 0 : it->second.imagesShown;
}

platform::Point LastImagePosition(platform::WindowNumber number) {
  auto it = internal::Gui().extras.find(number);
  return it == internal::Gui().extras.end() ? platform::Point{} : it->second.lastImagePosition;
}

std::optional<FontRecord> LoadedFont(platform::FontNumber number) {
  auto it = internal::Gui().fonts.find(number);
  if (it == internal::Gui().fonts.end()) return std::nullopt;
  return it->second;
}

void FailFontsOfFace(const std::string& face) {
  internal::Gui().failingFace = internal::UpperCase1252(face);
}

platform::FontNumber DefaultControlFont() {
  return internal::Gui().defaultFont;
}

}  // namespace headless

namespace platform {

using headless::internal::Gui;

bool OpenWindow(WindowNumber number, const WindowSpec& layout) {
  CloseWindow(number);
  if (Gui().refusedWindows.count(number) != 0) return false;
  headless::WindowRecord window;
  window.number = number;
  window.layout = layout;
  window.title = layout.title;
  window.open = true;
  window.visible = (layout.style & kWindowHidden) == 0;
  window.topMost = (layout.style & kWindowTopMost) != 0;
  window.background = Gui().classBackground;
  window.openedAt = headless::Now();
  // Windows takes the owner by its handle: a number without an open window owns nothing.
  window.owner = IsWindowOpen(layout.owner) ? layout.owner : kNoWindow;
  Gui().windows[number] = window;
  Gui().history.push_back(window);

  headless::internal::WindowExtras extras;
  extras.opening = Gui().history.size() - 1;
  if ((layout.style & kWindowSystemMenu) != 0) {
    extras.systemMenu = {"Restore", "Move", "Size", "Minimize", "Maximize", "", "Close"};
  }
  Gui().extras[number] = extras;
  return true;
}

void CloseWindow(WindowNumber number) {
  if (headless::internal::OpenWindowRecord(number) == nullptr) return;
  for (const auto& [other, window] : Gui().windows) {
    if (window.open && other != number && window.owner == number) CloseWindow(other);
  }
  headless::MarkClosed(number);
}

bool IsWindowOpen(WindowNumber number) {
  return headless::internal::OpenWindowRecord(number) != nullptr;
}

void SetWindowVisible(WindowNumber number, bool visible) {
  if (!IsWindowOpen(number)) return;
  headless::internal::ChangeWindow(
      number, [&](headless::WindowRecord& window) { window.visible = visible; });
}

void SetWindowTitle(WindowNumber number, const std::string& title) {
  if (!IsWindowOpen(number)) return;
  headless::internal::ChangeWindow(number,
                                   [&](headless::WindowRecord& window) { window.title = title; });
}

void SetWindowTopMost(WindowNumber number, bool topMost) {
  if (!IsWindowOpen(number)) return;
  headless::internal::ChangeWindow(
      number, [&](headless::WindowRecord& window) { window.topMost = topMost; });
}

Point WindowFramePosition(WindowNumber number) {
  const headless::WindowRecord* window = headless::internal::OpenWindowRecord(number);
  if (window == nullptr) return {};
  if ((window->layout.style & kWindowCentred) == 0) return {window->layout.x, window->layout.y};
  const Size frame = headless::FrameSize(window->layout);
  return {(headless::kScreenWidth - frame.width) / 2, (headless::kScreenHeight - frame.height) / 2};
}

Size WindowInnerSize(WindowNumber number) {
  const headless::WindowRecord* window = headless::internal::OpenWindowRecord(number);
  if (window == nullptr) return {};
  return {window->layout.innerWidth, window->layout.innerHeight};
}

bool RemoveSystemMenuEntry(WindowNumber number, int position) {
  headless::internal::WindowExtras* extras = headless::internal::OpenWindowExtras(number);
  if (extras == nullptr || position < 0 ||
      position >= static_cast<int>(extras->systemMenu.size())) {
    return false;
  }
  extras->systemMenu.erase(extras->systemMenu.begin() + position);
  headless::internal::ChangeWindow(number, [&](headless::WindowRecord& window) {
    window.removedMenuPositions.push_back(position);
  });
  return true;
}

void AddKeyboardShortcut(WindowNumber number, int key, int shortcutId) {
  if (headless::internal::WindowExtras* extras = headless::internal::OpenWindowExtras(number)) {
    extras->shortcuts[key] = shortcutId;
  }
}

bool ShowImageInWindow(WindowNumber number, const Image& image, int x, int y) {
  headless::internal::WindowExtras* extras = headless::internal::OpenWindowExtras(number);
  if (extras == nullptr || image.width <= 0 || image.height <= 0 ||
      image.pixels.size() != static_cast<std::size_t>(image.width) * image.height) {
    return false;
  }
  extras->lastImage = image;
  extras->lastImagePosition = {x, y};
  ++extras->imagesShown;
  return true;
}

bool LoadFont(FontNumber number, const std::string& face, int points, std::uint32_t style) {
  // Negative numbers are not fonts: -1 stands for the standard control font.
  if (number < 0) return false;
  if (!Gui().failingFace.empty() && headless::internal::UpperCase1252(face) == Gui().failingFace) {
    return false;
  }
  Gui().fonts[number] = headless::FontRecord{face, points, style};
  headless::SwitchControlsOfFont(number, number);
  return true;
}

void FreeFont(FontNumber number) {
  if (Gui().fonts.erase(number) != 0) headless::SwitchControlsOfFont(number, -1);
}

bool IsFontLoaded(FontNumber number) {
  return Gui().fonts.count(number) != 0;
}

void SetDefaultControlFont(FontNumber number) {
  Gui().defaultFont = number;
}

void UseStandardControlFont() {
  Gui().defaultFont = -1;
}

}  // namespace platform
