#include "ui/Form.h"

#include <windowsx.h>

#include <algorithm>
#include <set>
#include <stdexcept>
#include <utility>

#include "platform/Error.h"
#include "ui/ModalScope.h"
#include "platform/system/SystemFunctions.h"
#include "ui/portable/CaptionFit.h"
#include "ui/portable/Dpi.h"
#include "ui/portable/ReadingOrder.h"
#include "ui/Application.h"
#include "ui/Controls.h"

namespace ui {

namespace {

DWORD WindowStyle(const FormStyle& s) {
  if (s.border == BorderStyle::None) return WS_POPUP | WS_CLIPCHILDREN;
  DWORD style = WS_CAPTION | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  if (s.systemMenu) style |= WS_SYSMENU;
  if (s.minimizeBox) style |= WS_MINIMIZEBOX;
  if (s.maximizeBox) style |= WS_MAXIMIZEBOX;
  return style;
}

DWORD WindowExStyle(const FormStyle& s) {
  DWORD ex = WS_EX_CONTROLPARENT;
  if (s.stayOnTop) ex |= WS_EX_TOPMOST;
  if (s.border == BorderStyle::Dialog) ex |= WS_EX_DLGMODALFRAME;
  return ex;
}

void RegisterFormClass(const std::wstring& name, WNDPROC procedure) {
  static std::set<std::wstring> registered;
  if (registered.count(name)) return;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = procedure;
  wc.hInstance = Application::Instance().InstanceHandle();
  wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  wc.hIcon = Application::Instance().ClassIcon(SM_CXICON);
  wc.hIconSm = Application::Instance().ClassIcon(SM_CXSMICON);
  wc.lpszClassName = name.c_str();
  if (!::RegisterClassExW(&wc)) platform::ThrowLastError("RegisterClassEx");
  registered.insert(name);
}

}  // namespace

UINT DpiOfWindow(HWND window) {
  using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
  static const auto getDpiForWindow = platform::SystemFunction<GetDpiForWindowFn>(L"user32.dll", "GetDpiForWindow");
  if (getDpiForWindow && window) {
    if (const UINT dpi = getDpiForWindow(window)) return dpi;
  }
  platform::WindowDc screen(nullptr);
  return static_cast<UINT>(::GetDeviceCaps(screen.get(), LOGPIXELSX));
}

Form::Form(const FormKey&, const FormStyle& style) : style_(style) {
  RegisterFormClass(style_.className, &Form::StaticWindowProc);
  auto& app = Application::Instance();
  // Created at its final place and size, so nobody ever sees it elsewhere; only a window that
  // lands on a monitor of another DPI is sized again.
  dpi_ = DpiOfWindow(nullptr);
  const RECT place = ScreenRect();
  hwnd_ = platform::Checked("CreateWindowEx", [&] {
    return ::CreateWindowExW(WindowExStyle(style_), style_.className.c_str(), style_.caption.c_str(),
                             WindowStyle(style_), place.left, place.top, place.right - place.left,
                             place.bottom - place.top, style_.ownedByApplication ? app.Handle() : nullptr, nullptr,
                             app.InstanceHandle(), this);  // bound at WM_NCCREATE
  });
  if (const UINT dpi = DpiOfWindow(hwnd_); dpi != dpi_ && !style_.physicalPixels) {
    dpi_ = dpi;
    const RECT again = ScreenRect();
    ::SetWindowPos(hwnd_, nullptr, again.left, again.top, again.right - again.left, again.bottom - again.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

RECT Form::ScreenRect() const {
  const SIZE size = OuterSize();
  int x = 0, y = 0;
  if (style_.centred) {
    x = (::GetSystemMetrics(SM_CXSCREEN) - size.cx) / 2;
    y = (::GetSystemMetrics(SM_CYSCREEN) - size.cy) / 2;
    // A window larger than the screen (a small screen at a high DPI) keeps its title bar and
    // its top-left corner on the screen, where the user can reach them.
    RECT work{};
    if (::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0)) {
      x = std::max<int>(x, work.left);
      y = std::max<int>(y, work.top);
    }
  }
  return RECT{x, y, x + size.cx, y + size.cy};
}

Form::~Form() {
  OnShow = nullptr;
  OnActivate = nullptr;
  OnCloseQuery = nullptr;
  OnClose = nullptr;
  OnDestroy = nullptr;
  OnMouseDown = nullptr;
  OnMouseMove = nullptr;
  OnMouseUp = nullptr;
  handlers_.clear();
  // Only a form whose derived part failed to construct gets here with its window: Owned has
  // destroyed it otherwise. The tooltip, owned by the window, goes with it.
  if (hwnd_) ::DestroyWindow(hwnd_);
}

Form* Form::FromHandle(HWND window) {
  DWORD process = 0;
  if (!window || !::GetWindowThreadProcessId(window, &process) || process != ::GetCurrentProcessId() ||
      static_cast<ULONG_PTR>(::GetClassLongPtrW(window, GCLP_WNDPROC)) !=
          reinterpret_cast<ULONG_PTR>(&Form::StaticWindowProc))
    return nullptr;
  return reinterpret_cast<Form*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
}

ModalResult Form::ShowModal() {
  if (modal_) throw std::logic_error("the form is already shown modally");
  auto& app = Application::Instance();
  HWND previous = ::GetActiveWindow();
  modalResult_ = ModalResult::None;
  modal_ = true;
  {
    // The application window stays enabled: it carries the taskbar entry.
    ui::ThreadWindowsDisabled others(hwnd_, app.Handle());
    Show();
    ::SetForegroundWindow(hwnd_);
    app.RunUntil([this] { return modalResult_ != ModalResult::None || !hwnd_; });
    modal_ = false;
    // The others are enabled before the form hides, so the activation goes back to them.
  }
  if (hwnd_) Hide();
  if (previous && previous != hwnd_ && ::IsWindow(previous)) ::SetActiveWindow(previous);
  if (modalResult_ == ModalResult::None) modalResult_ = ModalResult::Cancel;
  return modalResult_;
}

void Form::SetScreenBounds(const RECT& bounds) {
  ::SetWindowPos(hwnd_, nullptr, bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::DestroyHandle() {
  if (!hwnd_) return;
  HWND window = hwnd_;
  ::DestroyWindow(window);  // WM_DESTROY reaches OnDestroy and clears hwnd_
}

SIZE Form::OuterSize() const {
  RECT rect{0, 0, Scale(style_.clientWidth), Scale(style_.clientHeight)};
  using AdjustForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
  static const auto adjustForDpi = platform::SystemFunction<AdjustForDpiFn>(L"user32.dll", "AdjustWindowRectExForDpi");
  const DWORD style = WindowStyle(style_), ex = WindowExStyle(style_);
  if (!adjustForDpi || !adjustForDpi(&rect, style, FALSE, ex, dpi_)) ::AdjustWindowRectEx(&rect, style, FALSE, ex);
  return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

int Form::Scale(int designPixels) const {
  return style_.physicalPixels ? designPixels : vantora::ScaleForDpi(designPixels, dpi_);
}

std::wstring Form::Caption() const {
  wchar_t buffer[512];
  const int n = ::GetWindowTextW(hwnd_, buffer, 512);
  return std::wstring(buffer, static_cast<size_t>(n));
}

void Form::SetCaption(const std::wstring& caption) { ::SetWindowTextW(hwnd_, caption.c_str()); }

void Form::Repaint() {
  ::RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

HFONT Form::FontFor(const FontSpec& wanted) {
  auto& font = fonts_[{wanted.height, wanted.bold}];
  if (!font) {
    LOGFONTW lf{};
    lf.lfHeight = vantora::FontHeightForDpi(wanted.height, dpi_);
    lf.lfWeight = wanted.bold ? FW_BOLD : FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(lf.lfFaceName, style_.fontName.c_str(), LF_FACESIZE - 1);
    font.reset(::CreateFontIndirectW(&lf));
  }
  return font.get();
}

// Text is measured on a memory DC of the screen's kind kept for the form: the same metrics as the
// screen's, without a GetDC and ReleaseDC, each a round trip to the window server under Wine.
HDC Form::MeasuringDc() {
  if (!measuringDc_) measuringDc_.reset(::CreateCompatibleDC(nullptr));
  return measuringDc_.get();
}

HBRUSH Form::BackgroundBrush() const {
  return Application::Instance().CurrentLook().BackgroundBrush(Surface::Window, style_.color);
}

void Form::SetColor(COLORREF color) {
  if (color == style_.color) return;
  style_.color = color;
  LookChanged();
}

void Form::LookChanged() {
  for (Control* c : controls_) c->LookChanged();
  // The title bar stays the system's; RDW_FRAME repaints the controls' borders.
  ::RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void Form::Show() {
  if (Application::Instance().MainForm() == this) Application::Instance().ShowTaskbarEntry(true);
  ::ShowWindow(hwnd_, SW_SHOW);
  ::UpdateWindow(hwnd_);
}

void Form::Hide() {
  ::ShowWindow(hwnd_, SW_HIDE);
  if (Application::Instance().MainForm() == this) Application::Instance().ShowTaskbarEntry(false);
}

bool Form::Visible() const { return ::IsWindowVisible(hwnd_) != FALSE; }
void Form::Close() { ::SendMessageW(hwnd_, WM_CLOSE, 0, 0); }

void Form::BringToFront() {
  ::SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  ::SetForegroundWindow(hwnd_);
}

void Form::SetDoubleBuffered(bool on) {
  const LONG_PTR ex = ::GetWindowLongPtrW(hwnd_, GWL_EXSTYLE);
  const LONG_PTR wanted = on ? (ex | WS_EX_COMPOSITED) : (ex & ~static_cast<LONG_PTR>(WS_EX_COMPOSITED));
  if (wanted != ex) ::SetWindowLongPtrW(hwnd_, GWL_EXSTYLE, wanted);
}

int Form::AddMessageHandler(MessageHandler handler) {
  handlers_.emplace_back(nextToken_, std::move(handler));
  return nextToken_++;
}

void Form::RemoveMessageHandler(int token) {
  std::erase_if(handlers_, [token](const auto& h) { return h.first == token; });
}

HWND Form::Tooltip() {
  if (!tooltip_) {
    tooltip_ = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr,
                                 Application::Instance().InstanceHandle(), nullptr);
    for (const Control* c : controls_)
      if (!c->hint_.empty()) c->RegisterHint(tooltip_);
    hintsWaiting_ = false;
  }
  return tooltip_;
}

void Form::Register(Control* control) { controls_.push_back(control); }
void Form::Unregister(Control* control) { std::erase(controls_, control); }

namespace {
bool Within(const Bounds& outer, const Bounds& inner) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.left + inner.width <= outer.left + outer.width &&
         inner.top + inner.height <= outer.top + outer.height;
}
}  // namespace

// The panel or group box a control lies on, by place rather than by the table's parent: a
// button drawn over a panel belongs to the panel's group. The smallest one holding it.
Control* Form::GroupOf(const Control& control) const {
  Control* group = nullptr;
  for (Control* c : controls_) {
    const Bounds& b = c->DesignBounds();
    if (c != &control && c->HoldsControls() && Within(b, control.DesignBounds()) &&
        (!group || b.width * b.height < group->DesignBounds().width * group->DesignBounds().height))
      group = c;
  }
  return group;
}

void Form::ArrangeControls() {
  // Tab order: the controls the Tab key visits, within each panel or group box, take the places
  // they held among themselves in reading order. Controls on the form itself keep their order.
  std::map<Control*, std::vector<size_t>> groups;
  for (size_t i = 0; i < controls_.size(); ++i) {
    Control* c = controls_[i];
    if (c->Layer() == 0 && (::GetWindowLongW(c->Handle(), GWL_STYLE) & WS_TABSTOP))
      if (Control* group = GroupOf(*c)) groups[group].push_back(i);
  }
  std::vector<Control*> order = controls_;
  for (const auto& [group, slots] : groups) {
    std::vector<Bounds> places;
    for (size_t slot : slots) places.push_back(controls_[slot]->DesignBounds());
    const std::vector<size_t> reading = ReadingOrder(places);
    for (size_t k = 0; k < slots.size(); ++k) order[slots[k]] = controls_[slots[reading[k]]];
  }
  // New child windows go to the bottom of their siblings, so the controls already stand in
  // creation order; each one the reading order moved goes right after its new predecessor.
  for (size_t i = 0; i < order.size(); ++i)
    if (order[i] != controls_[i])
      ::SetWindowPos(order[i]->Handle(), i == 0 ? HWND_TOP : order[i - 1]->Handle(), 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  controls_ = std::move(order);
  // The lines, frames and panels go underneath the controls placed on them.
  for (int layer = 1; layer <= 2; ++layer)
    for (Control* c : controls_)
      if (c->Layer() == layer)
        ::SetWindowPos(c->Handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  captionsFitted_ = true;
  FitCaptions();
}

// The places are the layout's, scaled; the fonts are the system's, whose text may run wider
// than the places allow (Wine's Tahoma does even at 96 DPI).
void Form::FitCaptions() {
  std::vector<Control*> shown;
  for (Control* c : controls_)
    if (c->Visible()) shown.push_back(c);
  const auto indexOf = [&](const Control* c) {
    const auto at = std::find(shown.begin(), shown.end(), c);
    return at == shown.end() ? -1 : static_cast<int>(at - shown.begin());
  };
  const auto edges = [](const RECT& r) { return Edges{r.left, r.top, r.right, r.bottom}; };
  // The columns follow the controls among the items, each holding what lies in it and in no
  // panel or group box.
  const auto columnOf = [&](const Control& c) {
    for (size_t k = 0; k < style_.columns.size(); ++k)
      if (Within(style_.columns[k], c.DesignBounds())) return static_cast<int>(shown.size() + k);
    return -1;
  };
  std::vector<FitItem> items;
  std::vector<RECT> places;
  for (Control* c : shown) {
    places.push_back(c->ScaledEdges(c->DesignBounds()));
    const SIZE need = c->Need();
    const Control* group = GroupOf(*c);
    items.push_back(
        {edges(places.back()), need.cx, need.cy, group ? indexOf(group) : columnOf(*c), c->HoldsControls()});
  }
  for (const Bounds& b : style_.columns)
    items.push_back({{Scale(b.left), Scale(b.top), Scale(b.left + b.width), Scale(b.top + b.height)}, 0, 0, -1, true});
  RECT client{};
  ::GetClientRect(hwnd_, &client);
  const std::vector<Edges> fitted = ui::FitCaptions(items, edges(client), Scale(2));
  for (size_t i = 0; i < shown.size(); ++i) {
    const Edges& e = fitted[i];
    shown[i]->PlaceAt(places[i], RECT{e.left, e.top, e.right, e.bottom});
  }
}

void Form::CaptionNeedChanged() {
  if (fitsHeld_ > 0)
    fitWanted_ = true;
  else
    FitCaptions();
}

void Form::ReleaseFits() {
  if (--fitsHeld_ == 0 && std::exchange(fitWanted_, false)) FitCaptions();
}

void Form::SetDefaultButton(Button* button) {
  if (defaultButton_) ::SendMessageW(defaultButton_->Handle(), BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
  defaultButton_ = button;
  if (button) ::SendMessageW(button->Handle(), BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
}

void Form::DialogKey(WORD id) {
  if (id == IDCANCEL) {
    if (cancelButton_) cancelButton_->Click();
    return;
  }
  auto* focused = dynamic_cast<Button*>(ControlOf(::GetFocus()));
  if (focused && focused->IsPushButton())
    focused->Click();
  else if (defaultButton_)
    defaultButton_->Click();
}

Control* Form::FindControl(const std::string& name) const {
  for (Control* c : controls_)
    if (c->Name() == name) return c;
  return nullptr;
}

Control* Form::ControlOf(HWND child) const {
  Control* c = Control::FromHandle(child);
  return c && &c->form_ == this ? c : nullptr;
}

void Form::ApplyDpi(UINT dpi, const RECT* suggested) {
  dpi_ = dpi;
  // The controls hold the old fonts until each has been given its new one: deleted only then.
  const auto retired = std::exchange(fonts_, {});
  // A form in physical pixels stays exactly where it is; only its fonts change.
  if (style_.physicalPixels) suggested = nullptr;
  if (suggested) {
    ::SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                   suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  // The client area must stay the designed size at the new DPI, whatever the suggestion was.
  if (!style_.physicalPixels) {
    const SIZE size = OuterSize();
    ::SetWindowPos(hwnd_, nullptr, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
  }
  for (Control* c : controls_) c->ApplyDpi();
  if (captionsFitted_) FitCaptions();
  ::InvalidateRect(hwnd_, nullptr, TRUE);
}

LRESULT CALLBACK Form::StaticWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* form = reinterpret_cast<Form*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == WM_NCCREATE) {
    // Bound at the first message that carries the object, so every later one reaches it.
    form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    form->hwnd_ = window;
    ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
  }
  if (!form) return ::DefWindowProcW(window, message, wParam, lParam);
  try {
    return form->WindowProc(message, wParam, lParam);
  } catch (...) {
    Application::Instance().HandleException();
    return 0;
  }
}

LRESULT Form::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  for (size_t i = 0; i < handlers_.size(); ++i) {
    LRESULT result = 0;
    auto handler = handlers_[i].second;  // a handler may remove itself
    if (handler(message, wParam, lParam, result)) return result;
  }
  switch (message) {
    case WM_ERASEBKGND: {
      RECT rect;
      ::GetClientRect(hwnd_, &rect);
      ::FillRect(reinterpret_cast<HDC>(wParam), &rect, BackgroundBrush());
      return 1;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      if (Control* c = ControlOf(reinterpret_cast<HWND>(lParam))) {
        if (HBRUSH brush = c->HandleColor(reinterpret_cast<HDC>(wParam))) return reinterpret_cast<LRESULT>(brush);
      }
      break;
    case WM_COMMAND:
      // The dialog manager's IDOK and IDCANCEL name no control (ours count from 1000) and may
      // come with the focused control's handle, which must not take them for its own.
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        DialogKey(LOWORD(wParam));
        return 0;
      }
      if (lParam) {
        if (Control* c = ControlOf(reinterpret_cast<HWND>(lParam))) c->HandleCommand(HIWORD(wParam));
        return 0;
      }
      break;
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      if (Control* c = ControlOf(header->hwndFrom)) return c->HandleNotify(*header);
      break;
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (Control* c = ControlOf(reinterpret_cast<HWND>(lParam))) {
        c->HandleScroll();
        return 0;
      }
      break;
    case WM_DRAWITEM: {
      auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
      if (Control* c = ControlOf(item->hwndItem)) {
        c->HandleDrawItem(*item);
        return TRUE;
      }
      break;
    }
    case WM_DPICHANGED: ApplyDpi(HIWORD(wParam), reinterpret_cast<const RECT*>(lParam)); return 0;
    case WM_SHOWWINDOW:
      if (wParam && OnShow) OnShow();
      break;
    case WM_SETCURSOR:
      // Sent for the form and, by the default handling of its controls, for them too: the
      // pointer is over the form and a hint may be wanted. Making the tooltip's own top-level
      // window earlier would only lengthen the start, and many sessions never point at a hint.
      if (hintsWaiting_) Tooltip();
      break;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE && OnActivate) OnActivate();
      break;
    case WM_KEYDOWN:
    case WM_KEYUP: {
      KeyEvent event = MakeKeyEvent(wParam);
      auto& handler = message == WM_KEYDOWN ? OnKeyDown : OnKeyUp;
      if (handler) handler(event);
      return 0;
    }
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_MINIMIZE && Application::Instance().MainForm() == this) {
        Application::Instance().Minimize();
        return 0;
      }
      break;
    case WM_CLOSE:
      if (OnCloseQuery && !OnCloseQuery()) return 0;
      if (OnClose) OnClose();
      if (modal_) {
        // ShowModal hides the form when its loop ends.
        if (modalResult_ == ModalResult::None) modalResult_ = ModalResult::Cancel;
      } else if (Application::Instance().MainForm() == this) {
        Application::Instance().Terminate(0);
        ::DestroyWindow(hwnd_);
      } else {
        Hide();
      }
      return 0;
    case WM_DESTROY:
      if (OnDestroy) OnDestroy();
      break;
    case WM_NCDESTROY: {
      HWND window = hwnd_;
      ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      hwnd_ = nullptr;
      tooltip_ = nullptr;  // owned by the form: already destroyed
      return ::DefWindowProcW(window, message, wParam, lParam);
    }
    default: RaiseMouseEvent(hwnd_, message, lParam, true); break;  // a right button's up still raises WM_CONTEXTMENU
  }
  return ::DefWindowProcW(hwnd_, message, wParam, lParam);
}

}  // namespace ui
