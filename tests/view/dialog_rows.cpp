// Dialogs without a fixed size in the dialog view: Print Booklet's rows of lists and boxes reach
// its core and follow what the core offers, and words with buttons alone ask as the desktop's
// message box.

#include "application/grid/message_dialog.h"
#include "application/print/booklet_dialog.h"
#include "model/grid_kind.h"
#include "views/grid/dialog_view.h"
#include "views/shell/qt_host.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

using namespace quorvel;
using namespace quorvel::view;

class DialogRowsTest : public QObject {
    Q_OBJECT

  private slots:
    void bookletRowsReachTheCore() {
        BookletDialog dialog(kNineGrid, BookletChoices{});
        DialogView view(dialog);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const QList<QComboBox*> lists = view.findChildren<QComboBox*>();
        QCOMPARE(lists.size(), 7);
        QCOMPARE(lists[1]->count(), 5);  // every level, and All Levels

        emit lists[0]->activated(2);  // Generate: one level only
        QCOMPARE(lists[0]->currentText(), QString("Generate"));
        QCOMPARE(lists[1]->count(), 4);
        view.findChildren<QSpinBox*>().at(0)->setValue(25);
        QTest::keyClicks(view.findChildren<QLineEdit*>().at(2), "Club");  // after the spin boxes'
        QCOMPARE(dialog.boxText(BookletDialog::Box::Heading), std::string("Club"));

        QTest::mouseClick(view.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok),
                          Qt::LeftButton);
        QVERIFY(dialog.accepted());
        QVERIFY(!view.isVisible());
        QCOMPARE(dialog.choices().source, BookletSource::Generated);
        QCOMPARE(dialog.choices().count, 25);
        QCOMPARE(dialog.choices().heading, std::string("Club"));
    }

    void escapeCancelsTheBookletTheHostShows() {
        BookletDialog dialog(kNineGrid, BookletChoices{});
        bool rows = false;
        QTimer::singleShot(0, [&rows] {
            QWidget* shown = QApplication::activeModalWidget();
            rows = qobject_cast<DialogView*>(shown) != nullptr;
            if (shown != nullptr) QTest::keyClick(shown, Qt::Key_Escape);
        });
        QtHost host;
        host.runDialog(dialog);
        QVERIFY(rows);
        QVERIFY(dialog.closed());
        QVERIFY(!dialog.accepted());
    }

    void wordsAndButtonsAskAsAMessageBox_data() {
        QTest::addColumn<QString>("answer");  // a button's text, or "" for Escape
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes") << "&Yes" << true;
        QTest::newRow("no") << "&No" << false;
        QTest::newRow("escape") << "" << false;
    }
    void wordsAndButtonsAskAsAMessageBox() {
        QFETCH(QString, answer);
        QFETCH(bool, yes);
        QString shownText;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) return;
            shownText = box->windowTitle() + "|" + box->text();
            if (answer.isEmpty()) {
                QTest::keyClick(box, Qt::Key_Escape);
                return;
            }
            for (QAbstractButton* button : box->buttons()) {
                if (button->text() == answer) button->click();
            }
        });
        QtHost host;
        QCOMPARE(askYesNo(host, "Title", "Words"), yes);
        QCOMPARE(shownText, QString("Title|Words"));
    }
};

QTEST_MAIN(DialogRowsTest)
#include "dialog_rows.moc"
