#pragma once
// Bitmap images over cairo image surfaces, in points (pixels / scale).
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/graphics/Geometry.h"

typedef struct _cairo_surface cairo_surface_t;

namespace fv {

class NSBundle;
class UIImage;
using UIImagePtr = std::shared_ptr<UIImage>;

enum class UIImageOrientation {
    Up,
    Down,
    Left,
    Right,
    UpMirrored,
    DownMirrored,
    LeftMirrored,
    RightMirrored
};
enum class UIImageRenderingMode { Automatic, AlwaysOriginal, AlwaysTemplate };

class UIImage {
  public:
    // The empty image: size zero, no pixels.
    UIImage();
    ~UIImage();
    UIImage(const UIImage&) = delete;
    UIImage& operator=(const UIImage&) = delete;

    // PNG or JPEG bytes; none when they are neither or are damaged.
    static UIImagePtr imageWithData(const std::vector<std::uint8_t>& bytes, CGFloat scale = 1);
    // The scale comes from an "@2x"/"@3x" suffix of the file name.
    static UIImagePtr imageWithContentsOfFile(const std::string& path);
    // From the main bundle, or the given one. `name` may carry ".png"; an "@2x"/"@3x" variant matching
    // the screen scale is preferred, then the others. None when absent. Results are cached.
    static UIImagePtr imageNamed(const std::string& name);
    static UIImagePtr imageNamed(const std::string& name, const std::shared_ptr<NSBundle>& bundle);
    // Takes its own reference on an ARGB32 or RGB24 image surface; none for any other surface.
    static UIImagePtr imageWithSurface(cairo_surface_t* surface, CGFloat scale = 1,
                                       UIImageOrientation orientation = UIImageOrientation::Up);

    // The screen scale imageNamed prefers (the window layer sets it; 2 by default).
    static CGFloat screenScale();
    static void setScreenScale(CGFloat scale);
    static void clearCache();

    CGSize size() const;  // points, as oriented
    CGFloat scale() const { return scale_; }
    UIImageOrientation imageOrientation() const { return orientation_; }
    int pixelWidth() const;
    int pixelHeight() const;
    bool isEmpty() const { return surface_ == nullptr; }
    bool hasAlpha() const;

    UIImageRenderingMode renderingMode() const { return renderingMode_; }
    UIImagePtr imageWithRenderingMode(UIImageRenderingMode mode) const;

    // Empty for the empty image. JPEG quality runs 0..1.
    std::vector<std::uint8_t> PNGRepresentation() const;
    std::vector<std::uint8_t> JPEGRepresentation(CGFloat quality) const;

    // Same pixels, size and scale; two empty images are equal.
    bool isEqual(const UIImage& other) const;

    // Draws into the current graphics context as it stands (CGContext::drawImage applies a tint).
    void drawAtPoint(CGPoint p) const;
    void drawInRect(CGRect r) const;

    // Null for the empty image. Owned by the image.
    cairo_surface_t* cairoSurface() const { return surface_; }

  private:
    cairo_surface_t* surface_ = nullptr;
    CGFloat scale_ = 1;
    UIImageOrientation orientation_ = UIImageOrientation::Up;
    UIImageRenderingMode renderingMode_ = UIImageRenderingMode::Automatic;
};

// Equality of two possibly-none images.
bool imagesEqual(const UIImagePtr& a, const UIImagePtr& b);

}  // namespace fv
