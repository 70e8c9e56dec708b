#pragma once
// Screens the frame benchmarks draw, each beside a raw twin: the same picture drawn by plain cairo and
// Pango with nothing of the framework in the way.
#include <cairo.h>

#include <memory>

#include "examples/host/HostApplication.h"
#include "platform/ui/UIWindow.h"

namespace fv::bench {

// The example host with the card-to-bank transfer screen on top, its run loop on a virtual clock.
// False when the screen did not appear.
bool openTransferScreen(HostApplication& app);

// A window of twelve rows, each a title and a value label over a hairline.
UIWindowPtr makeTextScreen();

// Draws one frame into a surface it keeps; `frame` returns it for a look.
class RawTwin {
  public:
    virtual ~RawTwin() = default;
    virtual cairo_surface_t* frame() = 0;
};

// Replays every cairo call the framework made for one frame of `view`, into a reused surface: what a
// frame costs when only the drawing is left.
std::unique_ptr<RawTwin> replayTwin(UIView& view, double scale);
// The text screen written directly against cairo and Pango, laid out once and drawn every frame.
std::unique_ptr<RawTwin> textScreenTwin(double scale);

}  // namespace fv::bench
