#pragma once
// The Tab key walked through a form with real key presses, and the reading order it should
// follow: within a group (a panel or group box holding the controls, or a region of the form
// between its dividing lines) each step goes right along the same row or down to a later one.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "Keys.h"
#include "ui/Application.h"
#include "ui/Form.h"

namespace testsupport {

// The control of the form that holds the focus (a combo box's edit part counts as the box).
inline ui::Control* FocusedControl(const ui::Form& form) {
  for (HWND w = ::GetFocus(); w && w != form.Handle(); w = ::GetParent(w))
    if (ui::Control* c = ui::Control::FromHandle(w); c && &c->Owner() == &form) return c;
  return nullptr;
}

// Presses Tab until the focus comes back to where it started; the controls in the order visited.
inline std::vector<ui::Control*> WalkTab(ui::Form& form, ui::Control& first) {
  first.SetFocus();
  std::vector<ui::Control*> visited{FocusedControl(form)};
  for (size_t i = 0; i < form.Controls().size() + 1; ++i) {
    PressChord({}, VK_TAB);
    ::Sleep(20);
    ui::Application::Instance().ProcessMessages();
    ui::Control* now = FocusedControl(form);
    if (now == visited.front()) break;
    visited.push_back(now);
  }
  return visited;
}

// The controls Tab should visit: enabled and visible tab stops.
inline std::set<ui::Control*> TabStops(const ui::Form& form) {
  std::set<ui::Control*> stops;
  for (ui::Control* c : form.Controls())
    if ((::GetWindowLongW(c->Handle(), GWL_STYLE) & WS_TABSTOP) && ::IsWindowEnabled(c->Handle()) &&
        ::IsWindowVisible(c->Handle()))
      stops.insert(c);
  return stops;
}

inline RECT RectOf(const ui::Control* c) {
  RECT r{};
  ::GetWindowRect(c->Handle(), &r);
  return r;
}

// `b` read before `a`: wholly above it, or on the same rows and wholly left of it.
inline bool ReadBefore(const RECT& b, const RECT& a) {
  const bool sameRows = b.top < a.bottom && a.top < b.bottom;
  return b.bottom <= a.top || (sameRows && b.right <= a.left);
}

// Checks a walk: every tab stop once, each panel or group box visited in one stretch, and no step
// inside a group going back against the reading order. `groupOf` names a control's group; names
// of regions of the form start with "region:" (a region holds panels, so the walk comes back to
// it after each).
inline void ExpectReadingOrder(const std::vector<ui::Control*>& visited, const std::set<ui::Control*>& stops,
                               const std::function<std::string(const ui::Control*)>& groupOf) {
  EXPECT_EQ(std::set<ui::Control*>(visited.begin(), visited.end()), stops);
  EXPECT_EQ(visited.size(), stops.size()) << "a control was visited twice";
  std::set<std::string> left;
  for (size_t i = 1; i < visited.size(); ++i) {
    const ui::Control *a = visited[i - 1], *b = visited[i];
    if (!a || !b) continue;
    const std::string group = groupOf(b);
    if (group == groupOf(a)) {
      EXPECT_FALSE(ReadBefore(RectOf(b), RectOf(a))) << b->Name() << " comes after " << a->Name();
    } else {
      left.insert(groupOf(a));
      const bool region = group.rfind("region:", 0) == 0;
      EXPECT_FALSE(!region && left.count(group)) << "the group of " << b->Name() << " is visited twice";
    }
  }
}

// The group of a control: the smallest of the given holders (panels, group boxes) it lies in,
// or else the name `region` gives.
inline std::string GroupAmong(const ui::Control* c, const std::vector<ui::Control*>& holders,
                              const std::function<std::string(const RECT&)>& region) {
  const RECT r = RectOf(c);
  const ui::Control* best = nullptr;
  long bestArea = 0;
  for (const ui::Control* h : holders) {
    const RECT o = RectOf(h);
    const long area = static_cast<long>(o.right - o.left) * (o.bottom - o.top);
    if (r.left >= o.left && r.top >= o.top && r.right <= o.right && r.bottom <= o.bottom &&
        (!best || area < bestArea)) {
      best = h;
      bestArea = area;
    }
  }
  return best ? best->Name() : region(r);
}

}  // namespace testsupport
