#include "application/session/script_keys.h"

#include <algorithm>
#include <array>
#include <utility>

namespace quorvel {

namespace {

struct NamedKey {
    std::string_view name;
    int code;
    std::string_view text;
};

constexpr std::array<NamedKey, 16> kNamedKeys{{
    {"Enter", key::kEnter, "\r"},
    {"Escape", key::kEscape, "\x1b"},
    {"Left", key::kLeft, ""},
    {"Right", key::kRight, ""},
    {"Up", key::kUp, ""},
    {"Down", key::kDown, ""},
    {"Home", key::kHome, ""},
    {"End", key::kEnd, ""},
    {"PageUp", key::kPageUp, ""},
    {"PageDown", key::kPageDown, ""},
    {"Delete", key::kDelete, ""},
    {"Backspace", key::kBackspace, "\b"},
    {"Tab", kTabKey, ""},
    {"Shift", key::kShiftKey, ""},
    {"Ctrl", key::kCtrlKey, ""},
    {"Alt", key::kAltKey, ""},
}};

constexpr int kF1 = 112;

// Punctuation by the US-keyboard key that types it, unshifted and shifted.
constexpr std::string_view kPlainPunctuation = ";=,-./`[\\]'";
constexpr std::string_view kShiftedPunctuation = ":+<_>?~{|}\"";
constexpr std::array<int, 11> kPunctuationCodes{186, 187, 188, 189, 190, 191,
                                                192, 219, 220, 221, 222};
// The shifted digit keys, from 0 to 9.
constexpr std::string_view kShiftedDigits = ")!@#$%^&*(";

std::optional<std::pair<int, std::string_view>> baseKey(std::string_view name) {
    for (const NamedKey& named : kNamedKeys) {
        if (named.name == name) return std::pair{named.code, named.text};
    }
    if (name.size() >= 2 && name.size() <= 3 && name[0] == 'F') {
        int number = 0;
        for (char digit : name.substr(1)) {
            if (digit < '0' || digit > '9') return std::nullopt;
            number = number * 10 + (digit - '0');
        }
        if (number >= 1 && number <= 12) return std::pair{kF1 + number - 1, std::string_view()};
    }
    // A letter or digit key by its capital ("Ctrl+Z", "Ctrl+O"): the code is the character's.
    if (name.size() == 1 &&
        ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= '0' && name[0] <= '9')))
        return std::pair{static_cast<int>(name[0]), name};
    return std::nullopt;
}

char32_t codePoint(const std::string& character) {
    const auto lead = static_cast<unsigned char>(character[0]);
    if (lead < 0x80 || character.size() < 2) return lead;
    const int extra = static_cast<int>(character.size()) - 1;
    char32_t value = lead & (0x3F >> extra);
    for (int index = 1; index <= extra; ++index)
        value = (value << 6) | (static_cast<unsigned char>(character[index]) & 0x3F);
    return value;
}

}  // namespace

std::optional<KeyEvent> keyNamed(std::string_view name) {
    static constexpr std::array<std::pair<std::string_view, int>, 3> kPrefixes{
        {{"Ctrl+", modifier::kCtrl}, {"Shift+", modifier::kShift}, {"Alt+", modifier::kAlt}}};
    int modifiers = 0;
    for (bool found = true; found;) {
        found = false;
        for (const auto& [prefix, bit] : kPrefixes) {
            if (name.starts_with(prefix)) {
                modifiers |= bit;
                name.remove_prefix(prefix.size());
                found = true;
            }
        }
    }
    const auto base = baseKey(name);
    if (!base) return std::nullopt;
    // A modifier key pressed alone is held while it goes down, as the views report it.
    if (base->first == key::kShiftKey) modifiers |= modifier::kShift;
    if (base->first == key::kCtrlKey) modifiers |= modifier::kCtrl;
    if (base->first == key::kAltKey) modifiers |= modifier::kAlt;
    KeyEvent event{base->first, modifiers, std::string(base->second)};
    // Ctrl and Alt keys type nothing.
    if ((modifiers & (modifier::kCtrl | modifier::kAlt)) != 0) event.text.clear();
    return event;
}

KeyEvent keyForCharacter(const std::string& character) {
    KeyEvent event{0, 0, character};
    if (character.empty()) return event;
    const char32_t point = codePoint(character);
    if (point >= 0x80) {
        // A key outside the US layout keeps a number far from every code the core looks at.
        event.code = static_cast<int>(point) + 0x10000;
        return event;
    }
    // Below 0x80 here, so the same character whichever way char is signed.
    const auto c = static_cast<unsigned char>(point);
    if (c >= 'a' && c <= 'z') {
        event.code = c - 'a' + 'A';
    } else if (c >= 'A' && c <= 'Z') {
        event.code = c;
        event.modifiers = modifier::kShift;
    } else if (const auto digit = kShiftedDigits.find(c); digit != std::string_view::npos) {
        event.code = '0' + static_cast<int>(digit);
        event.modifiers = modifier::kShift;
    } else if (const auto plain = kPlainPunctuation.find(c); plain != std::string_view::npos) {
        event.code = kPunctuationCodes[plain];
    } else if (const auto shifted = kShiftedPunctuation.find(c);
               shifted != std::string_view::npos) {
        event.code = kPunctuationCodes[shifted];
        event.modifiers = modifier::kShift;
    } else {
        event.code = c;  // digits, the space bar and control characters
    }
    return event;
}

std::vector<std::string> utf8Characters(std::string_view text) {
    std::vector<std::string> characters;
    for (std::size_t at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at]);
        std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        length = std::min(length, text.size() - at);
        characters.emplace_back(text.substr(at, length));
        at += length;
    }
    return characters;
}

}  // namespace quorvel
