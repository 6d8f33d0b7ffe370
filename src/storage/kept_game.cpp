#include "storage/kept_game.h"

#include <algorithm>
#include <charconv>
#include <map>

#include "model/puzzle_line.h"
#include "storage/data_file.h"
#include "storage/note_file.h"
#include "storage/number_text.h"

namespace quorvel {

namespace {

std::optional<int> wholeNumber(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0) return std::nullopt;
    return value;
}

std::optional<std::vector<int>> CellValues(const GridKind& kind, std::string_view line) {
    const PuzzleLineResult read = parsePuzzleLine(line);
    if (!read.puzzle || !(read.puzzle->kind == kind)) return std::nullopt;
    return read.puzzle->values;
}

}  // namespace

std::optional<KeptGame> parseKeptGame(std::string_view text) {
    std::map<std::string, std::string, std::less<>> fields;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const std::size_t equals = line.find('=');
        if (equals != std::string_view::npos)
            fields.emplace(line.substr(0, equals), line.substr(equals + 1));
    }
    const auto field = [&](std::string_view name) -> std::optional<std::string_view> {
        const auto found = fields.find(name);
        if (found == fields.end()) return std::nullopt;
        return std::string_view(found->second);
    };
    const std::optional<int> size = field("Size") ? wholeNumber(*field("Size")) : std::nullopt;
    if (size != kNineGrid.side && size != kFifteenGrid.side) return std::nullopt;
    KeptGame game;
    game.kind = *size == kNineGrid.side ? kNineGrid : kFifteenGrid;
    const auto givens = CellValues(game.kind, field("Givens").value_or(""));
    const auto entries = CellValues(game.kind, field("Entries").value_or(""));
    if (!givens || !entries) return std::nullopt;
    for (std::size_t cell = 0; cell < givens->size(); ++cell) {
        if ((*givens)[cell] != 0 && (*entries)[cell] != 0) return std::nullopt;
    }
    game.givens = *givens;
    game.entries = *entries;
    game.notes = parseNotes(field("Notes").value_or(""), game.kind);
    game.colouring = parseColouring(field("Colouring").value_or(""), game.kind);
    const std::optional<int> number = wholeNumber(field("Number").value_or(""));
    const std::optional<int> kind = wholeNumber(field("Kind").value_or(""));
    const std::optional<int> level = wholeNumber(field("Level").value_or(""));
    const std::optional<double> elapsed = parseDecimal(field("Elapsed").value_or(""));
    const std::optional<std::string_view> offer = field("OfferAtStart");
    if (!number || !kind || !level || !elapsed || *elapsed < 0 || !offer ||
        (*offer != "True" && *offer != "False") || !field("Caption"))
        return std::nullopt;
    game.puzzleNumber = *number;
    game.puzzleKind = *kind;
    game.puzzleLevel = *level;
    game.caption = std::string(*field("Caption"));
    game.elapsedDays = *elapsed;
    game.offerAtStart = *offer == "True";
    return game;
}

std::string formatKeptGame(const KeptGame& game) {
    return "Size=" + std::to_string(game.kind.side) +
           "\nGivens=" + formatPuzzleLine(game.kind, game.givens) +
           "\nEntries=" + formatPuzzleLine(game.kind, game.entries) +
           "\nNotes=" + formatNotes(game.notes) + "\nNumber=" + std::to_string(game.puzzleNumber) +
           "\nKind=" + std::to_string(game.puzzleKind) +
           "\nLevel=" + std::to_string(game.puzzleLevel) + "\nCaption=" + game.caption +
           "\nElapsed=" + formatDecimal(game.elapsedDays) +
           "\nOfferAtStart=" + (game.offerAtStart ? "True" : "False") + "\n" +
           (game.colouring.empty() ? "" : "Colouring=" + formatColouring(game.colouring) + "\n");
}

std::vector<KeptGame> parseKeptGames(std::string_view text) {
    std::vector<KeptGame> games;
    const auto take = [&](std::string_view block) {
        const std::optional<KeptGame> game = parseKeptGame(block);
        if (!game) return;
        for (const KeptGame& kept : games) {
            if (kept.kind == game->kind) return;
        }
        games.push_back(*game);
    };
    // A block ends at an empty line (a lone CR counts as empty).
    std::size_t blockStart = 0;
    for (std::size_t lineStart = 0; lineStart < text.size();) {
        std::size_t end = text.find('\n', lineStart);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = text.substr(lineStart, end - lineStart);
        lineStart = end + 1;
        if (line.empty() || line == "\r") {
            take(text.substr(blockStart, end - blockStart));
            blockStart = std::min(lineStart, text.size());
        }
    }
    take(text.substr(blockStart));
    return games;
}

std::string formatKeptGames(const std::vector<KeptGame>& games) {
    std::string text;
    for (const KeptGame& game : games)
        text += (text.empty() ? "" : "\n") + formatKeptGame(game);
    return text;
}

std::vector<KeptGame> loadKeptGames(const std::filesystem::path& settingsFolder) {
    const std::optional<std::string> bytes =
        readFileBytes(resolveDataFile(settingsFolder, kKeptGameFileName));
    return bytes ? parseKeptGames(*bytes) : std::vector<KeptGame>{};
}

FileStatus saveKeptGames(const std::filesystem::path& settingsFolder,
                         const std::vector<KeptGame>& games) {
    return replaceFileAtomically(resolveDataFile(settingsFolder, kKeptGameFileName),
                                 formatKeptGames(games));
}

}  // namespace quorvel
