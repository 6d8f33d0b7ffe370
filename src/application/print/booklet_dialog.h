#pragma once
// `BookletDialog`, the one dialog of Print Booklet: where the puzzles come from, their level, how
// many from which number, how many a page, with or without solutions, the paper, whether the
// booklet goes to a printer or a PDF file, and a heading line, a footer line and the date for
// every page. Each choice is a group of options picked by caption; the two numbers and the two
// lines are typed into boxes. Its form lays them out in rows; the host renders it and forwards
// the user's picks, edits, keys and buttons; OK closes the dialog only with numbers it can use.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "application/grid/dialog.h"
#include "application/grid/key_event.h"
#include "application/print/booklet_plan.h"
#include "application/print/booklet_source.h"
#include "model/grid_kind.h"

namespace quorvel {

inline constexpr std::string_view kBookletTitle = "Print Booklet";

enum class BookletOutput { Printer, PdfFile };

// Everything the dialog asks, as the booklet command uses it.
struct BookletChoices {
    BookletSource source = BookletSource::Database;
    int level = 1;  // 1..4; 0 for every level
    int start = 1;
    int count = 12;
    BookletLayout layout;
    BookletOutput output = BookletOutput::Printer;
    std::string heading;  // "" for the title the puzzles' source gives
    std::string footer;   // "" for none
    bool date = false;    // today's date at the right of the heading
};

// One group of options: its label, the captions it offers now and the one chosen.
struct BookletChoiceGroup {
    std::string label;
    std::vector<std::string> options;
    int chosen = 0;
};

class BookletDialog : public Dialog {
  public:
    // In the order Tab visits them.
    enum class Box { Count, Start, Heading, Footer };

    // Starts from `initial`; a per-page count the grid does not offer becomes its largest.
    BookletDialog(const GridKind& kind, const BookletChoices& initial);

    // Picks the option with this caption in whichever group offers it; false when none does.
    // Generated puzzles need one level: picking them while every level is chosen picks Easy.
    bool choose(std::string_view caption);

    // The text of a box, and replacing it (as the host's editing leaves it).
    const std::string& boxText(Box which) const { return boxes_[static_cast<std::size_t>(which)]; }
    void setBoxText(Box which, std::string text);
    Box focus() const { return focus_; }
    // Typed keys: digits go into the focused number box (the first replaces what the box held
    // when it got the focus), any character into a line box, Backspace takes the last one, Tab
    // moves to the next box, Enter is OK and Escape Cancel.
    void key(const KeyEvent& event) override;

    // OK: closes with the choices when both numbers can be used and both lines fit on the page,
    // otherwise says why.
    void ok();
    void cancel();

    bool closed() const override { return closed_; }
    bool accepted() const { return accepted_; }
    // Valid once accepted.
    const BookletChoices& choices() const { return choices_; }
    // The dialog as data: a row for each group and box, the reason OK was refused (in red), OK
    // and Cancel. The prompt is one line with every choice, and that reason.
    DialogForm form() const override;
    void press(int field) override;
    void choose(int field, int option) override;
    void setText(int field, const std::string& text) override;
    void dismiss() override { cancel(); }

  private:
    // The groups in the order they show: source, level, per page, solutions, paper, output, date.
    std::vector<BookletChoiceGroup> groups() const;
    // One line with every choice and box.
    std::string summary() const;
    std::string& box(Box which) { return boxes_[static_cast<std::size_t>(which)]; }

    GridKind kind_;
    BookletChoices choices_;
    std::array<std::string, 4> boxes_;
    Box focus_ = Box::Count;
    bool replaceOnType_ = true;
    std::string problem_;
    bool closed_ = false;
    bool accepted_ = false;
};

}  // namespace quorvel
