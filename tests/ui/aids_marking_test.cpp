// The colours of colour by number, marked cells and the experimental run, and the run's steps
// that cannot apply, none of which a scripted session shows or reaches.

#include "ui/aids_fixture.h"

namespace quorvel::testing {
namespace {

using MarkingTest = AidsTest;

TEST_F(MarkingTest, CtrlClickColoursEveryCellOfTheNumberAndASecondOneRestores) {
    struct Case {
        bool fifteen;
        int value;
        Colour colour;
    };
    for (const Case& c : {Case{false, 9, 12633256}, Case{true, 12, 16762024}}) {
        SCOPED_TRACE(c.value);
        if (c.fifteen) openFifteen();
        GridWindow& window = active();
        aids().cellMouseUp(window, 5, kMouseLeft, kShiftCtrl);  // an empty cell: nothing happens
        EXPECT_EQ(window.board().cell(5).backColour, kPlainBack);
        // Three copies of the value: a given, an entry and another in the last cell.
        const int side = window.kind().side;
        const std::string text = std::to_string(c.value);
        window.board().setCellLocked(1, true);
        for (int number : {1, side + 4, side * side}) {
            window.setCellValue(number, text);
            window.restoreCellColour(number, false);
        }
        window.setCellValue(2 * side + 7, "1");

        aids().cellMouseUp(window, side + 4, kMouseLeft, kShiftCtrl);
        for (int number : {1, side + 4, side * side}) {
            EXPECT_EQ(window.board().cell(number).backColour, c.colour) << number;
            EXPECT_EQ(window.board().cell(number).foreColour, 0) << number;
        }
        EXPECT_NE(window.board().cell(2 * side + 7).backColour, c.colour);

        aids().cellMouseUp(window, 1, kMouseLeft, kShiftCtrl);
        EXPECT_EQ(window.board().cell(1).foreColour, kGivenRed);
        EXPECT_EQ(window.board().cell(1).backColour, kShadedBack);  // block 1 is shaded
        EXPECT_EQ(window.board().cell(side + 4).foreColour, kEntryBlue);
        EXPECT_EQ(window.board().cell(side + 4).backColour, kPlainBack);  // block 2 is white
    }
    main().openGrid(false);  // Color Number does the same for the focused cell's number
    active().requestFocus(1);
    main().menuOpened(*main().menus().title(Menu::VisualAid));
    main().runMenuItem(Command::ColorNumber);
    EXPECT_EQ(cell(1).backColour, 12633256);
}

TEST_F(MarkingTest, AltClickMarksOnlyWhileComposing) {
    aids().cellMouseUp(active(), 10, kMouseLeft, kShiftAlt);
    EXPECT_NE(cell(10).backColour, kMarkedBack);
    session().createMode = true;
    aids().cellMouseUp(active(), 10, kMouseLeft, kShiftAlt);
    EXPECT_EQ(cell(10).backColour, kMarkedBack);
    EXPECT_EQ(cell(10).foreColour, kGivenRed);
    aids().cellMouseUp(active(), 10, kMouseLeft, kShiftAlt);
    EXPECT_EQ(cell(10).backColour, kPlainBack);
    EXPECT_EQ(cell(10).foreColour, kEntryBlue);
}

TEST_F(MarkingTest, ExperimentalEntriesArePurpleAndBlueOnceTheRunEnds) {
    show(kNinePuzzle);
    enter(3, "4");
    for (const Command end : {Command::RejectExperiment, Command::ConfirmExperiment}) {
        SCOPED_TRACE(static_cast<int>(end));
        answerOk();
        main().toolbarClicked(main().toolbar().at(Command::StartExperiment), kMouseLeft);
        enter(4, "6");
        EXPECT_EQ(cell(4).foreColour, kExperimentPurple);
        answerOk();
        main().toolbarClicked(main().toolbar().at(end), kMouseLeft);
        EXPECT_EQ(cell(3).foreColour, kEntryBlue);
        EXPECT_EQ(cell(1).foreColour, kGivenRed);
        if (end == Command::ConfirmExperiment) {
            EXPECT_EQ(cell(4).foreColour, kEntryBlue) << "a confirmed guess";
        }
        for (const Command button : {Command::StartExperiment, end})
            EXPECT_EQ(main().toolbar().at(button).backColour, kButtonFace);
    }
}

TEST_F(MarkingTest, ExperimentStepsCancelledOrOutOfPlaceChangeNothing) {
    show(kNinePuzzle);
    struct Case {
        Command command;
        bool runActive;
        bool cancel;
    };
    const Case cases[] = {
        {Command::StartExperiment, false, true},    {Command::StartExperiment, true, false},
        {Command::RejectExperiment, true, true},    {Command::RejectExperiment, false, false},
        {Command::ConfirmExperiment, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.command) * 4 + c.runActive * 2 + c.cancel);
        session().experimentColours = c.runActive;
        prompts.clear();
        if (c.cancel) answerCancel();
        EXPECT_FALSE(main().commands().run(c.command));
        EXPECT_EQ(session().experimentColours, c.runActive);
        EXPECT_EQ(prompts.size(), c.cancel ? 1u : 0u);
        host.dialogScripts.clear();
    }
}

}  // namespace
}  // namespace quorvel::testing
