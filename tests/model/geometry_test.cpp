#include <gtest/gtest.h>

#include "model/units.h"

namespace quorvel {
namespace {

struct CellPlace {
    const GridKind* kind;
    int cell, row, column, block;
};

TEST(Geometry, CellsMapToRowColumnAndBlock) {
    const CellPlace places[] = {
        {&kNineGrid, 1, 1, 1, 1},         {&kNineGrid, 9, 1, 9, 3},
        {&kNineGrid, 10, 2, 1, 1},        {&kNineGrid, 40, 5, 4, 5},
        {&kNineGrid, 81, 9, 9, 9},        {&kFifteenGrid, 15, 1, 15, 5},
        {&kFifteenGrid, 16, 2, 1, 1},     {&kFifteenGrid, 76, 6, 1, 6},
        {&kFifteenGrid, 150, 10, 15, 10}, {&kFifteenGrid, 225, 15, 15, 15},
    };
    for (const CellPlace& p : places) {
        SCOPED_TRACE(p.cell);
        EXPECT_EQ(p.kind->rowOf(p.cell), p.row);
        EXPECT_EQ(p.kind->columnOf(p.cell), p.column);
        EXPECT_EQ(p.kind->blockOf(p.cell), p.block);
        const UnitTables& tables = unitTables(*p.kind);
        EXPECT_EQ(tables.rowIndex[p.cell], p.row - 1);
        EXPECT_EQ(tables.blockIndex[p.cell], p.block - 1);
    }
}

struct ListCase {
    const GridKind* kind;
    UnitType type;
    int index;
    bool delimited;
    const char* text;
};

TEST(Geometry, UnitListsInBothSpellings) {
    const ListCase cases[] = {
        {&kNineGrid, UnitType::Row, 1, true, ",1,2,3,4,5,6,7,8,9,"},
        {&kNineGrid, UnitType::Column, 1, true, ",1,10,19,28,37,46,55,64,73,"},
        {&kNineGrid, UnitType::Block, 5, true, ",31,32,33,40,41,42,49,50,51,"},
        {&kNineGrid, UnitType::Block, 1, false, "1,2,3,10,11,12,19,20,21"},
        {&kFifteenGrid, UnitType::Block, 6, true,
         ",76,77,78,91,92,93,106,107,108,121,122,123,136,137,138,"},
        {&kFifteenGrid, UnitType::Block, 15, true,
         ",163,164,165,178,179,180,193,194,195,208,209,210,223,224,225,"},
    };
    for (const ListCase& c : cases)
        EXPECT_EQ(unitListText(*c.kind, c.type, c.index, c.delimited), c.text);
}

TEST(Geometry, MembershipNeedsCommasOnBothSides) {
    const std::string row2 = unitListText(kNineGrid, UnitType::Row, 2, true);
    EXPECT_FALSE(delimitedListHasCell(row2, 1));
    EXPECT_TRUE(delimitedListHasCell(row2, 10));
    EXPECT_TRUE(delimitedListHasCell(row2, 18));
    EXPECT_FALSE(delimitedListHasCell(row2, 8));
}

TEST(Geometry, PeersAreRowColumnAndBlockOnce) {
    EXPECT_EQ(unitTables(kNineGrid).peerCount[1], 20);
    // 14 in the row, 14 in the column, and the block's 14 less its 2 row and 4 column mates.
    EXPECT_EQ(unitTables(kFifteenGrid).peerCount[113], 36);
}

struct TextCase {
    const char* text;
    int value;
};

TEST(ValueText, LenientValueReading) {
    const TextCase cases[] = {{"", 0},   {"7", 7},  {"15", 15}, {" 3", 3},
                              {"4x", 4}, {"x4", 0}, {"-2", -2}, {"99999", 0}};
    for (const TextCase& c : cases)
        EXPECT_EQ(valueOfText(c.text), c.value) << c.text;
}

TEST(ValueText, CandidateTextsAndBack) {
    EXPECT_EQ(candidateText(0), "");
    EXPECT_EQ(candidateText(1 << 7), "7");
    EXPECT_EQ(candidateText((1 << 1) | (1 << 4) | (1 << 9)), "1,4,9");
    EXPECT_EQ(candidateText((1 << 10) | (1 << 15)), "10,15");
    EXPECT_EQ(maskOfCandidateText("1,4,9"), (1 << 1) | (1 << 4) | (1 << 9));
    EXPECT_EQ(maskOfCandidateText(""), 0);
}

}  // namespace
}  // namespace quorvel
