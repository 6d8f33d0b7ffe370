#pragma once
// Message line texts of the solve engine and the solve commands.

namespace quorvel {

inline constexpr const char* kDoneText = "D  o  n  e   !";
inline constexpr const char* kTryBruteForceText = "Solution Incomplete - Try Brute Force.";
inline constexpr const char* kTryNumberCrunchText = "Solution Incomplete - Try Number Crunch.";
inline constexpr const char* kNoSolutionText = "Sorry! Quorvel is not able to find a solution.";
inline constexpr const char* kInterruptedText = "Interrupted! Entries may be invalid";
inline constexpr const char* kNoneFoundText = "None found";

}  // namespace quorvel
