// The about window's view: the exit panel shows in exit mode only, and the buttons give the
// core its answer. The help window's view closes on Escape.

#include "view/view_fixture.h"

#include "views/shell/about_view.h"
#include "views/shell/help_view.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using namespace quorvel;
using namespace quorvel::view;

Q_DECLARE_METATYPE(quorvel::ExitAnswer)

class AboutWindowView : public QObject {
    Q_OBJECT

  private slots:
    void buttonsAnswerTheCore_data() {
        QTest::addColumn<bool>("exitMode");
        QTest::addColumn<QString>("press");  // yes, no, ok or escape
        QTest::addColumn<QString>("caption");
        QTest::addColumn<ExitAnswer>("answer");
        QTest::newRow("exit yes") << true << "yes"
                                  << "Exit.. Quorvel" << ExitAnswer::Yes;
        QTest::newRow("exit no") << true << "no"
                                 << "Exit.. Quorvel" << ExitAnswer::No;
        QTest::newRow("exit escape") << true << "escape"
                                     << "Exit.. Quorvel" << ExitAnswer::None;
        QTest::newRow("about ok") << false << "ok"
                                  << "About Quorvel" << ExitAnswer::None;
    }
    void buttonsAnswerTheCore() {
        QFETCH(bool, exitMode);
        QFETCH(QString, press);
        QFETCH(QString, caption);
        QFETCH(ExitAnswer, answer);

        testing::LoadedProgram program;
        AboutWindow& about = program.main().aboutWindow();
        about.load(exitMode);
        AboutView view(about);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QCOMPARE(view.windowTitle(), caption);
        QCOMPARE(view.exitPanel()->isVisible(), exitMode);
        QVERIFY(view.dataFolderLabel()->text().endsWith(program.folder.path()));

        if (press == "yes") QTest::mouseClick(view.yesButton(), Qt::LeftButton);
        if (press == "no") QTest::mouseClick(view.noButton(), Qt::LeftButton);
        if (press == "ok") QTest::mouseClick(view.okButton(), Qt::LeftButton);
        if (press == "escape") QTest::keyClick(&view, Qt::Key_Escape);

        QVERIFY(about.closed());
        QVERIFY(!view.isVisible());
        QCOMPARE(about.answer(), answer);
    }

    void helpWindowClosesOnEscape() {
        testing::LoadedProgram program;
        HelpWindow& help = program.main().helpWindow();
        HelpView view(help);
        help.show("Type digits.", HelpScreen{{0, 0, 9000, 9000}, {}, {}});
        view.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&view));
        QTest::keyClick(view.plainCopy()->isVisible() ? view.plainCopy() : view.scrollingText(),
                        Qt::Key_Escape);
        QVERIFY(!help.visible());
        QVERIFY(!view.isVisible());
    }
};

QTEST_MAIN(AboutWindowView)
#include "about_window.moc"
