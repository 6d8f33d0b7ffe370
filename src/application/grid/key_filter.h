#pragma once
// The keystroke filter of the cells: decides whether a typed character may enter the text and
// applies it, refusing with one of three messages for the message line.

#include <string>
#include <string_view>

#include "application/grid/text_box.h"

namespace quorvel {

inline constexpr std::string_view kMsgOnlyInteger = "Only Integer values allowed";
inline constexpr std::string_view kMsgNotNumeric =
    "Invalid data type -  Only numeric data allowed.";
inline constexpr std::string_view kMsgMaxDigits = "Maximum number of digits for field reached.";

// The process-wide field settings the filter reads (maximum digits and field type); a grid
// window writes them when it loads.
struct FieldSettings {
    int maxDigits = 1;
    int type = 3;  // 3 = whole number
};
inline constexpr int kWholeNumberField = 3;

struct KeyVerdict {
    bool accepted = true;
    std::string_view message;  // one of the messages above, "" unless the key was refused
};

// `keyAllowed`: applies the typed character `typed` (one character, UTF-8) to `box`. Backspace
// ("\b") is left to the text box unchecked. An accepted key replaces the selection and the caret
// follows it; a refused key only removes the selection and leaves the caret where it started.
KeyVerdict keyAllowed(TextBox& box, const std::string& typed, const FieldSettings& settings,
                      std::string_view decimalSeparator);

}  // namespace quorvel
