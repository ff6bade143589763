// The help page (F1): the key summary in the 8 x 16 font until Esc.
#pragma once

void ShowHelpPage();
