// The grid window's view: keys typed into a cell reach the core, and the cells show what the
// core then holds (text, focus, colours).

#include "view/view_fixture.h"

#include "views/grid/forwarding_line_edit.h"
#include "views/grid/grid_view.h"
#include "views/grid/screen_measures.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QtTest>

using namespace quorvel;
using namespace quorvel::view;

Q_DECLARE_METATYPE(QList<int>)

class GridCells : public QObject {
    Q_OBJECT

  private slots:
    void typedKeysReachTheCore_data() {
        QTest::addColumn<bool>("fifteen");
        QTest::addColumn<QList<int>>("keys");  // Qt key codes, typed into the focused widget
        QTest::addColumn<QString>("cell1");
        QTest::addColumn<int>("focused");
        QTest::addColumn<QString>("message");
        QTest::newRow("digit enters") << false << QList<int>{Qt::Key_5} << "5" << 1 << "";
        QTest::newRow("second digit refused") << false << QList<int>{Qt::Key_7, Qt::Key_8} << "7"
                                              << 1 << "Maximum number of digits for field reached.";
        QTest::newRow("letter refused") << false << QList<int>{Qt::Key_A} << "" << 1
                                        << "Invalid data type -  Only numeric data allowed.";
        QTest::newRow("right moves on")
            << false << QList<int>{Qt::Key_4, Qt::Key_Right} << "4" << 2 << "";
        QTest::newRow("enter moves down") << false << QList<int>{Qt::Key_Return} << "" << 10 << "";
        QTest::newRow("left wraps to the last cell")
            << false << QList<int>{Qt::Key_Left} << "" << 81 << "";
        QTest::newRow("escape restores")
            << false << QList<int>{Qt::Key_6, Qt::Key_Escape} << "" << 1 << "";
        QTest::newRow("delete empties")
            << false << QList<int>{Qt::Key_3, Qt::Key_Delete} << "" << 1 << "";
        QTest::newRow("fifteen takes ten")
            << true << QList<int>{Qt::Key_1, Qt::Key_0} << "10" << 1 << "";
        QTest::newRow("fifteen down") << true << QList<int>{Qt::Key_Down} << "" << 16 << "";
    }
    void typedKeysReachTheCore() {
        QFETCH(bool, fifteen);
        QFETCH(QList<int>, keys);
        QFETCH(QString, cell1);
        QFETCH(int, focused);
        QFETCH(QString, message);

        testing::LoadedProgram program;
        if (fifteen) program.main().pressGridButton(true);
        GridWindow& grid =
            fifteen ? program.application.fifteenGrid() : program.application.nineGrid();
        GridView view(grid);
        view.show();
        view.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&view));

        QTest::mouseClick(view.cell(1), Qt::LeftButton);
        QCOMPARE(grid.focusedCell(), 1);
        for (int key : keys) {
            QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key));
        }

        QCOMPARE(QString::fromStdString(grid.board().cell(1).text), cell1);
        QCOMPARE(view.cell(1)->text(), cell1);
        QCOMPARE(grid.focusedCell(), focused);
        QCOMPARE(QApplication::focusWidget(), view.cell(focused));
        QCOMPARE(QString::fromStdString(program.main().messageLine().text), message);
        QCOMPARE(view.focusFrame()->geometry().center(), view.cell(focused)->geometry().center());
    }

    void committedValueReachesTheStoreOnce() {
        testing::LoadedProgram program;
        GridWindow& grid = program.application.nineGrid();
        GridView view(grid);
        view.show();
        view.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&view));
        QTest::mouseClick(view.cell(1), Qt::LeftButton);
        QTest::keyClick(view.cell(1), Qt::Key_9);
        QCOMPARE(grid.board().storeValue(1, 1), 0);  // typed, not yet committed
        QTest::keyClick(view.cell(1), Qt::Key_Right);
        QCOMPARE(grid.board().storeValue(1, 1), 9);
        // The panel and gauge follow the committed value.
        QVERIFY(view.gauge()->isVisible());
        QVERIFY(!view.percentLabel()->text().trimmed().isEmpty());
    }

    void cellsShowTheCoreColours() {
        testing::LoadedProgram program;
        GridWindow& grid = program.application.nineGrid();
        GridView view(grid);
        // Block shading and text colours: a shaded block, a plain block, a locked red cell.
        grid.board().setCellLocked(4, true);
        grid.restoreCellColour(4, false);
        QCOMPARE(view.cell(1)->palette().color(QPalette::Base), colorFromBgr(0xC0FFFF));
        QCOMPARE(view.cell(4)->palette().color(QPalette::Base), colorFromBgr(0xFFFFFF));
        QCOMPARE(view.cell(4)->palette().color(QPalette::Text), colorFromBgr(255));
        QCOMPARE(view.cell(1)->palette().color(QPalette::Text), colorFromBgr(0xFF0000));
    }

    // The chain marks of the core are drawn: the rings and the arrow between the two candidates,
    // in the chain colour, over the cells; none once the marks go.
    void chainMarksAreDrawn_data() {
        QTest::addColumn<bool>("fifteen");
        QTest::newRow("nine") << false;
        QTest::newRow("fifteen") << true;
    }
    void chainMarksAreDrawn() {
        QFETCH(bool, fifteen);
        testing::LoadedProgram program;
        GridWindow& grid =
            fifteen ? program.application.fifteenGrid() : program.application.nineGrid();
        GridView view(grid);
        const auto chainPixels = [&view] {
            const QImage image = view.grab().toImage();
            const QColor line = colorFromBgr(kChainLine);
            int count = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) {
                    const QColor pixel = image.pixelColor(x, y);
                    count += std::abs(pixel.red() - line.red()) < 40 &&
                             std::abs(pixel.green() - line.green()) < 40 && pixel.blue() < 50;
                }
            return count;
        };
        const int before = chainPixels();
        // A link along the first row, from its first cell to its last: a line of some 300
        // pixels, where the two rings alone colour less than 100.
        const int last = grid.kind().side;
        ChainMarks marks;
        marks.shown[1] = marks.ringed[1] = marks.shown[last] = marks.ringed[last] = 1u << 5;
        marks.links.push_back({{{1, 5}}, {{last, 5}}, true});
        grid.setChainMarks(marks);
        QVERIFY2(chainPixels() > before + 300, qPrintable(QString::number(chainPixels() - before)));
        grid.setChainMarks({});
        QCOMPARE(chainPixels(), before);
    }
};

QTEST_MAIN(GridCells)
#include "grid_cells.moc"
