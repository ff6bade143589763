// The animation preview (F4): the stored current area, unscaled, animated
// through the cell-id table until Esc.
#pragma once

#include <cstdint>

// Loop turns since the last animation step; runs on from one preview to the
// next.
extern std::uint32_t AnimationTick;

constexpr std::uint32_t AnimationPeriod = 6;  // turns (vertical blanks) per step

void RunAnimationPreview();
// Copies the stored slots, the cell bitmaps and the cell-id table into the
// PreviewSnapshot.
void TakeSnapshot();
// Draws the current area's slot of the snapshot, every cell.
void DrawPreviewArea();
// Draws one cell bitmap of the snapshot at a preview position (0..159); the
// frame must be locked.
void DrawPreviewCell(std::uint32_t cell, std::uint32_t position);
// Runs until Esc; WM_QUIT and a cleared running flag end the program here.
void PreviewLoop();
// One turn's tick; every AnimationPeriod-th turn moves each animated cell one
// link along its chain and draws it.
void AdvanceAnimation();
