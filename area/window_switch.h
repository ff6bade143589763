// TAB in the area editor: the other window becomes active, each window
// keeping its own cursor position.
#pragma once

void SwitchAreaEditorWindow();
