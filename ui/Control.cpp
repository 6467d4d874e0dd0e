#include "ui/Control.h"

#include <windowsx.h>

#include <algorithm>
#include <stdexcept>
#include <unordered_map>
#include <utility>

#include "platform/Error.h"
#include "ui/Accessible.h"
#include "ui/Application.h"
#include "ui/Form.h"

namespace ui {

namespace {

bool KeyDown(int key) { return (::GetKeyState(key) & 0x8000) != 0; }

// The object of each control window of this thread. Kept here rather than in the window
// (GWLP_USERDATA): setting a window's data is a round trip to the window server under Wine.
thread_local std::unordered_map<HWND, Control*> t_objects;
}  // namespace

MouseButton MouseButtonOf(UINT message) {
  if (message == WM_RBUTTONDOWN || message == WM_RBUTTONUP) return MouseButton::Right;
  if (message == WM_MBUTTONDOWN || message == WM_MBUTTONUP) return MouseButton::Middle;
  return MouseButton::Left;
}

void MouseEvents::RaiseMouseEvent(HWND window, UINT message, LPARAM lParam, bool capture) {
  const int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      if (capture) ::SetCapture(window);
      if (OnMouseDown) OnMouseDown(MouseButtonOf(message), x, y);
      break;
    case WM_MOUSEMOVE:
      MouseMovedOver(window);
      if (OnMouseMove) OnMouseMove(x, y);
      break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      if (capture && ::GetCapture() == window) ::ReleaseCapture();
      if (OnMouseUp) OnMouseUp(MouseButtonOf(message), x, y);
      break;
    default: break;
  }
}

KeyEvent MakeKeyEvent(WPARAM key) {
  return KeyEvent{static_cast<WORD>(key), KeyDown(VK_SHIFT), KeyDown(VK_CONTROL), KeyDown(VK_MENU), false};
}

Control::Control(Form& form, const Placement& placement, std::initializer_list<ControlKind> kinds, FontSpec font)
    : form_(form),
      name_(placement.name),
      kind_(placement.kind),
      bounds_(placement.bounds),
      initialCaption_(placement.caption),
      flags_(placement.flags),
      onPanel_(placement.onPanel),
      font_(font) {
  if (std::find(kinds.begin(), kinds.end(), placement.kind) == kinds.end())
    throw std::logic_error("the layout row of " + name_ + " is of another kind of control");
}

Control::~Control() {
  form_.Unregister(this);
  if (hwnd_) {
    // The messages of the destruction go to the class alone: the derived object is gone.
    t_objects.erase(hwnd_);
    ::DestroyWindow(hwnd_);
  }
}

// Every control gets its own id: the dialog manager and UI automation tell controls apart by it,
// and with ids of 0 the dialog manager takes some button for the default one.
HMENU Control::ControlId() const {
  return reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kFirstControlId + form_.Controls().size()));
}

void Control::CreateWindowOfClass(const wchar_t* windowClass, const std::wstring& text, DWORD style, DWORD exStyle) {
  const Bounds b = WindowBounds();
  if (HasFlag(kHidden)) style &= ~WS_VISIBLE;
  if (HasFlag(kDisabled)) style |= WS_DISABLED;
  const RECT r = ScaledEdges(b);
  shown_ = r;
  hwnd_ = platform::Checked("CreateWindowEx", [&] {
    return ::CreateWindowExW(exStyle, windowClass, text.c_str(), style | WS_CHILD | WS_CLIPSIBLINGS, r.left, r.top,
                             r.right - r.left, r.bottom - r.top, form_.Handle(), ControlId(),
                             Application::Instance().InstanceHandle(), nullptr);
  });
  // Our procedure stands in front of the class's once the class has built its window (the
  // program handles none of the creation messages). Not SetWindowSubclass: its chain is looked
  // up in a window property on every message, a round trip to the window server under Wine that
  // costs a hundred times the message itself.
  t_objects[hwnd_] = this;
  classProc_ = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Control::WindowProc)));
  if (!classProc_) {
    const DWORD code = ::GetLastError();
    t_objects.erase(hwnd_);
    ::DestroyWindow(std::exchange(hwnd_, nullptr));
    throw platform::Win32Error("SetWindowLongPtr(GWLP_WNDPROC)", code);
  }
  ::SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(form_.FontFor(font_)), FALSE);
  form_.Register(this);
}

