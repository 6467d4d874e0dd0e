#include "ui/Controls.h"

#include <algorithm>
#include <utility>

#include "ui/portable/HotKeyCodes.h"
#include "ui/Application.h"
#include "ui/Form.h"

namespace ui {

namespace {
constexpr COLORREF kGlyphKey = RGB(255, 0, 255);

ButtonKind KindOfStyle(DWORD style) {
  switch (style & BS_TYPEMASK) {
    case BS_OWNERDRAW: return ButtonKind::Bitmap;
    case BS_AUTOCHECKBOX: return ButtonKind::Check;
    case BS_AUTORADIOBUTTON: return ButtonKind::Radio;
    case BS_GROUPBOX: return ButtonKind::Group;
    default: return ButtonKind::Push;
  }
}

// WM_PAINT, WM_PRINTCLIENT and WM_ERASEBKGND of a control the look paints whole.
bool PaintThroughLook(HWND window, UINT message, WPARAM wParam, LRESULT& result,
                      const std::function<ButtonPaint(HDC, const RECT&)>& describe) {
  RECT client{};
  ::GetClientRect(window, &client);
  switch (message) {
    case WM_ERASEBKGND:
      result = 1;  // the painter fills every pixel
      return true;
    case WM_PRINTCLIENT:
      CurrentLook().PaintButton(describe(reinterpret_cast<HDC>(wParam), client));
      result = 0;
      return true;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = ::BeginPaint(window, &ps);
      CurrentLook().PaintButton(describe(dc, client));
      ::EndPaint(window, &ps);
      result = 0;
      return true;
    }
    default: return false;
  }
}

// Messages after which a button may show another state, caption, check or focus.
bool ChangesAppearance(UINT message) {
  switch (message) {
    case BM_SETSTATE:
    case BM_SETCHECK:
    case BM_SETSTYLE:  // the dialog manager moves the default button's frame with it
    case WM_ENABLE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_SETTEXT:
    case WM_UPDATEUISTATE: return true;
    default: return false;
  }
}

HBRUSH FieldColour(HDC dc) {
  const TextColours colours = CurrentLook().FieldColours();
  ::SetBkColor(dc, colours.background);
  ::SetTextColor(dc, colours.text);
  return CurrentLook().Brush(colours.background);
}
}  // namespace

// --- Button ---------------------------------------------------------------------------------

Button::Button(Form& form, const Placement& placement)
    : Button(form, placement, BS_PUSHBUTTON | WS_TABSTOP, {ControlKind::Button}) {}

Button::Button(Form& form, const Placement& placement, DWORD style, std::initializer_list<ControlKind> kinds)
    : Control(form, placement, kinds), kind_(KindOfStyle(style)) {
  CreateWindowOfClass(WC_BUTTONW, InitialCaption(), style | WS_VISIBLE);
  // Narrow margins: several captions only just fit their designed width.
  RECT margin{1, 0, 1, 0};
  ::SendMessageW(Handle(), BCM_SETTEXTMARGIN, 0, reinterpret_cast<LPARAM>(&margin));
  shown_ = State();
}

void Button::Click() {
  if (Enabled()) ::SendMessageW(Handle(), BM_CLICK, 0, 0);
}

void Button::HandleCommand(WORD code) {
  if (code != BN_CLICKED) return;
  if (OnClick) OnClick();
  if (modalResult_ != ModalResult::None) Owner().SetModalResult(modalResult_);
}

ButtonState Button::State() const {
  if (!Enabled()) return ButtonState::Disabled;
  if (::SendMessageW(Handle(), BM_GETSTATE, 0, 0) & BST_PUSHED) return ButtonState::Pressed;
  return hot_ ? ButtonState::Hot : ButtonState::Normal;
}

// A bitmap button is always drawn by the look, through its owner-draw message.
bool Button::PaintedByLook() const { return kind_ == ButtonKind::Bitmap || CurrentLook().PaintsButton(kind_); }

// Text clear of a push button's frame; a check box's or radio button's mark and gap before it.
SIZE Button::CaptionNeed() const {
  const int text = MeasureCaption().cx;
  if (text == 0) return {0, 0};
  switch (kind_) {
    case ButtonKind::Push: return {text + 2 * Owner().Scale(3), 0};
    case ButtonKind::Check:
    case ButtonKind::Radio: return {Owner().Scale(13) + Owner().Scale(4) + text + 1, 0};
    default: return {0, 0};
  }
}

