// The input dialog in the dialog view: what the user types and clicks reaches InputDialog, the view
// shows the controls the mode asks for, and the answer is in the exchange state when the dialog
// closes.

#include "view/view_fixture.h"

#include "application/grid/dialog_exchange.h"
#include "application/grid/input_dialog.h"
#include "model/program_state.h"
#include "views/grid/dialog_view.h"
#include "views/grid/forwarding_line_edit.h"
#include "views/shell/qt_host.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace quorvel;
using namespace quorvel::view;

namespace {

ForwardingLineEdit* answerEdit(const DialogView& view) {
    return static_cast<ForwardingLineEdit*>(view.control(InputDialog::kAnswerField));
}

QLabel* levelLabel(const DialogView& view, int level) {
    return view.optionLabel(InputDialog::kLevelField, level - 1);
}

}  // namespace

class InputDialogViewTest : public QObject {
    Q_OBJECT

  private slots:
    void answerReachesTheExchange_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("close");  // ok, cancel, escape, escape in box or enter
        QTest::addColumn<QString>("shownBeforeClosing");
        QTest::addColumn<bool>("cancelled");
        QTest::addColumn<int>("exposedCells");
        QTest::newRow("my sudoku typed and OK") << "My Su Doku."
                                                << "25"
                                                << "ok"
                                                << "25" << false << 25;
        QTest::newRow("letters never reach the box") << "My Su Doku."
                                                     << "2x,7"
                                                     << "enter"
                                                     << "27" << false << 27;
        QTest::newRow("cancel button") << "My Su Doku."
                                       << "24"
                                       << "cancel"
                                       << "24" << true << 0;
        QTest::newRow("escape cancels") << "Experimental Run"
                                        << ""
                                        << "escape"
                                        << "" << true << 0;
        QTest::newRow("escape in the answer box cancels") << "My Su Doku."
                                                          << "22"
                                                          << "escape in box"
                                                          << "22" << true << 0;
        QTest::newRow("question answered OK") << "Temporary Store?"
                                              << ""
                                              << "ok"
                                              << "" << false << 0;
        QTest::newRow("puzzle choice answered by import all") << "Open Puzzle File."
                                                              << "3"
                                                              << "import all"
                                                              << "3" << false << 0;
    }
    void answerReachesTheExchange() {
        QFETCH(QString, title);
        QFETCH(QString, typed);
        QFETCH(QString, close);
        QFETCH(QString, shownBeforeClosing);
        QFETCH(bool, cancelled);
        QFETCH(int, exposedCells);

        Fixture fixture(title, "");
        DialogView& view = fixture.view;
        if (!typed.isEmpty()) QTest::keyClicks(answerEdit(view), typed);
        QCOMPARE(answerEdit(view)->text(), shownBeforeClosing);

        if (close == "ok") QTest::mouseClick(view.control(InputDialog::kOkField), Qt::LeftButton);
        if (close == "cancel")
            QTest::mouseClick(view.control(InputDialog::kCancelField), Qt::LeftButton);
        if (close == "escape") QTest::keyClick(&view, Qt::Key_Escape);
        if (close == "escape in box") QTest::keyClick(answerEdit(view), Qt::Key_Escape);
        if (close == "enter") QTest::keyClick(answerEdit(view), Qt::Key_Return);
        if (close == "import all")
            QTest::mouseClick(view.control(InputDialog::kImportAllField), Qt::LeftButton);

        QVERIFY(fixture.dialog.closed());
        QVERIFY(!view.isVisible());
        QCOMPARE(fixture.exchange.dialogCancelled, cancelled);
        QCOMPARE(fixture.exchange.exposedCells, exposedCells);
        QCOMPARE(fixture.exchange.importAll, close == "import all");
    }

    void modeDecidesTheControls_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("answerBox");
        QTest::addColumn<bool>("levels");
        QTest::addColumn<bool>("cancel");
        QTest::newRow("message") << "Out of Range." << false << false << false;
        QTest::newRow("question") << "Experimental Run" << false << false << true;
        QTest::newRow("grading") << "Grade and Save." << false << true << true;
        QTest::newRow("composing") << "My Su Doku." << true << false << true;
    }
    void modeDecidesTheControls() {
        QFETCH(QString, title);
        QFETCH(bool, answerBox);
        QFETCH(bool, levels);
        QFETCH(bool, cancel);
        Fixture fixture(title, "Value should be in between 1 and 9");
        DialogView& view = fixture.view;
        QCOMPARE(view.windowTitle(), title);
        QCOMPARE(static_cast<QLabel*>(view.control(InputDialog::kPromptField))->text(),
                 QString("Value should be in between 1 and 9"));
        QCOMPARE(answerEdit(view)->isVisible(), answerBox);
        QCOMPARE(levelLabel(view, 1)->isVisible(), levels);
        QCOMPARE(view.marker(InputDialog::kLevelField)->isVisible(), levels);
        QCOMPARE(view.control(InputDialog::kCancelField)->isVisible(), cancel);
        if (!cancel) {
            // OK alone sits in the middle of the dialog.
            QVERIFY(qAbs(view.control(InputDialog::kOkField)->geometry().center().x() -
                         view.width() / 2) <= 1);
        }
    }

    void levelKeysAndClicksMoveTheMarker() {
        Fixture fixture("Grade and Save.", "");
        DialogView& view = fixture.view;
        auto markerBesideLevel = [&view](int level) {
            const QRect label = levelLabel(view, level)->geometry();
            const QRect marker = view.marker(InputDialog::kLevelField)->geometry();
            return marker.top() >= label.top() && marker.bottom() <= label.bottom();
        };
        QVERIFY(markerBesideLevel(1));
        QTest::keyClick(&view, Qt::Key_Up);  // handled by the OK button's dialog: no change
        QTest::mouseClick(levelLabel(view, 3), Qt::LeftButton);
        QCOMPARE(fixture.session.gradeLevel, 3);
        QVERIFY(markerBesideLevel(3));
        QTest::mouseClick(view.control(InputDialog::kOkField), Qt::LeftButton);
        QVERIFY(!fixture.exchange.dialogCancelled);
        QCOMPARE(fixture.session.gradeLevel, 3);
    }

    void enterAnswersAfterALevelChange() {
        // The level goes through the main window's level button, which flashes and lets
        // events run; the keys that follow must still reach the dialog.
        testing::LoadedProgram program;
        DialogExchange& exchange = program.application.dialogs();
        exchange.dialogTitle = "Get a puzzle.";
        InputDialog dialog(exchange);
        dialog.load();
        dialog.activate();
        DialogView view(dialog);
        view.show();
        view.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&view));
        QTest::keyClick(answerEdit(view), Qt::Key_Down);
        QCOMPARE(program.application.session().currentLevel, 2);
        QTest::keyClick(answerEdit(view), Qt::Key_3);
        QTest::keyClick(answerEdit(view), Qt::Key_Return);
        QVERIFY(dialog.closed());
        QCOMPARE(exchange.dialogText, std::string("3"));
    }

  private:
    struct Fixture {
        Fixture(const QString& title, const QString& prompt)
            : exchange(host, session), dialog(exchange), view(dialog) {
            exchange.dialogTitle = title.toStdString();
            exchange.dialogPrompt = prompt.toStdString();
            dialog.load();
            dialog.activate();
            view.show();
            view.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&view));
        }
        QtHost host;
        ProgramState session;
        DialogExchange exchange;
        InputDialog dialog;
        DialogView view;
    };
};

QTEST_MAIN(InputDialogViewTest)
#include "input_dialog.moc"
