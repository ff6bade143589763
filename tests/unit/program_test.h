// The unit tests' fixture: a fresh scratch folder holding the test bank, the
// program and the platform double reset, and keys given to the area editor
// inside the running program as its main loop gives them.
#pragma once

#include <gtest/gtest.h>

#include <functional>

#include "area/editor_keys.h"
#include "area/editor_state.h"
#include "tests/platform_double.h"

class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dbl::EnterTempDir();
    dbl::WriteTestBank();
    dbl::Reset();
  }

  // Runs body inside the program, started on a new set (no open answer).
  static void Inside(const std::function<void()>& body) {
    dbl::Do(body);
    dbl::RunProgram();
  }

  static void Press(OsWParam key, bool shift = false) {
    emu::SetHeldModifiers(shift, false);
    AreaEditorState.previousX = AreaEditorState.cursorX;
    AreaEditorState.previousY = AreaEditorState.cursorY;
    HandleAreaEditorKey(key);
    emu::SetHeldModifiers(false, false);
  }

  static void At(int x, int y) {
    AreaEditorState.cursorX = x;
    AreaEditorState.cursorY = y;
  }
};