ButtonPaint Button::Describe(HDC dc, const RECT& rect) const {
  ButtonPaint paint = DescribeForLook(dc, rect);
  paint.kind = kind_;
  paint.state = State();
  paint.checked = ::SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
  paint.focused = ::GetFocus() == Handle();
  paint.isDefault = (::GetWindowLongW(Handle(), GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
  return paint;
}

void Button::StateMayHaveChanged(ButtonEvent event) {
  if (!Handle()) return;
  const ButtonState now = State();
  if (now != shown_) {
    CurrentLook().ButtonStateChanged(Handle(), kind_, shown_, now, event);
    shown_ = now;
  }
  if (PaintedByLook()) ::InvalidateRect(Handle(), nullptr, FALSE);
}

bool Button::HandleOwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (kind_ != ButtonKind::Bitmap && CurrentLook().PaintsButton(kind_) &&
      PaintThroughLook(Handle(), message, wParam, result, [this](HDC dc, const RECT& r) { return Describe(dc, r); }))
    return true;
  switch (message) {
    case WM_MOUSEMOVE:
      // The system's own hover tracking stays untouched where the system paints the button.
      if (!hot_ && PaintedByLook()) {
        hot_ = true;
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, Handle(), 0};
        ::TrackMouseEvent(&track);
        BeginHover(Handle());
        StateMayHaveChanged(ButtonEvent::MouseEnter);
      }
      return false;
    case WM_MOUSELEAVE:
      if (!hot_) return false;
      hot_ = false;
      EndHover(Handle());
      StateMayHaveChanged(ButtonEvent::MouseLeave);
      return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
      // The button presses or releases itself with BM_SETSTATE while it handles the mouse.
      mouseEvent_ = message == WM_LBUTTONUP ? ButtonEvent::MouseUp : ButtonEvent::MouseDown;
      return false;
    default: {
      if (!ChangesAppearance(message)) return false;
      const ButtonEvent event =
          message == BM_SETSTATE ? std::exchange(mouseEvent_, ButtonEvent::Other) : ButtonEvent::Other;
      result = DefaultProc(message, wParam, lParam);
      StateMayHaveChanged(event);
      return true;
    }
  }
}

BitBtn::BitBtn(Form& form, const Placement& placement, int glyphResource)
    : Button(form, placement, BS_OWNERDRAW | WS_TABSTOP, {ControlKind::BitBtn}), glyphResource_(glyphResource) {}

// The largest picture drawn for a size the DPI reaches; never stretched.
BitBtn::Drawn BitBtn::DrawnForDpi() const {
  constexpr Drawn kDrawn[] = {{64, 30}, {48, 20}, {40, 10}, {32, 0}};
  const int wanted = Owner().Scale(32);
  for (const Drawn& d : kDrawn)
    if (d.size <= wanted) return d;
  return kDrawn[std::size(kDrawn) - 1];
}

// Loaded at the first paint rather than with the button: the window comes up sooner.
const Glyph* BitBtn::LoadedGlyph() {
  if (std::exchange(glyphLoaded_, true)) return list_ ? &glyph_ : nullptr;
  const int offset = DrawnForDpi().idOffset;
  list_.reset();
  bitmap_.reset(static_cast<HBITMAP>(::LoadImageW(Application::Instance().InstanceHandle(),
                                                  MAKEINTRESOURCEW(glyphResource_ + offset), IMAGE_BITMAP, 0, 0,
                                                  LR_CREATEDIBSECTION)));
  if (!bitmap_) return nullptr;
  BITMAP info{};
  ::GetObjectW(bitmap_.get(), sizeof(info), &info);
  list_.reset(::ImageList_Create(info.bmWidth, info.bmHeight, ILC_COLOR32 | ILC_MASK, 1, 0));
  if (info.bmBitsPixel == 32)
    ::ImageList_Add(list_.get(), bitmap_.get(), nullptr);
  else
    ::ImageList_AddMasked(list_.get(), bitmap_.get(), kGlyphKey);
  // Only 32-bit pixels can be tinted; other pictures keep their colours.
  glyph_ = Glyph{info.bmBitsPixel == 32 ? bitmap_.get() : nullptr, list_.get(), {info.bmWidth, info.bmHeight}};
  return list_ ? &glyph_ : nullptr;
}

