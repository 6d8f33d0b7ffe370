#include "model/solve_display.h"

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

}  // namespace quorvel
