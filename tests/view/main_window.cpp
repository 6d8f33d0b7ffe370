// The main window's view: menu actions and toolbar buttons show the core's state and hand the
// user's choice back to it.

#include "view/view_fixture.h"

#include "ui/grid/view/grid_view.h"
#include "ui/grid/view/label_button.h"
#include "ui/grid/view/units.h"
#include "ui/shell/view/main_view.h"
#include "ui/shell/view/menu_view.h"

#include <QAction>
#include <QMenuBar>
#include <QtTest>

using namespace quorvel;
using namespace quorvel::view;

namespace {

constexpr MenuRef kAssistSolve{MenuArray::Top, 3};
constexpr MenuRef kCheckForSingle{MenuArray::AssistSolve, 2};
constexpr MenuRef kStop{MenuArray::Top, 8};
constexpr MenuRef kTip{MenuArray::VisualAid, 1};
constexpr MenuRef kDeletePuzzle{MenuArray::Database, 7};

}  // namespace

class MainWindowViewTest : public QObject {
    Q_OBJECT

  private slots:
    void actionsFollowTheCore() {
        testing::LoadedProgram program;
        MainView view(program.main());
        MenuView& menus = *view.menus();
        auto action = [&menus](MenuRef ref) { return menus.actionFor(ref); };

        QVERIFY(!action(kAssistSolve)->isEnabled());
        QVERIFY(!action(kCheckForSingle)->isEnabled());  // out of reach inside a disabled menu
        QVERIFY(!action(kStop)->isVisible());
        QVERIFY(!action(kDeletePuzzle)->isEnabled());
        QCOMPARE(action(kCheckForSingle)->shortcut(), QKeySequence(Qt::Key_F8));
        QCOMPARE(action({MenuArray::Top, 0})->text(), QString("&Puzzle Grid"));

        program.main().setMenuEnabled(kAssistSolve, true);
        program.main().setMenuVisible(kStop, true);
        QVERIFY(action(kAssistSolve)->isEnabled());
        QVERIFY(action(kCheckForSingle)->isEnabled());
        QVERIFY(action(kStop)->isVisible());

        // The check mark shows the core's switch.
        program.main().setMenuChecked(kTip, true);
        QVERIFY(action(kTip)->isChecked());
        program.main().setMenuChecked(kTip, false);
        QVERIFY(!action(kTip)->isChecked());

        // Every title stays on the bar at the narrower width of the create layout.
        program.application.session().createMode = true;
        program.main().applyComposeLayout();
        view.show();
        const QRect quit = view.menuBar()->actionGeometry(action({MenuArray::Top, 7}));
        QVERIFY(!quit.isEmpty() && quit.right() < view.menuBar()->width());
        program.application.session().createMode = false;
        program.main().applyComposeLayout();

        // Choosing an item runs it in the core: Fifteen opens the 15x15 grid.
        action({MenuArray::PuzzleGrid, 1})->trigger();
        QCOMPARE(program.application.session().gridKindCode, 5);
        QVERIFY(program.application.fifteenGrid().shown());
        QVERIFY(!program.application.nineGrid().shown());
    }

    void gridWindowStaysWhereTheCorePlacesIt() {
        testing::LoadedProgram program;
        MainView view(program.main());
        GridWindow& nine = program.application.nineGrid();
        auto* grid = new GridView(nine);
        view.addGrid(grid);
        view.show();
        // Into the narrower create layout and back out: the core centres the window each time.
        for (const bool create : {true, false}) {
            program.application.session().createMode = create;
            program.main().applyComposeLayout();
            program.main().puzzleGridItemClicked(0);
            QCOMPARE(grid->parentWidget()->x(), pixelsFromTwips(nine.left()));
        }
    }

    void toolbarButtonsFollowTheCore() {
        testing::LoadedProgram program;
        MainView view(program.main());
        QVERIFY(!view.toolButton(17)->isEnabled());
        QVERIFY(view.toolButton(19)->isEnabled());
        QVERIFY(view.toolButton(10)->isHidden());  // 15x15 numbers hide on the 9x9 grid

        QTest::mouseClick(view.toolButton(5), Qt::LeftButton);
        QCOMPARE(program.application.session().selectedNumber, 5);
        QCOMPARE(view.toolButton(5)->look().backColour, 0xFFFFFFu);
        QCOMPARE(view.toolButton(0)->look().backColour, 0xE0E0E0u);

        // The level button steps the level; its glyph is drawn from a present font.
        const int level = program.application.session().currentLevel;
        QTest::mouseClick(view.toolButton(20), Qt::LeftButton);
        QCOMPARE(program.application.session().currentLevel, level % 4 + 1);
        QCOMPARE(view.toolButton(20)->shownText(),
                 QString(QChar(0x2776 + program.application.session().currentLevel - 1)));
        QCOMPARE(view.toolButton(20)->toolTip().isEmpty(), false);
    }

    void elapsedTimerRunsWhileTheCoreSaysSo() {
        testing::LoadedProgram program;
        MainView view(program.main());
        program.main().restartElapsedTime();
        QVERIFY(view.elapsedTimerActive());
        program.main().setElapsedTimerRunning(false);
        QVERIFY(!view.elapsedTimerActive());
    }
};

QTEST_MAIN(MainWindowViewTest)
#include "main_window.moc"
