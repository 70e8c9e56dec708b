#include "platform/ui/UIWebView.h"

#include <algorithm>

#include "platform/graphics/GraphicsContext.h"
#include "platform/graphics/TextLayout.h"

namespace fv {

namespace {

constexpr CGFloat kAddressBarHeight = 36;
constexpr CGFloat kAddressInset = 12;
// An address far longer than any bar can show is cut before layout, so a huge one never stalls drawing.
constexpr std::size_t kMaxDrawnAddressBytes = 1024;

std::string drawnAddress(const std::string& url) {
    if (url.size() <= kMaxDrawnAddressBytes) return url;
    std::size_t cut = kMaxDrawnAddressBytes;
    // Back off to the start of a character, so the cut never splits one.
    while (cut > 0 && (static_cast<unsigned char>(url[cut]) & 0xC0) == 0x80) --cut;
    return url.substr(0, cut);
}

}  // namespace

FV_REGISTER_CLASS(UIWebView);

void UIWebView::registerMembers(ClassBuilder<UIWebView>& b) {
    b.property("scalesPageToFit", &UIWebView::scalesPageToFit, &UIWebView::setScalesPageToFit);
    b.property("request", &UIWebView::request, &UIWebView::loadRequest);
}

UIWebViewPtr UIWebView::create(CGRect frame) {
    return std::make_shared<UIWebView>(frame);
}

UIWebView::UIWebView(CGRect frame) : UIView(frame) {
    setContentMode(UIViewContentModeRedraw);
}

UIWebView::~UIWebView() = default;

void UIWebView::loadRequest(const std::string& url) {
    requested_.push_back(url);
    request_ = url;
    setNeedsDisplay();
}

void UIWebView::drawRect(CGRect) {
    auto context = UIGraphicsGetCurrentContext();
    if (!context) return;
    const CGRect b = bounds();
    context->setFillColor(UIColor::whiteColor());
    context->fillRect(b);
    if (!request_ || request_->empty()) return;
    const CGRect bar{b.origin, {b.size.width, std::min(kAddressBarHeight, b.size.height)}};
    context->setFillColor(UIColor::colorWithWhite(0.93, 1));
    context->fillRect(bar);
    context->setFillColor(UIColor::colorWithWhite(0.8, 1));
    context->fillRect({{bar.origin.x, CGRectGetMaxY(bar) - 1}, {bar.size.width, 1}});
    TextStyle style;
    style.font = UIFont::systemFontOfSize(13);
    style.textColor = UIColor::colorWithWhite(0.25, 1);
    style.alignment = NSTextAlignment::Center;
    style.lineBreakMode = NSLineBreakMode::ByTruncatingMiddle;
    style.numberOfLines = 1;
    const std::string address = drawnAddress(*request_);
    const CGFloat width = std::max<CGFloat>(0, bar.size.width - 2 * kAddressInset);
    const CGFloat height =
        std::min(TextLayout::sizeOfText(address, style.font, width, 1).height, bar.size.height);
    TextLayout::drawText(
        *context, address, style,
        {{bar.origin.x + kAddressInset, bar.origin.y + (bar.size.height - height) / 2}, {width, height}});
}

}  // namespace fv
