// Controls in a window or in a panel of it, and their text, state and visibility.
#include <utility>

#include "platform/gui.h"
#include "platform/pictures.h"

#include "platform/win32/gui_state.h"
#include "platform/win32/internal.h"

#include <commctrl.h>
#include <richedit.h>

namespace platform {
namespace {

using win32::Gui;

struct ControlClass {
  const char* name;
  DWORD style;
  DWORD extendedStyle;
};

ControlClass ClassOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::Label:
      return {"Static", SS_LEFT | SS_NOPREFIX, 0};
    case ControlKind::CentredLabel:
      return {"Static", SS_CENTER | SS_NOPREFIX, 0};
    case ControlKind::Button:
      return {"Button", BS_PUSHBUTTON | WS_TABSTOP, 0};
    // Radio options and check boxes change by this layer's hand: automatic radio buttons would
    // only clear their siblings in the same parent, not the whole group across panels.
    case ControlKind::RadioOption:
      return {"Button", BS_RADIOBUTTON | WS_TABSTOP, 0};
    case ControlKind::CheckBox:
      return {"Button", BS_CHECKBOX | WS_TABSTOP, 0};
    case ControlKind::GroupFrame:
      return {"Button", BS_GROUPBOX, 0};
    // No WS_CLIPCHILDREN: a group frame paints only its lines and shows the panel beneath, so
    // the panel must paint under it too.
    case ControlKind::Panel:
      return {win32::kPanelClass, WS_BORDER, WS_EX_CONTROLPARENT};
    case ControlKind::PictureBox:
      return {"Static", SS_BITMAP, 0};
    case ControlKind::RichText:
      return {RICHEDIT_CLASSA,
              ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP,
              WS_EX_CLIENTEDGE};
    case ControlKind::ProgressBar:
      return {PROGRESS_CLASSA, PBS_SMOOTH, 0};
  }
  return {"Static", 0, 0};
}

bool IsCheckable(ControlKind kind) {
  return kind == ControlKind::RadioOption || kind == ControlKind::CheckBox;
}

