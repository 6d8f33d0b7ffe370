// Practice puzzles: on both grids and for a technique of each tier, the puzzle found has one
// solution, is drawn from its full grid, rates with the technique as its hardest step on the
// practice path, and the explain path preferring it takes a step of it; a puzzle made for one
// technique does not count for another. Names are matched without regard to case.

#include <gtest/gtest.h>

#include <algorithm>

#include "engines/create/technique_practice.h"
#include "engines/logic/logic_solver.h"
#include "engines/solver/solution_count.h"

namespace quorvel::testing {
namespace {

using logic::Technique;

TEST(TechniquePractice, FindsAPuzzleWhoseHardestStepIsTheTechnique) {
    struct Case {
        const GridKind* kind;
        Technique technique;
        Technique other;  // a technique the puzzle does not need
    };
    for (const Case& c : {Case{&kNineGrid, Technique::HiddenSingle, Technique::NakedSingle},
                          Case{&kNineGrid, Technique::XWing, Technique::HiddenSingle},
                          Case{&kNineGrid, Technique::FinnedXWing, Technique::XWing},
                          Case{&kNineGrid, Technique::XChain, Technique::SimpleColouring},
                          Case{&kFifteenGrid, Technique::NakedPair, Technique::XWing}}) {
        const std::string name(logic::techniqueInfo(c.technique).name);
        SCOPED_TRACE(::testing::Message() << c.kind->side << " " << name);
        SeededRandom random(1);
        int polls = 0;
        const PracticePuzzle made = generateNeeding(*c.kind, c.technique, random, 20, [&](int) {
            ++polls;
            return true;
        });
        ASSERT_TRUE(made.found);
        EXPECT_GE(made.grids, 1);
        EXPECT_GT(polls, 0);
        EXPECT_EQ(countSolutions(*c.kind, made.puzzle, 2).count, 1);
        for (std::size_t index = 0; index < made.puzzle.size(); ++index) {
            if (made.puzzle[index] != 0) {
                EXPECT_EQ(made.puzzle[index], made.solution[index]);
            }
        }
        const logic::PuzzleRating rating = practiceRating(*c.kind, made.puzzle, c.technique);
        EXPECT_EQ(rating.hardest, name);
        EXPECT_TRUE(rating.logicSolved);
        const logic::LogicPath path =
            logic::explainPath(*c.kind, made.puzzle, {}, {}, {}, c.technique);
        EXPECT_TRUE(std::ranges::any_of(
            path.steps, [&](const logic::Step& step) { return step.technique == c.technique; }));
        EXPECT_TRUE(needsTechnique(*c.kind, made.puzzle, c.technique));
        EXPECT_FALSE(needsTechnique(*c.kind, made.puzzle, c.other));
    }
}

TEST(TechniquePractice, StopsWhenThePollSaysSoAndMissesWithinItsGrids) {
    SeededRandom random(1);
    const PracticePuzzle stopped =
        generateNeeding(kNineGrid, Technique::XWing, random, 5, [](int) { return false; });
    EXPECT_TRUE(stopped.stopped);
    EXPECT_FALSE(stopped.found);
    const PracticePuzzle missed = generateNeeding(kNineGrid, Technique::Jellyfish, random, 1);
    EXPECT_FALSE(missed.found);
    EXPECT_FALSE(missed.stopped);
    EXPECT_EQ(missed.grids, 1);
    EXPECT_EQ(practiceMissedText("Jellyfish", 1),
              "No puzzle needing Jellyfish found in 1 full grid");
}

TEST(TechniquePractice, NamesAndOptionalTechniques) {
    EXPECT_EQ(logic::techniqueNamed("x-WING"), Technique::XWing);
    EXPECT_EQ(logic::techniqueNamed("ALS-AIC"), Technique::AlsAic);
    EXPECT_EQ(logic::techniqueNamed("X-Wings"), std::nullopt);
    EXPECT_EQ(practiceTurnedOn(Technique::AlsAic), logic::OptionalTechniques{Technique::AlsAic});
    EXPECT_TRUE(practiceTurnedOn(Technique::FinnedXWing).empty());
}

}  // namespace
}  // namespace quorvel::testing
