// The print painter draws the core's page: rendered into an image, one cell of every block shows
// its block's shading, and a given keeps its red digits.

#include <QImage>
#include <QPainter>
#include <QtTest>

#include "application/print/print_layout.h"
#include "view_fixture.h"
#include "views/grid/screen_measures.h"
#include "views/print/print_painter.h"

using namespace quorvel;

class PrintPageTest : public QObject {
    Q_OBJECT

  private:
    // Renders the page at one pixel per 10 twips and returns the pixel at a cell's top-left
    // inside corner, where no digit is drawn.
    static QColor cellCorner(const PrintPage& page, const QImage& image, int cell) {
        const TwipRect r = page.cells[cell - 1].rect;
        return image.pixelColor((r.left + 60) / 10, (r.top + 60) / 10);
    }
    static QImage render(const PrintPage& page) {
        QImage image(page.widthTwips / 10, page.heightTwips / 10, QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter painter(&image);
        view::paintPrintPage(painter, QRectF(image.rect()), page);
        return image;
    }

  private slots:
    void shadesOneCellPerBlock() {
        view::testing::LoadedProgram program;
        for (GridWindow* grid :
             {&program.application.nineGrid(), &program.application.fifteenGrid()}) {
            const GridKind& kind = grid->kind();
            const PrintPage page = layoutPrintPage(*grid);
            const QImage image = render(page);
            for (int block = 1; block <= kind.side; ++block) {
                // The top-left cell of the block.
                const int row = (block - 1) / kind.blocksAcross() * kind.blockHeight + 1;
                const int column = (block - 1) % kind.blocksAcross() * kind.blockWidth + 1;
                const int cell = kind.cellAt(row, column);
                const QColor expected =
                    view::colorFromBgr(printBlockShaded(kind, cell) ? kShadedBack : kPlainBack);
                QCOMPARE(cellCorner(page, image, cell), expected);
            }
        }
    }

    void drawsGivenDigitsInTheirColour() {
        view::testing::LoadedProgram program;
        GridWindow& grid = program.application.nineGrid();
        grid.setCellValue(41, "8");
        grid.board().setCellColours(41, 255, 0xFFFFFF);
        const PrintPage page = layoutPrintPage(grid);
        const QImage image = render(page);
        const TwipRect r = page.cells[40].rect;
        bool redFound = false;
        for (int y = r.top / 10; y < (r.top + r.height) / 10 && !redFound; ++y) {
            for (int x = r.left / 10; x < (r.left + r.width) / 10; ++x) {
                const QColor pixel = image.pixelColor(x, y);
                if (pixel.red() > 200 && pixel.green() < 80 && pixel.blue() < 80) {
                    redFound = true;
                    break;
                }
            }
        }
        QVERIFY(redFound);
    }
};

QTEST_MAIN(PrintPageTest)
#include "print_page.moc"
