#pragma once
// The resource bundle of the library the controls are built into (their texts, word lists and
// images): the controls find it from their own code, without naming the library that registered it.
#include <memory>

#include "platform/foundation/Bundle.h"

namespace fv {

// None when the library holding the controls registered no bundle.
std::shared_ptr<NSBundle> controlsBundle();

}  // namespace fv
