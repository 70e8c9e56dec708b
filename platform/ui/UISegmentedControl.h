#pragma once
// Segmented controls. Their subviews are exactly the segment views, left to right, laid out in equal
// widths. Inserting clamps the index; selectedSegmentIndex is -1 for none and out-of-range sets are
// ignored; programmatic changes send nothing. A user's tap on another segment selects it and sends
// value-changed; a momentary control sends it on every tap and keeps no selection.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/graphics/UIImage.h"
#include "platform/ui/UIControl.h"

namespace fv {

inline constexpr long UISegmentedControlNoSegment = -1;

// One segment's view: its title or image, and whether it shows as selected.
class UISegment : public UIView {
    FV_CLASS(UISegment, UIView)
    static void registerMembers(ClassBuilder<UISegment>& b);
    UISegment();
    ~UISegment() override;

    std::optional<std::string> title() const { return title_; }
    void setTitle(const std::optional<std::string>& title);
    UIImagePtr image() const { return image_; }
    void setImage(UIImagePtr image);
    bool isSelected() const { return selected_; }
    void setSelected(bool selected);
    bool isEnabled() const { return enabled_; }
    void setEnabled(bool enabled);

    void drawRect(CGRect rect) override;
    void tintColorDidChange() override { setNeedsDisplay(); }

  private:
    std::optional<std::string> title_;
    UIImagePtr image_;
    bool selected_ = false;
    bool enabled_ = true;
};
using UISegmentPtr = std::shared_ptr<UISegment>;

class UISegmentedControl;
using UISegmentedControlPtr = std::shared_ptr<UISegmentedControl>;

class UISegmentedControl : public UIControl {
    FV_CLASS(UISegmentedControl, UIControl)
    static void registerMembers(ClassBuilder<UISegmentedControl>& b);
    // initWithItems: one segment per title.
    static UISegmentedControlPtr create(const std::vector<std::string>& titles = {});
    UISegmentedControl();
    explicit UISegmentedControl(CGRect frame);
    ~UISegmentedControl() override;

    std::size_t numberOfSegments() const { return segments_.size(); }
    // The index is clamped to [0, numberOfSegments].
    void insertSegmentWithTitle(const std::string& title, std::size_t index, bool animated = false);
    void insertSegmentWithImage(const UIImagePtr& image, std::size_t index, bool animated = false);
    // Out-of-range indexes do nothing. Removing the selected segment leaves none selected.
    void removeSegmentAtIndex(std::size_t index, bool animated = false);
    void removeAllSegments();

    std::optional<std::string> titleForSegmentAtIndex(std::size_t index) const;
    void setTitle(const std::optional<std::string>& title, std::size_t index);
    UIImagePtr imageForSegmentAtIndex(std::size_t index) const;
    void setImage(const UIImagePtr& image, std::size_t index);
    void setEnabled(bool enabled, std::size_t index);
    bool isEnabledForSegmentAtIndex(std::size_t index) const;
    using UIControl::setEnabled;
    // Every segment's title, "" for segments without one; setting replaces all segments.
    std::vector<std::string> segmentTitles() const;
    void setSegmentTitles(const std::vector<std::string>& titles);

    long selectedSegmentIndex() const { return selectedIndex_; }
    void setSelectedSegmentIndex(long index);
    bool isMomentary() const { return momentary_; }
    virtual void setMomentary(bool momentary) { momentary_ = momentary; }

    const std::vector<UISegmentPtr>& segmentViews() const { return segments_; }
    // The segment under `x` in the control's coordinates, or -1.
    long segmentIndexAtX(CGFloat x) const;

    unsigned defaultControlEvents() const override { return UIControlEventValueChanged; }
    void endTrackingWithTouch(UITouch* touch, UIEvent* event) override;
    void layoutSubviews() override;
    void setFrame(CGRect frame) override;
    void setBounds(CGRect bounds) override;
    CGSize sizeThatFits(CGSize size) const override;
    void drawRect(CGRect rect) override;
    void tintColorDidChange() override { setNeedsDisplay(); }

  protected:
    void stateDidChange() override;

  private:
    void insertSegment(const UISegmentPtr& segment, std::size_t index);
    void layoutSegments();
    void showSelection();

    std::vector<UISegmentPtr> segments_;
    long selectedIndex_ = UISegmentedControlNoSegment;
    // An index set by name before the segments exist (interface files set attributes before their
    // <segment> children); applied by the next setSegmentTitles.
    std::optional<long> pendingIndex_;
    bool momentary_ = false;
};

}  // namespace fv