SIZE BitBtn::GlyphSize() {
  const Glyph* glyph = LoadedGlyph();
  return glyph ? glyph->size : SIZE{0, 0};
}

// The glyph at its margin from the top, then the caption wrapped between the side margins.
SIZE BitBtn::CaptionNeed() const {
  const RECT r = ScaledEdges(DesignBounds());
  const int text = MeasureCaption(r.right - r.left - 4).cy;
  if (text == 0) return {0, 0};
  return {0, Owner().Scale(3) + DrawnForDpi().size + 1 + text + 2};
}

void BitBtn::HandleDrawItem(const DRAWITEMSTRUCT& item) {
  ButtonPaint paint = Describe(item.hDC, item.rcItem);
  if (item.itemState & ODS_SELECTED) paint.state = ButtonState::Pressed;
  paint.focused = (item.itemState & ODS_FOCUS) != 0;
  paint.glyph = LoadedGlyph();
  paint.glyphTop = Owner().Scale(3);
  CurrentLook().PaintBitmapButton(paint);
}

// --- CheckBox / RadioButton -----------------------------------------------------------------

CheckBox::CheckBox(Form& form, const Placement& placement)
    : CheckBox(form, placement, BS_AUTOCHECKBOX | WS_TABSTOP, ControlKind::CheckBox) {}

CheckBox::CheckBox(Form& form, const Placement& placement, DWORD style, ControlKind kind)
    : Button(form, placement, style, {kind}) {
  if (HasFlag(kChecked)) ::SendMessageW(Handle(), BM_SETCHECK, BST_CHECKED, 0);
}

bool CheckBox::Checked() const { return ::SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void CheckBox::SetChecked(bool checked) {
  if (checked == Checked()) return;
  ::SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  if (OnClick) OnClick();
}

RadioButton::RadioButton(Form& form, const Placement& placement, bool startsGroup)
    : CheckBox(form, placement, BS_AUTORADIOBUTTON | WS_TABSTOP | (startsGroup ? WS_GROUP : 0),
               ControlKind::RadioButton) {}

GroupBox::GroupBox(Form& form, const Placement& placement) : Control(form, placement, {ControlKind::GroupBox}) {
  // Clipped by the controls standing on it, so filling its inside never paints over them.
  CreateWindowOfClass(WC_BUTTONW, InitialCaption(), BS_GROUPBOX | WS_CLIPSIBLINGS | WS_VISIBLE);
}

bool GroupBox::HandleEraseBackground(HDC dc) {
  RECT rect;
  ::GetClientRect(Handle(), &rect);
  ::FillRect(dc, &rect, SurfaceBrush());
  return true;
}

bool GroupBox::HandleOwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (!CurrentLook().PaintsButton(ButtonKind::Group)) return false;
  if (message == WM_SETTEXT || message == WM_ENABLE) {
    result = DefaultProc(message, wParam, lParam);
    ::InvalidateRect(Handle(), nullptr, FALSE);
    return true;
  }
  return PaintThroughLook(Handle(), message, wParam, result, [this](HDC dc, const RECT& rect) {
    ButtonPaint paint = DescribeForLook(dc, rect);
    paint.kind = ButtonKind::Group;
    paint.state = Enabled() ? ButtonState::Normal : ButtonState::Disabled;
    return paint;
  });
}

// --- Label ----------------------------------------------------------------------------------

namespace {
// Headings are larger and bold; a bold label keeps the form's size.
FontSpec LabelFont(const Placement& placement) {
  if (placement.kind == ControlKind::Heading) return {-13, true};
  return {-11, placement.Has(kBold)};
}
}  // namespace

Label::Label(Form& form, const Placement& placement, COLORREF color)
    : Control(form, placement, {ControlKind::Label, ControlKind::Heading}, LabelFont(placement)), color_(color) {
  // Measured before the window exists, so it is created at its final size. A label starts a
  // group, as in a dialog template: arrow keys stay among the radio buttons it follows, and a
  // radio button checked while the form is built does not walk back over every earlier control.
  CreateWindowOfClass(WC_STATICW, InitialCaption(),
                      (HasFlag(kCentred) ? SS_CENTER : SS_LEFTNOWORDWRAP) | WS_GROUP | WS_VISIBLE);
}

