// Explain Next Step draws one step at a time: on each page of the hint panel the grid rings the
// candidates of the shown step's chain and no others, and its links stay among that step's cells.
// A link passes beside the digit of a cell holding a value, and a ringed candidate on the 15 x 15
// grid is drawn large enough to read.

#include "view/view_fixture.h"

#include "engines/logic/logic_solver.h"
#include "views/grid/chain_overlay.h"
#include "views/grid/forwarding_line_edit.h"
#include "views/grid/grid_view.h"
#include "views/grid/screen_measures.h"

#include <QtTest>

#include <set>
#include <string>
#include <vector>

using namespace quorvel;
using namespace quorvel::view;

namespace {

// Fourteen forcing nets before its first value.
constexpr const char* kNetPuzzle =
    "8..........36......7..9.2...5...7.......457.....1...3...1....68..85...1..9....4..";
// Its first step is a net two deep: a net leaning on nested nets.
constexpr const char* kTwoDeepPuzzle =
    "..6.......3...7..11.7.............9.3....6..5.5.8..2....3..5..6...2...4..4..9.8..";

std::set<int> ringedCellsDrawn(const GridView& view, int cellCount) {
    std::set<int> cells;
    const QColor fill = colorFromBgr(kChainRingFill);
    for (int cell = 1; cell <= cellCount; ++cell) {
        const QImage image = view.cell(cell)->grab().toImage();
        for (int y = 0; y < image.height() && !cells.contains(cell); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixelColor(x, y) != fill) continue;
                cells.insert(cell);
                break;
            }
        }
    }
    return cells;
}

// The pixels of the view that the chain overlay changes.
std::vector<QPoint> overlayPixels(GridView& view) {
    // The overlay has no meta-object of its own: it is found among the view's widgets by its type.
    ChainOverlay* overlay = nullptr;
    for (QWidget* child : view.findChildren<QWidget*>()) {
        if (auto* found = dynamic_cast<ChainOverlay*>(child)) overlay = found;
    }
    if (overlay == nullptr || !overlay->isVisible()) return {};
    const QImage with = view.grab().toImage();
    overlay->hide();
    const QImage without = view.grab().toImage();
    overlay->show();
    std::vector<QPoint> changed;
    for (int y = 0; y < with.height(); ++y) {
        for (int x = 0; x < with.width(); ++x) {
            if (with.pixel(x, y) != without.pixel(x, y)) changed.emplace_back(x, y);
        }
    }
    return changed;
}

QRect cellPixels(const GridWindow& grid, int cell) {
    const TwipRect rect = grid.cellRect(cell);
    return rectFromTwips(rect.left, rect.top, rect.width, rect.height);
}

}  // namespace

class HintStepDrawing : public QObject {
    Q_OBJECT

