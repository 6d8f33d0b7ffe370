#pragma once
// The program as the Database and Assist Solve commands see it: the Application (main window,
// both grid windows, session, input dialog and its database services, the registered commands)
// over a scripted Host and a temporary program folder.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "application/commands/database_commands.h"
#include "application/commands/solve_menu.h"
#include "application/composition/application.h"
#include "application/grid/grid_window.h"
#include "application/grid/input_dialog.h"
#include "application/grid/puzzle_board.h"
#include "engines/create/random_source.h"
#include "model/puzzle_line.h"
#include "storage/data_file.h"
#include "storage/puzzle_database.h"
#include "support/fake_host.h"

namespace quorvel::testing {

class WindowCommandsTest : public ::testing::Test {
  protected:
    WindowCommandsTest() {
        std::random_device seed;
        folder = std::filesystem::temp_directory_path() /
                 ("quorvel-dbcmds-" + std::to_string(seed()) + "-" + std::to_string(seed()));
        std::filesystem::create_directories(folder);
        app = std::make_unique<Application>(host, folder);
        main().loadSettings();
        main().load();
        main().activate();
        // The application registered the commands; generation draws from a fixed seed here.
        const ActiveGridWindow active = [this]() -> GridWindow* {
            if (main().activeChild() == &app->nineChild()) return &app->nineGrid();
            if (main().activeChild() == &app->fifteenChild()) return &app->fifteenGrid();
            return nullptr;
        };
        registerDatabaseCommands(main(), app->dialogs(), active,
                                 std::make_shared<SeededRandom>(20240611));
        main().subscribe([this](MainWindowChange change) {
            if (change == MainWindowChange::MessageLine) messages.push_back(main().messageLine());
        });
    }
    ~WindowCommandsTest() override {
        app.reset();
        std::filesystem::remove_all(folder);
    }

    MainWindow& main() { return app->mainWindow(); }
    ProgramState& session() { return app->session(); }
    GridWindow& active() {
        return main().activeChild() == &app->fifteenChild() ? app->fifteenGrid() : app->nineGrid();
    }
    void openFifteen() { main().openGrid(true); }
    // Opens the grid of `kind` as the Nine / Fifteen menu item does.
    GridWindow& open(const GridKind& kind) {
        main().openGrid(!kind.isNine());
        return active();
    }
    std::string message() { return main().messageLine().text; }

    // Loads a puzzle line into the active window as a fresh stored puzzle shows it.
    void show(const std::string& line) {
        const PuzzleLineResult parsed = parsePuzzleLine(line);
        ASSERT_TRUE(parsed.puzzle) << parsed.error;
        if (parsed.puzzle->kind.side != active().kind().side) {
            main().openGrid(parsed.puzzle->kind.side == 15);
        }
        for (int cell = 1; cell <= active().board().cellCount(); ++cell) {
            active().board().setCellLocked(cell, false);
            active().setCellValue(cell, "");
        }
        loadGivens(active().board(), parsed.puzzle->values);
        main().applyStateChange(StateChange::GridLockedWithGivens);
    }
    std::string grid() { return formatPuzzleLine(active().kind(), shownValues(active().board())); }

    // Dialog scripts: the next dialog is answered by `script`, or cancelled.
    void answer(std::function<void(InputDialog&)> script) { host.dialogScripts.push_back(script); }
    void answerOk() {
        answer([](InputDialog& dialog) { dialog.okClicked(); });
    }
    // Get a puzzle.: choose the level, type the number, OK.
    void answerPuzzle(int level, const std::string& number) {
        answer([level, number](InputDialog& dialog) {
            dialog.levelLabelClicked(level);
            for (char digit : number)
                dialog.answerKeyPress(std::string(1, digit));
            dialog.okClicked();
        });
    }
    // Grade and Save.: choose the level, OK.
    void answerGrade(int level) {
        answer([level](InputDialog& dialog) {
            dialog.levelLabelClicked(level);
            dialog.okClicked();
        });
    }

    std::filesystem::path databasePath(const GridKind& kind) {
        return quorvel::databasePath(databaseFolder(folder), kind);
    }

    std::filesystem::path folder;
    FakeHost host;
    std::unique_ptr<Application> app;
    std::vector<MessageLine> messages;
};

}  // namespace quorvel::testing
