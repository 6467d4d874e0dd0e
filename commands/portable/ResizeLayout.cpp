#include "commands/portable/ResizeLayout.h"

namespace commands {

namespace {
constexpr ui::Bounds kLabel = resize_layout::Local("Label1");
constexpr ui::Bounds kCancel = resize_layout::Local("Button1");
constexpr ui::Bounds kApply = resize_layout::Local("Button2");
constexpr ui::Bounds kHandle = resize_layout::Local("Panel3");
constexpr int kButtonGap = 10;
}  // namespace

ModelContents LayOutContents(const ui::Bounds& shape) {
  // Integer division truncates toward zero, also for a model dragged to a negative width.
  const int cancelLeft = shape.width / 2 - kCancel.width;
  const int applyLeft = cancelLeft + kCancel.width + kButtonGap;
  return ModelContents{
      {shape.left, shape.top + kLabel.top, shape.width, kLabel.height},
      {shape.left + cancelLeft, shape.top + kCancel.top, kCancel.width, kCancel.height},
      {shape.left + applyLeft, shape.top + kApply.top, kApply.width, kApply.height},
  };
}

ui::Bounds HandleAtCorner(const ui::Bounds& shape) {
  return {shape.left + shape.width - kHandle.width, shape.top + shape.height - kHandle.height, kHandle.width,
          kHandle.height};
}

void ResizeModel::Start(const ui::Bounds& window) {
  shape = window;
  BaseWidth = window.width;
  BaseHeight = window.height;
  handle = HandleAtCorner(shape);
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
  handle = HandleAtCorner(shape);
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
  handle = HandleAtCorner(shape);
  BaseWidth = shape.width;
  BaseHeight = shape.height;
}

}  // namespace commands
