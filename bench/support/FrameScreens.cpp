#include "bench/support/FrameScreens.h"

#include <pango/pangocairo.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "core/SDKManager.h"
#include "platform/foundation/RunLoop.h"
#include "platform/graphics/UIFont.h"
#include "platform/ui/UILabel.h"
#include "platform/ui/UIViewController.h"
#include "platform/ui/UIViewRendering.h"

namespace fv::bench {

namespace {

constexpr int kRows = 12;
constexpr double kRowHeight = 52, kWidth = 375, kHeight = 667, kInset = 16;

std::string rowTitle(int i) {
    static const std::array<const char*, 6> titles = {"Available balance", "Card ending",   "Bank account",
                                                      "Routing ends in",   "Last transfer", "Daily limit"};
    return titles[static_cast<std::size_t>(i) % titles.size()];
}

std::string rowValue(int i) {
    return "$" + std::to_string(1200 + 37 * i) + "." + std::to_string(10 + i);
}

cairo_surface_t* newSurface(double scale) {
    return cairo_image_surface_create(CAIRO_FORMAT_ARGB32, static_cast<int>(std::ceil(kWidth * scale)),
                                      static_cast<int>(std::ceil(kHeight * scale)));
}

class Replay : public RawTwin {
  public:
    Replay(UIView& view, double scale) {
        recording_ = cairo_recording_surface_create(CAIRO_CONTENT_COLOR_ALPHA, nullptr);
        cairo_t* cr = cairo_create(recording_);
        cairo_scale(cr, scale, scale);
        {
            auto context = std::make_shared<CGContext>(cr);
            renderViewTree(view, context);
        }
        cairo_destroy(cr);
        const CGSize size = view.bounds().size;
        target_ =
            cairo_image_surface_create(CAIRO_FORMAT_ARGB32, static_cast<int>(std::ceil(size.width * scale)),
                                       static_cast<int>(std::ceil(size.height * scale)));
    }
    ~Replay() override {
        cairo_surface_destroy(recording_);
        cairo_surface_destroy(target_);
    }
    cairo_surface_t* frame() override {
        // SOURCE replays the recorded calls straight onto the surface, with no intermediate image.
        cairo_t* cr = cairo_create(target_);
        cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
        cairo_set_source_surface(cr, recording_, 0, 0);
        cairo_paint(cr);
        cairo_destroy(cr);
        cairo_surface_flush(target_);
        return target_;
    }

  private:
    cairo_surface_t* recording_ = nullptr;
    cairo_surface_t* target_ = nullptr;
};

class TextTwin : public RawTwin {
  public:
    explicit TextTwin(double scale) : scale_(scale) {
        surface_ = newSurface(scale);
        fontMap_ = pango_cairo_font_map_new();
        pango_cairo_font_map_set_resolution(PANGO_CAIRO_FONT_MAP(fontMap_), 72);
        context_ = pango_font_map_create_context(fontMap_);
        cairo_font_options_t* options = cairo_font_options_create();
        cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
        cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
        pango_cairo_context_set_font_options(context_, options);
        cairo_font_options_destroy(options);
        pango_context_set_round_glyph_positions(context_, FALSE);
        for (int i = 0; i < kRows; ++i) {
            titles_.push_back(layout(rowTitle(i), "Inter 17", PANGO_ALIGN_LEFT));
            values_.push_back(layout(rowValue(i), "Inter 15", PANGO_ALIGN_RIGHT));
        }
    }
    ~TextTwin() override {
        for (auto* l : titles_) g_object_unref(l);
        for (auto* l : values_) g_object_unref(l);
        g_object_unref(context_);
        g_object_unref(fontMap_);
        cairo_surface_destroy(surface_);
    }
    cairo_surface_t* frame() override {
        cairo_t* cr = cairo_create(surface_);
        cairo_scale(cr, scale_, scale_);
        cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
        cairo_set_source_rgb(cr, 1, 1, 1);
        cairo_paint(cr);
        cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
        for (int i = 0; i < kRows; ++i) {
            const double top = 20 + i * kRowHeight;
            cairo_set_source_rgb(cr, 0.85, 0.85, 0.87);
            cairo_rectangle(cr, kInset, top + kRowHeight - 1, kWidth - kInset, 1);
            cairo_fill(cr);
            show(cr, titles_[static_cast<std::size_t>(i)], kInset, top, 0.1);
            show(cr, values_[static_cast<std::size_t>(i)], kWidth / 2, top, 0.35);
        }
        cairo_destroy(cr);
        cairo_surface_flush(surface_);
        return surface_;
    }

