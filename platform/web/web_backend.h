// What the browser front end's files share: the picture on the page's
// canvas and the key and mouse events taken from the canvas.
#pragma once

namespace web {

// --- Display (web_display.cpp) ---------------------------------------------
// Binds the page's canvas to the picture buffer; call once before the program.
void StartDisplay();

// --- Input (web_input.cpp) -------------------------------------------------
// Takes the canvas's key and mouse events from now on (true), or leaves them
// to the browser again once the program has ended (false).
void Listen(bool on);

}  // namespace web
