#pragma once
// A tap on one utility button, carrying that button's position in its row.
#include <cstdint>

#include "platform/ui/UITapGestureRecognizer.h"

namespace fv {

class SwipeUtilityButtonTapGestureRecognizer : public UITapGestureRecognizer {
    FV_CLASS(SwipeUtilityButtonTapGestureRecognizer, UITapGestureRecognizer)
    std::uint64_t buttonIndex() const { return buttonIndex_; }
    void setButtonIndex(std::uint64_t index) { buttonIndex_ = index; }

  private:
    std::uint64_t buttonIndex_ = 0;
};

}  // namespace fv
