// The animations that the cell ids make: an id other than 0 and 255 names the
// next frame, so the cells form cycles and chains that stop or run into a cycle.
#include "tools/anim_chains.h"

std::vector<int> CycleFrom(const std::uint8_t* ids, int cell) {
  std::vector<int> frames{cell};
  for (int next = NextFrame(ids, cell); next != cell; next = NextFrame(ids, next)) {
    // A chain of more than 256 steps has entered a cycle without this cell.
    if (next < 0 || frames.size() == 256) return {};
    frames.push_back(next);
  }
  return frames;
}

std::vector<Animation> FindAnimations(const std::uint8_t* ids) {
  std::vector<Animation> animations;
  bool onCycle[256] = {};
  bool hasPrevious[256] = {};
  for (int cell = 0; cell < 256; ++cell) {
    int next = NextFrame(ids, cell);
    if (next >= 0) hasPrevious[next] = true;
  }
  for (int cell = 0; cell < 256; ++cell) {
    if (onCycle[cell]) continue;
    std::vector<int> frames = CycleFrom(ids, cell);
    if (frames.empty()) continue;
    for (int frame : frames) onCycle[frame] = true;
    animations.push_back({Animation::Cycle, frames});
  }
  for (int cell = 0; cell < 256; ++cell) {
    if (hasPrevious[cell] || onCycle[cell] || NextFrame(ids, cell) < 0) continue;
    Animation chain{Animation::Stops, {cell}};
    for (int next = NextFrame(ids, cell); next >= 0; next = NextFrame(ids, next)) {
      chain.cells.push_back(next);
      if (onCycle[next]) {
        chain.kind = Animation::JoinsCycle;
        break;
      }
    }
    animations.push_back(chain);
  }
  return animations;
}

std::string DescribeAnimation(const Animation& animation) {
  std::string text = animation.kind == Animation::Cycle ? "cycle " : "chain ";
  for (std::size_t i = 0; i < animation.cells.size(); ++i)
    text += (i == 0 ? "" : " -> ") + std::to_string(animation.cells[i]);
  switch (animation.kind) {
    case Animation::Cycle: text += " -> " + std::to_string(animation.cells.front()); break;
    case Animation::Stops: text += ", stops"; break;
    case Animation::JoinsCycle:
      text += ", runs into the cycle of " + std::to_string(animation.cells.back());
      break;
  }
  return text;
}
