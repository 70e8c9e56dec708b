#pragma once
// A drop-down list of texts, shown against an anchor view in a window of its own above the screen.
// A pick closes the list, then calls `selectionAction` with the row's index and text; a touch anywhere
// outside the list closes it without a pick and goes on to whatever lies beneath, save a touch on the
// anchor (or the field it marks), which only closes the list: reaching a field that opens its list, it
// would open it again. The rows' font is one process-wide setting
// (`DropList::appearance().setTextFont`), read each time a list is shown: the last setter wins.
//
// Placement: opening downwards, the list's top-left corner lies at the anchor's top-left corner plus
// `bottomOffset`; opening upwards, the list's bottom-left corner lies at the anchor's bottom-left
// corner plus `topOffset`, so offsets of (0, h) and (0, -h) for an anchor h high put the list right
// against it. With `Direction::any` it opens downwards when the rows fit below, else upwards when they
// fit above, else on the roomier side; rows that do not fit are not shown.
//
// Test driver: DropList::visibleList(), isVisible(), rows(), rowFrame(i), select(i), tapOutside().
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/NSObject.h"
#include "platform/graphics/UIFont.h"
#include "platform/ui/UIView.h"
#include "platform/ui/UIWindow.h"

namespace fv {

class DropList;
using DropListPtr = std::shared_ptr<DropList>;

class DropList : public NSObject {
    FV_CLASS(DropList, NSObject)
    static DropListPtr create() { return std::make_shared<DropList>(); }
    DropList();
    ~DropList() override;

    enum class Direction { any = 0, top = 1, bottom = 2 };

    class Appearance {
      public:
        UIFontPtr textFont() const;  // 15-point system font until set
        void setTextFont(UIFontPtr font);

      private:
        UIFontPtr textFont_;
    };
    // The one appearance of every list in the process (main thread only).
    static Appearance& appearance();

    // Held weakly: a list never keeps its anchor's screen alive.
    std::shared_ptr<UIView> anchorView() const { return anchor_.lock(); }
    void setAnchorView(const std::shared_ptr<UIView>& view) { anchor_ = view; }
    Direction direction = Direction::any;
    CGPoint topOffset = CGPointZero;
    CGPoint bottomOffset = CGPointZero;
    std::vector<std::string> dataSource;
    // Called after the list closed on a pick. Callers capture their owner weakly.
    std::function<void(long index, const std::string& title)> selectionAction;

    // Shows the list with the current data; false (and nothing shown) without an anchor on screen.
    // Showing a list that is up lays it out again.
    bool show();
    // Closes the list; harmless when it is not up.
    void hide();
    bool isVisible() const;

    // ---- test driver ----
    // The list shown last that is still up, or none.
    static DropListPtr visibleList();
    // The rows on screen, in order.
    std::vector<std::string> rows() const;
    // A row's frame in screen coordinates, while up and shown.
    std::optional<CGRect> rowFrame(long index) const;
    std::optional<CGRect> listFrame() const;
    // A tap on the row; false when it is not on screen.
    bool select(long index);
    // A tap on the screen beside the list, which also reaches what lies there; false when the list is
    // not up.
    bool tapOutside();
    // Closes the shown list and restores the default row font; the test host calls this between tests.
    static void reset();

    static constexpr CGFloat kRowHeight = 44;

  private:
    friend class DropListView;
    void picked(long index);

    std::weak_ptr<UIView> anchor_;
    std::weak_ptr<UIWindow> window_;
    std::shared_ptr<UIView> listView_;
};

}  // namespace fv
