#pragma once
// Helpers shared by the storage tests: a temporary data folder and puzzle records to store.

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "model/grid_kind.h"
#include "storage/cell_lists.h"
#include "storage/data_file.h"
#include "storage/puzzle_database.h"
#include "storage/puzzle_record.h"

namespace quorvel::testing {

// A fresh empty folder per test, removed afterwards: tests never touch real data files.
class TempFolderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::random_device seed;
        folder_ = std::filesystem::temp_directory_path() /
                  ("quorvel-storage-" + std::to_string(seed()) + "-" + std::to_string(seed()));
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }
    const std::filesystem::path& folder() const { return folder_; }

  private:
    std::filesystem::path folder_;
};

// A full grid of values 1..N (a shifted Latin square; storage never checks Sudoku rules), with
// `seed` rotating the values so different puzzles differ.
inline std::vector<std::string> fullValues(const GridKind& kind, int seed = 0) {
    std::vector<std::string> values;
    for (int cell = 1; cell <= kind.cellCount(); ++cell) {
        const int value = (kind.rowOf(cell) + kind.columnOf(cell) + seed) % kind.side + 1;
        values.push_back(std::to_string(value));
    }
    return values;
}

// The values with only every `step`-th cell kept as a given.
inline std::vector<std::string> givensOf(const std::vector<std::string>& values, int step = 3) {
    std::vector<std::string> givens(values.size());
    for (std::size_t i = 0; i < values.size(); i += step)
        givens[i] = values[i];
    return givens;
}

inline std::string cellTextFor(const GridKind& kind, int seed) {
    const auto values = fullValues(kind, seed);
    return joinCellList(givensOf(values)) + "#" + joinCellList(values);
}

inline std::string recordLine(int number, int level, int kind = kKindStored, int seed = 0,
                              const GridKind& grid = kNineGrid) {
    return formatRecord({number, grid.sizeCode, level, cellTextFor(grid, seed), kind, ""});
}

// Writes a database holding the header and the given lines.
inline void writeDatabase(const std::filesystem::path& folder, const GridKind& kind,
                          const std::vector<std::string>& records,
                          const std::string& header = "Quorvel@@@@@@") {
    Database database{databaseFolder(folder) / std::string(databaseFileName(kind)), kind, {header}};
    database.lines.insert(database.lines.end(), records.begin(), records.end());
    ASSERT_FALSE(writeBack(database).has_value());
}

}  // namespace quorvel::testing
