// Where a pointer message points: its picture pixel, the wheel's turn, and
// the position of a window that the pixel falls on.
#pragma once

#include <cstdint>

#include "draw/view_window.h"
#include "platform/platform.h"

struct WindowPosition {
  std::uint32_t column, row;
};

inline int PointerX(OsLParam lParam) { return static_cast<int>(lParam & 0xFFFF); }
inline int PointerY(OsLParam lParam) { return static_cast<int>((lParam >> 16) & 0xFFFF); }
// The wheel's signed delta, WHEEL_DELTA a notch away from the user.
inline int WheelDelta(OsWParam wParam) {
  return static_cast<std::int16_t>(static_cast<std::uint16_t>((wParam >> 16) & 0xFFFF));
}

// True when screen pixel (x, y) lies on a position of the window, whose
// positions are `width` x `height` pixels; `at` is then that position.
inline bool PositionAt(const ViewWindow& window, int width, int height, int x, int y,
                       WindowPosition& at) {
  if (x < static_cast<int>(window.originX) || y < static_cast<int>(window.originY)) return false;
  auto column = static_cast<std::uint32_t>((x - static_cast<int>(window.originX)) / width);
  auto row = static_cast<std::uint32_t>((y - static_cast<int>(window.originY)) / height);
  if (column >= window.width || row >= window.height) return false;
  at = {column, row};
  return true;
}

// Whole notches of the wheel's turn; what falls short of one is kept in
// `rest` for the next turn.
inline int WheelNotches(OsWParam wParam, int& rest) {
  rest += WheelDelta(wParam);
  int notches = rest / WHEEL_DELTA;
  rest -= notches * WHEEL_DELTA;
  return notches;
}

// Visits the positions of a straight line from `from` to `to`, `from` left
// out: the positions a quick drag passes between two messages.
template <typename Visit>
void WalkLine(WindowPosition from, WindowPosition to, Visit visit) {
  int x = static_cast<int>(from.column), y = static_cast<int>(from.row);
  const int toX = static_cast<int>(to.column), toY = static_cast<int>(to.row);
  const int dx = toX > x ? toX - x : x - toX, dy = toY > y ? y - toY : toY - y;
  const int stepX = toX > x ? 1 : -1, stepY = toY > y ? 1 : -1;
  int error = dx + dy;
  while (x != toX || y != toY) {
    int twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      x += stepX;
    }
    if (twice <= dx) {
      error += dx;
      y += stepY;
    }
    visit(WindowPosition{static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y)});
  }
}

// Where a painting drag stands: whether the pointer is over the window it
// paints, and the position it painted last.
struct PaintTrail {
  bool inside;
  WindowPosition last;
};

// Paints at `at`, which becomes the trail's last position.
template <typename Paint>
void PaintOn(PaintTrail& trail, WindowPosition at, Paint paint) {
  paint(at);
  trail = {true, at};
}

// One step of a painting drag to `at`: the position alone when the drag
// comes back into the window, else every position passed since the last.
template <typename Paint>
void PaintDragTo(PaintTrail& trail, WindowPosition at, Paint paint) {
  if (!trail.inside) {
    PaintOn(trail, at, paint);
    return;
  }
  if (at.column == trail.last.column && at.row == trail.last.row) return;
  WalkLine(trail.last, at, [&](WindowPosition on) { PaintOn(trail, on, paint); });
}

// Where a movement takes a drag: nowhere when the left button is no longer
// held (its release went elsewhere: the drag ends) or when `hit` finds the
// pointer off the window (the trail leaves it); else `at`, the position it
// points at.
inline bool DragMovesTo(const OsMessage& message, void (*endDrag)(),
                        bool (*hit)(const OsMessage&, WindowPosition&), PaintTrail& trail,
                        WindowPosition& at) {
  if ((message.wParam & MK_LBUTTON) == 0) {
    endDrag();
    return false;
  }
  if (!hit(message, at)) {
    trail.inside = false;
    return false;
  }
  return true;
}

// What an editor does with each pointer message; the same messages mean the
// same steps in every editor: a left press first ends any drag, a left
// release ends it.
struct PointerActions {
  void (*pressLeft)(const OsMessage&);
  void (*pressRight)(const OsMessage&);
  void (*move)(const OsMessage&);
  void (*wheel)(const OsMessage&);
  void (*endDrag)();
};

inline void DispatchPointer(const PointerActions& actions, const OsMessage& message) {
  switch (message.message) {
    case WM_LBUTTONDOWN:
      actions.endDrag();
      actions.pressLeft(message);
      break;
    case WM_RBUTTONDOWN: actions.pressRight(message); break;
    case WM_MOUSEMOVE: actions.move(message); break;
    case WM_LBUTTONUP: actions.endDrag(); break;
    case WM_MOUSEWHEEL: actions.wheel(message); break;
    default: break;
  }
}

// A key other than a modifier ends a drag.
inline bool EndsDrag(OsWParam key) {
  return key != VK_SHIFT && key != VK_CONTROL && key != VK_MENU;
}