// A left-aligned label grows to its text, as an auto-sized label does; a centred one keeps its width.
Bounds Label::AutoSized() const {
  Bounds b = DesignBounds();
  const SIZE text = MeasureCaption();
  const int dpi = static_cast<int>(Owner().Dpi());
  if (!HasFlag(kCentred)) b.width = std::max(b.width, ::MulDiv(text.cx, 96, dpi) + 1);
  b.height = std::max(b.height, ::MulDiv(text.cy, 96, dpi));
  return b;
}

Bounds Label::WindowBounds() const { return AutoSized(); }

SIZE Label::CaptionNeed() const {
  const SIZE text = MeasureCaption();
  if (text.cx == 0) return {0, 0};
  return {HasFlag(kCentred) ? text.cx : text.cx + 1, text.cy};
}

HBRUSH Label::HandleColor(HDC dc) {
  ::SetTextColor(dc, CurrentLook().LabelText(color_));
  return Control::HandleColor(dc);
}

// --- Edit -----------------------------------------------------------------------------------

Edit::Edit(Form& form, const Placement& placement) : Control(form, placement, {ControlKind::Edit}) {
  CreateWindowOfClass(WC_EDITW, InitialCaption(),
                      ES_AUTOHSCROLL | WS_TABSTOP | WS_VISIBLE | (HasFlag(kReadOnly) ? ES_READONLY : 0),
                      WS_EX_CLIENTEDGE);
}

void Edit::HandleCommand(WORD code) {
  if (code == EN_CHANGE && OnChange) OnChange();
}

// Read-only edits ask with WM_CTLCOLORSTATIC; they stay white like the others.
HBRUSH Edit::HandleColor(HDC dc) { return FieldColour(dc); }

// --- ComboBox -------------------------------------------------------------------------------

ComboBox::ComboBox(Form& form, const Placement& placement, const std::vector<std::wstring>& items)
    : Control(form, placement, {ControlKind::ComboBox}) {
  CreateWindowOfClass(WC_COMBOBOXW, L"", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP | WS_VISIBLE);
  SetItems(items);
  SetText(InitialCaption());
}

