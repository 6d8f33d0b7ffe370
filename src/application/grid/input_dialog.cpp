#include "application/grid/input_dialog.h"

#include <algorithm>
#include <climits>
#include <utility>

#include "application/grid/dialog_titles.h"
#include "application/grid/main_window_link.h"
#include "application/grid/text_number.h"
#include "application/host.h"
#include "model/program_state.h"

namespace quorvel {

namespace {

// The dialog's size and its row of buttons, in logical pixels.
constexpr int kWidth = 380;
constexpr int kHeight = 214;
constexpr int kButtonTop = 170;
constexpr int kButtonWidth = 88;
constexpr int kButtonHeight = 30;
constexpr int kButtonGap = 6;

int clampLevel(int level) {
    return level >= 1 && level <= 4 ? level : 1;
}

int wholeNumberOf(const std::string& text) {
    return static_cast<int>(std::clamp(lenientNumber(text), 0.0, static_cast<double>(INT_MAX)));
}

}  // namespace

InputMode inputModeForTitle(std::string_view title) {
    if (title == kGetPuzzleTitle) return InputMode::PuzzleNumber;
    if (title == kGradeTitle) return InputMode::LevelChoice;
    if (title == kComposeTitle) return InputMode::ExposedCells;
    if (title == kPuzzleChoiceTitle) return InputMode::PuzzleChoice;
    if (title == kInvalidDataTitle || title == kOutOfRangeTitle || title == kImportCollectionTitle)
        return InputMode::Message;
    return InputMode::Question;
}

InputDialog::InputDialog(DialogExchange& exchange) : exchange_(exchange) {}

bool InputDialog::hasLevels() const {
    return mode_ == InputMode::PuzzleNumber || mode_ == InputMode::LevelChoice;
}

int InputDialog::chosenLevel() const {
    return mode_ == InputMode::LevelChoice ? exchange_.session.gradeLevel
                                           : exchange_.session.currentLevel;
}

void InputDialog::load() {
    ProgramState& session = exchange_.session;
    exchange_.dialogCancelled = false;
    exchange_.importAll = false;
    prompt_ = exchange_.dialogPrompt;
    caption_ = exchange_.dialogTitle;
    mode_ = inputModeForTitle(caption_);
    levelsVisible_ = true;
    answerVisible_ = true;
    switch (mode_) {
        case InputMode::Question:
        case InputMode::Message:
            levelsVisible_ = false;
            answerVisible_ = false;
            promptEnlarged_ = true;
            if (mode_ == InputMode::Message) {
                cancelVisible_ = false;
                okCentred_ = true;
            }
            focus_ = Focus::Ok;
            break;
        case InputMode::LevelChoice:
            // A grade level that was never set (or read damaged from the settings) starts at 1.
            session.gradeLevel = clampLevel(session.gradeLevel);
            markerLevel_ = session.gradeLevel;
            answerVisible_ = false;
            focus_ = Focus::Ok;
            break;
        case InputMode::PuzzleNumber:
            session.currentLevel = clampLevel(session.currentLevel);
            chooseLevel(session.currentLevel);
            answer_.setText(exchange_.dialogText);
            break;
        case InputMode::ExposedCells:
        case InputMode::PuzzleChoice:
            levelsVisible_ = false;
            answer_.setText(exchange_.dialogText);
            break;
    }
    changed();
}

void InputDialog::activate() {
    if (answerVisible_) {
        answer_.selectAll();
        focus_ = Focus::Answer;
    }
    changed();
}

void InputDialog::chooseLevel(int level) {
    if (level < 1 || level > 4) level = 1;
    exchange_.host.processEvents();
    ProgramState& session = exchange_.session;
    if (mode_ == InputMode::LevelChoice) {
        session.gradeLevel = level;
    } else if (mode_ == InputMode::PuzzleNumber) {
        // The level goes through the toolbar's level button so that its glyph follows.
        if (exchange_.mainWindow != nullptr) {
            session.currentLevel = level - 1;
            exchange_.mainWindow->pressLevelButton();
        } else {
            session.currentLevel = level;
        }
        const int count = exchange_.services.countLevel ? exchange_.services.countLevel(level) : 0;
        if (count > 0) rememberedCount_ = count;
        prompt_ = "Puzzle Number?   (1 ~ " + std::to_string(count) + ")";
    } else {
        return;
    }
    markerLevel_ = level;
}

void InputDialog::levelLabelClicked(int level) {
    if (closed_ || !hasLevels()) return;
    chooseLevel(level == 0 ? 1 : level);
    changed();
}

void InputDialog::keyDown(const KeyEvent& event) {
    if (closed_ || inKeyDown_) return;
    inKeyDown_ = true;
    const int code = event.code;
    if (code == key::kLeft || code == key::kRight || (code >= 41 && code <= 45)) {
        focus_ = Focus::Ok;
        changed();
    } else if (code == key::kEnter) {
        focus_ = Focus::Ok;
        changed();
        okClicked();
    } else if ((code == key::kDown || code == key::kUp) && hasLevels()) {
        const int level = chosenLevel();
        const int next =
            code == key::kDown ? (level >= 4 ? 1 : level + 1) : (level <= 1 ? 4 : level - 1);
        chooseLevel(next);
        changed();
    }
    inKeyDown_ = false;
}

void InputDialog::answerKeyPress(const std::string& typed) {
    if (closed_ || !answerVisible_ || focus_ != Focus::Answer || typed.empty()) return;
    if (typed == "\b") {
        answer_.backspace();
    } else if (typed.size() == 1 && typed[0] >= '0' && typed[0] <= '9') {
        answer_.insert(typed);
    } else {
        return;  // Enter is swallowed; separators and every other character are refused
    }
    changed();
}

void InputDialog::key(const KeyEvent& event) {
    keyDown(event);
    if (!event.text.empty()) answerKeyPress(event.text);
}

void InputDialog::setAnswerSelection(int start, int length) {
    answer_.selStart = start;
    answer_.selLength = length;
    answer_.clampSelection();
    if (answerVisible_) focus_ = Focus::Answer;
    changed();
}

void InputDialog::okClicked() {
    if (closed_) return;
    ProgramState& session = exchange_.session;
    if (mode_ == InputMode::ExposedCells) {
        exchange_.exposedCells =
            std::clamp(wholeNumberOf(answer_.text), kFewestExposedCells, kMostExposedCells);
    } else if (mode_ == InputMode::PuzzleChoice) {
        exchange_.dialogText = answer_.text;
    } else if (mode_ == InputMode::PuzzleNumber) {
        exchange_.dialogText = answer_.text;
        const auto pick = exchange_.services.pickPuzzle;
        const PickOutcome outcome =
            pick ? pick(session.currentLevel, wholeNumberOf(answer_.text)) : PickOutcome::NoRecord;
        exchange_.dialogPicked = outcome == PickOutcome::Picked;
        if (outcome == PickOutcome::LevelEmpty && rememberedCount_ > 0) {
            // The level is empty: keep the count seen before and let the user choose again.
            session.puzzleCount = std::to_string(rememberedCount_);
            changed();
            return;
        }
    }
    if (exchange_.services.writeSettings) exchange_.services.writeSettings();
    close();
}

void InputDialog::cancelClicked() {
    if (closed_) return;
    exchange_.dialogCancelled = true;
    close();
}

void InputDialog::importAllClicked() {
    if (closed_ || !importAllVisible()) return;
    exchange_.importAll = true;
    close();
}

void InputDialog::close() {
    closed_ = true;
    changed();
}

DialogForm InputDialog::form() const {
    DialogForm form{caption_, prompt_, {}, -1, kWidth, kHeight};
    std::vector<DialogField>& fields = form.fields;
    fields.push_back(textField(prompt_, promptEnlarged_
                                            ? FieldPlace{18, 16, kWidth - 36, kButtonTop - 28}
                                            : FieldPlace{18, 12, kWidth - 36, 42}));

    DialogField answer = boxField(FieldKind::Answer, "", answer_);
    answer.points = 11;
    answer.visible = answerVisible_;
    answer.place = levelsVisible_ ? FieldPlace{210, 84, 150, 28} : FieldPlace{18, 70, 150, 28};
    fields.push_back(answer);

    const int okLeft =
        okCentred_ ? (kWidth - kButtonWidth) / 2 : kWidth / 2 - kButtonWidth - kButtonGap;
    fields.push_back(buttonField("OK", {okLeft, kButtonTop, kButtonWidth, kButtonHeight}));
    fields.push_back(
        buttonField("Cancel", {kWidth / 2 + kButtonGap, kButtonTop, kButtonWidth, kButtonHeight}));
    fields.back().visible = cancelVisible_;
    fields.push_back(buttonField("Import &All", {200, 69, 160, kButtonHeight}));
    fields.back().description = "Stores every puzzle of the text in the database";
    fields.back().visible = importAllVisible();

    DialogField levels =
        choiceField("", {kLevelCaptions.begin(), kLevelCaptions.end()}, markerLevel_ - 1);
    levels.choiceLook = ChoiceLook::Labels;
    levels.fontFamily = "Tahoma";
    levels.points = 10;
    levels.visible = levelsVisible_;
    levels.place = {50, 60, 140, 94};
    fields.push_back(levels);

    switch (focus_) {
        case Focus::Answer:
            form.focus = kAnswerField;
            break;
        case Focus::Ok:
            form.focus = kOkField;
            break;
        case Focus::Cancel:
            form.focus = kCancelField;
            break;
    }
    return form;
}

void InputDialog::press(int field) {
    if (field == kOkField) okClicked();
    if (field == kCancelField && cancelVisible_) cancelClicked();
    if (field == kImportAllField) importAllClicked();
}

void InputDialog::choose(int field, int option) {
    if (field == kLevelField) levelLabelClicked(option + 1);
}

void InputDialog::select(int field, int start, int length) {
    if (field == kAnswerField) setAnswerSelection(start, length);
}

}  // namespace quorvel
