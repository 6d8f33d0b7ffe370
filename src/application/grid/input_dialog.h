#pragma once
// `InputDialog`, the program's one modal dialog for questions, messages and small inputs. The title
// chosen by the caller is the mode: it decides which controls show and what OK does. Its form
// places them in a dialog of fixed size; the host renders it and forwards clicks and keys; the
// dialog is closed when `closed()`.

#include <array>
#include <string>
#include <string_view>

#include "application/grid/dialog.h"
#include "application/grid/dialog_exchange.h"
#include "application/grid/key_event.h"
#include "application/grid/text_box.h"

namespace quorvel {

enum class InputMode {
    PuzzleNumber,  // "Get a puzzle."
    LevelChoice,   // "Grade and Save."
    ExposedCells,  // "My Su Doku."
    Question,      // OK and Cancel, prompt only
    Message,       // OK alone, prompt only
    PuzzleChoice,  // "Open Puzzle File.": a number typed into the answer box, or Import All
};

// The mode a title selects; a title the program does not use asks a question.
InputMode inputModeForTitle(std::string_view title);

inline constexpr std::array<std::string_view, 4> kLevelCaptions = {"1.  Easy", "2.  Medium",
                                                                   "3.  Hard", "4.  Very Hard"};
inline constexpr int kFewestExposedCells = 20;
inline constexpr int kMostExposedCells = 30;

class InputDialog : public Dialog {
  public:
    enum class Focus { Answer, Ok, Cancel };
    // The fields of its form, in order.
    enum Field { kPromptField, kAnswerField, kOkField, kCancelField, kImportAllField, kLevelField };

    explicit InputDialog(DialogExchange& exchange);

    // Opening: configures the controls from `dialogTitle`, `dialogPrompt` and `dialogText`.
    void load();
    // The whole answer text is selected and takes the focus.
    void activate();

    // Level choice by a click on level label `level` (1..4; 0 counts as 1).
    void levelLabelClicked(int level);
    // A key pressed anywhere in the dialog: arrows, Enter and the keys that move to OK.
    void keyDown(const KeyEvent& event);
    // A character typed into the answer box.
    void answerKeyPress(const std::string& typed);
    // `keyDown`, then `answerKeyPress` with the key's text.
    void key(const KeyEvent& event) override;
    // The user placed the caret or selected with the mouse.
    void setAnswerSelection(int start, int length);
    void okClicked();
    // Also what closing the window by its frame does.
    void cancelClicked();
    // The puzzle choice's third button: every puzzle goes into the database instead.
    void importAllClicked();

    InputMode mode() const { return mode_; }
    const std::string& caption() const { return caption_; }
    const std::string& prompt() const { return prompt_; }  // the prompt label
    bool promptEnlarged() const { return promptEnlarged_; }
    const TextBox& answerBox() const { return answer_; }
    bool answerVisible() const { return answerVisible_; }
    bool levelLabelsVisible() const {
        return levelsVisible_;
    }                                                 // the level labels 1..4 and their frame
    int markerLevel() const { return markerLevel_; }  // 1..4
    bool cancelVisible() const { return cancelVisible_; }
    bool importAllVisible() const { return mode_ == InputMode::PuzzleChoice; }
    bool okCentred() const { return okCentred_; }
    Focus focus() const { return focus_; }
    bool closed() const override { return closed_; }

    // The dialog as data; every change of the state above is reported to `setOnChanged`.
    DialogForm form() const override;
    void press(int field) override;
    void choose(int field, int option) override;
    void select(int field, int start, int length) override;
    void dismiss() override { cancelClicked(); }

  private:
    bool hasLevels() const;
    int chosenLevel() const;
    void chooseLevel(int level);
    void close();

    DialogExchange& exchange_;
    InputMode mode_ = InputMode::Question;
    std::string caption_;
    std::string prompt_;
    bool promptEnlarged_ = false;
    TextBox answer_;
    bool answerVisible_ = true;
    bool levelsVisible_ = true;
    int markerLevel_ = 1;
    bool cancelVisible_ = true;
    bool okCentred_ = false;
    Focus focus_ = Focus::Answer;
    bool closed_ = false;
    bool inKeyDown_ = false;
    int rememberedCount_ = 0;
};

}  // namespace quorvel
