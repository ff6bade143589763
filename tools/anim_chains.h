// The animations that the cell ids make: an id other than 0 and 255 names the
// next frame, so the cells form cycles and chains that stop or run into a cycle.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct Animation {
  enum Kind { Cycle, Stops, JoinsCycle };
  Kind kind = Cycle;
  // Cycle: its cells from the lowest, in frame order. Stops: from a cell that
  // no other cell leads to, up to the still cell it ends on. JoinsCycle: from
  // such a cell up to the first cell of the cycle it runs into.
  std::vector<int> cells;
};

// The cell after this one, or -1 when its id (0 or 255) keeps it still.
inline int NextFrame(const std::uint8_t* ids, int cell) {
  int next = ids[cell];
  return next == 0 || next == 255 ? -1 : next;
}

// Every cycle, then every chain, each in order of its first cell.
std::vector<Animation> FindAnimations(const std::uint8_t* ids);

// The frames from the cell round its cycle, starting with the cell itself;
// empty when the chain from the cell does not come back to it.
std::vector<int> CycleFrom(const std::uint8_t* ids, int cell);

// "cycle 84 -> 85 -> 86 -> 84", "chain 81 -> 82 -> 83, stops",
// "chain 5 -> 84, runs into the cycle of 84".
std::string DescribeAnimation(const Animation& animation);
