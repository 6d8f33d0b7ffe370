// Nothing on screen overlaps or is cut, on both grids, in the create layout and with a message
// longer than its line: every control lies inside its parent and clear of its neighbours and of
// the grid's frame, and every caption fits its box; on the 15 x 15 grid the notes stand at least
// 8 pixels high and each fits its place. At every zoom of Visual Aid > Zoom; ctest runs this at
// scale 1 and 2.

#include "view/view_fixture.h"

#include "views/grid/forwarding_line_edit.h"
#include "views/grid/grid_view.h"
#include "views/grid/label_button.h"
#include "views/grid/marking_view.h"
#include "views/grid/note_places.h"
#include "views/grid/screen_measures.h"
#include "views/shell/fitted_label.h"
#include "views/shell/main_view.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScrollBar>
#include <QtTest>

using namespace quorvel;
using namespace quorvel::view;

namespace {

QString nameOf(const QWidget* widget) {
    return QStringLiteral("%1 '%2' at %3,%4 %5x%6")
        .arg(widget->metaObject()->className(), widget->accessibleName())
        .arg(widget->x())
        .arg(widget->y())
        .arg(widget->width())
        .arg(widget->height());
}

bool captionFits(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        const int flags = label->alignment() | (label->wordWrap() ? Qt::TextWordWrap : 0);
        const QRect room = label->contentsRect();
        return room.contains(label->fontMetrics().boundingRect(room, flags, label->text()));
    }
    if (const auto* button = qobject_cast<const LabelButton*>(widget))
        return QFontMetrics(button->shownFont()).horizontalAdvance(button->shownText()) <=
               button->width();
    return true;
}

// Controls drawn over others on purpose (focus frame, pink lines) let the mouse through.
void expectClear(const QWidget* container, const QRect& frame = {}) {
    QList<const QWidget*> shown;
    for (const QObject* child : container->children()) {
        const auto* widget = qobject_cast<const QWidget*>(child);
        if (widget == nullptr || !widget->isVisible() ||
            widget->testAttribute(Qt::WA_TransparentForMouseEvents))
            continue;
        QVERIFY2(container->rect().contains(widget->geometry()), qPrintable(nameOf(widget)));
        QVERIFY2(captionFits(widget), qPrintable(nameOf(widget) + " cuts its caption"));
        const bool cell = qobject_cast<const ForwardingLineEdit*>(widget) != nullptr;
        QVERIFY2(cell || !widget->geometry().intersects(frame),
                 qPrintable(nameOf(widget) + " covers the grid's frame"));
        for (const QWidget* other : shown) {
            QVERIFY2(!widget->geometry().intersects(other->geometry()),
                     qPrintable(nameOf(widget) + " overlaps " + nameOf(other)));
        }
        shown.append(widget);
    }
}

// Every note of a 15 x 15 cell: 8 pixels high at least, within its own place.
void expectReadableNotes(const QRect& cell) {
    const QRectF area = noteArea(QRectF(cell));
    const QFont font = noteFont(area);
    const QFontMetricsF metrics(font);
    const double squeeze = noteSqueeze(font, area, 15);
    QVERIFY2(metrics.tightBoundingRect(QStringLiteral("8")).height() >= 8,
             qPrintable(QString::number(metrics.tightBoundingRect(QStringLiteral("8")).height())));
    for (int value = 1; value <= 15; ++value)
        QVERIFY2(metrics.horizontalAdvance(noteText(value)) * squeeze <=
                     notePlace(area, 15, value).width() + 0.01,
                 qPrintable(noteText(value)));
}

}  // namespace

class LayoutFit : public QObject {
    Q_OBJECT

