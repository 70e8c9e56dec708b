#pragma once
// Names the framework and its host share.

namespace fv {

// The framework bundle: interface files, property lists, fonts and images.
inline constexpr const char* kFrameworkBundleIdentifier = "com.tarvex.Fernvault-SDK";

}  // namespace fv
