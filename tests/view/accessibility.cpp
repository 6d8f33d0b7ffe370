// What a screen reader and a keyboard user meet: every control of the main window with the 9x9
// grid open has an accessible name and description, a cell says its place, its value and whether
// it is given, and the label buttons are reached by Tab and pressed from the keyboard or by a
// screen reader's press action.

#include "view/view_fixture.h"

#include "views/grid/forwarding_line_edit.h"
#include "views/grid/grid_view.h"
#include "views/grid/label_button.h"
#include "views/grid/marking_view.h"
#include "views/shell/main_view.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QtTest>

using namespace quorvel;
using namespace quorvel::view;

class Accessibility : public QObject {
    Q_OBJECT

  private slots:
    void everyControlHasANameAndADescription() {
        testing::LoadedProgram program;
        MainView main(program.main());
        auto* nine = new GridView(program.application.nineGrid());
        main.addGrid(nine);
        new MarkingView(program.application.aids(), *nine,
                        &program.application.aids().nineControls());
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));

        const QSet<QAccessible::Role> controls{QAccessible::Button, QAccessible::PushButton,
                                               QAccessible::EditableText, QAccessible::StaticText,
                                               QAccessible::Graphic};
        QStringList silent;
        int checked = 0;
        for (QWidget* widget : main.findChildren<QWidget*>()) {
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
            if (!widget->isVisible() || face == nullptr || !controls.contains(face->role()))
                continue;
            // A text label with nothing in it has nothing to say yet.
            const auto* label = qobject_cast<QLabel*>(widget);
            if (label != nullptr && label->pixmap().isNull() && label->text().trimmed().isEmpty())
                continue;
            ++checked;
            if (face->text(QAccessible::Name).trimmed().isEmpty() ||
                face->text(QAccessible::Description).trimmed().isEmpty()) {
                silent << QStringLiteral("%1 '%2'").arg(widget->metaObject()->className(),
                                                        widget->toolTip());
            }
        }
        QVERIFY(checked > 81 + 26);
        QVERIFY2(silent.isEmpty(), qPrintable(silent.join(QStringLiteral(", "))));
    }

    void cellsSayPlaceValueGivenAndNotes_data() {
        QTest::addColumn<int>("cell");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("given");
        QTest::addColumn<int>("notes");
        QTest::addColumn<QString>("name");
        QTest::newRow("given") << 22 << "7" << true << 0 << "row 3, column 4, 7, given";
        QTest::newRow("typed") << 9 << "5" << false << 0b100 << "row 1, column 9, 5";
        QTest::newRow("empty") << 81 << "" << false << 0 << "row 9, column 9, empty";
        // Cell 73 holds 7 in every row.
        QTest::newRow("noted") << 81 << "" << false << 0b10000100
                               << "row 9, column 9, empty, notes 2 7, note 7 contradicts the grid";
    }
    void cellsSayPlaceValueGivenAndNotes() {
        QFETCH(int, cell);
        QFETCH(QString, text);
        QFETCH(bool, given);
        QFETCH(int, notes);
        QFETCH(QString, name);
        testing::LoadedProgram program;
        GridWindow& grid = program.application.nineGrid();
        GridView view(grid);
        grid.setCellValue(73, "7");
        grid.setNotes(cell, static_cast<ValueMask>(notes));
        grid.board().setCellText(cell, text.toStdString());
        grid.board().setCellLocked(cell, given);
        view.refreshAll();
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(view.cell(cell));
        QCOMPARE(face->text(QAccessible::Name), name);
        QVERIFY(face->text(QAccessible::Description).contains("Block "));
    }

    void labelButtonsAnswerTheKeyboardAndScreenReaders() {
        testing::LoadedProgram program;
        MainView main(program.main());
        ProgramState& session = program.application.session();
        auto number = [&](int n) { return main.toolButton(program.main().toolbar().number(n)); };
        LabelButton* five = number(5);
        QTest::keyClick(five, Qt::Key_Space);
        QCOMPARE(session.selectedNumber, 5);
        QTest::keyClick(number(7), Qt::Key_Return);
        QCOMPARE(session.selectedNumber, 7);

        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(number(3));
        QCOMPARE(face->role(), QAccessible::Button);
        QCOMPARE(face->text(QAccessible::Name), QString("Number 3"));
        face->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(session.selectedNumber, 3);
    }

    // Tab goes from the cells on to the grid window's button, then to the toolbar and back.
    void tabReachesTheToolbarAndComesBack() {
        testing::LoadedProgram program;
        MainView main(program.main());
        auto* nine = new GridView(program.application.nineGrid());
        main.addGrid(nine);
        main.show();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        program.application.nineGrid().requestFocus(81);
        QCOMPARE(QApplication::focusWidget(), nine->cell(81));
        const auto tab = [](Qt::KeyboardModifiers shift) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, shift);
            return QApplication::focusWidget();
        };
        QCOMPARE(tab(Qt::NoModifier), nine->enterDirectionButton());
        QWidget* toolbar = main.toolButton(program.main().toolbar().number(0))->parentWidget();
        QCOMPARE(tab(Qt::NoModifier)->parentWidget(), toolbar);
        QCOMPARE(tab(Qt::ShiftModifier), nine->enterDirectionButton());
        QWidget* last = tab(Qt::NoModifier);
        for (int presses = 0; presses < 40 && last->parentWidget() == toolbar; ++presses)
            last = tab(Qt::NoModifier);
        QCOMPARE(last, nine->cell(1));
        QCOMPARE(program.application.nineGrid().focusedCell(), 1);
    }
};

QTEST_MAIN(Accessibility)
#include "accessibility.moc"
