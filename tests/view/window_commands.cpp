// Each window command chosen from the real menu bar reaches the core and changes what the core
// shows: Set Puzzle's Lock and Blank Grid, the Assist Solve commands and Print.

#include "view/view_fixture.h"

#include "application/print/print_layout.h"
#include "engines/solver/solve_texts.h"
#include "views/shell/main_view.h"
#include "views/shell/menu_view.h"

#include <QAction>
#include <QtTest>

#include <string>

using namespace quorvel;
using namespace quorvel::view;

namespace {

// Solved by singles alone; its first Get Next fills cell 42 with 4.
constexpr const char* kEasyPuzzle =
    "..3.2.6..9..3.5..1..18.64....81.29..7.......8..67.82....26.95..8..2.3..9..5.1.3..";

int filledCells(const GridWindow& grid) {
    int filled = 0;
    for (int cell = 1; cell <= grid.kind().cellCount(); ++cell) {
        if (!grid.board().cell(cell).text.empty()) ++filled;
    }
    return filled;
}

}  // namespace

class WindowCommands : public QObject {
    Q_OBJECT

    struct Setup {
        testing::LoadedProgram program;
        MainView view{program.main()};
        GridWindow& grid() { return program.application.nineGrid(); }
        void choose(const Target& target) {
            view.menus()->actionFor(program.main().menus().at(target))->trigger();
        }
        bool assistSolveEnabled() {
            return view.menus()
                ->actionFor(*program.main().menus().title(Menu::AssistSolve))
                ->isEnabled();
        }
        // Types the puzzle in and locks it through the menu, as a user would.
        void enterPuzzle() {
            const std::string puzzle = kEasyPuzzle;
            for (int cell = 1; cell <= 81; ++cell) {
                if (puzzle[cell - 1] != '.')
                    grid().setCellValue(cell, std::string(1, puzzle[cell - 1]));
            }
            choose(Command::LockGrid);
        }
    };

  private slots:
    void setPuzzleCommandsLockAndBlank() {
        Setup setup;
        setup.enterPuzzle();
        QVERIFY(setup.grid().board().cell(3).locked);
        QVERIFY(!setup.grid().board().cell(1).locked);
        QVERIFY(setup.assistSolveEnabled());
        setup.choose(Command::BlankGrid);
        QCOMPARE(filledCells(setup.grid()), 0);
        QVERIFY(!setup.assistSolveEnabled());
    }

    void assistSolveCommandsReachTheEngine() {
        Setup setup;
        setup.enterPuzzle();
        const int givens = filledCells(setup.grid());

        setup.choose(Command::CheckForSingle);
        const int focused = setup.grid().focusedCell();
        QVERIFY(focused > 0);
        QVERIFY(setup.grid().board().cell(focused).text.empty());
        QCOMPARE(filledCells(setup.grid()), givens);  // points at the cell, fills nothing

        setup.choose(Command::GetNext);
        QCOMPARE(filledCells(setup.grid()), givens + 1);
        QCOMPARE(setup.grid().board().cell(42).text, std::string("4"));
        QCOMPARE(setup.program.main().messageLine().text,
                 std::string("Reason : Single candidate in cell"));

        setup.choose(Command::MildAttack);
        QCOMPARE(filledCells(setup.grid()), 81);
        QCOMPARE(setup.program.main().messageLine().text, std::string(kDoneText));
    }

    void printHandsTheLaidOutPageToThePrinter() {
        Setup setup;
        setup.enterPuzzle();
        int printedCells = 0;
        std::string firstGiven;
        setup.program.host.setPagePrinter([&](const PrintPage& page, QWidget*) {
            printedCells = static_cast<int>(page.cells.size());
            firstGiven = page.cells[2].text;
            return true;
        });
        setup.choose(Command::Print);
        QCOMPARE(printedCells, 81);
        QCOMPARE(firstGiven, std::string("3"));
    }
};

QTEST_MAIN(WindowCommands)
#include "window_commands.moc"
