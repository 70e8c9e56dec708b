#pragma once
// A segmented control in which any number of segments can be selected at once. Each tap toggles the
// tapped segment, except that the last selected segment stays selected. The selection lives in
// `selectedIndexes`; the platform's single selected index stays at none.
#include <memory>
#include <string>
#include <vector>

#include "controls/MultiChoiceSegmentedControlDelegate.h"
#include "platform/foundation/NSIndexSet.h"
#include "platform/ui/UISegmentedControl.h"

namespace fv {

class MultiChoiceSegmentedControl;
using MultiChoiceSegmentedControlPtr = std::shared_ptr<MultiChoiceSegmentedControl>;

class MultiChoiceSegmentedControl : public UISegmentedControl {
    FV_CLASS(MultiChoiceSegmentedControl, UISegmentedControl)
    static void registerMembers(ClassBuilder<MultiChoiceSegmentedControl>& b);
    static MultiChoiceSegmentedControlPtr create(CGRect frame = CGRectZero);
    MultiChoiceSegmentedControl();
    explicit MultiChoiceSegmentedControl(CGRect frame);

    std::shared_ptr<MultiChoiceSegmentedControlDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<MultiChoiceSegmentedControlDelegate>& d) { delegate_ = d; }

    const NSMutableIndexSet& selectedIndexes() const { return selectedIndexes_; }
    const NSIndexSet& selectedSegmentIndexes() const { return selectedIndexes_; }
    // Indexes at or beyond the number of segments are dropped. The delegate is not told.
    void setSelectedSegmentIndexes(const NSIndexSet& indexes);
    void selectAllSegments(bool select);
    // Titles of the selected segments in ascending index order; untitled segments are skipped.
    std::vector<std::string> selectedSegmentTitles() const;
    // The lowest selected index, or -1 when none is.
    long selectedSegmentIndex() const;
    // The selection becomes this one index; a negative index selects none.
    void setSelectedSegmentIndex(long index);
    // Ignored, from code and from interface files alike: a momentary control would keep no selection.
    void setMomentary(bool) override {}

    // The selected indexes at or above an insertion move up by one.
    void insertSegmentWithTitle(const std::string& title, std::size_t index, bool animated = false);
    void insertSegmentWithImage(const UIImagePtr& image, std::size_t index, bool animated = false);
    // The index is clamped to the last segment. Selected indexes below it stay, those above it move
    // down by one, and the removed one is dropped.
    void removeSegmentAtIndex(std::size_t index, bool animated = false);
    void removeAllSegments();

    // The segment views ordered by their x position.
    const std::vector<UISegmentPtr>& sortedSegments() const { return sortedSegments_; }

    void awakeFromNib() override;
    void drawRect(CGRect rect) override;
    void layoutSubviews() override;
    void setFrame(CGRect frame) override;
    void setBounds(CGRect bounds) override;

  private:
    void onInit();
    void listenToOwnTaps();
    void valueChanged(UISegmentedControl* sender);
    void onInsertSegmentAtIndex(std::size_t index);
    void initSortedSegmentsArray();
    void selectSegmentsOfSelectedIndexes();

    std::weak_ptr<MultiChoiceSegmentedControlDelegate> delegate_;
    NSMutableIndexSet selectedIndexes_;
    std::vector<UISegmentPtr> sortedSegments_;
    bool hasBeenDrawn_ = false;
};

}  // namespace fv
