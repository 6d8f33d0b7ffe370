// The solve engine. It works on the tables' value layers directly and keeps, beside each
// layer it snapshots, the union of the values of every row, column and block as bit masks, so a
// cell's candidates are three loads and a complement. Layer 1 can hold a value twice (a nested
// branch keeps guesses of an earlier sibling branch), so masks are unions and a cell that is
// overwritten has its three units recounted.

#include "engines/solver/engine.h"

#include <algorithm>
#include <bit>

#include "engines/solver/guess_order.h"
#include "engines/solver/solve_texts.h"

namespace quorvel {

namespace {

constexpr int kFirstGuessLayer = 2;  // layers 2 and 3: right after a first-level guess
constexpr int kRetryLayer = 3;
constexpr int kNestedBaseLayer = 5;  // 5 + depth
constexpr int kDeepestNested = 7;

const char* const kSingleCandidateReason = "Reason : Single candidate in cell";
const char* const kSinglePossibilityReasons[] = {"Reason : Single possibility in row",
                                                 "Reason : Single possibility in column",
                                                 "Reason : Single possibility in block"};

using UnitMasks = std::array<ValueMask, 3 * kMaxSide>;
// Open (empty) cells of a layer as bits, bit n for cell n.
constexpr int kOpenWords = (kMaxCells + 1 + 63) / 64;
using OpenCells = std::array<std::uint64_t, kOpenWords>;

class Engine {
  public:
    Engine(SolveTables& tables, ProgramState& session, const GuessProgress& progress)
        : work_(tables),
          session_(session),
          progress_(progress),
          tables_(unitTables(tables.kind())),
          side_(tables.kind().side),
          cellCount_(tables.cellCount()),
          grid_(tables.layerData(kWorkLayer)) {}

    SolveOutcome run(bool oneStep);

  private:
    ValueMask candidatesOf(int cell) const {
        const UnitMasks& m = masks_[kWorkLayer];
        return static_cast<ValueMask>(
            tables_.fullMask & ~(m[tables_.rowIndex[cell]] | m[side_ + tables_.columnIndex[cell]] |
                                 m[2 * side_ + tables_.blockIndex[cell]]));
    }
    void recountUnit(int unit);
    void recountAll();
    void writeCell(int cell, int value);
    void copyLayer(int from, int to) {
        work_.copyLayer(from, to);
        masks_[to] = masks_[from];
        open_[to] = open_[from];
    }

    // notesCleared: the caller has just cleared notes slot 1 of every cell.
    void singleCandidateSweep(bool notesCleared = false);
    void singlePossibilitySweep();
    void placeUnitSingle(int unit, int cell, int value);
    void propagate();
    void guessingPhase();
    bool chooseNestedCell(int& cell, ValueMask& candidates) const;
    void searchNested(int depth, int cell, ValueMask candidates);
    bool finishedByStop();
    void writeNotesAndTable();

