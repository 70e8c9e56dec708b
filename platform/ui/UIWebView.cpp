#include "platform/ui/UIWebView.h"

namespace fv {

FV_REGISTER_CLASS(UIWebView);

void UIWebView::registerMembers(ClassBuilder<UIWebView>& b) {
    b.property("scalesPageToFit", &UIWebView::scalesPageToFit, &UIWebView::setScalesPageToFit);
}

UIWebView::~UIWebView() = default;

}  // namespace fv
