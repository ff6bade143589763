// The area editor's cursor over one 32 x 32 cell position of the active
// window: the per-turn step that erases, captures and draws it, and its
// remembered position.
#pragma once

// The per-turn step: erase at the remembered position, capture and draw at
// the cursor. The keys keep the cursor inside the active window.
void RedrawCursor();
// Puts back what lay under the cursor at its remembered position.
void EraseCursor();
// Takes the pixels under the cursor; the editor window's are drawn from its
// cells when erasing, so only the selector's are taken from the screen.
void CaptureCursorBackground();
// The cursor's position becomes the one the next erase works at.
void RememberCursor();
// The cursor step of a turn: redraw, then remember.
void CursorStep();
// After a window redraw painted over the cursor: remember it and take its
// background afresh.
void RetakeCursorBackground();
// Around a redraw of the whole screen: keeps what lies under the cursor and
// its remembered position, then puts both back and draws the cursor where it
// showed, so that the next step finds them as they were.
void KeepCursor();
void ShowKeptCursor();
