#pragma once

// The windows the benchmark tells apart by their titles.

#include <chrono>
#include <string_view>

namespace levora::bench {

inline constexpr std::string_view splashTitle = " Starting up ...";
inline constexpr std::string_view mainTitle = "Levora for N.Korea";
inline constexpr std::string_view inputProblemTitle = "Input Problem";
inline constexpr std::string_view aboutTitle = "About Levora";
// The help window is one window; its title tells which page it shows.
inline constexpr std::string_view helpTopicsTitle = "Help - Topics";
inline constexpr std::string_view helpNoticeTitle = "Help - Notice the data and results";
inline constexpr std::string_view helpHowToTitle = "Help - How to get the input and output";
inline constexpr std::string_view helpGlossaryTitle = "Help - The Glossary";
inline constexpr std::string_view bareTitle = "bare";

// The splash shows this long before its timer loads the main window.
inline constexpr std::chrono::milliseconds splashInterval{1000};

} // namespace levora::bench
