#include "SampleBaseScreen.h"

#include "platform/ui/UIApplication.h"
#include "platform/ui/UIScreen.h"
#include "platform/ui/UIViewRendering.h"

namespace fv {

FV_REGISTER_CLASS(SampleBaseScreen);
FV_REGISTER_CLASS(ScreenImageView);

void SampleBaseScreen::registerMembers(ClassBuilder<SampleBaseScreen>& b) {
    b.outlet("tf_name", &SampleBaseScreen::tf_name);
    b.outlet("view_field", &SampleBaseScreen::view_field);
    b.outlet("lbl_terms", &SampleBaseScreen::lbl_terms);
    b.outlet("btn_action", &SampleBaseScreen::btn_action);
    b.action("btnActionPressed:", &SampleBaseScreen::btnActionPressed);
}

std::shared_ptr<SampleBaseScreen> SampleBaseScreen::make() {
    auto screen = std::make_shared<SampleBaseScreen>();
    screen->initWithNibName("", std::make_shared<NSBundle>(std::string(FV_TEST_DIR) + "/nib_resources"));
    return screen;
}

ScreenImageView::ScreenImageView() : UIView(UIScreen::mainScreen()->bounds()) {}

void ScreenImageView::drawRect(CGRect) {
    auto context = UIGraphicsGetCurrentContext();
    if (!context) return;
    for (const auto& window : UIApplication::sharedApplication()->windows()) {
        window->layoutIfNeeded();
        renderViewTree(*window, context);
    }
}

}  // namespace fv
