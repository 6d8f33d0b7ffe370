#include "ui/grid/dlg_msg.h"

#include <algorithm>
#include <climits>
#include <utility>

#include "model/session.h"
#include "ui/grid/dialog_titles.h"
#include "ui/grid/main_window_link.h"
#include "ui/grid/text_number.h"
#include "ui/host.h"

namespace quorvel {

namespace {

int ClampLevel(int level) {
    return level >= 1 && level <= 4 ? level : 1;
}

int WholeNumberOf(const std::string& text) {
    return static_cast<int>(std::clamp(LenientNumber(text), 0.0, static_cast<double>(INT_MAX)));
}

}  // namespace

DlgMode DlgModeForTitle(std::string_view title) {
    if (title == kGetPuzzleTitle) return DlgMode::PuzzleNumber;
    if (title == kGradeTitle) return DlgMode::LevelChoice;
    if (title == kComposeTitle) return DlgMode::ExposedCells;
    if (title == kPuzzleChoiceTitle) return DlgMode::PuzzleChoice;
    if (title == kInvalidDataTitle || title == kOutOfRangeTitle || title == kImportCollectionTitle)
        return DlgMode::Message;
    return DlgMode::Question;
}

DlgMsg::DlgMsg(DialogExchange& exchange) : exchange_(exchange) {}

bool DlgMsg::hasLevels() const {
    return mode_ == DlgMode::PuzzleNumber || mode_ == DlgMode::LevelChoice;
}

int DlgMsg::chosenLevel() const {
    return mode_ == DlgMode::LevelChoice ? exchange_.session.gradeLevel
                                         : exchange_.session.currentLevel;
}

void DlgMsg::Form_Load() {
    Session& session = exchange_.session;
    exchange_.DlgCancelled = false;
    exchange_.importAll = false;
    prompt_ = exchange_.DlgPrompt;
    caption_ = exchange_.DlgTitle;
    mode_ = DlgModeForTitle(caption_);
    levelsVisible_ = true;
    text1Visible_ = true;
    switch (mode_) {
        case DlgMode::Question:
        case DlgMode::Message:
            levelsVisible_ = false;
            text1Visible_ = false;
            promptEnlarged_ = true;
            if (mode_ == DlgMode::Message) {
                cancelVisible_ = false;
                okCentred_ = true;
            }
            focus_ = Focus::OKButton;
            break;
        case DlgMode::LevelChoice:
            // A grade level that was never set (or read damaged from the settings) starts at 1.
            session.gradeLevel = ClampLevel(session.gradeLevel);
            markerLevel_ = session.gradeLevel;
            text1Visible_ = false;
            focus_ = Focus::OKButton;
            break;
        case DlgMode::PuzzleNumber:
            session.currentLevel = ClampLevel(session.currentLevel);
            chooseLevel(session.currentLevel);
            text1_.setText(exchange_.DlgText);
            break;
        case DlgMode::ExposedCells:
        case DlgMode::PuzzleChoice:
            levelsVisible_ = false;
            text1_.setText(exchange_.DlgText);
            break;
    }
    changed();
}

void DlgMsg::Form_Activate() {
    if (text1Visible_) {
        text1_.selectAll();
        focus_ = Focus::Text1;
    }
    changed();
}

void DlgMsg::chooseLevel(int level) {
    if (level < 1 || level > 4) level = 1;
    exchange_.host.processEvents();
    Session& session = exchange_.session;
    if (mode_ == DlgMode::LevelChoice) {
        session.gradeLevel = level;
    } else if (mode_ == DlgMode::PuzzleNumber) {
        // The level goes through the toolbar's level button so that its glyph follows.
        if (exchange_.mainWindow != nullptr) {
            session.currentLevel = level - 1;
            exchange_.mainWindow->CBn_MouseUp(kLevelButton, kMouseLeft, 0);
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

void DlgMsg::Label2_Click(int level) {
    if (closed_ || !hasLevels()) return;
    chooseLevel(level == 0 ? 1 : level);
    changed();
}

void DlgMsg::KeyDown(const KeyEvent& event) {
    if (closed_ || inKeyDown_) return;
    inKeyDown_ = true;
    const int code = event.code;
    if (code == key::kLeft || code == key::kRight || (code >= 41 && code <= 45)) {
        focus_ = Focus::OKButton;
        changed();
    } else if (code == key::kEnter) {
        focus_ = Focus::OKButton;
        changed();
        OKButton_Click();
    } else if ((code == key::kDown || code == key::kUp) && hasLevels()) {
        const int level = chosenLevel();
        const int next =
            code == key::kDown ? (level >= 4 ? 1 : level + 1) : (level <= 1 ? 4 : level - 1);
        chooseLevel(next);
        changed();
    }
    inKeyDown_ = false;
}

void DlgMsg::Text1_KeyPress(const std::string& typed) {
    if (closed_ || !text1Visible_ || focus_ != Focus::Text1 || typed.empty()) return;
    if (typed == "\b") {
        text1_.backspace();
    } else if (typed.size() == 1 && typed[0] >= '0' && typed[0] <= '9') {
        text1_.insert(typed);
    } else {
        return;  // Enter is swallowed; separators and every other character are refused
    }
    changed();
}

void DlgMsg::Key(const KeyEvent& event) {
    KeyDown(event);
    if (!event.text.empty()) Text1_KeyPress(event.text);
}

void DlgMsg::setText1Selection(int start, int length) {
    text1_.selStart = start;
    text1_.selLength = length;
    text1_.clampSelection();
    if (text1Visible_) focus_ = Focus::Text1;
    changed();
}

void DlgMsg::OKButton_Click() {
    if (closed_) return;
    Session& session = exchange_.session;
    if (mode_ == DlgMode::ExposedCells) {
        exchange_.ExposedCells =
            std::clamp(WholeNumberOf(text1_.text), kFewestExposedCells, kMostExposedCells);
    } else if (mode_ == DlgMode::PuzzleChoice) {
        exchange_.DlgText = text1_.text;
    } else if (mode_ == DlgMode::PuzzleNumber) {
        exchange_.DlgText = text1_.text;
        const auto pick = exchange_.services.pickPuzzle;
        const PickOutcome outcome =
            pick ? pick(session.currentLevel, WholeNumberOf(text1_.text)) : PickOutcome::NoRecord;
        exchange_.DlgPicked = outcome == PickOutcome::Picked;
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

void DlgMsg::CancelButton_Click() {
    if (closed_) return;
    exchange_.DlgCancelled = true;
    close();
}

void DlgMsg::importAllClicked() {
    if (closed_ || !importAllVisible()) return;
    exchange_.importAll = true;
    close();
}

void DlgMsg::close() {
    closed_ = true;
    changed();
}

void DlgMsg::changed() {
    if (onChanged_) onChanged_();
}

}  // namespace quorvel