  private slots:
    void nothingOverlapsOrIsCut_data() {
        QTest::addColumn<bool>("fifteen");
        QTest::addColumn<bool>("composing");
        QTest::addColumn<int>("zoom");
        const std::pair<WindowAction, int> zooms[] = {{WindowAction::Zoom100, 100},
                                                      {WindowAction::Zoom125, 125},
                                                      {WindowAction::Zoom150, 150},
                                                      {WindowAction::Zoom200, 200}};
        for (const auto& [item, percent] : zooms) {
            const QByteArray at = " at " + QByteArray::number(percent) + " %";
            QTest::newRow("9x9" + at) << false << false << static_cast<int>(item);
            QTest::newRow("15x15" + at) << true << false << static_cast<int>(item);
            QTest::newRow("create layout, grid full" + at)
                << false << true << static_cast<int>(item);
        }
    }
    void nothingOverlapsOrIsCut() {
        QFETCH(bool, fifteen);
        QFETCH(bool, composing);
        QFETCH(int, zoom);
        testing::LoadedProgram program;
        MainView view(program.main());
        GridView* grids[] = {new GridView(program.application.nineGrid()),
                             new GridView(program.application.fifteenGrid())};
        new MarkingView(program.application.aids(), *grids[0],
                        &program.application.aids().nineControls());
        for (GridView* grid : grids)
            view.addGrid(grid);
        program.main().menuChosen(static_cast<WindowAction>(zoom));
        view.show();
        program.main().openGrid(fifteen);
        GridView& grid = *grids[fifteen ? 1 : 0];
        GridWindow& window = grid.window();
        if (composing) {
            program.application.session().createMode = true;
            program.main().applyComposeLayout();
            for (int cell = 1; cell <= 81; ++cell)  // the gauge at its full width
                window.setCellValue(
                    cell,
                    std::to_string((cell - 1 + (cell - 1) / 9 * 3 + (cell - 1) / 27) % 9 + 1));
            window.checkConsistency();
        }
        window.setPanelVisible(true);
        const QString message = QStringLiteral(
            "Rated Very Hard: chains or more are needed; the logic solver placed 38 of 58 "
            "values before it stopped, so the rest was not finished by logic");
        program.main().showMessage(message.toStdString(), colour::kBlue, Alignment::Centre);
        QVERIFY(QTest::qWaitForWindowExposed(&view));

        QCOMPARE(view.messageLine()->fullText(), message);
        QCOMPARE(view.messageLine()->toolTip(), message);
        expectClear(view.messageLine()->parentWidget());
        expectClear(view.toolButton(program.main().toolbar().number(1))->parentWidget());
        expectClear(&grid, grid.frameArea());
        QVERIFY(composing == grid.gauge()->isVisible());
        QVERIFY(view.mdiArea()->viewport()->rect().contains(view.visibleSubWindow()->geometry()));
        if (fifteen) expectReadableNotes(grid.cell(1)->rect());
    }

    // A new zoom reaches the menu bar a moment after the window took its new size; the grid
    // window, placed before, moves to stay inside the shorter area rather than gaining scroll
    // bars.
    void gridWindowStaysInsideWhenTheAreaShrinks() {
        testing::LoadedProgram program;
        MainView view(program.main());
        auto* grid = new GridView(program.application.fifteenGrid());
        view.addGrid(grid);
        view.show();
        program.main().openGrid(true);
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const QMdiArea& area = *view.mdiArea();
        const QRect placed = view.visibleSubWindow()->geometry();
        QFont taller = view.menuBar()->font();
        taller.setPixelSize(QFontInfo(taller).pixelSize() + 2);
        view.menuBar()->setFont(taller);
        QTest::qWait(50);
        // Still room for the window, but not where it was.
        QVERIFY(area.height() >= placed.height() && area.height() <= placed.bottom());
        QVERIFY(area.viewport()->rect().contains(view.visibleSubWindow()->geometry()));
        QVERIFY(!area.horizontalScrollBar()->isVisible() && !area.verticalScrollBar()->isVisible());
    }
};

QTEST_MAIN(LayoutFit)
#include "layout_fit.moc"
