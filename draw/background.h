// Drawing the area editor's background picture over the whole screen.
#pragma once

void DrawBackground();
