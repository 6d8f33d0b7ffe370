#include "engines/solver/solve_texts.h"

#include <algorithm>

#include "engines/solver/engine.h"

namespace quorvel {

namespace {

std::string guessCountText(long count) {
    return count == 1 ? std::string("1 Guess") : std::to_string(count) + " Levels of Guessing";
}

}  // namespace

std::string guessAttemptText(long count) {
    return "Current Attempt : " + guessCountText(count);
}

std::string guessReasonText(long count) {
    return "Reason : " + guessCountText(count);
}

std::string requiredText(std::string reason) {
    const std::string from = "Reason";
    for (auto at = reason.find(from); at != std::string::npos; at = reason.find(from, at))
        reason.replace(at, from.size(), "Required");
    return reason;
}

const char* incompleteText(SolveMode mode) {
    static const char* const kIncompleteMessages[] = {kTryBruteForceText, kTryNumberCrunchText,
                                                      kNoSolutionText};
    return kIncompleteMessages[static_cast<int>(mode)];
}

}  // namespace quorvel
