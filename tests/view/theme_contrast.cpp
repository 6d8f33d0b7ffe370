// In the Dark theme every text reads at 4.5 : 1 or better against its ground (the WCAG ratio):
// a cell's value in each colour a value takes on each ground a cell takes, its notes and the
// chains' candidates (on their rings too), the possibilities panel, the message line and the
// toolbar. Classic paints the designed colours unchanged.

#include "view/view_fixture.h"

#include "views/grid/forwarding_line_edit.h"
#include "views/grid/grid_view.h"
#include "views/grid/label_button.h"
#include "views/grid/screen_measures.h"
#include "views/shell/fitted_label.h"
#include "views/shell/main_view.h"

#include <QLabel>
#include <QtTest>

#include <algorithm>
#include <cmath>

using namespace quorvel;
using namespace quorvel::view;

namespace {

double luminance(const QColor& colour) {
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

double contrast(const QColor& text, const QColor& ground) {
    const double a = luminance(text);
    const double b = luminance(ground);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

void expectReadable(const QColor& text, const QColor& ground, const QString& what) {
    QVERIFY2(contrast(text, ground) >= 4.5, qPrintable(QStringLiteral("%1: %2 on %3 is %4 : 1")
                                                           .arg(what, text.name(), ground.name())
                                                           .arg(contrast(text, ground))));
}

constexpr Colour kCellGrounds[] = {kPlainBack,      kShadedBack,        kMarkedBack,
                                   kHintUnitBack,   kHintPatternBack,   kHintEliminationBack,
                                   kHintTargetBack, kDifferingCellBack, kMistakeCellBack,
                                   kFlashBack,      kChainRingFill};
constexpr Colour kNoteColours[] = {kNoteFore, kNoteMistakeFore, kChainFore, kChainRemovedFore};

}  // namespace

class ThemeContrast : public QObject {
    Q_OBJECT

  private slots:
    void darkTextsRead() {
        testing::LoadedProgram program;
        MainView view(program.main());
        GridWindow& window = program.application.nineGrid();
        auto* grid = new GridView(window);
        view.addGrid(grid);
        program.main().menuChosen(WindowAction::ThemeDark);
        view.show();
        QVERIFY(viewLook().dark);

        window.setCellValue(1, "5");
        for (Colour value : {kGivenRed, kEntryBlue, kExperimentPurple}) {
            for (Colour ground : kCellGrounds) {
                window.board().setCellColours(1, value, ground);
                grid->refreshAll();
                const QPalette shown = grid->cell(1)->palette();
                expectReadable(shown.color(QPalette::Text), shown.color(QPalette::Base),
                               QStringLiteral("cell value"));
            }
        }
        // The notes are painted in textColor on the cell's ground (or the ring's).
        for (Colour note : kNoteColours)
            for (Colour ground : kCellGrounds)
                expectReadable(textColor(note), groundColor(ground), QStringLiteral("note"));

        window.setPanelVisible(true);
        for (int value = 1; value <= 9; ++value) {
            const PanelMark mark = window.panelMark(value);
            expectReadable(textColor(mark.foreColour), groundColor(mark.backColour),
                           QStringLiteral("panel"));
        }
        for (const PanelMark mark : {PanelMark{kPanelPossibleBack, colour::kRed},
                                     PanelMark{kPanelTakenBack, colour::kWhite},
                                     PanelMark{kPanelNotedOutBack, kPanelNotedOutFore}})
            expectReadable(textColor(mark.foreColour), groundColor(mark.backColour),
                           QStringLiteral("panel"));

        for (Colour line : {colour::kBlue, colour::kRed, colour::kGreen, colour::kBlack,
                            colour::kDarkRed, colour::kPurple}) {
            program.main().showMessage(std::to_string(line), line, Alignment::Left);
            const QPalette shown = view.messageLine()->palette();
            expectReadable(shown.color(QPalette::WindowText), shown.color(QPalette::Window),
                           QStringLiteral("message line"));
        }

        for (const ToolButton& button : program.main().toolbar().all())
            for (Colour ground : {kButtonFace, kChosenButtonBack})
                expectReadable(textColor(button.foreColour), groundColor(ground),
                               QString::fromStdString(button.toolTip));
        expectReadable(textColor(kFlashFore), groundColor(kFlashBack), QStringLiteral("flash"));
    }

    void classicPaintsTheDesignedColours() {
        testing::LoadedProgram program;
        MainView view(program.main());
        program.main().menuChosen(WindowAction::ThemeDark);
        program.main().menuChosen(WindowAction::ThemeClassic);
        for (Colour colour : kCellGrounds) {
            QCOMPARE(groundColor(colour), colorFromBgr(colour));
            QCOMPARE(textColor(colour), colorFromBgr(colour));
        }
    }
};

QTEST_MAIN(ThemeContrast)
#include "theme_contrast.moc"
