#include "application/print/booklet_dialog.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

#include "application/grid/text_number.h"  // trimBlanks
#include "application/print/booklet.h"     // bookletLinesProblem

namespace quorvel {

namespace {

constexpr std::array<std::string_view, 3> kSources{"From Database", "From Puzzle File", "Generate"};
// Levels 1..4, then every level (0).
constexpr std::array<std::string_view, 5> kLevels{"Easy", "Medium", "Hard", "Very Hard",
                                                  "All Levels"};
constexpr std::array<std::string_view, 2> kSolutions{"With Solutions", "Without Solutions"};
constexpr std::array<std::string_view, 2> kPapers{"A4", "Letter"};
constexpr std::array<std::string_view, 2> kOutputs{"Printer", "PDF File"};
constexpr std::array<std::string_view, 2> kDates{"Without Date", "With Date"};
// The fields of the form: the groups in their order with the two number boxes after the level,
// the line boxes, the problem, OK and Cancel.
enum Field {
    kSourceField,
    kLevelField,
    kCountField,
    kStartField,
    kPerPageField,
    kSolutionsField,
    kPaperField,
    kOutputField,
    kDateField,
    kHeadingField,
    kFooterField,
    kProblemField,
    kOkField,
    kCancelField,
};

// The group each field of a choice shows, by the order of `groups()`; -1 for other fields.
int groupOf(int field) {
    switch (field) {
        case kSourceField:
            return 0;
        case kLevelField:
            return 1;
        case kPerPageField:
        case kSolutionsField:
        case kPaperField:
        case kOutputField:
        case kDateField:
            return field - kPerPageField + 2;
        default:
            return -1;
    }
}

// The box a field shows; nullopt for other fields.
std::optional<BookletDialog::Box> boxOf(int field) {
    switch (field) {
        case kCountField:
            return BookletDialog::Box::Count;
        case kStartField:
            return BookletDialog::Box::Start;
        case kHeadingField:
            return BookletDialog::Box::Heading;
        case kFooterField:
            return BookletDialog::Box::Footer;
        default:
            return std::nullopt;
    }
}

// The number boxes take at most this many digits.
constexpr std::size_t kMostDigits = 7;

template <std::size_t N>
std::vector<std::string> captions(const std::array<std::string_view, N>& captions) {
    return {captions.begin(), captions.end()};
}

template <std::size_t N>
int indexOf(const std::array<std::string_view, N>& captions, std::string_view caption) {
    const auto found = std::find(captions.begin(), captions.end(), caption);
    return found == captions.end() ? -1 : static_cast<int>(found - captions.begin());
}

std::string perPageCaption(int perPage) {
    return std::to_string(perPage) + " per Page";
}

// The whole number in `text` from 1 to `most`, or 0.
int number(const std::string& text, int most) {
    if (text.empty() || text.size() > kMostDigits) return 0;
    const int value = std::stoi(text);
    return value <= most ? value : 0;
}

}  // namespace

BookletDialog::BookletDialog(const GridKind& kind, const BookletChoices& initial)
    : kind_(kind),
      choices_(initial),
      boxes_{std::to_string(initial.count), std::to_string(initial.start), initial.heading,
             initial.footer} {
    const std::span<const int> offered = perPageChoices(kind);
    if (std::find(offered.begin(), offered.end(), choices_.layout.perPage) == offered.end())
        choices_.layout.perPage = offered.back();
}

std::vector<BookletChoiceGroup> BookletDialog::groups() const {
    std::vector<BookletChoiceGroup> groups;
    groups.push_back({"Puzzles", captions(kSources), static_cast<int>(choices_.source)});
    std::vector<std::string> levels = captions(kLevels);
    if (choices_.source == BookletSource::Generated) levels.pop_back();
    groups.push_back({"Level", levels, choices_.level == 0 ? 4 : choices_.level - 1});
    BookletChoiceGroup perPage{"On a Page", {}, 0};
    const std::span<const int> offered = perPageChoices(kind_);
    for (std::size_t index = 0; index < offered.size(); ++index) {
        perPage.options.push_back(perPageCaption(offered[index]));
        if (offered[index] == choices_.layout.perPage) perPage.chosen = static_cast<int>(index);
    }
    groups.push_back(perPage);
    groups.push_back({"Solutions", captions(kSolutions), choices_.layout.solutions ? 0 : 1});
    groups.push_back({"Paper", captions(kPapers), static_cast<int>(choices_.layout.paper)});
    groups.push_back({"Print To", captions(kOutputs), static_cast<int>(choices_.output)});
    groups.push_back({"Date", captions(kDates), choices_.date ? 1 : 0});
    return groups;
}

bool BookletDialog::choose(std::string_view caption) {
    problem_.clear();
    if (const int source = indexOf(kSources, caption); source >= 0) {
        choices_.source = static_cast<BookletSource>(source);
        if (choices_.source == BookletSource::Generated && choices_.level == 0) choices_.level = 1;
    } else if (const int level = indexOf(kLevels, caption); level >= 0) {
        if (level == 4 && choices_.source == BookletSource::Generated) return false;
        choices_.level = level == 4 ? 0 : level + 1;
    } else if (const int solutions = indexOf(kSolutions, caption); solutions >= 0) {
        choices_.layout.solutions = solutions == 0;
    } else if (const int paper = indexOf(kPapers, caption); paper >= 0) {
        choices_.layout.paper = static_cast<Paper>(paper);
    } else if (const int output = indexOf(kOutputs, caption); output >= 0) {
        choices_.output = static_cast<BookletOutput>(output);
    } else if (const int date = indexOf(kDates, caption); date >= 0) {
        choices_.date = date == 1;
    } else {
        for (const int perPage : perPageChoices(kind_)) {
            if (caption != perPageCaption(perPage)) continue;
            choices_.layout.perPage = perPage;
            return true;
        }
        return false;
    }
    return true;
}

void BookletDialog::setBoxText(Box which, std::string text) {
    problem_.clear();
    box(which) = std::move(text);
}

void BookletDialog::key(const KeyEvent& event) {
    if (event.code == key::kEnter) {
        ok();
    } else if (event.code == key::kEscape) {
        cancel();
    } else if (event.code == key::kTab) {
        focus_ = static_cast<Box>((static_cast<std::size_t>(focus_) + 1) % boxes_.size());
        replaceOnType_ = true;
    } else if (event.code == key::kBackspace) {
        // The whole last character, however many bytes it takes.
        std::string& text = box(focus_);
        while (!text.empty() && (static_cast<unsigned char>(text.back()) & 0xC0) == 0x80)
            text.pop_back();
        if (!text.empty()) text.pop_back();
        replaceOnType_ = false;
    } else if (focus_ == Box::Heading || focus_ == Box::Footer) {
        if (!event.text.empty() && static_cast<unsigned char>(event.text[0]) >= ' ')
            box(focus_) += event.text;
    } else if (event.text.size() == 1 && event.text[0] >= '0' && event.text[0] <= '9') {
        std::string& text = box(focus_);
        if (replaceOnType_) text.clear();
        replaceOnType_ = false;
        if (text.size() < kMostDigits) text += event.text;
    }
}

void BookletDialog::ok() {
    const int count = number(box(Box::Count), kMaxBookletPuzzles);
    const int start = number(box(Box::Start), kMaxBookletStart);
    if (count == 0) {
        problem_ = "How many puzzles? 1 to " + std::to_string(kMaxBookletPuzzles) + ".";
        return;
    }
    if (start == 0) {
        problem_ = "From which number? 1 to " + std::to_string(kMaxBookletStart) + ".";
        return;
    }
    problem_ = bookletLinesProblem(box(Box::Heading), box(Box::Footer));
    if (!problem_.empty()) return;
    choices_.count = count;
    choices_.start = start;
    choices_.heading = std::string(trimBlanks(box(Box::Heading)));
    choices_.footer = std::string(trimBlanks(box(Box::Footer)));
    accepted_ = true;
    closed_ = true;
}

void BookletDialog::cancel() {
    closed_ = true;
}

std::string BookletDialog::summary() const {
    std::string text;
    for (const BookletChoiceGroup& group : groups())
        text += (text.empty() ? "" : ", ") + group.options[static_cast<std::size_t>(group.chosen)];
    text += "; " + boxText(Box::Count) + " puzzles from No. " + boxText(Box::Start);
    for (const Box line : {Box::Heading, Box::Footer}) {
        if (!boxText(line).empty())
            text += (line == Box::Heading ? "; heading \"" : "; footer \"") + boxText(line) + "\"";
    }
    return text;
}

DialogForm BookletDialog::form() const {
    DialogForm form{std::string(kBookletTitle),
                    summary() + (problem_.empty() ? "" : "\r\n" + problem_),
                    {},
                    -1,
                    0,
                    0};
    const std::vector<BookletChoiceGroup> choices = groups();
    const auto choice = [&choices](std::size_t group) {
        return choiceField(choices[group].label, choices[group].options, choices[group].chosen);
    };
    const auto box = [this](FieldKind kind, std::string label, Box which, std::size_t most) {
        TextBox shown;
        shown.text = boxText(which);
        return boxField(kind, std::move(label), shown, static_cast<int>(most));
    };
    form.fields = {choice(0),
                   choice(1),
                   box(FieldKind::Number, "How Many", Box::Count, kMaxBookletPuzzles),
                   box(FieldKind::Number, "From No.", Box::Start, kMaxBookletStart),
                   choice(2),
                   choice(3),
                   choice(4),
                   choice(5),
                   choice(6),
                   box(FieldKind::Line, "Heading", Box::Heading, kMostHeadingCharacters),
                   box(FieldKind::Line, "Footer", Box::Footer, kMostFooterCharacters),
                   textField(problem_),
                   buttonField("OK"),
                   buttonField("Cancel")};
    form.fields[kHeadingField].placeholder = "the puzzles' source";
    form.fields[kFooterField].placeholder = "none";
    form.fields[kProblemField].textLook = TextLook::Problem;
    for (int field = kCountField; field <= kFooterField; ++field) {
        if (boxOf(field) == focus_) form.focus = field;
    }
    return form;
}

void BookletDialog::press(int field) {
    if (field == kOkField) ok();
    if (field == kCancelField) cancel();
}

void BookletDialog::choose(int field, int option) {
    const int group = groupOf(field);
    if (group < 0) return;
    const std::vector<BookletChoiceGroup> choices = groups();
    const std::vector<std::string>& options = choices[static_cast<std::size_t>(group)].options;
    if (option >= 0 && option < static_cast<int>(options.size()))
        choose(options[static_cast<std::size_t>(option)]);
}

void BookletDialog::setText(int field, const std::string& text) {
    if (const std::optional<Box> which = boxOf(field)) setBoxText(*which, text);
}

}  // namespace quorvel
