// The current-context stack, bitmap image contexts and the UIKit calls that draw on the current context.
#include "platform/graphics/GraphicsContext.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <functional>

namespace fv {
namespace {

struct StackEntry {
    CGContextRef context;
    cairo_surface_t* bitmap = nullptr;  // owned; set for image contexts
    CGFloat scale = 1;
};

std::vector<StackEntry>& contextStack() {
    thread_local std::vector<StackEntry> stack;
    return stack;
}

}  // namespace

CGContextRef UIGraphicsGetCurrentContext() {
    auto& stack = contextStack();
    return stack.empty() ? nullptr : stack.back().context;
}

void UIGraphicsPushContext(const CGContextRef& context) {
    if (context) contextStack().push_back({context, nullptr, 1});
}

void UIGraphicsPopContext() {
    auto& stack = contextStack();
    // Image contexts are ended by UIGraphicsEndImageContext, which frees their bitmap.
    if (!stack.empty() && !stack.back().bitmap) stack.pop_back();
}

int bitmapPixels(CGFloat points, CGFloat scale) {
    return static_cast<int>(std::clamp(std::ceil(std::max<CGFloat>(0, points) * scale), 0.0, 32767.0));
}

namespace {

// A bitmap of ceil(size x scale) pixels and a context drawing into it in points.
std::pair<cairo_surface_t*, CGContextRef> newBitmapContext(CGSize size, bool opaque, CGFloat scale) {
    cairo_surface_t* bitmap =
        cairo_image_surface_create(opaque ? CAIRO_FORMAT_RGB24 : CAIRO_FORMAT_ARGB32,
                                   bitmapPixels(size.width, scale), bitmapPixels(size.height, scale));
    cairo_t* cr = cairo_create(bitmap);
    cairo_scale(cr, scale, scale);
    auto context = std::make_shared<CGContext>(cr);
    cairo_destroy(cr);
    return {bitmap, context};
}

}  // namespace

void UIGraphicsBeginImageContextWithOptions(CGSize size, bool opaque, CGFloat scale) {
    if (scale <= 0) scale = UIImage::screenScale();
    auto [bitmap, context] = newBitmapContext(size, opaque, scale);
    contextStack().push_back({context, bitmap, scale});
}

UIGraphicsImageRenderer::UIGraphicsImageRenderer(CGSize size, bool opaque, CGFloat scale)
    : size_(size), opaque_(opaque), scale_(scale <= 0 ? UIImage::screenScale() : scale) {}

UIImagePtr UIGraphicsImageRenderer::imageWithActions(
    const std::function<void(const CGContextRef&)>& actions) const {
    auto [bitmap, context] = newBitmapContext(size_, opaque_, scale_);
    // Undone however the actions end. Actions that left contexts of their own pushed keep them; only
    // this one goes.
    struct Current {
        const CGContext* context;
        cairo_surface_t* bitmap;
        void pop() {
            auto& stack = contextStack();
            for (auto it = stack.rbegin(); it != stack.rend(); ++it) {
                if (it->context.get() == context) {
                    stack.erase(std::next(it).base());
                    break;
                }
            }
            context = nullptr;
        }
        ~Current() {
            if (context) pop();
            cairo_surface_destroy(bitmap);
        }
    } current{context.get(), bitmap};
    contextStack().push_back({context, nullptr, scale_});
    if (actions) actions(context);
    current.pop();
    context.reset();
    cairo_surface_flush(bitmap);
    return UIImage::imageWithSurface(bitmap, scale_);
}

void UIGraphicsBeginImageContext(CGSize size) {
    UIGraphicsBeginImageContextWithOptions(size, false, 1);
}

UIImagePtr UIGraphicsGetImageFromCurrentImageContext() {
    auto& stack = contextStack();
    if (stack.empty() || !stack.back().bitmap) return nullptr;
    cairo_surface_t* src = stack.back().bitmap;
    cairo_surface_flush(src);
    const int w = cairo_image_surface_get_width(src), h = cairo_image_surface_get_height(src);
    cairo_surface_t* copy = cairo_image_surface_create(cairo_image_surface_get_format(src), w, h);
    cairo_t* cr = cairo_create(copy);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cr, src, 0, 0);
    cairo_paint(cr);
    cairo_destroy(cr);
    UIImagePtr image = UIImage::imageWithSurface(copy, stack.back().scale);
    cairo_surface_destroy(copy);
    return image;
}

void UIGraphicsEndImageContext() {
    auto& stack = contextStack();
    if (stack.empty() || !stack.back().bitmap) return;
    cairo_surface_t* bitmap = stack.back().bitmap;
    stack.pop_back();
    cairo_surface_destroy(bitmap);
}

void UIRectFillUsingBlendMode(CGRect rect, CGBlendMode mode) {
    CGContextRef context = UIGraphicsGetCurrentContext();
    if (!context) return;
    context->saveGState();
    context->setBlendMode(mode);
    context->fillRect(rect);
    context->restoreGState();
}

void UIRectFill(CGRect rect) {
    UIRectFillUsingBlendMode(rect, CGBlendMode::Copy);
}

void UIRectFrame(CGRect rect) {
    CGContextRef context = UIGraphicsGetCurrentContext();
    if (!context) return;
    context->saveGState();
    context->beginPath();
    context->addRect(rect);
    context->addRect(CGRectInset(rect, 1, 1));
    context->setBlendMode(CGBlendMode::Copy);
    context->fillPath(true);
    context->restoreGState();
}

void UIColor::set() const {
    setFill();
    setStroke();
}

void UIColor::setFill() const {
    if (CGContextRef c = UIGraphicsGetCurrentContext())
        c->setFillColor(std::make_shared<const UIColor>(*this));
}

void UIColor::setStroke() const {
    if (CGContextRef c = UIGraphicsGetCurrentContext())
        c->setStrokeColor(std::make_shared<const UIColor>(*this));
}

void UIImage::drawAtPoint(CGPoint p) const {
    drawInRect({p, size()});
}

void UIImage::drawInRect(CGRect r) const {
    if (CGContextRef c = UIGraphicsGetCurrentContext()) c->drawImage(*this, r);
}

}  // namespace fv
