#pragma once
// Typed access to the settings the framework keeps in the standard user-defaults store.

namespace fv {

// Set only by the host: card details are shown in full when true.
inline constexpr const char* kCardDetailActiveDefaultsKey = "is_card_detail_active";
// The archived card-control settings, seeded on every entry into the framework.
inline constexpr const char* kCardControlDataDefaultsKey = "CARD_CONTROL_DATA";

class AppSettings {
  public:
    // Read anew on every call; false when nothing is stored.
    static bool isCardDetailActive();
};

}  // namespace fv
