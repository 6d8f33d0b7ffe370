#include "application/grid/key_filter.h"

#include "application/grid/text_number.h"

namespace quorvel {

KeyVerdict keyAllowed(TextBox& box, const std::string& typed, const FieldSettings& settings,
                      std::string_view decimalSeparator) {
    box.clampSelection();
    if (typed == "\b") {
        box.backspace();
        return {};
    }
    const auto start = static_cast<std::size_t>(box.selStart);
    const std::string left = box.text.substr(0, start);
    const std::string right = box.text.substr(start + static_cast<std::size_t>(box.selLength));
    const std::string candidate = left + typed + right;
    const int caretAfter = box.selStart + static_cast<int>(typed.size());

    std::string_view refusal;
    if (settings.maxDigits != 0 && settings.type == kWholeNumberField) {
        if (!isWholeNumberText(candidate)) {
            refusal = typed == decimalSeparator ? kMsgOnlyInteger : kMsgNotNumeric;
        } else if (static_cast<int>(candidate.size()) > settings.maxDigits) {
            refusal = kMsgMaxDigits;
        }
    }
    if (!refusal.empty()) {
        box.text = left + right;
        box.placeCaret(static_cast<int>(start));
        return {false, refusal};
    }
    box.text = candidate;
    box.placeCaret(caretAfter);
    return {};
}

}  // namespace quorvel
