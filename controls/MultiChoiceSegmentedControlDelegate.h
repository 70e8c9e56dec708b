#pragma once
// What a multi-select segmented control tells its owner on each tap that changes the selection.
#include <cstdint>

namespace fv {

class MultiChoiceSegmentedControl;

class MultiChoiceSegmentedControlDelegate {
  public:
    virtual ~MultiChoiceSegmentedControlDelegate() = default;
    // `value` is true when the segment at `index` became selected, false when it was deselected.
    virtual void multiChoiceDidChangeValue(MultiChoiceSegmentedControl* control, bool value,
                                           std::uint64_t index) = 0;
};

}  // namespace fv