// Each edge scaled on its own, not the size: controls that touch as designed still touch, and
// never overlap by a pixel of rounding.
RECT Control::ScaledEdges(const Bounds& b) const {
  return RECT{form_.Scale(b.left), form_.Scale(b.top), form_.Scale(b.left + b.width), form_.Scale(b.top + b.height)};
}

void Control::SetDesignBounds(const Bounds& bounds) {
  bounds_ = bounds;
  Reposition();
}

void Control::Reposition() {
  moved_ = false;
  MoveTo(ScaledEdges(WindowBounds()));
}

// Under Wine every SetWindowPos is a round trip to the window server: a control already where it
// goes is left alone. Only this class moves its window, so the rectangle last given is where it is.
void Control::MoveTo(const RECT& r) {
  if (::EqualRect(&r, &shown_)) return;
  shown_ = r;
  ::SetWindowPos(hwnd_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

// The new font before the new place: the control measures its text as it is moved.
void Control::ApplyDpi() {
  need_.reset();
  ::SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(form_.FontFor(font_)), TRUE);
  Reposition();
  HandleDpiChanged();
}

std::wstring Control::Caption() const {
  const int length = ::GetWindowTextLengthW(hwnd_);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const int copied = ::GetWindowTextW(hwnd_, text.data(), length + 1);
  text.resize(static_cast<size_t>(copied));
  return text;
}

void Control::SetCaption(const std::wstring& text) {
  ::SetWindowTextW(hwnd_, text.c_str());
  ::InvalidateRect(hwnd_, nullptr, TRUE);
  if (!form_.captionsFitted_) {
    need_.reset();
    Reposition();
    return;
  }
  // Toggles and labels are given captions on every click; only a new size makes the form refit.
  const std::optional<SIZE> before = std::exchange(need_, std::nullopt);
  const SIZE after = Need();
  if (!before || before->cx != after.cx || before->cy != after.cy) form_.CaptionNeedChanged();
}

SIZE Control::MeasureCaption(int wrapWidth) const {
  const HDC dc = form_.MeasuringDc();
  platform::SelectRestorer font(dc, form_.FontFor(font_));
  // Before its window exists a control is measured with the caption it will be given.
  const std::wstring text = hwnd_ ? Caption() : initialCaption_;
  if (text.empty()) return {0, 0};
  RECT r{0, 0, wrapWidth, 0};
  ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
              DT_CALCRECT | (wrapWidth > 0 ? DT_WORDBREAK : DT_SINGLELINE));
  return {r.right - r.left, r.bottom - r.top};
}

SIZE Control::Need() {
  if (!need_) need_ = CaptionNeed();
  return *need_;
}

void Control::PlaceAt(const RECT& place, const RECT& fitted) {
  if (::EqualRect(&place, &fitted)) {
    if (moved_) Reposition();
    return;
  }
  moved_ = true;
  // A drop-down list keeps the height of its list: a control that only moved keeps its size.
  const bool sameSize =
      fitted.right - fitted.left == place.right - place.left && fitted.bottom - fitted.top == place.bottom - place.top;
  if (sameSize)
    MoveTo({fitted.left, fitted.top, fitted.left + (shown_.right - shown_.left),
            fitted.top + (shown_.bottom - shown_.top)});
  else
    MoveTo(fitted);
}

bool Control::Enabled() const { return ::IsWindowEnabled(hwnd_) != FALSE; }
// Disabling a window that already is still costs the system a cancel-mode message and a style
// change; the selection update asks for the same state on every click.
void Control::SetEnabled(bool enabled) {
  if (Enabled() != enabled) ::EnableWindow(hwnd_, enabled ? TRUE : FALSE);
}

