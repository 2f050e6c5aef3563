// Controls of the stand-in: recorded with their state; radio options exclusive per group number
// within one top-level window, panels included.
#include "platform/gui.h"
#include "platform/headless/control.h"
#include "platform/headless/gui_store.h"

namespace headless {
namespace {

using internal::Gui;

std::size_t IndexOf(platform::ControlId id) {
  return static_cast<std::size_t>(id - internal::kFirstControlId);
}

bool Exists(platform::ControlId id) {
  return id >= internal::kFirstControlId && IndexOf(id) < Gui().controls.size();
}

bool TakesBackground(platform::ControlKind kind) {
  return kind == platform::ControlKind::Label || kind == platform::ControlKind::CentredLabel ||
         kind == platform::ControlKind::Panel;
}

// The radio options of the same group in the same window opening, the given one excepted.
void ClearOtherRadioOptions(const ControlRecord& chosen) {
  const std::size_t opening = Gui().controlOpening[IndexOf(chosen.id)];
  for (std::size_t i = 0; i < Gui().controls.size(); ++i) {
    ControlRecord& other = Gui().controls[i];
    if (other.id != chosen.id && !other.destroyed && Gui().controlOpening[i] == opening &&
        other.layout.kind == platform::ControlKind::RadioOption &&
        other.layout.group == chosen.layout.group) {
      other.state = 0;
    }
  }
}

}  // namespace

ControlRecord* internal::LiveControl(platform::ControlId id) {
  if (!Exists(id)) return nullptr;
  ControlRecord& control = Gui().controls[IndexOf(id)];
  return control.destroyed ? nullptr : &control;
}

void internal::DestroyControlsOf(platform::WindowNumber number) {
  auto extras = Gui().extras.find(number);
  if (extras == Gui().extras.end()) return;
  for (std::size_t i = 0; i < Gui().controls.size(); ++i) {
    if (Gui().controlOpening[i] == extras->second.opening) Gui().controls[i].destroyed = true;
  }
}

bool internal::ReachableByUser(const ControlRecord& control) {
  const WindowRecord* window = OpenWindowRecord(control.window);
  if (window == nullptr || !window->visible) return false;
  for (const ControlRecord* c = &control; c != nullptr; c = LiveControl(c->panel)) {
    if (c->destroyed || !c->enabled || !c->visible) return false;
    if (c->panel == 0) return true;
  }
  return false;  // a panel that is gone
}

const ControlRecord* Control(platform::ControlId id) {
  return Exists(id) ? &Gui().controls[IndexOf(id)] : nullptr;
}

std::vector<platform::ControlId> ControlsOf(platform::WindowNumber window) {
  std::vector<platform::ControlId> ids;
  auto extras = Gui().extras.find(window);
  if (extras == Gui().extras.end()) return ids;
  for (std::size_t i = 0; i < Gui().controls.size(); ++i) {
    if (Gui().controlOpening[i] == extras->second.opening) ids.push_back(Gui().controls[i].id);
  }
  return ids;
}

platform::ControlId FindControl(platform::WindowNumber window, platform::ControlKind kind,
                                const std::string& text) {
  for (platform::ControlId id : ControlsOf(window)) {
    const ControlRecord& control = *Control(id);
    if (!control.destroyed && control.layout.kind == kind && control.text == text) return id;
  }
  return 0;
}

}  // namespace headless

namespace platform {

using headless::internal::Gui;
using headless::internal::LiveControl;

ControlId CreateControl(WindowNumber window, ControlId panel, const ControlSpec& layout) {
  headless::internal::WindowExtras* extras = headless::internal::OpenWindowExtras(window);
  if (extras == nullptr) return 0;
  if (panel != 0) {
    const headless::ControlRecord* holder = LiveControl(panel);
    if (holder == nullptr || holder->window != window ||
        holder->layout.kind != ControlKind::Panel) {
      return 0;
    }
  }
  headless::ControlRecord control;
  control.id = headless::internal::kFirstControlId + static_cast<ControlId>(Gui().controls.size());
  control.window = window;
  control.panel = panel;
  control.layout = layout;
  control.text = layout.text;
  control.font = headless::LoadedFont(Gui().defaultFont);
  control.fontNumber = control.font ? Gui().defaultFont : -1;
  Gui().controls.push_back(control);
  Gui().controlOpening.push_back(extras->opening);
  return control.id;
}

void SetControlText(ControlId control, const std::string& text) {
  if (headless::ControlRecord* record = LiveControl(control)) record->text = text;
}

std::string ControlText(ControlId control) {
  const headless::ControlRecord* record = LiveControl(control);
  return record == nullptr ? std::string() : record->text;
}

void SetControlEnabled(ControlId control, bool enabled) {
  if (headless::ControlRecord* record = LiveControl(control)) record->enabled = enabled;
}

bool IsControlEnabled(ControlId control) {
  const headless::ControlRecord* record = LiveControl(control);
  return record != nullptr && record->enabled;
}

void SetControlVisible(ControlId control, bool visible) {
  if (headless::ControlRecord* record = LiveControl(control)) record->visible = visible;
}

bool IsControlVisible(ControlId control) {
  const headless::ControlRecord* record = LiveControl(control);
  return record != nullptr && record->visible;
}

int ControlState(ControlId control) {
  const headless::ControlRecord* record = LiveControl(control);
  return record == nullptr ? 0 : record->state;
}

void SetControlState(ControlId control, int state) {
  headless::ControlRecord* record = LiveControl(control);
  if (record == nullptr) return;
  // Only 1 sets a mark: Windows takes any other value as an unchecked state.
  switch (record->layout.kind) {
    case ControlKind::RadioOption:
      record->state = state == 1 ? 1 : 0;
      if (record->state == 1) headless::ClearOtherRadioOptions(*record);
      break;
    case ControlKind::CheckBox:
      record->state = state == 1 ? 1 : 0;
      break;
    case ControlKind::ProgressBar:
      record->state = state < 0 ? 0 : (state > 100 ? 100 : state);
      break;
    default:
      break;
  }
}

void SetControlBackground(ControlId control, Colour colour) {
  headless::ControlRecord* record = LiveControl(control);
  if (record != nullptr && headless::TakesBackground(record->layout.kind)) {
    record->background = colour;
  }
}

}  // namespace platform
