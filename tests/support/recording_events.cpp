#include "support/recording_events.h"

#include "engines/solver/solve_texts.h"

namespace quorvel::testing {

namespace {

std::string trimmedText(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

void RecordingEvents::messageLine(const std::string& text, Colour colour, Alignment) {
    if (trimmedText(text) == trimmedText(messageText())) return;
    messageText_ = text;
    pendingGuessCount_ = 0;
    messageColour_ = colour;
}

void RecordingEvents::guessProgress(long count) {
    // The attempt text always differs from the one shown, since the count only grows.
    pendingGuessCount_ = count;
    messageColour_ = colour::kBlue;
}

void RecordingEvents::messageDialog(const std::string& title, const std::string& text) {
    dialogs_.push_back(title + "|" + text);
}

void RecordingEvents::setDrawingSuspended(bool suspended) {
    if (suspended || !session_.loadBusy) drawingFrozen_ = suspended;
}

std::string RecordingEvents::messageText() const {
    return pendingGuessCount_ > 0 ? guessAttemptText(pendingGuessCount_) : messageText_;
}

}  // namespace quorvel::testing
