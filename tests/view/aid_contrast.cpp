// The highlighted value keeps every text readable: a given, an entry, an entry of an
// experimental run and the notes, plain or contradicted, each measured on the drawn cell against
// the highlight behind it, at a WCAG contrast ratio of at least 4.5 : 1, on both grids.

#include "view/view_fixture.h"

#include "model/aid_colours.h"
#include "views/grid/forwarding_line_edit.h"
#include "views/grid/grid_view.h"
#include "views/grid/screen_measures.h"

#include <QImage>
#include <QtTest>

#include <cmath>

using namespace quorvel;
using namespace quorvel::view;

namespace {

double luminance(QColor colour) {
    const auto channel = [](double value) {
        return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
           0.0722 * channel(colour.blueF());
}

double contrast(QColor one, QColor other) {
    const double a = luminance(one) + 0.05;
    const double b = luminance(other) + 0.05;
    return a > b ? a / b : b / a;
}

// The drawn text's strongest contrast against the highlight, and whether the highlight shows.
struct Measured {
    bool highlightShown = false;
    double textContrast = 1;
};

// Measured within the part the highlight covers: the whole cell, or the place of one note.
Measured measure(const QImage& image) {
    const QColor highlight = colorFromBgr(aidColours().highlightBack);
    QRect covered;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == highlight) covered |= QRect(x, y, 1, 1);
        }
    }
    Measured measured;
    measured.highlightShown = !covered.isEmpty();
    for (int y = covered.top(); y <= covered.bottom(); ++y) {
        for (int x = covered.left(); x <= covered.right(); ++x)
            measured.textContrast =
                std::max(measured.textContrast, contrast(image.pixelColor(x, y), highlight));
    }
    return measured;
}

}  // namespace

class AidContrast : public QObject {
    Q_OBJECT

  private slots:
    void highlightKeepsTextReadable_data() {
        QTest::addColumn<bool>("fifteen");
        QTest::addColumn<int>("given");         // holds the value, locked and red
        QTest::addColumn<int>("entry");         // holds it in blue
        QTest::addColumn<int>("experiment");    // holds it in purple
        QTest::addColumn<int>("noted");         // notes it
        QTest::addColumn<int>("contradicted");  // notes it beside the given
        QTest::newRow("9 x 9") << false << 1 << 13 << 57 << 81 << 2;
        QTest::newRow("15 x 15") << true << 1 << 95 << 173 << 225 << 2;
    }
    void highlightKeepsTextReadable() {
        QFETCH(bool, fifteen);
        QFETCH(int, given);
        QFETCH(int, entry);
        QFETCH(int, experiment);
        QFETCH(int, noted);
        QFETCH(int, contradicted);
        testing::LoadedProgram program;
        if (fifteen) program.main().pressGridButton(true);
        GridWindow& grid =
            fifteen ? program.application.fifteenGrid() : program.application.nineGrid();
        GridView view(grid);
        view.show();
        constexpr int kValue = 5;
        Board& board = grid.board();
        const std::pair<int, Colour> values[] = {
            {given, kGivenRed}, {entry, kEntryBlue}, {experiment, kExperimentPurple}};
        for (const auto& [cell, fore] : values) {
            grid.setCellValue(cell, std::to_string(kValue));
            board.setCellColours(cell, fore, kPlainBack);
        }
        board.setCellLocked(given, true);
        for (int cell : {noted, contradicted})
            grid.setNotes(cell, static_cast<ValueMask>((1u << kValue) | (1u << 1)));
        grid.checkConsistency(1, true);
        grid.setHighlightedValue(kValue);
        QVERIFY(grid.conflictingNotes(contradicted) != 0);

        for (int cell : {given, entry, experiment, noted, contradicted}) {
            const Measured measured = measure(view.cell(cell)->grab().toImage());
            QVERIFY2(measured.highlightShown, qPrintable(QString("cell %1").arg(cell)));
            QVERIFY2(measured.textContrast >= 4.5,
                     qPrintable(QString("cell %1: %2").arg(cell).arg(measured.textContrast)));
        }
    }
};

QTEST_MAIN(AidContrast)
#include "aid_contrast.moc"
