#include "platform/ui/Controls.h"

#include <uxtheme.h>
#include <vssym32.h>

#include <algorithm>

#include "platform/portable/HotKeyCodes.h"
#include "platform/ui/Application.h"
#include "platform/ui/Form.h"

namespace ui {

namespace {
constexpr COLORREF kGlyphKey = RGB(255, 0, 255);
}  // namespace

// --- Button ---------------------------------------------------------------------------------

Button::Button(Form& form, const Placement& placement)
    : Button(form, placement, BS_PUSHBUTTON | WS_TABSTOP, {ControlKind::Button}) {}

Button::Button(Form& form, const Placement& placement, DWORD style, std::initializer_list<ControlKind> kinds)
    : Control(form, placement, kinds) {
  CreateWindowOfClass(WC_BUTTONW, InitialCaption(), style | WS_VISIBLE);
  // Narrow margins: several captions only just fit their designed width.
  RECT margin{1, 0, 1, 0};
  ::SendMessageW(Handle(), BCM_SETTEXTMARGIN, 0, reinterpret_cast<LPARAM>(&margin));
}

void Button::Click() {
  if (Enabled()) ::SendMessageW(Handle(), BM_CLICK, 0, 0);
}

void Button::HandleCommand(WORD code) {
  if (code != BN_CLICKED) return;
  if (OnClick) OnClick();
  if (modalResult_ != ModalResult::None) Owner().SetModalResult(modalResult_);
}

BitBtn::BitBtn(Form& form, const Placement& placement, int glyphResource)
    : Button(form, placement, BS_OWNERDRAW | WS_TABSTOP, {ControlKind::BitBtn}) {
  platform::UniqueBitmap bitmap(static_cast<HBITMAP>(::LoadImageW(Application::Instance().InstanceHandle(),
                                                                  MAKEINTRESOURCEW(glyphResource), IMAGE_BITMAP,
                                                                  0, 0, LR_CREATEDIBSECTION)));
  if (!bitmap) return;
  BITMAP info{};
  ::GetObjectW(bitmap.get(), sizeof(info), &info);
  glyphSize_ = {info.bmWidth, info.bmHeight};
  glyph_.reset(::ImageList_Create(info.bmWidth, info.bmHeight, ILC_COLOR32 | ILC_MASK, 1, 0));
  if (info.bmBitsPixel == 32)
    ::ImageList_Add(glyph_.get(), bitmap.get(), nullptr);
  else
    ::ImageList_AddMasked(glyph_.get(), bitmap.get(), kGlyphKey);
}

void BitBtn::HandleDrawItem(const DRAWITEMSTRUCT& item) {
  const bool pressed = item.itemState & ODS_SELECTED, disabled = item.itemState & ODS_DISABLED;
  RECT rect = item.rcItem;
  ::FillRect(item.hDC, &rect, Owner().BackgroundBrush());
  if (HTHEME theme = ::OpenThemeData(Handle(), L"BUTTON")) {
    const int state = disabled ? PBS_DISABLED : pressed ? PBS_PRESSED : PBS_NORMAL;
    ::DrawThemeBackground(theme, item.hDC, BP_PUSHBUTTON, state, &rect, nullptr);
    ::CloseThemeData(theme);
  } else {
    ::DrawFrameControl(item.hDC, &rect, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
  }
  const int shift = pressed ? 1 : 0;
  const int top = rect.top + Owner().Scale(3) + shift;
  if (glyph_) {
    ::ImageList_Draw(glyph_.get(), 0, item.hDC, (rect.left + rect.right - glyphSize_.cx) / 2 + shift, top,
                     ILD_TRANSPARENT);
  }
  RECT text{rect.left + 2 + shift, top + glyphSize_.cy + 1, rect.right - 2 + shift, rect.bottom - 2};
  const std::wstring caption = Caption();
  ::SetBkMode(item.hDC, TRANSPARENT);
  ::SetTextColor(item.hDC, ::GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
  platform::SelectRestorer font(item.hDC, Owner().FontFor(Font()));
  ::DrawTextW(item.hDC, caption.c_str(), -1, &text, DT_CENTER | DT_WORDBREAK);
  if (item.itemState & ODS_FOCUS) {
    RECT focus = rect;
    ::InflateRect(&focus, -3, -3);
    ::DrawFocusRect(item.hDC, &focus);
  }
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
  ::FillRect(dc, &rect, Owner().BackgroundBrush());
  return true;
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
  CreateWindowOfClass(WC_STATICW, InitialCaption(), (HasFlag(kCentred) ? SS_CENTER : SS_LEFTNOWORDWRAP) | WS_VISIBLE);
  Reposition();
}

// A left-aligned label grows to its text, as an auto-sized label does; a centred one keeps its width.
Bounds Label::AutoSized() const {
  Bounds b = DesignBounds();
  if (!Handle()) return b;
  platform::WindowDc dc(Handle());
  platform::SelectRestorer font(dc.get(), Owner().FontFor(Font()));
  const std::wstring text = Caption();
  RECT rect{0, 0, 0, 0};
  ::DrawTextW(dc.get(), text.c_str(), static_cast<int>(text.size()), &rect, DT_CALCRECT | DT_SINGLELINE);
  const UINT dpi = Owner().Dpi();
  const int textWidth = ::MulDiv(rect.right, 96, static_cast<int>(dpi)) + 1;
  const int textHeight = ::MulDiv(rect.bottom, 96, static_cast<int>(dpi));
  if (!HasFlag(kCentred)) b.width = std::max(b.width, textWidth);
  b.height = std::max(b.height, textHeight);
  return b;
}

Bounds Label::WindowBounds() const { return AutoSized(); }

void Label::SetCaption(const std::wstring& text) {
  Control::SetCaption(text);
  Reposition();
}

void Label::HandleDpiChanged() { Reposition(); }

HBRUSH Label::HandleColor(HDC dc) {
  ::SetTextColor(dc, color_);
  return Control::HandleColor(dc);
}

// --- Edit -----------------------------------------------------------------------------------

Edit::Edit(Form& form, const Placement& placement) : Control(form, placement, {ControlKind::Edit}) {
  CreateWindowOfClass(WC_EDITW, InitialCaption(), ES_AUTOHSCROLL | WS_TABSTOP | WS_VISIBLE | (HasFlag(kReadOnly) ? ES_READONLY : 0),
                      WS_EX_CLIENTEDGE);
}

void Edit::HandleCommand(WORD code) {
  if (code == EN_CHANGE && OnChange) OnChange();
}

// Read-only edits ask with WM_CTLCOLORSTATIC; they stay white like the others.
HBRUSH Edit::HandleColor(HDC dc) {
  ::SetBkColor(dc, ::GetSysColor(COLOR_WINDOW));
  ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
  return ::GetSysColorBrush(COLOR_WINDOW);
}

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
  for (int i = 0; i < count; ++i) items.push_back(ItemText(i));
  return items;
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

TrackBar::TrackBar(Form& form, const Placement& placement, int minimum, int maximum, int position,
                   int tickFrequency)
    : Control(form, placement, {ControlKind::TrackBar}), position_(position) {
  CreateWindowOfClass(TRACKBAR_CLASSW, L"", TBS_HORZ | TBS_AUTOTICKS | TBS_BOTTOM | WS_TABSTOP | WS_VISIBLE);
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

// --- HotKeyEdit -----------------------------------------------------------------------------

HotKeyEdit::HotKeyEdit(Form& form, const Placement& placement) : Control(form, placement, {ControlKind::HotKey}) {
  CreateWindowOfClass(HOTKEY_CLASSW, L"", WS_TABSTOP | WS_VISIBLE, WS_EX_CLIENTEDGE);
}

std::uint16_t HotKeyEdit::ShortCut() const {
  return platform::ShortCutFromHotKeyControl(static_cast<std::uint16_t>(::SendMessageW(Handle(), HKM_GETHOTKEY, 0, 0)));
}

void HotKeyEdit::SetShortCut(std::uint16_t shortcut) {
  ::SendMessageW(Handle(), HKM_SETHOTKEY, platform::HotKeyControlFromShortCut(shortcut), 0);
}

// --- Panel / Bevel --------------------------------------------------------------------------

Panel::Panel(Form& form, const Placement& placement) : Control(form, placement, {ControlKind::Panel}) {
  CreateWindowOfClass(WC_STATICW, InitialCaption(), SS_OWNERDRAW | WS_VISIBLE);
}

void Panel::SetColor(COLORREF color) {
  brush_.reset(::CreateSolidBrush(color));
  ::InvalidateRect(Handle(), nullptr, TRUE);
}

void Panel::HandleDrawItem(const DRAWITEMSTRUCT& item) {
  RECT rect = item.rcItem;
  ::FillRect(item.hDC, &rect, brush_ ? brush_.get() : Owner().BackgroundBrush());
  ::DrawEdge(item.hDC, &rect, BDR_RAISEDINNER, BF_RECT);
  const std::wstring caption = Caption();
  if (caption.empty()) return;
  platform::SelectRestorer font(item.hDC, Owner().FontFor(Font()));
  ::SetBkMode(item.hDC, TRANSPARENT);
  ::SetTextColor(item.hDC, ::GetSysColor(COLOR_BTNTEXT));
  ::DrawTextW(item.hDC, caption.c_str(), static_cast<int>(caption.size()), &rect,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

// Drawn by us: the etched static styles resize the control to the line's own width.
Bevel::Bevel(Form& form, const Placement& placement) : Control(form, placement, {ControlKind::Bevel}) {
  CreateWindowOfClass(WC_STATICW, L"", SS_OWNERDRAW | WS_VISIBLE);
}

void Bevel::HandleDrawItem(const DRAWITEMSTRUCT& item) {
  RECT rect = item.rcItem;
  ::FillRect(item.hDC, &rect, Owner().BackgroundBrush());
  const UINT side = HasFlag(kVertical) ? BF_LEFT : BF_TOP;
  ::DrawEdge(item.hDC, &rect, EDGE_ETCHED, side);
}

}  // namespace ui
