#include "storage/kept_game.h"

#include <gtest/gtest.h>

#include "storage/data_file.h"

namespace quorvel {
namespace {

KeptGame aGame() {
    KeptGame game;
    game.kind = kFifteenGrid;
    game.givens.assign(225, 0);
    game.entries.assign(225, 0);
    game.givens[0] = 15;
    game.entries[224] = 10;
    game.notes.assign(226, 0);
    game.notes[2] = 0b1000000000000010;
    game.colouring.cells[225] = 4;
    game.colouring.notes[2][15] = 2;
    game.puzzleNumber = 41;
    game.puzzleKind = 1;
    game.puzzleLevel = 3;
    game.caption = "Puzzle No : 7 of 12";
    game.elapsedDays = 0.0125;
    game.offerAtStart = true;
    return game;
}

TEST(KeptGame, ReadsBackWhatItWrites) {
    EXPECT_EQ(parseKeptGame(formatKeptGame(aGame())), aGame());
}

// A kept game that cannot be read whole is no game at all, never half a one.
TEST(KeptGame, RefusesAnIncompleteOrInconsistentText) {
    const std::string good = formatKeptGame(aGame());
    const auto replaced = [&](const std::string& from, const std::string& to) {
        std::string text = good;
        text.replace(text.find(from), from.size(), to);
        return text;
    };
    const std::string cases[] = {
        "",
        replaced("Size=15", "Size=16"),
        replaced("Size=15", "Size=9"),       // the lines are 225 cells long
        replaced("Entries=.", "Entries="),   // 224 cells
        replaced("Entries=.", "Entries=1"),  // a given and an entry in cell 1
        replaced("Number=41", "Number=-1"),
        replaced("Elapsed=0.0125", "Elapsed=soon"),
        replaced("OfferAtStart=True", "OfferAtStart=yes"),
        replaced("Caption=", "Title="),
    };
    for (const std::string& text : cases)
        EXPECT_EQ(parseKeptGame(text), std::nullopt) << text;
}

KeptGame aNineGame() {
    KeptGame game;
    game.givens.assign(81, 0);
    game.entries.assign(81, 0);
    game.givens[4] = 9;
    game.entries[5] = 3;
    game.notes.assign(82, 0);
    game.caption = "Puzzle No : 3 of 40";
    return game;
}

// One block a game, at most one a grid size; a file of one block (as earlier versions wrote
// it) is one game, and a block that cannot be read costs only itself.
TEST(KeptGames, ReadOneGameAGridSizeFromTheirBlocks) {
    const std::string fifteen = formatKeptGame(aGame());
    const std::string nine = formatKeptGame(aNineGame());
    const std::vector<KeptGame> both{aGame(), aNineGame()};
    EXPECT_EQ(parseKeptGames(formatKeptGames(both)), both);
    const struct {
        std::string text;
        std::vector<KeptGame> games;
    } cases[] = {
        {fifteen, {aGame()}},
        {fifteen + "\r\n" + nine, {aGame(), aNineGame()}},
        {"Size=9\n\n" + nine, {aNineGame()}},
        {nine + "\n" + fifteen + "\n" + nine, {aNineGame(), aGame()}},
        {"\n\n", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseKeptGames(c.text), c.games) << c.text;
}

}  // namespace
}  // namespace quorvel
