#include "ui/ListView.h"

#include <windowsx.h>

#include <algorithm>

#include "platform/pictures/IconCanvas.h"
#include "ui/portable/Dpi.h"
#include "ui/Form.h"

namespace ui {

// --- ImageList ------------------------------------------------------------------------------

ImageList::ImageList(int width, int height)
    : designWidth_(width),
      designHeight_(height),
      dpi_(DpiOfWindow(nullptr)),
      width_(vantora::ScaleForDpi(width, dpi_)),
      height_(vantora::ScaleForDpi(height, dpi_)),
      list_(::ImageList_Create(width_, height_, ILC_COLOR32 | ILC_MASK, 8, 8)) {
  // Drawn without a background of its own: the row's colour shows around the icon.
  ::ImageList_SetBkColor(list_.get(), CLR_NONE);
}

void ImageList::SetDpi(UINT dpi) {
  if (dpi == dpi_) return;
  dpi_ = dpi;
  width_ = vantora::ScaleForDpi(designWidth_, dpi);
  height_ = vantora::ScaleForDpi(designHeight_, dpi);
  ::ImageList_SetIconSize(list_.get(), width_, height_);
}

// The icon scaled into a cell with its mask and alpha, so it keeps its transparency.
int ImageList::AddIcon(HICON icon) {
  if (!icon) return -1;
  return ::ImageList_ReplaceIcon(list_.get(), -1, icon);
}

// A cell-sized picture is taken as it is, never stretched.
int ImageList::AddCentred(HICON icon, int size, int into) {
  const platform::CanvasPicture cell = platform::CentredOnCanvas(icon, size, width_, height_);
  if (!cell) return -1;
  if (into < 0) return ::ImageList_Add(list_.get(), cell.picture.get(), cell.mask.get());
  return ::ImageList_Replace(list_.get(), into, cell.picture.get(), cell.mask.get()) ? into : -1;
}

void ImageList::Remove(int index) { ::ImageList_Remove(list_.get(), index); }
void ImageList::Clear() { ::ImageList_RemoveAll(list_.get()); }
int ImageList::Count() const { return ::ImageList_GetImageCount(list_.get()); }

// --- ListView -------------------------------------------------------------------------------

ListView::ListView(Form& form, const Placement& placement, std::vector<Column> columns)
    : Control(form, placement, {ControlKind::ListView, ControlKind::Grid}), columns_(std::move(columns)) {
  CreateWindowOfClass(WC_LISTVIEWW, L"",
                      LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS | WS_TABSTOP | WS_VISIBLE,
                      WS_EX_CLIENTEDGE);
  ListView_SetExtendedListViewStyle(Handle(), LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
  for (size_t i = 0; i < columns_.size(); ++i) {
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = const_cast<wchar_t*>(columns_[i].caption.c_str());
    column.cx = Owner().Scale(columns_[i].width);
    ::SendMessageW(Handle(), LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
  }
  FillLastColumn();
  LookChanged();  // a list made while another look is on takes its colours at once
}

// The area below the rows is filled with the list's own background colour; the rows and the
// header follow the look through custom drawing.
void ListView::LookChanged() {
  const TextColours colours = CurrentLook().ListColours();
  ListView_SetBkColor(Handle(), colours.background);
  ListView_SetTextBkColor(Handle(), colours.background);
  ListView_SetTextColor(Handle(), colours.text);
}

// The list's client width changes with its size and as its vertical scroll bar comes and goes.
bool ListView::HandleOwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_SIZE:
      result = DefaultProc(message, wParam, lParam);
      FillLastColumn();
      return true;
    case WM_GETDLGCODE: {
      const auto* pending = reinterpret_cast<const MSG*>(lParam);
      result = DefaultProc(message, wParam, lParam);
      if (wantsEnterAndEscape && pending && pending->message == WM_KEYDOWN &&
          (pending->wParam == VK_RETURN || pending->wParam == VK_ESCAPE))
        result |= DLGC_WANTMESSAGE;
      return true;
    }
    case WM_CHAR:
      if (!OnCharacter || !OnCharacter(static_cast<wchar_t>(wParam))) return false;
      result = 0;
      return true;
    case WM_CONTEXTMENU: {
      if (!OnContextMenu) return false;
      POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      if (lParam == -1) {  // from the keyboard: below the selected row, or the list's corner
        RECT row{};
        const int selected = ItemIndex();
        if (selected < 0 || !ListView_GetItemRect(Handle(), selected, &row, LVIR_LABEL)) row = RECT{};
        at = POINT{row.left, row.bottom};
        ::ClientToScreen(Handle(), &at);
      }
      OnContextMenu(at);
      result = 0;
      return true;
    }
    case WM_NOTIFY: break;
    default: return false;
  }
  auto* header = reinterpret_cast<NMHDR*>(lParam);
  if (header->code != NM_CUSTOMDRAW || header->hwndFrom != ListView_GetHeader(Handle())) return false;
  result = CurrentLook().HeaderCustomDraw(*reinterpret_cast<NMCUSTOMDRAW*>(header), Owner().FontFor(Font()));
  return true;
}

void ListView::HandleDpiChanged() {
  for (size_t i = 0; i < columns_.size(); ++i)
    ListView_SetColumnWidth(Handle(), static_cast<int>(i), Owner().Scale(columns_[i].width));
  FillLastColumn();
  if (images_ && images_->Dpi() != Owner().Dpi()) {
    SetImages(*images_);
    if (OnImagesResized) OnImagesResized();
    ::InvalidateRect(Handle(), nullptr, TRUE);
  }
}

// No empty header segment beside the last column: it takes the rest of the client width (which
// leaves out a vertical scroll bar that shows), never less than its own width.
void ListView::FillLastColumn() {
  if (columns_.empty()) return;
  RECT client{};
  ::GetClientRect(Handle(), &client);
  const int last = static_cast<int>(columns_.size()) - 1;
  int rest = client.right;
  for (int i = 0; i < last; ++i) rest -= ListView_GetColumnWidth(Handle(), i);
  const int width = std::max(rest, Owner().Scale(columns_.back().width));
  if (ListView_GetColumnWidth(Handle(), last) != width) ListView_SetColumnWidth(Handle(), last, width);
}

void ListView::SetImages(ImageList& images) {
  images_ = &images;
  images.SetDpi(Owner().Dpi());
  // Set again after a resize too: the list takes its rows' height from the images' size.
  ListView_SetImageList(Handle(), images.Handle(), LVSIL_SMALL);
  ListView_SetImageList(Handle(), images.Handle(), LVSIL_NORMAL);
  ListView_SetImageList(Handle(), images.Handle(), LVSIL_STATE);
}

int ListView::Count() const { return ListView_GetItemCount(Handle()); }

int ListView::AddItem(const std::wstring& caption, int image) {
  LVITEMW item{};
  // No LVIF_STATE: a row of a list without check boxes is born without a state image, and
  // setting the state as well doubles the cost of an insertion.
  item.mask = LVIF_TEXT | LVIF_IMAGE;
  item.iItem = Count();
  item.pszText = const_cast<wchar_t*>(caption.c_str());
  item.iImage = image;
  return static_cast<int>(::SendMessageW(Handle(), LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

void ListView::SetItem(int index, const std::wstring& caption, int image) {
  LVITEMW item{};
  item.mask = LVIF_TEXT | LVIF_IMAGE;
  item.iItem = index;
  item.pszText = const_cast<wchar_t*>(caption.c_str());
  item.iImage = image;
  ::SendMessageW(Handle(), LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

void ListView::DeleteItem(int item) { ListView_DeleteItem(Handle(), item); }

void ListView::SetSubItem(int item, int column, const std::wstring& text) {
  LVITEMW sub{};
  sub.iSubItem = column;
  sub.pszText = const_cast<wchar_t*>(text.c_str());
  ::SendMessageW(Handle(), LVM_SETITEMTEXTW, item, reinterpret_cast<LPARAM>(&sub));
}

std::wstring ListView::ItemText(int item, int column) const {
  std::wstring text(1024, L'\0');
  LVITEMW query{};
  query.iSubItem = column;
  query.pszText = text.data();
  query.cchTextMax = static_cast<int>(text.size());
  const auto n = ::SendMessageW(Handle(), LVM_GETITEMTEXTW, item, reinterpret_cast<LPARAM>(&query));
  text.resize(static_cast<size_t>(n));
  return text;
}

int ListView::ItemImage(int item) const {
  LVITEMW query{};
  query.mask = LVIF_IMAGE;
  query.iItem = item;
  ::SendMessageW(Handle(), LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&query));
  return query.iImage;
}

void ListView::Clear() { ListView_DeleteAllItems(Handle()); }

int ListView::ItemIndex() const { return ListView_GetNextItem(Handle(), -1, LVNI_SELECTED); }

void ListView::SetItemIndex(int index) {
  const int current = ItemIndex();
  const UINT both = LVIS_SELECTED | LVIS_FOCUSED;
  if (current == index && (index < 0 || ListView_GetItemState(Handle(), index, both) == both)) return;
  if (current >= 0 && current != index) ListView_SetItemState(Handle(), current, 0, LVIS_SELECTED);
  if (index >= 0) ListView_SetItemState(Handle(), index, both, both);
}

void ListView::MakeVisible(int index) { ListView_EnsureVisible(Handle(), index, FALSE); }

bool ListView::IsItemFullyVisible(int index) const {
  RECT item{}, client{};
  if (!ListView_GetItemRect(Handle(), index, &item, LVIR_BOUNDS)) return false;
  ::GetClientRect(Handle(), &client);
  RECT header{};
  if (HWND h = ListView_GetHeader(Handle())) ::GetWindowRect(h, &header);
  const int headerHeight = header.bottom - header.top;
  return item.top >= client.top + headerHeight && item.bottom <= client.bottom;
}

void ListView::SetColumnCaption(int column, const std::wstring& caption) {
  LVCOLUMNW update{};
  update.mask = LVCF_TEXT;
  update.pszText = const_cast<wchar_t*>(caption.c_str());
  ::SendMessageW(Handle(), LVM_SETCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&update));
}

void ListView::SetRedraw(bool on) {
  ::SendMessageW(Handle(), WM_SETREDRAW, on ? TRUE : FALSE, 0);
  if (on) ::InvalidateRect(Handle(), nullptr, TRUE);
}

LRESULT ListView::HandleNotify(NMHDR& header) {
  if (header.code == NM_CUSTOMDRAW) return CurrentLook().ListCustomDraw(*reinterpret_cast<NMLVCUSTOMDRAW*>(&header));
  if (header.code == NM_CLICK && OnClick) OnClick();
  return 0;
}

// --- KeyValueGrid ---------------------------------------------------------------------------

KeyValueGrid::KeyValueGrid(Form& form, const Placement& placement, Column key, Column value)
    : ListView(form, placement, {std::move(key), std::move(value)}) {
  ListView_SetExtendedListViewStyle(Handle(), LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_DOUBLEBUFFER);
}

void KeyValueGrid::SetRows(const std::vector<std::pair<std::wstring, std::wstring>>& rows) {
  SetRedraw(false);
  Clear();
  for (const auto& [key, value] : rows) SetSubItem(AddItem(key), 1, value);
  SetRedraw(true);
}

int KeyValueGrid::RowOf(const std::wstring& key) const {
  for (int i = 0; i < Count(); ++i)
    if (ItemText(i, 0) == key) return i;
  return -1;
}

std::wstring KeyValueGrid::Value(const std::wstring& key) const {
  const int row = RowOf(key);
  return row < 0 ? std::wstring() : ItemText(row, 1);
}

bool KeyValueGrid::SetValue(const std::wstring& key, const std::wstring& value) {
  const int row = RowOf(key);
  if (row >= 0) SetSubItem(row, 1, value);
  return row >= 0;
}

}  // namespace ui