  private:
    PangoLayout* layout(const std::string& text, const char* font, PangoAlignment alignment) {
        PangoLayout* l = pango_layout_new(context_);
        PangoFontDescription* desc = pango_font_description_from_string(font);
        pango_layout_set_font_description(l, desc);
        pango_font_description_free(desc);
        pango_layout_set_text(l, text.c_str(), -1);
        pango_layout_set_width(l, static_cast<int>((kWidth / 2 - kInset) * PANGO_SCALE));
        pango_layout_set_alignment(l, alignment);
        return l;
    }
    // Centred vertically in the row, like a label.
    static void show(cairo_t* cr, PangoLayout* l, double x, double top, double grey) {
        int w = 0, h = 0;
        pango_layout_get_size(l, &w, &h);
        cairo_save(cr);
        cairo_set_source_rgb(cr, grey, grey, grey);
        cairo_move_to(cr, x, top + (kRowHeight - static_cast<double>(h) / PANGO_SCALE) / 2);
        pango_cairo_show_layout(cr, l);
        cairo_restore(cr);
    }

    double scale_;
    cairo_surface_t* surface_ = nullptr;
    PangoFontMap* fontMap_ = nullptr;
    PangoContext* context_ = nullptr;
    std::vector<PangoLayout*> titles_, values_;
};

}  // namespace

bool openTransferScreen(HostApplication& app) {
    SDKManager::sharedInstance()->OpenMyCards(app.navigationController());
    for (int slice = 0; slice < 100; ++slice) {
        RunLoop::main().runUntilIdle();
        auto top = app.navigationController()->topViewController();
        if (top && top->className() == "CardToBankTransferViewController" &&
            top->appearance() == UIViewController::Appearance::Appeared)
            return true;
        RunLoop::main().advance(0.05);
    }
    return false;
}

UIWindowPtr makeTextScreen() {
    auto window = UIWindow::create(CGRectMake(0, 0, kWidth, kHeight));
    window->makeKeyAndVisible();
    window->setBackgroundColor(UIColor::whiteColor());
    for (int i = 0; i < kRows; ++i) {
        const double top = 20 + i * kRowHeight;
        auto title = UILabel::create(CGRectMake(kInset, top, kWidth / 2 - kInset, kRowHeight));
        title->setText(rowTitle(i));
        title->setFont(UIFont::systemFontOfSize(17));
        title->setTextColor(UIColor::colorWithRed(0.1, 0.1, 0.1, 1));
        auto value = UILabel::create(CGRectMake(kWidth / 2, top, kWidth / 2 - kInset, kRowHeight));
        value->setText(rowValue(i));
        value->setFont(UIFont::systemFontOfSize(15));
        value->setTextAlignment(NSTextAlignment::Right);
        value->setTextColor(UIColor::colorWithRed(0.35, 0.35, 0.35, 1));
        auto line = UIView::create(CGRectMake(kInset, top + kRowHeight - 1, kWidth - kInset, 1));
        line->setBackgroundColor(UIColor::colorWithRed(0.85, 0.85, 0.87, 1));
        for (auto& v : {UIViewPtr(title), UIViewPtr(value), line}) window->addSubview(v);
    }
    window->layoutIfNeeded();
    return window;
}

std::unique_ptr<RawTwin> replayTwin(UIView& view, double scale) {
    return std::make_unique<Replay>(view, scale);
}

std::unique_ptr<RawTwin> textScreenTwin(double scale) {
    return std::make_unique<TextTwin>(scale);
}

}  // namespace fv::bench