  private slots:
    void eachPageDrawsOnlyItsStep_data() {
        QTest::addColumn<QByteArray>("puzzle");
        QTest::addColumn<bool>("nests");
        QTest::newRow("forcing nets") << QByteArray(kNetPuzzle) << false;
        QTest::newRow("a net two deep") << QByteArray(kTwoDeepPuzzle) << true;
    }
    // Of a net two or more deep only the outer net is drawn, not the nested nets it leans on.
    void eachPageDrawsOnlyItsStep() {
        QFETCH(QByteArray, puzzle);
        QFETCH(bool, nests);
        testing::LoadedProgram program;
        GridWindow& grid = program.application.nineGrid();
        GridView view(grid);
        view.show();
        program.main().pasteText(puzzle.toStdString());
        std::vector<int> values;
        for (const char digit : puzzle)
            values.push_back(digit == '.' ? 0 : digit - '0');
        const logic::LogicPath path = logic::hintPath(grid.kind(), values, {});
        QVERIFY(path.steps.size() > 2);
        QCOMPARE(path.steps.front().text.find("inside: if") != std::string::npos, nests);
        program.main().menuChosen(Target{Command::ExplainNextStep});
        program.main().menuChosen(Target{Command::ExplainNextStep});
        for (std::size_t shown = 0; shown < path.steps.size(); ++shown) {
            QCOMPARE(program.main().hintPanel().step, static_cast<int>(shown) + 1);
            std::set<int> chainCells;
            QRect around;
            for (const logic::ChainLink& link : path.steps[shown].chain) {
                for (const auto* node : {&link.from, &link.to}) {
                    for (const logic::CellValue& candidate : *node) {
                        chainCells.insert(candidate.cell);
                        around |= cellPixels(grid, candidate.cell);
                    }
                }
            }
            QCOMPARE(ringedCellsDrawn(view, grid.kind().cellCount()), chainCells);
            // A link bends at most a cell aside.
            const int pitch = cellPixels(grid, 1).height();
            around.adjust(-pitch, -pitch, pitch, pitch);
            const std::vector<QPoint> drawn = overlayPixels(view);
            QVERIFY2(drawn.empty() == chainCells.empty(),
                     qPrintable(QStringLiteral("step %1 of %2: %3 links, %4 pixels")
                                    .arg(shown + 1)
                                    .arg(path.steps.size())
                                    .arg(path.steps[shown].chain.size())
                                    .arg(drawn.size())));
            for (const QPoint& pixel : drawn)
                QVERIFY2(around.contains(pixel), qPrintable(QStringLiteral("step %1: %2,%3")
                                                                .arg(shown + 1)
                                                                .arg(pixel.x())
                                                                .arg(pixel.y())));
            program.main().hintPanelClicked(HintPanelButton::Next);
        }
    }

    void linkPassesBesideADigit() {
        testing::LoadedProgram program;
        GridWindow& grid = program.application.nineGrid();
        GridView view(grid);
        view.show();
        grid.setCellValue(5, "4");
        // 7 in r1c1 and r1c9, the lowest place of the cells: a link bowing up runs through the
        // middle of the row.
        ChainMarks marks;
        for (const int cell : {1, 9}) {
            marks.shown[static_cast<std::size_t>(cell)] = 1u << 7;
            marks.ringed[static_cast<std::size_t>(cell)] = 1u << 7;
        }
        marks.links.push_back({{{1, 7}}, {{9, 7}}, true});
        grid.setChainMarks(marks);
        const QRect cell = cellPixels(grid, 5);
        const QRect digit = cell.adjusted(cell.width() / 4, cell.height() / 5, -cell.width() / 4,
                                          -cell.height() / 5);
        const std::vector<QPoint> drawn = overlayPixels(view);
        QVERIFY(!drawn.empty());
        for (const QPoint& pixel : drawn)
            QVERIFY2(!digit.contains(pixel),
                     qPrintable(QStringLiteral("%1,%2").arg(pixel.x()).arg(pixel.y())));
    }

    void ringedCandidateReadsOnFifteen() {
        testing::LoadedProgram program;
        GridWindow& grid = program.application.fifteenGrid();
        GridView view(grid);
        view.show();
        ChainMarks marks;
        marks.shown[1] = 1u << 3;
        marks.ringed[1] = 1u << 3;
        marks.shown[2] = 1u << 3;
        marks.ringed[2] = 1u << 3;
        marks.links.push_back({{{1, 3}}, {{2, 3}}, true});
        grid.setChainMarks(marks);
        const QImage image = view.cell(1)->grab().toImage();
        int top = image.height();
        int bottom = -1;
        // The middle third across, where 3 stands in its row of five, inside the box's frame.
        for (int y = 2; y < image.height() - 2; ++y) {
            for (int x = image.width() / 3; x < 2 * image.width() / 3; ++x) {
                if (image.pixelColor(x, y).lightness() > 80) continue;
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
        QVERIFY2(bottom - top + 1 >= 6, qPrintable(QStringLiteral("%1 px").arg(bottom - top + 1)));
    }
};

QTEST_MAIN(HintStepDrawing)
#include "hint_step_drawing.moc"
