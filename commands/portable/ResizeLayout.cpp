#include "commands/portable/ResizeLayout.h"

#include <algorithm>

#include "ui/portable/Dpi.h"

namespace commands {

namespace {
constexpr ui::Bounds kLabel = resize_layout::Local("Label1");
constexpr ui::Bounds kCancel = resize_layout::Local("Button1");
constexpr ui::Bounds kApply = resize_layout::Local("Button2");
constexpr ui::Bounds kHandle = resize_layout::Local("Panel3");
constexpr int kButtonGap = 10;
constexpr int kOutsideGap = 4;  // between the panel and buttons put outside it

int Right(const ui::Bounds& b) { return b.left + b.width; }
int Bottom(const ui::Bounds& b) { return b.top + b.height; }
}  // namespace

ModelContents LayOutContents(const ui::Bounds& shape, const ScreenFacts& screen) {
  const auto scaled = [&screen](int pixels) { return vantora::ScaleForDpi(pixels, screen.dpi); };
  const int cancelWidth = scaled(kCancel.width), applyWidth = scaled(kApply.width);
  const int buttonHeight = scaled(std::max(kCancel.height, kApply.height));
  // Integer division truncates toward zero, also for a model dragged to a negative width.
  int cancelLeft = shape.left + shape.width / 2 - cancelWidth;
  int top = shape.top + scaled(kCancel.top);
  const int applyOffset = cancelWidth + scaled(kButtonGap);
  const ui::Bounds handle = HandleAtCorner(shape, HandleSize(screen.dpi));
  const ui::Bounds both{cancelLeft, top, applyOffset + applyWidth, buttonHeight};
  const ui::Bounds& monitor = screen.monitor;
  const bool clearOfHandle = Right(both) <= handle.left || Bottom(both) <= handle.top;
  const bool onMonitor = both.left >= monitor.left && both.top >= monitor.top && Right(both) <= Right(monitor) &&
                         Bottom(both) <= Bottom(monitor);
  const bool fitInside = both.left >= shape.left && Right(both) <= Right(shape) && Bottom(both) <= Bottom(shape) &&
                         clearOfHandle && onMonitor;
  if (!fitInside) {
    top = Bottom(shape) + kOutsideGap;
    if (top + buttonHeight > Bottom(monitor)) top = shape.top - kOutsideGap - buttonHeight;
    top = std::clamp(top, monitor.top, std::max(monitor.top, Bottom(monitor) - buttonHeight));
    cancelLeft =
        std::clamp(cancelLeft, monitor.left, std::max(monitor.left, Right(monitor) - applyOffset - applyWidth));
  }
  // The label stays on the panel: below its top edge and no lower than its bottom.
  const int labelHeight = std::clamp(shape.height - kLabel.top, 0, scaled(kLabel.height));
  return ModelContents{
      {shape.left, shape.top + kLabel.top, shape.width, labelHeight},
      {cancelLeft, top, cancelWidth, buttonHeight},
      {cancelLeft + applyOffset, top, applyWidth, buttonHeight},
  };
}

ui::Bounds HandleSize(unsigned dpi) {
  return {0, 0, vantora::ScaleForDpi(kHandle.width, dpi), vantora::ScaleForDpi(kHandle.height, dpi)};
}

ui::Bounds HandleAtCorner(const ui::Bounds& shape, const ui::Bounds& size) {
  return {Right(shape) - size.width, Bottom(shape) - size.height, size.width, size.height};
}

void ResizeModel::Start(const ui::Bounds& window, unsigned dpi) {
  shape = window;
  BaseWidth = window.width;
  BaseHeight = window.height;
  handleSize = HandleSize(dpi);
  handle = HandleAtCorner(shape, handleSize);
}

void ResizeModel::ShapeDown(int x, int y) {
  Moving = true;
  DragStartX = x;
  DragStartY = y;
}

bool ResizeModel::ShapeMove(int x, int y) {
  if (!Moving) return false;
  shape.top += y - DragStartY;
  shape.left += x - DragStartX;
  handle = HandleAtCorner(shape, handleSize);
  return true;
}

void ResizeModel::ShapeUp() { Moving = false; }

void ResizeModel::HandleDown() { Resizing = true; }

bool ResizeModel::HandleMove(int x, int y) {
  if (!Resizing) return false;
  shape.width = BaseWidth + x;
  shape.height = BaseHeight + y;
  return true;
}

void ResizeModel::HandleUp() {
  Resizing = false;
  handle = HandleAtCorner(shape, handleSize);
  BaseWidth = shape.width;
  BaseHeight = shape.height;
}

}  // namespace commands
