// Quorvel: checks that a window can be shown, finds the data folder, puts the program and its
// windows together and runs the event loop. `quorvel [--data-dir DIR] [FILE]`: FILE, a puzzle
// file, opens after the splash.

#include "application/composition/application.h"
#include "application/print/pdf_document.h"
#include "storage/data_location.h"
#include "views/grid/grid_view.h"
#include "views/grid/marking_view.h"
#include "views/print/print_painter.h"
#include "views/print/printer_output.h"
#include "views/shell/display_check.h"
#include "views/shell/help_view.h"
#include "views/shell/main_view.h"
#include "views/shell/program_icon.h"
#include "views/shell/qt_host.h"
#include "views/shell/splash_view.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

namespace {

std::string_view environmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string_view() : std::string_view(value);
}

// The platform asked for on the command line (-platform NAME) or in QT_QPA_PLATFORM.
std::string_view requestedPlatform(int argc, char** argv) {
    for (int index = 1; index + 1 < argc; ++index) {
        const std::string_view argument = argv[index];
        if (argument == "-platform" || argument == "--platform") return argv[index + 1];
    }
    return environmentValue("QT_QPA_PLATFORM");
}

// The folder given with --data-dir DIR or --data-dir=DIR; empty when none. nullopt when the
// option is there without a folder.
std::optional<std::string> dataDirOption(int argc, char** argv) {
    constexpr std::string_view kOption = "--data-dir";
    std::string folder;
    for (int index = 1; index < argc; ++index) {
        const std::string_view argument = argv[index];
        if (argument == kOption) {
            if (index + 1 == argc || std::string_view(argv[index + 1]).empty()) return std::nullopt;
            folder = argv[++index];
        } else if (argument.starts_with(kOption) && argument[kOption.size()] == '=') {
            folder = argument.substr(kOption.size() + 1);
            if (folder.empty()) return std::nullopt;
        }
    }
    return folder;
}

// The puzzle file named on the command line: the first argument that is no option (Qt has taken
// its own options out by then); "" when none.
std::string fileArgument(int argc, char** argv) {
    for (int index = 1; index < argc; ++index) {
        const std::string_view argument = argv[index];
        if (argument == "--data-dir") {
            ++index;
        } else if (!argument.starts_with('-')) {
            return std::string(argument);
        }
    }
    return "";
}

}  // namespace

int main(int argc, char** argv) {
    using namespace quorvel;
    using namespace quorvel::view;

    const DisplayEnvironment environment{environmentValue("DISPLAY"),
                                         environmentValue("WAYLAND_DISPLAY"),
                                         requestedPlatform(argc, argv)};
    const std::optional<std::string> dataDir = dataDirOption(argc, argv);
    if (!dataDir) {
        std::cerr << "quorvel: --data-dir needs a folder\n";
        return 2;
    }
    if (!hasDisplay(environment)) {
        std::cerr << noDisplayMessage(argc > 0 ? argv[0] : "quorvel") << '\n';
        return 1;
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvel"));
    QApplication::setWindowIcon(programWindowIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quorvel.Quorvel"));
    const PreparedDataLocation prepared = prepareDataLocation(
        {executableFolder(), *dataDir, std::string(environmentValue("XDG_DATA_HOME")),
         std::string(environmentValue("HOME"))});
    if (!prepared.location) {
        std::cerr << "quorvel: " << prepared.error << '\n';
        QMessageBox::critical(nullptr, QStringLiteral("Quorvel"),
                              QString::fromStdString(prepared.error));
        return 1;
    }

    QtHost host;
    // QUORVEL_PRINT_PDF, for scripted runs such as `make demo`: Print writes the page straight
    // into that PDF file, with no printer and no dialog.
    const QString printPdf = qEnvironmentVariable("QUORVEL_PRINT_PDF");
    host.setPagePrinter([printPdf](const PrintPage& page, QWidget* parent) {
        const PagePainter paint = [&page](QPainter& painter, const QRectF& area) {
            paintPrintPage(painter, area, page);
        };
        if (!printPdf.isEmpty()) return !writePagePdf(printPdf, paint).has_value();
        const PrintOutcome outcome = printPage(parent, paint);
        return outcome == PrintOutcome::Printed || outcome == PrintOutcome::SavedAsPdf;
    });
    // A booklet goes to the same file as the page, in the core's own PDF.
    host.setPagesPrinter([printPdf](const std::vector<DrawnPage>& pages, QWidget* parent) {
        if (printPdf.isEmpty()) return printPages(parent, pages);
        return writePdfDocument(pages, printPdf.toStdString()) ? PagesPrinted::Failed
                                                               : PagesPrinted::Printed;
    });
    Application program(host, prepared.location->dataFolder);
    program.setStartFile(fileArgument(argc, argv));
    program.mainWindow().setShippedFolder(prepared.location->shippedFolder);
    MainView mainView(program.mainWindow());
    host.setMainWindow(&mainView);
    auto* nineView = new GridView(program.nineGrid());
    auto* fifteenView = new GridView(program.fifteenGrid());
    mainView.addGrid(nineView);
    mainView.addGrid(fifteenView);
    // Owned by the grid views.
    new MarkingView(program.aids(), *nineView, &program.aids().nineControls());
    new MarkingView(program.aids(), *fifteenView, nullptr);
    SplashView splash(program.splash());
    HelpView help(program.mainWindow().helpWindow());

    if (!program.start()) return 0;
    return QApplication::exec();
}
