// The main window's view: menu actions and toolbar buttons show the core's state and hand the
// user's choice back to it, and what is dropped on the window reaches it.

#include "view/view_fixture.h"

#include "views/grid/grid_view.h"
#include "views/grid/label_button.h"
#include "views/grid/screen_measures.h"
#include "views/shell/main_view.h"
#include "views/shell/menu_view.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMenuBar>
#include <QMimeData>
#include <QUrl>
#include <QtTest>

using namespace quorvel;
using namespace quorvel::view;

namespace {}  // namespace

class MainWindowViewTest : public QObject {
    Q_OBJECT

  private slots:
    void actionsFollowTheCore() {
        testing::LoadedProgram program;
        MainView view(program.main());
        MenuView& menus = *view.menus();
        const MenuBar& rows = program.main().menus();
        auto action = [&](const Target& target) { return menus.actionFor(rows.at(target)); };
        auto title = [&](Menu menu) { return menus.actionFor(*rows.title(menu)); };

        QVERIFY(!title(Menu::AssistSolve)->isEnabled());
        QVERIFY(
            !action(Command::CheckForSingle)->isEnabled());  // out of reach inside a disabled menu
        QVERIFY(!action(WindowAction::Stop)->isVisible());
        QVERIFY(!action(Command::DeletePuzzle)->isEnabled());
        QCOMPARE(action(Command::CheckForSingle)->shortcut(), QKeySequence(Qt::Key_F8));
        QCOMPARE(title(Menu::PuzzleGrid)->text(), QString("&Puzzle Grid"));

        program.main().setMenuEnabled(Menu::AssistSolve, true);
        program.main().setStopItemVisible(true);
        QVERIFY(title(Menu::AssistSolve)->isEnabled());
        QVERIFY(action(Command::CheckForSingle)->isEnabled());
        QVERIFY(action(WindowAction::Stop)->isVisible());

        // The check mark shows the core's switch.
        program.main().setCommandChecked(Command::ShowPossibilitiesTip, true);
        QVERIFY(action(Command::ShowPossibilitiesTip)->isChecked());
        program.main().setCommandChecked(Command::ShowPossibilitiesTip, false);
        QVERIFY(!action(Command::ShowPossibilitiesTip)->isChecked());

        // Every title stays on the bar at the narrower width of the create layout.
        program.application.session().createMode = true;
        program.main().applyComposeLayout();
        view.show();
        const QRect quit = view.menuBar()->actionGeometry(action(WindowAction::Quit));
        QVERIFY(!quit.isEmpty() && quit.right() < view.menuBar()->width());
        program.application.session().createMode = false;
        program.main().applyComposeLayout();

        // Choosing an item runs it in the core: Fifteen opens the 15x15 grid.
        action(WindowAction::OpenFifteenGrid)->trigger();
        QCOMPARE(program.application.session().activeSizeCode, 5);
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
            program.main().openGrid(false);
            QCOMPARE(grid->parentWidget()->x(), pixelsFromTwips(nine.left()));
        }
    }

    void toolbarButtonsFollowTheCore() {
        testing::LoadedProgram program;
        MainView view(program.main());
        const Toolbar& toolbar = program.main().toolbar();
        auto button = [&](const ToolButton& row) { return view.toolButton(row); };
        QVERIFY(!button(toolbar.at(Command::RejectExperiment))->isEnabled());
        QVERIFY(button(toolbar.at(Command::GetNext))->isEnabled());
        QVERIFY(button(toolbar.number(10))->isHidden());  // 15x15 numbers hide on the 9x9 grid

        QTest::mouseClick(button(toolbar.number(5)), Qt::LeftButton);
        QCOMPARE(program.application.session().selectedNumber, 5);
        QCOMPARE(button(toolbar.number(5))->look().backColour, 0xFFFFFFu);
        QCOMPARE(button(toolbar.number(0))->look().backColour, 0xE0E0E0u);

        // The level button steps the level; its glyph is drawn from a present font.
        const int level = program.application.session().currentLevel;
        QTest::mouseClick(button(toolbar.at(WindowAction::StepLevel)), Qt::LeftButton);
        QCOMPARE(program.application.session().currentLevel, level % 4 + 1);
        QCOMPARE(button(toolbar.at(WindowAction::StepLevel))->shownText(),
                 QString(QChar(0x2776 + program.application.session().currentLevel - 1)));
        QCOMPARE(button(toolbar.at(WindowAction::StepLevel))->toolTip().isEmpty(), false);
    }

    // A puzzle file dropped on the window opens; dropped text is pasted; a drop of anything else
    // (a web address) is refused.
    void dropsOpenFilesAndPasteText() {
        testing::LoadedProgram program;
        MainView view(program.main());
        const std::string puzzle =
            "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
        const QString file = program.folder.filePath(QStringLiteral("dropped.sdm"));
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write((puzzle + "\n").c_str());
        out.close();
        const GridWindow& nine = program.application.nineGrid();
        const auto drop = [&view](QMimeData& data) {
            QDragEnterEvent enter(QPoint(300, 300), Qt::CopyAction, &data, Qt::LeftButton,
                                  Qt::NoModifier);
            QApplication::sendEvent(&view, &enter);
            QDropEvent dropped(QPointF(300, 300), Qt::CopyAction, &data, Qt::LeftButton,
                               Qt::NoModifier);
            QApplication::sendEvent(&view, &dropped);
            QCoreApplication::processEvents();
            return enter.isAccepted() && dropped.isAccepted();
        };

        QMimeData web;
        web.setUrls({QUrl(QStringLiteral("https://example.org/p.sdk"))});
        QVERIFY(!drop(web));
        QMimeData files;
        files.setUrls({QUrl::fromLocalFile(file)});
        QVERIFY(drop(files));
        QCOMPARE(nine.board().cell(1).text, std::string("5"));
        QVERIFY(nine.board().cell(1).locked);
        QCOMPARE(program.main().options().recentFiles.front(), file.toStdString());
        QMimeData text;
        text.setText(QString::fromStdString("." + puzzle.substr(1)));
        QVERIFY(drop(text));
        QCOMPARE(nine.board().cell(1).text, std::string());
        QCOMPARE(nine.board().cell(2).text, std::string("3"));
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
