#pragma once

// The separators of the user's locale for the toolkit's number conversions.

#include "levora/conversions.h"

namespace levora::toolkit {

/// The number format of the system locale. The separators it refers to live
/// as long as the program.
[[nodiscard]] const NumberFormat& userNumberFormat();

} // namespace levora::toolkit
