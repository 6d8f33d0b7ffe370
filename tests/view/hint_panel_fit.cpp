// Explain Next Step's panel never covers the grid window and lies wholly on the screen, on both
// grids, with a step whose details are too long for any screen (they scroll inside it). The main
// window starts in the screen's middle, as a window manager places a new window. ctest runs this on
// screens of 1024 x 768, 1366 x 768 and 2048 x 1536 at twice the size (QUORVEL_TEST_SCREEN names
// the one it asked for).

#include "view/view_fixture.h"

#include "views/grid/grid_view.h"
#include "views/shell/hint_panel_view.h"
#include "views/shell/main_view.h"

#include <QMdiSubWindow>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextList>
#include <QtTest>

using namespace quorvel;
using namespace quorvel::view;

namespace {

QString described(const char* what, const QRect& rect) {
    return QStringLiteral("%1 %2,%3 %4x%5")
        .arg(QLatin1String(what))
        .arg(rect.x())
        .arg(rect.y())
        .arg(rect.width())
        .arg(rect.height());
}

// A step whose unfolded details are longer than any screen.
HintPanel longHint() {
    HintPanel panel{true, "Hint for r5c9", 1, 12, "X-Chain on 5 from r8c9 to r9c6.", {}, true};
    const std::string link = "r8c9 is not 5, so r4c9 is 5 (column 9), r4c2 is not 5 (row 4)";
    for (int line = 0; line < 80; ++line)
        panel.details += link + "\n";
    return panel;
}

}  // namespace

class HintPanelFit : public QObject {
    Q_OBJECT

  private slots:
    void clearOfTheGridAndOnTheScreen_data() {
        QTest::addColumn<bool>("fifteen");
        QTest::newRow("9x9") << false;
        QTest::newRow("15x15") << true;
    }
    void clearOfTheGridAndOnTheScreen() {
        QFETCH(bool, fifteen);
        testing::LoadedProgram program;
        MainView view(program.main());
        for (GridWindow* grid :
             {&program.application.nineGrid(), &program.application.fifteenGrid()})
            view.addGrid(new GridView(*grid));
        view.show();
        program.main().openGrid(fifteen);
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QScreen* screen = view.screen();
        const QString asked = qEnvironmentVariable("QUORVEL_TEST_SCREEN");
        const QSize pixels = screen->geometry().size() * screen->devicePixelRatio();
        if (!asked.isEmpty())
            QCOMPARE(QStringLiteral("%1x%2").arg(pixels.width()).arg(pixels.height()), asked);
        const QRect area = screen->availableGeometry();
        view.move(area.center() - view.frameGeometry().center() + view.pos());

        program.main().setHintPanel(longHint());
        HintPanelView* panel = view.hintPanel();
        QVERIFY(panel != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(panel));
        const QMdiSubWindow* grid = view.visibleSubWindow();
        const QRect gridFrame(grid->mapToGlobal(QPoint(0, 0)), grid->size());
        const QRect panelFrame = panel->frameGeometry();
        const QString where = described("panel", panelFrame) + described(", grid", gridFrame) +
                              described(", main window", view.frameGeometry()) +
                              described(", screen", area);
        qInfo("%s", qPrintable(where));
        QVERIFY2(area.contains(panelFrame), qPrintable(where));
        QVERIFY2(!panelFrame.intersects(gridFrame), qPrintable(where));
        QVERIFY2(area.left() <= view.frameGeometry().left() &&
                     view.frameGeometry().right() <= area.right(),
                 qPrintable(where));
        // Steps longer than the screen take its whole height and scroll.
        QCOMPARE(panelFrame.height(), area.height());
        QVERIFY(panel->findChild<QTextBrowser*>()->verticalScrollBar()->maximum() > 0);

        program.main().setHintPanel({});
        QVERIFY(!panel->isVisible());
    }

    // The unfolded details keep a nested net's lines indented under their "inside:" line.
    void detailsKeepNestedNetsIndented() {
        testing::LoadedProgram program;
        MainView view(program.main());
        view.addGrid(new GridView(program.application.nineGrid()));
        view.show();
        HintPanel panel{true, "Hint for r1c1", 1, 2, "If r1c1 is 1, ...", {}, true};
        panel.details =
            "Forcing Net at r1c1: if r1c1 is 1:\nouter\ninside: if r1c8 were 4:\n"
            "  inner\n    deeper\n  inner again\nouter again";
        program.main().setHintPanel(panel);
        const QTextDocument& shown = *view.hintPanel()->findChild<QTextBrowser*>()->document();
        const auto indent = [&shown](const QString& line) {
            const QTextBlock block = shown.find(line, 0, QTextDocument::FindWholeWords).block();
            return block.textList() != nullptr ? block.textList()->format().indent() : 0;
        };
        const int outer = indent(QStringLiteral("outer"));
        QVERIFY(outer > 0);
        QCOMPARE(indent(QStringLiteral("inside")), outer);
        QCOMPARE(indent(QStringLiteral("inner")), outer + 1);
        QCOMPARE(indent(QStringLiteral("deeper")), outer + 2);
        QCOMPARE(indent(QStringLiteral("again")), outer + 1);  // "inner again", found first
        QCOMPARE(shown.lastBlock().text(), QStringLiteral("outer again"));
        QCOMPARE(shown.lastBlock().textList()->format().indent(), outer);
    }
};

QTEST_MAIN(HintPanelFit)
#include "hint_panel_fit.moc"
