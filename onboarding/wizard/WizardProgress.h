#pragma once
// Where the wizard's progress bar stands on each form screen: steps of 0.17 along the road. The last
// is above the bar's full mark on purpose; the bar shows full.
namespace fv::wizard_progress {

inline constexpr float kPhoneEmail = 0.17f;
inline constexpr float kOneTimeCode = 0.34f;
inline constexpr float kLinkAppAccount = 0.51f;
inline constexpr float kNameAddress = 0.68f;
inline constexpr float kDobSSN = 0.85f;
inline constexpr float kAccountCreation = 1.02f;

}  // namespace fv::wizard_progress
