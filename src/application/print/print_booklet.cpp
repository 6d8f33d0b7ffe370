#include "application/print/print_booklet.h"

#include <memory>
#include <optional>

#include "application/commands/grid_setup_generator.h"  // clockSeededRandom
#include "application/commands/puzzle_file_commands.h"  // kPuzzleFileFilter
#include "application/commands/text_file_commands.h"    // textFilesFolder
#include "application/grid/grid_window.h"
#include "application/host.h"
#include "application/print/booklet_dialog.h"
#include "application/print/pdf_document.h"
#include "application/shell/main_window.h"
#include "model/program_state.h"
#include "storage/puzzle_database.h"

namespace quorvel {

namespace {

constexpr std::string_view kPdfFilter = "PDF Files (*.pdf)";

class BookletCommand {
  public:
    BookletCommand(MainWindow& mainWindow, Host& host, ProgramState& session)
        : mainWindow_(mainWindow), host_(host), session_(session) {}

    void run(const GridWindow& window) {
        const GridKind& kind = window.kind();
        BookletChoices initial = remembered_;
        if (!asked_) initial.level = session_.currentLevel;
        BookletDialog dialog(kind, initial);
        host_.runDialog(dialog);
        if (!dialog.accepted()) return;
        remembered_ = dialog.choices();
        asked_ = true;
        const BookletChoices& choices = dialog.choices();

        BookletRequest request{choices.source, choices.level, choices.start, choices.count, {}, {}};
        if (choices.source == BookletSource::Database) {
            request.file = databasePath(mainWindow_.programFolder(), kind);
        } else if (choices.source == BookletSource::PuzzleFile) {
            const std::optional<std::string> file =
                chooseFile(false, "Puzzle File for the Booklet", kPuzzleFileFilter);
            if (!file) return;
            request.file = *file;
        }
        std::optional<std::string> pdf;
        if (choices.output == BookletOutput::PdfFile) {
            pdf = choosePdf("Save the Booklet as PDF");
            if (!pdf) return;
        }

        const BookletPuzzles collected = collect(kind, request);
        if (collected.stopped) {
            tell("Booklet stopped: nothing printed.", colour::kBlue);
            return;
        }
        if (!collected.failure.empty()) {
            tell(collected.failure, colour::kRed);
            return;
        }
        if (collected.puzzles.empty()) {
            tell("No puzzle to print" + LeftOut(collected) + ".", colour::kRed);
            return;
        }
        const Booklet booklet{
            kind, choices.heading.empty() ? bookletTitle(kind, request) : choices.heading,
            choices.footer, choices.date ? bookletDate(host_.now()) : "", collected.puzzles};
        const BookletPlan plan =
            planBooklet(kind, choices.layout, static_cast<int>(booklet.puzzles.size()));
        const std::vector<DrawnPage> pages = drawBooklet(booklet, plan);
        const std::string what = "Booklet: " + std::to_string(booklet.puzzles.size()) +
                                 (booklet.puzzles.size() < static_cast<std::size_t>(choices.count)
                                      ? " puzzles (of " + std::to_string(choices.count) + " asked)"
                                      : " puzzles") +
                                 LeftOut(collected) + " on " + std::to_string(pages.size()) +
                                 (pages.size() == 1 ? " page" : " pages");
        if (!pdf) {
            switch (host_.printPages(pages)) {
                case PagesPrinted::Printed:
                    tell(what + " sent to the printer.", colour::kBlue);
                    return;
                case PagesPrinted::Cancelled:
                    tell("Booklet not printed.", colour::kBlue);
                    return;
                case PagesPrinted::Failed:
                    tell("The printer did not take the booklet.", colour::kRed);
                    return;
                case PagesPrinted::NoPrinter:
                    pdf = choosePdf("No printer installed - save the booklet as PDF");
                    if (!pdf) return;
            }
        }
        if (const FileStatus error = writePdfDocument(pages, *pdf, bookletPdfInfo(booklet))) {
            tell(error->message(), colour::kRed);
            return;
        }
        tell(what + " saved as " + *pdf + ".", colour::kBlue);
    }

  private:
    static std::string LeftOut(const BookletPuzzles& collected) {
        if (collected.skipped == 0) return "";
        return ", " + std::to_string(collected.skipped) + " left out";
    }

    void tell(const std::string& text, Colour colour) {
        mainWindow_.showMessage(text, colour, Alignment::Centre);
    }

    std::optional<std::string> chooseFile(bool save, std::string title, std::string_view filter) {
        FileDialogRequest request;
        request.save = save;
        request.title = std::move(title);
        request.filter = std::string(filter);
        request.initialFolder = textFilesFolder(mainWindow_.programFolder()).string();
        std::optional<std::string> file = host_.chooseFile(request);
        if (file && file->empty()) return std::nullopt;
        return file;
    }

    // The PDF file to write, named in full, ".pdf" added to a name typed without it.
    std::optional<std::string> choosePdf(std::string title) {
        const std::optional<std::string> file = chooseFile(true, std::move(title), kPdfFilter);
        if (!file) return std::nullopt;
        std::error_code error;
        return std::filesystem::absolute(withPdfSuffix(*file), error).string();
    }

    // The puzzles, with the count on the message line and Stop on the menu bar meanwhile.
    BookletPuzzles collect(const GridKind& kind, const BookletRequest& request) {
        ScopeGuard workingHard = mainWindow_.showWorkingHard();
        session_.stopRequested = false;
        mainWindow_.setStopItemVisible(true);
        const std::unique_ptr<RandomSource> random = clockSeededRandom(host_);
        const std::string of = " of " + std::to_string(request.count);
        BookletPuzzles collected = collectBookletPuzzles(kind, request, *random, [&](int done) {
            tell("Booklet: puzzle " + std::to_string(done) + of, colour::kBlue);
            host_.processEvents();
            return !session_.stopRequested;
        });
        mainWindow_.setStopItemVisible(false);
        session_.stopRequested = false;
        return collected;
    }

    MainWindow& mainWindow_;
    Host& host_;
    ProgramState& session_;
    // The choices of the last booklet, offered again; the first time the level is the current.
    BookletChoices remembered_;
    bool asked_ = false;
};

}  // namespace

void registerBookletCommand(MainWindow& mainWindow, Host& host, ProgramState& session,
                            const ActiveGridWindow& activeGrid) {
    auto command = std::make_shared<BookletCommand>(mainWindow, host, session);
    mainWindow.commands().setAction(Command::PrintBooklet, [command, activeGrid] {
        if (const GridWindow* window = activeGrid()) command->run(*window);
    });
}

}  // namespace quorvel