void ComboBox::SetItems(const std::vector<std::wstring>& items) {
  ::SendMessageW(Handle(), CB_RESETCONTENT, 0, 0);
  for (const auto& item : items) ::SendMessageW(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

// The window's height includes its drop-down list.
Bounds ComboBox::WindowBounds() const {
  Bounds b = DesignBounds();
  b.height += 120;
  return b;
}

std::wstring ComboBox::ItemText(int index) const {
  const auto length = ::SendMessageW(Handle(), CB_GETLBTEXTLEN, index, 0);
  if (length < 0) return {};
  std::wstring item(static_cast<size_t>(length) + 1, L'\0');
  const auto n = ::SendMessageW(Handle(), CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(item.data()));
  item.resize(static_cast<size_t>(n < 0 ? 0 : n));
  return item;
}

std::vector<std::wstring> ComboBox::Items() const {
  std::vector<std::wstring> items;
  const int count = static_cast<int>(::SendMessageW(Handle(), CB_GETCOUNT, 0, 0));
  items.reserve(static_cast<size_t>(std::max(count, 0)));
  for (int i = 0; i < count; ++i) items.push_back(ItemText(i));
  return items;
}

HBRUSH ComboBox::HandleColor(HDC dc) { return FieldColour(dc); }

bool ComboBox::HandleOwnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
  if (message != WM_CTLCOLOREDIT && message != WM_CTLCOLORLISTBOX) return false;
  result = reinterpret_cast<LRESULT>(FieldColour(reinterpret_cast<HDC>(wParam)));
  return true;
}

int ComboBox::ItemIndex() const { return static_cast<int>(::SendMessageW(Handle(), CB_GETCURSEL, 0, 0)); }
void ComboBox::SetItemIndex(int index) { ::SendMessageW(Handle(), CB_SETCURSEL, index, 0); }

void ComboBox::HandleCommand(WORD code) {
  if (code == CBN_SELCHANGE) {
    // The edit part still shows the old text when the selection notification arrives.
    if (const int index = ItemIndex(); index >= 0) SetText(ItemText(index));
  }
  if ((code == CBN_EDITCHANGE || code == CBN_SELCHANGE) && OnChange) OnChange();
}

// --- TrackBar -------------------------------------------------------------------------------

TrackBar::TrackBar(Form& form, const Placement& placement, int minimum, int maximum, int position, int tickFrequency)
    : Control(form, placement, {ControlKind::TrackBar}), position_(position) {
  // Horizontal with the ticks below are the defaults (TBS_HORZ, TBS_BOTTOM).
  CreateWindowOfClass(TRACKBAR_CLASSW, L"", TBS_AUTOTICKS | WS_TABSTOP | WS_VISIBLE);
  ::SendMessageW(Handle(), TBM_SETRANGEMIN, FALSE, minimum);
  ::SendMessageW(Handle(), TBM_SETRANGEMAX, FALSE, maximum);
  ::SendMessageW(Handle(), TBM_SETTICFREQ, tickFrequency, 0);
  ::SendMessageW(Handle(), TBM_SETPOS, TRUE, position);
}

int TrackBar::Minimum() const { return static_cast<int>(::SendMessageW(Handle(), TBM_GETRANGEMIN, 0, 0)); }
int TrackBar::Maximum() const { return static_cast<int>(::SendMessageW(Handle(), TBM_GETRANGEMAX, 0, 0)); }

void TrackBar::SetPosition(int position) {
  ::SendMessageW(Handle(), TBM_SETPOS, TRUE, position);
  HandleScroll();  // the control clamps to its range; report what it took
}

void TrackBar::HandleScroll() {
  const int now = static_cast<int>(::SendMessageW(Handle(), TBM_GETPOS, 0, 0));
  if (now == position_) return;
  position_ = now;
  if (OnChange) OnChange();
}

LRESULT TrackBar::HandleNotify(NMHDR& header) {
  if (header.code != NM_CUSTOMDRAW) return 0;
  return CurrentLook().TrackBarCustomDraw(*reinterpret_cast<NMCUSTOMDRAW*>(&header));
}

// --- HotKeyEdit -----------------------------------------------------------------------------

HotKeyEdit::HotKeyEdit(Form& form, const Placement& placement) : Control(form, placement, {ControlKind::HotKey}) {
  CreateWindowOfClass(HOTKEY_CLASSW, L"", WS_TABSTOP | WS_VISIBLE, WS_EX_CLIENTEDGE);
}

std::uint16_t HotKeyEdit::ShortCut() const {
  return ui::ShortCutFromHotKeyControl(static_cast<std::uint16_t>(::SendMessageW(Handle(), HKM_GETHOTKEY, 0, 0)));
}

HBRUSH HotKeyEdit::HandleColor(HDC dc) { return FieldColour(dc); }

void HotKeyEdit::SetShortCut(std::uint16_t shortcut) {
  ::SendMessageW(Handle(), HKM_SETHOTKEY, ui::HotKeyControlFromShortCut(shortcut), 0);
}

// --- Panel / Bevel --------------------------------------------------------------------------

Panel::Panel(Form& form, const Placement& placement) : Control(form, placement, {ControlKind::Panel}) {
  CreateWindowOfClass(WC_STATICW, InitialCaption(), SS_OWNERDRAW | WS_VISIBLE);
}

void Panel::SetColor(COLORREF color) {
  colour_ = color;
  ::InvalidateRect(Handle(), nullptr, TRUE);
}

// The frame is drawn along the edges, which a change of size would leave behind: all of it is
// painted again.
bool Panel::HandleOwnMessage(UINT message, WPARAM, LPARAM, LRESULT&) {
  if (message == WM_SIZE) ::InvalidateRect(Handle(), nullptr, TRUE);
  return false;
}

void Panel::HandleDrawItem(const DRAWITEMSTRUCT& item) {
  PanelPaint paint;
  paint.dc = item.hDC;
  paint.rect = item.rcItem;
  paint.formColour = Owner().Color();
  paint.ownColour = colour_;
  paint.caption = Caption();
  paint.font = Owner().FontFor(Font());
  CurrentLook().PaintPanel(paint);
}

// Drawn by us: the etched static styles resize the control to the line's own width.
Bevel::Bevel(Form& form, const Placement& placement) : Control(form, placement, {ControlKind::Bevel}) {
  CreateWindowOfClass(WC_STATICW, L"", SS_OWNERDRAW | WS_VISIBLE);
}

void Bevel::HandleDrawItem(const DRAWITEMSTRUCT& item) {
  CurrentLook().PaintBevel(item.hDC, item.rcItem, HasFlag(kVertical), StandsOn(), Owner().Color());
}

}  // namespace ui
