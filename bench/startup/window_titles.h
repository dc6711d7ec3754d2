#pragma once

// The windows the benchmark tells apart by their titles.

#include <chrono>
#include <string_view>

namespace levora::bench {

inline constexpr std::string_view splashTitle = " Starting up ...";
inline constexpr std::string_view mainTitle = "Levora for N.Korea";
inline constexpr std::string_view inputProblemTitle = "Input Problem";
inline constexpr std::string_view bareTitle = "bare";

// The splash shows this long before its timer loads the main window.
inline constexpr std::chrono::milliseconds splashInterval{1000};

} // namespace levora::bench