    SolveTables& work_;
    ProgramState& session_;
    const GuessProgress& progress_;
    const UnitTables& tables_;
    const int side_;
    const int cellCount_;
    std::uint8_t* grid_;
    std::array<UnitMasks, kLayerCount> masks_{};
    std::array<OpenCells, kLayerCount> open_{};
    const int openWords_ = (cellCount_ + 64) / 64;
    std::array<ValueMask, kMaxCells + 1> slot1_{};  // notes slot 1 per cell
    std::array<ValueMask, kMaxCells + 1> slot3_{};  // notes slot 3 per cell
    std::vector<GuessEntry> guessEntries_;
    int slot2Cell_ = 0;  // slot 2 holds a note only when a one-step single possibility ended
    int slot2Value_ = 0;
    bool oneStep_ = false;
    bool placed_ = false;  // the current propagation pass placed a value
    bool finished_ = false;
    bool guessingEntered_ = false;
    long guesses_ = 0;
    long propagations_ = 0;
    int guessCell_ = 0;
    int guessValue_ = 0;
    int singleCell_ = 0;  // a one-step run: the cell a single filled
    int singleValue_ = 0;
    const char* singleReason_ = "";
    int panelCell_ = 0;  // the cell the possibilities panel describes at the end, 0 for none
};

void Engine::recountUnit(int unit) {
    ValueMask mask = 0;
    for (int i = 0; i < side_; ++i)
        mask |= static_cast<ValueMask>(1u << grid_[tables_.unitCells[unit][i]]);
    masks_[kWorkLayer][unit] = static_cast<ValueMask>(mask & tables_.fullMask);
}

void Engine::recountAll() {
    for (int unit = 0; unit < 3 * side_; ++unit)
        recountUnit(unit);
    open_[kWorkLayer] = {};
    for (int cell = 1; cell <= cellCount_; ++cell)
        if (grid_[cell] == 0) open_[kWorkLayer][cell / 64] |= std::uint64_t{1} << (cell % 64);
}

void Engine::writeCell(int cell, int value) {
    const int old = grid_[cell];
    grid_[cell] = static_cast<std::uint8_t>(value);
    const int units[] = {tables_.rowIndex[cell], side_ + tables_.columnIndex[cell],
                         2 * side_ + tables_.blockIndex[cell]};
    if (old == 0) {
        open_[kWorkLayer][cell / 64] &= ~(std::uint64_t{1} << (cell % 64));
        for (const int unit : units)
            masks_[kWorkLayer][unit] |= static_cast<ValueMask>(1u << value);
    } else {
        for (const int unit : units)
            recountUnit(unit);
    }
}

// The stop flag is tested before every single-candidate pass.
bool Engine::finishedByStop() {
    if (!session_.stopRequested) return false;
    finished_ = true;
    return true;
}

// Cells in order; a value placed is seen by the cells after it. Filled cells get no note, so only
// the open cells are visited.
void Engine::singleCandidateSweep(bool notesCleared) {
    if (finishedByStop()) return;
    if (!notesCleared) std::fill(slot1_.begin(), slot1_.end(), 0);
    for (int word = 0; word < openWords_; ++word) {
        for (std::uint64_t bits = open_[kWorkLayer][word]; bits != 0; bits &= bits - 1) {
            const int cell = word * 64 + std::countr_zero(bits);
            const ValueMask candidates = candidatesOf(cell);
            panelCell_ = cell;
            if (candidates == 0 || (candidates & (candidates - 1)) != 0) {
                slot1_[cell] = candidates;
                continue;
            }
            const int value = std::countr_zero(candidates);
            writeCell(cell, value);
            placed_ = true;
            if (oneStep_ && !work_.guessing()) {
                work_.setValue(kStartLayer, cell, value);
                singleCell_ = cell;
                singleValue_ = value;
                singleReason_ = kSingleCandidateReason;
                finished_ = true;
                return;
            }
        }
    }
}

void Engine::placeUnitSingle(int unit, int cell, int value) {
    writeCell(cell, value);
    placed_ = true;
    if (!oneStep_ || work_.guessing()) return;
    slot2Cell_ = cell;
    slot2Value_ = value;
    singleCell_ = cell;
    singleValue_ = value;
    singleReason_ = kSinglePossibilityReasons[unit / side_];
    finished_ = true;
}

// Rows, then columns, then blocks; within a unit values 1..N. A value is placed when exactly one
// open cell of the unit has it among its candidates. Runs right after a single-candidate pass
// that placed nothing, so that pass's notes are the candidates of every open cell; a placement
// removes its value from the candidates of the cell's peers.
void Engine::singlePossibilitySweep() {
    std::array<ValueMask, kMaxCells + 1> candidates = slot1_;
    for (int unit = 0; unit < 3 * side_; ++unit) {
        const std::uint8_t* cells = tables_.unitCells[unit].data();
        int lastOpen = -1;
        for (int i = 0; i < side_; ++i)
            if (grid_[cells[i]] == 0) lastOpen = i;
        if (lastOpen < 0) continue;
        int lastPlaced = 0;
        int from = 1;
        for (;;) {
            ValueMask once = 0;
            ValueMask twice = 0;
            for (int i = 0; i < side_; ++i) {
                const ValueMask mask = candidates[cells[i]];
                twice |= static_cast<ValueMask>(once & mask);
                once |= mask;
            }
            const ValueMask unique = static_cast<ValueMask>(once & ~twice & ~((1u << from) - 1));
            if (unique == 0) break;
            const int value = std::countr_zero(unique);
            const ValueMask bit = static_cast<ValueMask>(1u << value);
            int at = 0;
            while (!(candidates[cells[at]] & bit))
                ++at;
            const int cell = cells[at];
            // The panel shows the last open cell this value was looked for in.
            panelCell_ = cells[lastOpen];
            placeUnitSingle(unit, cell, value);
            if (finished_) return;
            candidates[cell] = 0;
            for (int i = 0; i < tables_.peerCount[cell]; ++i)
                candidates[tables_.peers[cell][i]] &= static_cast<ValueMask>(~bit);
            while (lastOpen >= 0 && grid_[cells[lastOpen]] != 0)
                --lastOpen;
            lastPlaced = value;
            from = value + 1;
            if (lastOpen < 0) break;
        }
        if (lastOpen >= 0 && lastPlaced != side_) {
            panelCell_ = cells[lastOpen];
        }
    }
}

void Engine::propagate() {
    do {
        ++propagations_;
        placed_ = false;
        std::fill(slot1_.begin(), slot1_.end(), 0);
        singleCandidateSweep(true);
        if (finished_) return;
        if (!placed_) singlePossibilitySweep();
        if (finished_) return;
        if (work_.layerComplete(kWorkLayer)) {
            finished_ = true;
            return;
        }
    } while (placed_);
}

// The first cell in row order with two candidates, else with at most three, else at most four,
// from the notes the last single-candidate pass left.
bool Engine::chooseNestedCell(int& cell, ValueMask& candidates) const {
    int best = 0;
    int bestCount = 5;
    for (int c = 1; c <= cellCount_; ++c) {
        const ValueMask notes = slot1_[c];
        if (notes == 0) continue;
        const int count = std::popcount(notes);
        if (count < bestCount) {
            best = c;
            bestCount = count;
            if (count <= 2) break;
        }
    }
    if (best == 0) return false;
    cell = best;
    candidates = slot1_[best];
    return true;
}

void Engine::searchNested(int depth, int cell, ValueMask candidates) {
    const int snapshot = kNestedBaseLayer + depth;
    for (ValueMask left = candidates; left != 0; left = static_cast<ValueMask>(left & (left - 1))) {
        if (depth >= 1 && session_.solveMode < SolveMode::NumberCrunch) {
            finished_ = true;
            return;
        }
        if (session_.stopRequested) {
            session_.solverBusy = false;
            finished_ = true;
            return;
        }
        writeCell(cell, std::countr_zero(left));
        copyLayer(kWorkLayer, snapshot);
        ++guesses_;
        if (progress_) progress_(guesses_);
        propagate();
        if (finished_) return;
        copyLayer(snapshot, kWorkLayer);
        int nestedCell = 0;
        ValueMask nestedCandidates = 0;
        if (chooseNestedCell(nestedCell, nestedCandidates) && depth < kDeepestNested) {
            searchNested(depth + 1, nestedCell, nestedCandidates);
            if (finished_) return;
        }
    }
}

void Engine::guessingPhase() {
    guessingEntered_ = true;
    work_.setGuessing(true);
    copyLayer(kWorkLayer, kPropagatedLayer);
    slot3_ = slot1_;
    guessEntries_.clear();
    for (int cell = 1; cell <= cellCount_; ++cell)
        if (slot3_[cell] != 0) guessEntries_.push_back({cell, slot3_[cell]});
    sortGuessEntries(guessEntries_);
    const int entries = static_cast<int>(guessEntries_.size());
    if (entries == cellCount_) return;  // every cell open: no guessing on an empty grid
    for (int i = 1; i <= entries - 1; ++i) {
        if (session_.solveMode == SolveMode::MildAttack) return;
        if (i > 1) copyLayer(kPropagatedLayer, kWorkLayer);
        const GuessEntry entry = guessEntries_[i - 1];
        for (ValueMask left = entry.candidates; left != 0;
             left = static_cast<ValueMask>(left & (left - 1))) {
            const int value = std::countr_zero(left);
            guessCell_ = entry.cell;
            guessValue_ = value;
            writeCell(entry.cell, value);
            copyLayer(kWorkLayer, kFirstGuessLayer);
            copyLayer(kWorkLayer, kRetryLayer);
            singleCandidateSweep();
            if (finished_) return;
            int nestedCell = 0;
            ValueMask nestedCandidates = 0;
            if (chooseNestedCell(nestedCell, nestedCandidates)) {
                propagate();
                if (finished_) return;
                copyLayer(kFirstGuessLayer, kWorkLayer);
                singleCandidateSweep();
                if (finished_) return;
                if (chooseNestedCell(nestedCell, nestedCandidates)) {
                    searchNested(0, nestedCell, nestedCandidates);
                    if (finished_) return;
                }
            }
            copyLayer(kRetryLayer, kWorkLayer);
            if (session_.solveMode < SolveMode::NumberCrunch) return;
        }
    }
}

void Engine::writeNotesAndTable() {
    work_.notes(1, 0, 0, "", true);
    work_.notes(2, 0, 0, "", true);
    const GridKind& kind = work_.kind();
    for (int cell = 1; cell <= cellCount_; ++cell)
        if (slot1_[cell] != 0)
            work_.notes(1, kind.rowOf(cell), kind.columnOf(cell), candidateText(slot1_[cell]));
    if (slot2Cell_ != 0) {
        work_.notes(2, kind.rowOf(slot2Cell_), kind.columnOf(slot2Cell_), valueText(slot2Value_));
        work_.notes(2, kind.rowOf(slot2Cell_), 0, std::to_string(slot2Cell_));
    }
    if (!guessingEntered_) return;
    work_.notes(3, 0, 0, "", true);
    for (int cell = 1; cell <= cellCount_; ++cell)
        if (slot3_[cell] != 0)
            work_.notes(3, kind.rowOf(cell), kind.columnOf(cell), candidateText(slot3_[cell]));
    work_.guessEntry(0, 0, "", true);
    int entry = 1;
    for (const GuessEntry& item : guessEntries_) {
        work_.guessEntry(entry, 0, std::to_string(std::popcount(item.candidates) - 1));
        work_.guessEntry(entry, 1, std::to_string(item.cell));
        work_.guessEntry(entry, 2, candidateText(item.candidates));
        ++entry;
    }
}

// The notes and the guess table are written once, when the run ends.
SolveOutcome Engine::run(bool oneStep) {
    work_.setGuessing(false);
    oneStep_ = oneStep;
    if (oneStep) work_.copyLayer(kWorkLayer, kStartLayer);
    recountAll();
    propagate();
    if (!finished_) guessingPhase();
    writeNotesAndTable();
    SolveOutcome outcome;
    outcome.result = work_.layerComplete(kWorkLayer);
    outcome.guesses = guesses_;
    outcome.propagations = propagations_;
    outcome.reason = guesses_ > 0 ? guessReasonText(guesses_) : singleReason_;
    outcome.guessed = guessingEntered_;
    outcome.singleCell = singleCell_;
    outcome.singleValue = singleValue_;
    outcome.guessCell = guessCell_;
    outcome.guessValue = guessValue_;
    outcome.panelCell = panelCell_;
    return outcome;
}

}  // namespace

SolveOutcome solveTables(SolveTables& tables, ProgramState& session, bool oneStep,
                         const GuessProgress& progress) {
    return Engine(tables, session, progress).run(oneStep);
}

}  // namespace quorvel
