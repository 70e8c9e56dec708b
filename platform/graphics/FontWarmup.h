#pragma once
// The first text a process measures pays for fontconfig's configuration and caches, the index of faces
// by name and the font map. An application calls this as early as it can; a worker thread does that
// work while the application builds its first screen, and text measured meanwhile waits for the worker
// instead of doing the work again.
namespace fv {

// Starts the worker once per process; later calls do nothing. The worker is joined at exit.
void warmFontsInBackground();

// Waits for the worker, if one was started (tests; the exit handler).
void waitForFontWarmup();

}  // namespace fv
