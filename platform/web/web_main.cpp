// The browser front end's start: the storage folder as the working folder,
// the picture on the canvas, the canvas's keys, then the program. The page
// (page.js) answers the open dialog from its address: ?open=NAME or ?new.
#include <emscripten/emscripten.h>

#include "platform/emulated/emulated.h"
#include "platform/platform.h"
#include "platform/web/web_backend.h"

// Mounts the browser's storage as the working folder, fills it with the demo
// set on the first visit and comes back when both are done.
EM_ASYNC_JS(void, WebPrepareStorage, (), { await Module.tesselle.prepareStorage(); });

int main() {
  WebPrepareStorage();
  emu::InitDisplayEmulation(640);
  web::StartDisplay();
  web::Listen(true);
  ProgramEntry();
}
