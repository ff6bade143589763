// The help page (F1).
#include "shell/help_page.h"

void ShowHelpPage() {}