// The window's own style bit, not IsWindowVisible: a control of a hidden form is still "Visible".
bool Control::Visible() const { return (::GetWindowLongPtrW(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0; }
void Control::SetVisible(bool visible) { ::ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE); }
void Control::SetFocus() { ::SetFocus(hwnd_); }

// The form makes its tooltip window when the pointer first comes over it; until then the hint
// waits here.
void Control::SetHint(const std::wstring& hint) {
  hint_ = hint;
  if (form_.tooltip_)
    RegisterHint(form_.tooltip_);
  else
    form_.hintsWaiting_ = true;
}

void Control::RegisterHint(HWND tooltip) const {
  TTTOOLINFOW info{};
  info.cbSize = sizeof(info);
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.hwnd = form_.Handle();
  info.uId = reinterpret_cast<UINT_PTR>(hwnd_);
  info.lpszText = const_cast<wchar_t*>(hint_.c_str());
  ::SendMessageW(tooltip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
  ::SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

Look& CurrentLook() { return Application::Instance().CurrentLook(); }

namespace {
thread_local HWND t_hover = nullptr;
}  // namespace

void BeginHover(HWND window) {
  MouseMovedOver(window);
  t_hover = window;
}

void EndHover(HWND window) {
  if (t_hover == window) t_hover = nullptr;
}

void MouseMovedOver(HWND window) {
  if (t_hover && t_hover != window) ::SendMessageW(std::exchange(t_hover, nullptr), WM_MOUSELEAVE, 0, 0);
}

COLORREF Control::SurfaceColour() const { return CurrentLook().Background(StandsOn(), form_.Color()); }
HBRUSH Control::SurfaceBrush() const { return CurrentLook().BackgroundBrush(StandsOn(), form_.Color()); }

HBRUSH Control::HandleColor(HDC dc) {
  ::SetBkMode(dc, TRANSPARENT);
  ::SetBkColor(dc, SurfaceColour());
  return SurfaceBrush();
}

ButtonPaint Control::DescribeForLook(HDC dc, const RECT& rect) const {
  ButtonPaint paint;
  paint.window = hwnd_;
  paint.dc = dc;
  paint.rect = rect;
  paint.caption = Caption();
  paint.font = form_.FontFor(font_);
  paint.surface = StandsOn();
  paint.formColour = form_.Color();
  paint.dpi = static_cast<int>(form_.Dpi());
  return paint;
}

Control* Control::FromHandle(HWND window) {
  const auto found = t_objects.find(window);
  return found == t_objects.end() ? nullptr : found->second;
}

bool Control::WantsMouse() const { return captureMouse_ || OnMouseDown || OnMouseMove || OnMouseUp; }

LRESULT CALLBACK Control::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Control* control = FromHandle(window);
  // Let go of by its object, which may happen while another subclass still calls this one:
  // the class's procedure, which stood behind ours, handles the rest.
  if (!control)
    return ::CallWindowProcW(reinterpret_cast<WNDPROC>(::GetClassLongPtrW(window, GCLP_WNDPROC)), window, message,
                             wParam, lParam);
  try {
    return control->Subclassed(message, wParam, lParam);
  } catch (...) {
    Application::Instance().HandleException();
    return ::CallWindowProcW(control->classProc_, window, message, wParam, lParam);
  }
}

LRESULT Control::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return ::CallWindowProcW(classProc_, hwnd_, message, wParam, lParam);
}

LRESULT Control::Subclassed(UINT message, WPARAM wParam, LPARAM lParam) {
  if (LRESULT result = 0; message != WM_NCDESTROY && HandleOwnMessage(message, wParam, lParam, result)) return result;
  switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP: {
      const bool down = message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
      auto& handler = down ? OnKeyDown : OnKeyUp;
      auto& formHandler = down ? form_.OnKeyDown : form_.OnKeyUp;
      KeyEvent event = MakeKeyEvent(wParam);
      if (handler) handler(event);
      if (!event.handled && formHandler) formHandler(event);
      if (event.handled) return 0;
      break;
    }
    case WM_GETOBJECT:
      if (const LRESULT object = AccessibleObjectOf(hwnd_, kind_, accessibleName_, wParam, lParam)) return object;
      break;
    case WM_NCHITTEST: {
      // Static controls (panels, labels) let the mouse through to the form unless they handle it.
      const LRESULT hit = DefaultProc(message, wParam, lParam);
      return hit == HTTRANSPARENT && WantsMouse() ? HTCLIENT : hit;
    }
    case WM_SETCURSOR:
      if (cursor_ && LOWORD(lParam) == HTCLIENT) {
        ::SetCursor(cursor_);
        return TRUE;
      }
      break;
    case WM_ERASEBKGND:
      if (HandleEraseBackground(reinterpret_cast<HDC>(wParam))) return 1;
      break;
    case WM_NCDESTROY: {
      // The window is gone after this message: nothing may use or destroy the handle again,
      // whoever destroyed the window.
      HWND window = std::exchange(hwnd_, nullptr);
      t_objects.erase(window);
      return ::CallWindowProcW(classProc_, window, message, wParam, lParam);
    }
    default: RaiseMouseEvent(hwnd_, message, lParam, captureMouse_); break;
  }
  return DefaultProc(message, wParam, lParam);
}

}  // namespace ui
