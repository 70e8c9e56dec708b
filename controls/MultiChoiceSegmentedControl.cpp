#include "controls/MultiChoiceSegmentedControl.h"

#include <algorithm>

#include "platform/foundation/RunLoop.h"

namespace fv {
namespace {

// Long enough for an animated removal to have settled before the segments are sorted again.
constexpr double kRemovalSettleSeconds = 0.45;

}  // namespace

FV_REGISTER_CLASS(MultiChoiceSegmentedControl);

void MultiChoiceSegmentedControl::registerMembers(ClassBuilder<MultiChoiceSegmentedControl>& b) {
    b.action("valueChanged:", &MultiChoiceSegmentedControl::valueChanged);
}

MultiChoiceSegmentedControlPtr MultiChoiceSegmentedControl::create(CGRect frame) {
    auto control = std::make_shared<MultiChoiceSegmentedControl>(frame);
    control->listenToOwnTaps();
    return control;
}

MultiChoiceSegmentedControl::MultiChoiceSegmentedControl() : MultiChoiceSegmentedControl(CGRectZero) {}

MultiChoiceSegmentedControl::MultiChoiceSegmentedControl(CGRect frame) : UISegmentedControl(frame) {
    onInit();
}

void MultiChoiceSegmentedControl::onInit() {
    hasBeenDrawn_ = false;
    selectedIndexes_.removeAllIndexes();
}

// Target-action holds its target by shared reference, which only exists once construction is over;
// adding the same registration again changes nothing, so every entry point may ask.
void MultiChoiceSegmentedControl::listenToOwnTaps() {
    if (auto self = sharedAs<MultiChoiceSegmentedControl>())
        addTarget(self, "valueChanged:", UIControlEventValueChanged);
}

void MultiChoiceSegmentedControl::awakeFromNib() {
    super::awakeFromNib();
    listenToOwnTaps();
}

void MultiChoiceSegmentedControl::setSelectedSegmentIndexes(const NSIndexSet& indexes) {
    selectedIndexes_ = NSMutableIndexSet(indexes);
    selectedIndexes_.removeIndexesInRange(NSMakeRange(numberOfSegments(), NSNotFound - numberOfSegments()));
    selectSegmentsOfSelectedIndexes();
}

void MultiChoiceSegmentedControl::selectAllSegments(bool select) {
    setSelectedSegmentIndexes(
        select ? NSIndexSet::indexSetWithIndexesInRange(NSMakeRange(0, numberOfSegments())) : NSIndexSet());
}

std::vector<std::string> MultiChoiceSegmentedControl::selectedSegmentTitles() const {
    std::vector<std::string> titles;
    for (std::size_t i : selectedIndexes_) {
        if (auto title = titleForSegmentAtIndex(i)) titles.push_back(*title);
    }
    return titles;
}

long MultiChoiceSegmentedControl::selectedSegmentIndex() const {
    return selectedIndexes_.count() == 0 ? UISegmentedControlNoSegment
                                         : static_cast<long>(selectedIndexes_.firstIndex());
}

void MultiChoiceSegmentedControl::setSelectedSegmentIndex(long index) {
    setSelectedSegmentIndexes(index < 0 ? NSIndexSet() : NSIndexSet(static_cast<std::size_t>(index)));
}

void MultiChoiceSegmentedControl::insertSegmentWithTitle(const std::string& title, std::size_t index,
                                                         bool animated) {
    super::insertSegmentWithTitle(title, index, animated);
    onInsertSegmentAtIndex(index);
}

void MultiChoiceSegmentedControl::insertSegmentWithImage(const UIImagePtr& image, std::size_t index,
                                                         bool animated) {
    super::insertSegmentWithImage(image, index, animated);
    onInsertSegmentAtIndex(index);
}

void MultiChoiceSegmentedControl::onInsertSegmentAtIndex(std::size_t index) {
    listenToOwnTaps();
    selectedIndexes_.shiftIndexesStartingAtIndex(index, 1);
    initSortedSegmentsArray();
    selectSegmentsOfSelectedIndexes();
}

void MultiChoiceSegmentedControl::removeSegmentAtIndex(std::size_t index, bool animated) {
    const std::size_t count = numberOfSegments();
    if (count == 0) return;
    index = std::min(index, count - 1);
    NSMutableIndexSet remaining = selectedIndexes_;
    remaining.removeIndex(index);
    remaining.shiftIndexesStartingAtIndex(index + 1, -1);
    super::setSelectedSegmentIndex(static_cast<long>(index));
    super::removeSegmentAtIndex(index, animated);
    selectedIndexes_ = remaining;
    // Sorted at once so that nothing shows a removed view; again once an animation has settled.
    initSortedSegmentsArray();
    selectSegmentsOfSelectedIndexes();
    if (!animated) return;
    std::weak_ptr<MultiChoiceSegmentedControl> weak = sharedAs<MultiChoiceSegmentedControl>();
    RunLoop::main().postAfter(kRemovalSettleSeconds, [weak] {
        if (auto self = weak.lock()) {
            self->initSortedSegmentsArray();
            self->selectSegmentsOfSelectedIndexes();
        }
    });
}

void MultiChoiceSegmentedControl::removeAllSegments() {
    if (numberOfSegments() == 0) return;
    super::removeAllSegments();
    selectedIndexes_.removeAllIndexes();
    sortedSegments_.clear();
}

void MultiChoiceSegmentedControl::valueChanged(UISegmentedControl*) {
    const long tapped = super::selectedSegmentIndex();
    if (tapped >= 0) {
        const auto i = static_cast<std::size_t>(tapped);
        const auto d = delegate();
        if (!selectedIndexes_.containsIndex(i)) {
            selectedIndexes_.addIndex(i);
            if (d) d->multiChoiceDidChangeValue(this, true, i);
        } else if (selectedIndexes_.count() >= 2) {
            selectedIndexes_.removeIndex(i);
            if (d) d->multiChoiceDidChangeValue(this, false, i);
        }
    }
    selectSegmentsOfSelectedIndexes();
}

void MultiChoiceSegmentedControl::initSortedSegmentsArray() {
    sortedSegments_.clear();
    for (const auto& view : subviews()) {
        if (auto segment = std::dynamic_pointer_cast<UISegment>(view)) sortedSegments_.push_back(segment);
    }
    std::stable_sort(sortedSegments_.begin(), sortedSegments_.end(),
                     [](const UISegmentPtr& a, const UISegmentPtr& b) {
                         return a->frame().origin.x < b->frame().origin.x;
                     });
}

void MultiChoiceSegmentedControl::selectSegmentsOfSelectedIndexes() {
    super::setSelectedSegmentIndex(UISegmentedControlNoSegment);
    const std::size_t shown = std::min(numberOfSegments(), sortedSegments_.size());
    for (std::size_t k = 0; k < shown; ++k)
        sortedSegments_[k]->setSelected(selectedIndexes_.containsIndex(k));
}

void MultiChoiceSegmentedControl::drawRect(CGRect rect) {
    if (!hasBeenDrawn_) {
        hasBeenDrawn_ = true;
        listenToOwnTaps();
        initSortedSegmentsArray();
        selectSegmentsOfSelectedIndexes();
    }
    super::drawRect(rect);
}

// The platform's layout marks only its single selected segment; the multiple selection is shown again.
void MultiChoiceSegmentedControl::layoutSubviews() {
    super::layoutSubviews();
    selectSegmentsOfSelectedIndexes();
}

void MultiChoiceSegmentedControl::setFrame(CGRect frame) {
    super::setFrame(frame);
    selectSegmentsOfSelectedIndexes();
}

void MultiChoiceSegmentedControl::setBounds(CGRect bounds) {
    super::setBounds(bounds);
    selectSegmentsOfSelectedIndexes();
}

}  // namespace fv
