#pragma once

// Decides one case from its three inputs as text, exactly as a press of "GO"
// decides the same inputs, and says why a case is rejected.

#include "levora/conversions.h"
#include "levora/report/result_row.h"

#include <string_view>

namespace levora::cli {

/// Scripts read and write numbers with "." and no grouping, whatever the
/// user's locale, so that a script gives the same answer everywhere.
inline constexpr NumberFormat ScriptFormat{".", ""};

/// What an elasticity or range text names.
struct Choice {
    enum class Kind { Missing, Unknown, Known };
    Kind kind = Kind::Missing;
    int position = 0; ///< the list position, when known
};

/// An elasticity is its list text ("-0.9" … "0.9"); blanks around it are not counted.
[[nodiscard]] Choice elasticityChoice(std::string_view text);

/// A range is its number 1..25 or its list text, blanks and letter case not
/// counted ("6000 to 6999", "Less than 1000").
[[nodiscard]] Choice rangeChoice(std::string_view text);

/// The result row of one case. The revenue is checked first, then the
/// elasticity, then the range, as the window checks them.
[[nodiscard]] report::ResultRow decide(std::string_view revenue, std::string_view elasticity,
                                       std::string_view range);

} // namespace levora::cli
