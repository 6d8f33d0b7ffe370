#pragma once
// Message line texts of the solve engine and the solve commands.

#include <string>

#include "model/program_state.h"

namespace quorvel {

inline constexpr const char* kDoneText = "D  o  n  e   !";
inline constexpr const char* kTryBruteForceText = "Solution Incomplete - Try Brute Force.";
inline constexpr const char* kTryNumberCrunchText = "Solution Incomplete - Try Number Crunch.";
inline constexpr const char* kNoSolutionText = "Sorry! Quorvel is not able to find a solution.";
inline constexpr const char* kInterruptedText = "Interrupted! Entries may be invalid";
inline constexpr const char* kNoneFoundText = "None found";

// "Current Attempt : 1 Guess" / "Current Attempt : 12 Levels of Guessing".
std::string guessAttemptText(long count);
// "Reason : 1 Guess" / "Reason : 12 Levels of Guessing".
std::string guessReasonText(long count);
// The reason with "Reason" said as "Required": what Number Crunch shows after solving.
std::string requiredText(std::string reason);
// What a full run that ends incomplete says, by solve mode (Mild Attack, Brute Force, Number
// Crunch; other modes are taken as the nearest).
const char* incompleteText(SolveMode mode);

}  // namespace quorvel