void SetCheck(HWND control, bool checked) {
  SendMessageA(control, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

// Selects a radio option and clears the others of its group in the same window.
void SelectRadioOption(const win32::ControlEntry& option) {
  for (const auto& [id, control] : Gui().controls) {
    if (control.kind == ControlKind::RadioOption && control.window == option.window &&
        control.group == option.group) {
      SetCheck(control.handle, &control == &option);
    }
  }
}

// Whether a control can be reached by the user: itself and its panels shown and enabled.
bool IsReachable(HWND control) {
  // A user cannot click what is disabled or hidden, nor anything inside a disabled or hidden
  // panel or window: the walk goes up to and including the top-level window.
  const HWND root = GetAncestor(control, GA_ROOT);
  for (HWND window = control; window != nullptr; window = GetParent(window)) {
    if (!IsWindowEnabled(window) || !(GetWindowLongPtrA(window, GWL_STYLE) & WS_VISIBLE)) {
      return false;
    }
    if (window == root) break;
  }
  return true;
}

}  // namespace

namespace win32 {

void ButtonClicked(HWND handle) {
  const ControlId id = ControlIdOf(handle);
  const ControlEntry* control = FindControlEntry(id);
  if (control == nullptr || !IsReachable(handle)) return;
  if (control->kind == ControlKind::RadioOption) SelectRadioOption(*control);
  if (control->kind == ControlKind::CheckBox) SetCheck(handle, ControlState(id) == 0);
  if (control->kind == ControlKind::Button || IsCheckable(control->kind)) {
    QueueEvent(Event{EventKind::Control, control->window, id, 0});
  }
}

}  // namespace win32

ControlId CreateControl(WindowNumber window, ControlId panel, const ControlSpec& layout) {
  HWND parent = win32::WindowHandleOf(window);
  if (panel != 0) {
    const win32::ControlEntry* holder = win32::FindControlEntry(panel);
    if (holder == nullptr || holder->kind != ControlKind::Panel || holder->window != window) {
      return 0;
    }
    parent = holder->handle;
  }
  if (parent == nullptr) return 0;

  win32::ControlEntry control;
  control.window = window;
  control.kind = layout.kind;
  control.group = layout.group;
  if (layout.kind == ControlKind::PictureBox) {
    if (const Image* picture = FindPicture(layout.picture)) {
      control.picture = std::move(win32::DibOfImage(*picture).bitmap);
    }
  }
  const ControlClass controlClass = ClassOf(layout.kind);
  const ControlId id = Gui().nextControlId++;
  // A rich-text box takes its text once its limit is raised.
  const bool hasText =
      layout.kind != ControlKind::PictureBox && layout.kind != ControlKind::Panel &&
      layout.kind != ControlKind::ProgressBar && layout.kind != ControlKind::RichText;
  control.handle = CreateWindowExA(
      controlClass.extendedStyle, controlClass.name, hasText ? layout.text.c_str() : "",
      WS_CHILD | WS_VISIBLE | controlClass.style, layout.x, layout.y, layout.width, layout.height,
      parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr),
      nullptr);
  if (control.handle == nullptr) return 0;

  HFONT font = win32::FontHandleOf(Gui().defaultFont);
  control.font = Gui().defaultFont;
  if (font == nullptr) {
    font = win32::FontHandleOf(-1);
    control.font = -1;
  }
  SendMessageA(control.handle, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  if (control.picture.get() != nullptr) {
    SendMessageA(control.handle, STM_SETIMAGE, IMAGE_BITMAP,
                 reinterpret_cast<LPARAM>(control.picture.get()));
  }
  if (layout.kind == ControlKind::RichText) {
    // Texts longer than the default 32767 characters are not cut off.
    SendMessageA(control.handle, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
    SetWindowTextA(control.handle, layout.text.c_str());
  }
  if (layout.kind == ControlKind::ProgressBar) SendMessageA(control.handle, PBM_SETRANGE32, 0, 100);
  Gui().controls.emplace(id, std::move(control));
  return id;
}

void SetControlText(ControlId control, const std::string& text) {
  if (const HWND handle = win32::ControlHandleOf(control)) SetWindowTextA(handle, text.c_str());
}

std::string ControlText(ControlId control) {
  const win32::ControlEntry* entry = win32::FindControlEntry(control);
  if (entry == nullptr) return {};
  const HWND handle = entry->handle;
  if (entry->kind == ControlKind::RichText) {
    // As it was given: the window text would end its paragraphs with "\r\n" instead of "\r".
    GETTEXTLENGTHEX lengthRequest{GTL_PRECISE | GTL_NUMBYTES, CP_ACP};
    const LRESULT length =
        SendMessageA(handle, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&lengthRequest), 0);
    std::string text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, '\0');
    GETTEXTEX request{static_cast<DWORD>(text.size()), GT_DEFAULT, CP_ACP, nullptr, nullptr};
    text.resize(static_cast<std::size_t>(SendMessageA(handle, EM_GETTEXTEX,
                                                      reinterpret_cast<WPARAM>(&request),
                                                      reinterpret_cast<LPARAM>(text.data()))));
    return text;
  }
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(handle)) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(handle, text.data(), text.size())));
  return text;
}

void SetControlEnabled(ControlId control, bool enabled) {
  if (const HWND handle = win32::ControlHandleOf(control)) EnableWindow(handle, enabled);
}

bool IsControlEnabled(ControlId control) {
  const HWND handle = win32::ControlHandleOf(control);
  return handle != nullptr && IsWindowEnabled(handle);
}

void SetControlVisible(ControlId control, bool visible) {
  if (const HWND handle = win32::ControlHandleOf(control)) {
    ShowWindow(handle, visible ? SW_SHOW : SW_HIDE);
  }
}

bool IsControlVisible(ControlId control) {
  const HWND handle = win32::ControlHandleOf(control);
  return handle != nullptr && (GetWindowLongPtrA(handle, GWL_STYLE) & WS_VISIBLE) != 0;
}

int ControlState(ControlId control) {
  const win32::ControlEntry* entry = win32::FindControlEntry(control);
  if (entry == nullptr) return 0;
  if (IsCheckable(entry->kind)) {
    return SendMessageA(entry->handle, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
  }
  if (entry->kind == ControlKind::ProgressBar) {
    return static_cast<int>(SendMessageA(entry->handle, PBM_GETPOS, 0, 0));
  }
  return 0;
}

void SetControlState(ControlId control, int state) {
  const win32::ControlEntry* entry = win32::FindControlEntry(control);
  if (entry == nullptr) return;
  if (entry->kind == ControlKind::RadioOption && state == 1) {
    SelectRadioOption(*entry);
  } else if (IsCheckable(entry->kind)) {
    SetCheck(entry->handle, state == 1);
  } else if (entry->kind == ControlKind::ProgressBar) {
    SendMessageA(entry->handle, PBM_SETPOS, static_cast<WPARAM>(state), 0);
  }
}

}  // namespace platform
