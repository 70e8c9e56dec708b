#pragma once
// Fonts by PostScript name, resolved through fontconfig so that Pango draws the same face.
#include <memory>
#include <optional>
#include <string>

#include "platform/graphics/Geometry.h"

namespace fv {

class UIFont;
using UIFontPtr = std::shared_ptr<const UIFont>;

class UIFont {
  public:
    // None for a name no installed or registered face answers to. A face answers to its PostScript
    // name and to its file's base name. "SFProDisplay-<Weight>" and "SF-Pro-Display-<Weight>" stand
    // for Inter Display of that weight and report the "SFProDisplay-<Weight>" name.
    static UIFontPtr fontWithName(const std::string& name, CGFloat size);
    // The system face (Inter) in its regular and bold weights.
    static UIFontPtr systemFontOfSize(CGFloat size);
    static UIFontPtr boldSystemFontOfSize(CGFloat size);

    // Makes the faces of a font file available to fontWithName and to text drawing. Returns an error
    // description on failure; registering the same file again returns "already registered" and
    // leaves the face usable.
    static std::optional<std::string> registerFontFile(const std::string& path);

    const std::string& fontName() const { return fontName_; }
    const std::string& familyName() const { return familyName_; }
    CGFloat pointSize() const { return pointSize_; }
    UIFontPtr fontWithSize(CGFloat size) const;

    // Metrics in points: ascender above the baseline, descender below it (negative), their span.
    CGFloat ascender() const;
    CGFloat descender() const;
    CGFloat lineHeight() const;

    // Same face at the same size.
    bool operator==(const UIFont& o) const;

    // What text drawing needs to select the face.
    const std::string& drawingFamily() const { return drawingFamily_; }
    int weight() const { return weight_; }  // CSS/OpenType weight, 100..900
    bool italic() const { return italic_; }

    UIFont(std::string fontName, std::string familyName, std::string drawingFamily, int weight, bool italic,
           CGFloat size);

  private:
    std::string fontName_, familyName_, drawingFamily_;
    int weight_;
    bool italic_;
    CGFloat pointSize_;
};

// The named face, or the system face of the same size when no face has that name.
UIFontPtr namedOrSystemFont(const std::string& name, CGFloat size);

// Equality of two possibly-none fonts.
bool fontsEqual(const UIFontPtr& a, const UIFontPtr& b);

}  // namespace fv
