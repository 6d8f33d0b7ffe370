// The marking aids on the 9x9 view: cell clicks reach the visual aids, the marking controls show
// with the create layout, and the pink lines and frames follow the row and column buttons.

#include "view/view_fixture.h"

#include "application/commands/visual_aid_commands.h"
#include "application/grid/marking_aids.h"
#include "views/grid/forwarding_line_edit.h"
#include "views/grid/grid_view.h"
#include "views/grid/label_button.h"
#include "views/grid/marking_view.h"
#include "views/grid/screen_measures.h"

#include <QFrame>
#include <QtTest>

using namespace quorvel;
using namespace quorvel::view;

class AidsMarkingView : public QObject {
    Q_OBJECT

    struct Setup {
        testing::LoadedProgram program;
        VisualAids& aids = program.application.aids();
        GridView view{program.application.nineGrid()};
        MarkingView* marking = new MarkingView(aids, view, &aids.nineControls());
        GridWindow& grid() { return program.application.nineGrid(); }
    };

  private slots:
    void ctrlClickColoursTheNumber() {
        Setup setup;
        setup.view.show();
        setup.grid().setCellValue(1, "4");
        setup.grid().setCellValue(50, "4");
        QTest::mouseClick(setup.view.cell(50), Qt::LeftButton, Qt::ControlModifier);
        QCOMPARE(setup.grid().board().cell(1).backColour, paletteOf(kNineGrid)[4]);
        QCOMPARE(setup.view.cell(1)->palette().color(QPalette::Base),
                 colorFromBgr(paletteOf(kNineGrid)[4]));
    }

    void controlsFollowTheCreateLayout() {
        Setup setup;
        setup.view.show();
        QVERIFY(!setup.marking->rowButton(4)->isVisible());
        setup.program.application.session().createMode = true;
        setup.program.main().applyComposeLayout();
        QVERIFY(setup.marking->rowButton(4)->isVisible());
        QVERIFY(setup.marking->storeLabel(0)->isVisible());

        QTest::mouseClick(setup.marking->rowButton(4), Qt::LeftButton);
        QVERIFY(setup.marking->rowLine(4)->isVisible());
        QTest::mouseClick(setup.marking->columnButton(8), Qt::LeftButton);
        QVERIFY(setup.marking->columnLine(8)->isVisible());
        QTest::mouseClick(setup.marking->rowButton(8), Qt::RightButton);
        setup.grid().setCellValue(12, "7");
        QTest::mouseClick(setup.marking->clearButton(), Qt::LeftButton);
        QVERIFY(!setup.marking->rowLine(4)->isVisible());
        QVERIFY(!setup.marking->columnLine(8)->isVisible());
    }
};

QTEST_MAIN(AidsMarkingView)
#include "aids_marking_view.moc"
