// Scripted users for the wizard. The user looks at the window that is shown (the licence window,
// else the wizard dialog) and clicks what bears a text: the button of that text, or the option
// box beside the label of that text, as a person sees them together.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/gui.h"
#include "platform/headless/control.h"
#include "toolkit/resource_numbers.h"

namespace fixture {

// One action of the user, taken when the program waits for an event.
using Step = std::function<platform::Event()>;

inline platform::WindowNumber ShownWizardWindow() {
  for (platform::WindowNumber number : {numbers::kLicenceWindow, numbers::kWizardDialog}) {
    const headless::WindowRecord* window = headless::Window(number);
    if (window != nullptr && window->open && window->visible) return number;
  }
  return platform::kNoWindow;
}

// The nearest radio option or check box left of a label, on the label's line.
inline platform::ControlId BoxBeside(platform::ControlId label) {
  const headless::ControlRecord& text = *headless::Control(label);
  platform::ControlId nearest = 0;
  for (platform::ControlId id : headless::ControlsOf(text.window)) {
    const headless::ControlRecord& box = *headless::Control(id);
    const bool option = box.layout.kind == platform::ControlKind::RadioOption ||
                        box.layout.kind == platform::ControlKind::CheckBox;
    if (option && !box.destroyed && box.panel == text.panel && box.layout.y == text.layout.y &&
        box.layout.x < text.layout.x &&
        (nearest == 0 || headless::Control(nearest)->layout.x < box.layout.x)) {
      nearest = id;
    }
  }
  return nearest;
}

// What the user means by a text on the shown window; 0 when nothing bears it.
inline platform::ControlId Meant(const std::string& text) {
  const platform::WindowNumber window = ShownWizardWindow();
  if (platform::ControlId button =
          headless::FindControl(window, platform::ControlKind::Button, text)) {
    return button;
  }
  const platform::ControlId label =
      headless::FindControl(window, platform::ControlKind::Label, text);
  return label == 0 ? 0 : BoxBeside(label);
}

inline Step ClickOn(const std::string& text) {
  return [text] {
    const platform::ControlId control = Meant(text);
    EXPECT_NE(control, 0) << "nothing to click for \"" << text << "\"";
    return headless::Click(control);
  };
}

// The user moves the mouse over the shown window, after an optional look at it.
inline Step Look(std::function<void()> check = {}) {
  return [check] {
    if (check) check();
    return headless::OtherEventIn(ShownWizardWindow());
  };
}

// Answers the waits without limit with the steps in turn; timed waits run out. After the last
// step the process stops (kExitUnscriptedWait), so a script that falls short shows.
inline void PlaySteps(std::vector<Step> steps) {
  auto next = std::make_shared<std::size_t>(0);
  headless::SetScriptedUser([steps = std::move(steps), next](int timeout) -> platform::Event {
    if (timeout != platform::kWaitForever || *next >= steps.size()) return {};
    return steps[(*next)++]();
  });
}

// For tests about something else than the wizard: leaves it with "Abbruch".
inline void LeaveTheWizardWithAbbruch() {
  PlaySteps({Look(), ClickOn("Abbruch")});
}

}  // namespace fixture
