#pragma once
// The fontconfig configuration the platform's text drawing and font lookups use, and only they.
//
// fontconfig's own start parses the system's whole XML configuration (a few dozen files under
// /etc/fonts), which costs more than laying out a screen's text. The platform needs little of it: the
// system's font folders with their existing caches, and the rules that decide how glyphs are drawn
// (anti-aliasing, slight hinting, no bitmap faces, synthetic bold and oblique) and which installed
// families stand in for characters a face lacks. So it builds a small configuration of its own with
// those, and draws exactly as the system's configuration would with the fonts it installs.
//
// It is never fontconfig's current configuration, which belongs to the process embedding us: every
// fontconfig call of ours names this one, and the font map is given it. Fonts registered with UIFont
// join this configuration only.
//
// A process run with FONTCONFIG_FILE or FONTCONFIG_PATH set has chosen its configuration, and the
// platform loads a copy of that one; so does a system whose folders hold no font at all for the
// platform's configuration.
typedef struct _FcConfig FcConfig;

namespace fv {

class FontConfiguration {
  public:
    // Built once per process, on the first call from any thread; never released.
    static FcConfig* shared();
    // Whether shared() is the platform's own configuration rather than the system's.
    static bool isOwn();
};

}  // namespace fv
