#pragma once
// A label with tappable links over ranges of its text. Links are drawn with the link attributes (the
// active ones while pressed, the inactive ones while the label is disabled); when a touch that began
// on a link ends on the same link, the delegate hears the link's URL.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/Range.h"
#include "platform/graphics/AttributedString.h"
#include "platform/ui/UILabel.h"

namespace fv {

class LinkLabel;

struct LinkLabelLink {
    std::string url;
    NSRange range;  // UTF-16 units of the label's text
    bool operator==(const LinkLabelLink&) const = default;
};

class LinkLabelDelegate {
  public:
    virtual ~LinkLabelDelegate() = default;
    // attributedLabel:didSelectLinkWithURL:
    virtual void attributedLabelDidSelectLinkWithURL(LinkLabel* label, const std::string& url) {
        (void)label, (void)url;
    }
};

class LinkLabel : public UILabel {
    FV_CLASS(LinkLabel, UILabel)
    static void registerMembers(ClassBuilder<LinkLabel>& b);
    static std::shared_ptr<LinkLabel> create(CGRect frame = CGRectZero);
    LinkLabel();
    explicit LinkLabel(CGRect frame);
    ~LinkLabel() override;

    // Each replaces the previous dictionary.
    void setLinkAttributes(const NSAttributes& attributes);
    void setActiveLinkAttributes(const NSAttributes& attributes);
    void setInactiveLinkAttributes(const NSAttributes& attributes);
    const NSAttributes& linkAttributes() const { return linkAttributes_; }
    const NSAttributes& activeLinkAttributes() const { return activeLinkAttributes_; }
    const NSAttributes& inactiveLinkAttributes() const { return inactiveLinkAttributes_; }

    // Adds a link over `range` of the current text and returns it; none (and no link) when the range
    // is empty or reaches past the text.
    std::optional<LinkLabelLink> addLinkToURL(const std::string& url, NSRange range);
    // Links that still fit the current text, in the order added.
    std::vector<LinkLabelLink> links() const;
    // The link under `point` (label coordinates) on the laid-out text, or none.
    std::optional<LinkLabelLink> linkAtPoint(CGPoint point) const;

    std::shared_ptr<LinkLabelDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<LinkLabelDelegate>& delegate) { delegate_ = delegate; }

    void drawRect(CGRect rect) override;
    void touchesBegan(const UITouchSet& touches, UIEvent* event) override;
    void touchesMoved(const UITouchSet& touches, UIEvent* event) override;
    void touchesEnded(const UITouchSet& touches, UIEvent* event) override;
    void touchesCancelled(const UITouchSet& touches, UIEvent* event) override;

  private:
    NSAttributedString baseText() const;
    NSAttributedString styledText() const;
    // Where the laid-out text starts vertically (the label centres it).
    CGFloat textTop(const NSAttributedString& text) const;

    NSAttributes linkAttributes_, activeLinkAttributes_, inactiveLinkAttributes_;
    std::vector<LinkLabelLink> links_;
    std::optional<LinkLabelLink> activeLink_;
    std::weak_ptr<LinkLabelDelegate> delegate_;
};

}  // namespace fv
