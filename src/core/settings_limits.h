#pragma once

namespace tallyworth {

// The bounds every check of the settings holds to, wherever the settings come from: the
// main window, a command line or a sheet code. A sheet code's layout is sized for them
// (sheet_code_packing.cpp asserts it), so widening one needs a new code version.
inline constexpr int kLeastNumber = 1;
inline constexpr int kMostNumber = 99;
inline constexpr int kLeastProblems = 1;
inline constexpr int kMostProblems = 100;
// A fixed number of the problem rules; 0 stands for none.
inline constexpr int kLeastFixed = 1;
inline constexpr int kMostFixed = 99;
inline constexpr int kLeastSheets = 1;
inline constexpr int kMostSheets = 500;

// The settings the main window starts with and a command line takes when it names none.
inline constexpr int kStartLowest = 1;
inline constexpr int kStartHighest = 9;
inline constexpr int kStartProblems = 10;
inline constexpr int kStartSheets = 1;

}  // namespace tallyworth
