// Interface files are ours, but a damaged or hand-edited one must not bring the host down: parsing,
// building the objects and laying them out must never crash, only report what it could not do.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/foundation/Log.h"
#include "platform/foundation/RunLoop.h"
#include "platform/ui/UINib.h"
#include "platform/ui/UIView.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Every problem is logged; keep the console quiet and the captured lines per run.
    fv::LogCapture quiet;
    fv::RunLoop::main().setVirtualClock(true);
    {
        auto nib = fv::UINib::nibWithXML(std::string(reinterpret_cast<const char*>(data), size), "Fuzz");
        if (nib) {
            for (const auto& object : nib->instantiateWithOwner(nullptr))
                if (auto view = std::dynamic_pointer_cast<fv::UIView>(object)) view->layoutIfNeeded();
        }
    }
    fv::RunLoop::main().reset();
    fv::UINib::clearLoadErrors();
    return 0;
}
