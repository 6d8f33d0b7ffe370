// The conversions and platform helpers the views rely on: units, colours, symbol captions, the
// display check and PDF output.

#include "views/grid/glyphs.h"
#include "views/grid/screen_measures.h"
#include "views/print/printer_output.h"
#include "views/shell/display_check.h"
#include "views/shell/display_settings.h"

#include "support/failing_file_system.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>
#include <string>

using namespace quorvel::view;

class PlatformLayers : public QObject {
    Q_OBJECT

  private slots:
    void twipsBecomePixels_data() {
        QTest::addColumn<double>("twips");
        QTest::addColumn<int>("pixels");
        QTest::newRow("cell pitch across") << 720.0 << 48;
        QTest::newRow("frame offset rounds up") << 45.0 << 3;
        QTest::newRow("half pixel rounds away") << 7.5 << 1;
        QTest::newRow("below half") << 7.0 << 0;
        QTest::newRow("negative") << -45.0 << -3;
    }
    void twipsBecomePixels() {
        QFETCH(double, twips);
        QFETCH(int, pixels);
        QCOMPARE(pixelsFromTwips(twips), pixels);
    }

    void coloursKeepRedInTheLowByte_data() {
        QTest::addColumn<uint>("bgr");
        QTest::addColumn<QColor>("color");
        QTest::newRow("red givens") << 255u << QColor(255, 0, 0);
        QTest::newRow("blue entries") << 0xFF0000u << QColor(0, 0, 255);
        QTest::newRow("palette 4 on 9x9") << 65000u << QColor(232, 253, 0);
        QTest::newRow("top byte ignored") << 0x80C0FFu << QColor(255, 192, 128);
    }
    void coloursKeepRedInTheLowByte() {
        QFETCH(uint, bgr);
        QFETCH(QColor, color);
        QCOMPARE(colorFromBgr(bgr), color);
        QCOMPARE(bgrFromColor(color), bgr & 0xFFFFFFu);
    }

    void symbolCaptionsBecomePresentGlyphs_data() {
        QTest::addColumn<QString>("font");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("shown");
        QTest::newRow("enter across") << "Marlett"
                                      << "444" << QString(3, QChar(0x25B6));
        QTest::newRow("enter down") << "Marlett"
                                    << "666" << QString(3, QChar(0x25BC));
        QTest::newRow("level easy") << "Wingdings 2"
                                    << "u" << QString(QChar(0x2776));
        QTest::newRow("undo") << "Wingdings 3"
                              << "N" << QString(QChar(0x21B6));
        QTest::newRow("text font untouched") << "Arial"
                                             << "3x 5"
                                             << "3x 5";
        QTest::newRow("unknown symbol kept") << "Wingdings 3"
                                             << "Z"
                                             << "Z";
    }
    void symbolCaptionsBecomePresentGlyphs() {
        QFETCH(QString, font);
        QFETCH(QString, caption);
        QFETCH(QString, shown);
        const DisplayText text = displayTextFor(font.toStdString(), caption.toStdString(), 10);
        QCOMPARE(text.text, shown);
        QCOMPARE(isSymbolFont(font.toStdString()), text.font.family() == "DejaVu Sans");
    }

    void xrandrGetsDevicePixels_data() {
        QTest::addColumn<int>("logical");
        QTest::addColumn<double>("ratio");
        QTest::addColumn<int>("device");
        QTest::newRow("plain") << 1024 << 1.0 << 1024;
        QTest::newRow("1.5 rounded up by Qt") << 1067 << 1.5 << 1600;
        QTest::newRow("1.25 rounded down by Qt") << 819 << 1.25 << 1024;
        QTest::newRow("2") << 512 << 2.0 << 1024;
    }
    void xrandrGetsDevicePixels() {
        QFETCH(int, logical);
        QFETCH(double, ratio);
        QFETCH(int, device);
        QCOMPARE(devicePixels(logical, ratio), device);
    }

    void displayIsFoundOrNamed_data() {
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("wayland");
        QTest::addColumn<QString>("platform");
        QTest::addColumn<bool>("usable");
        QTest::newRow("nothing") << ""
                                 << ""
                                 << "" << false;
        QTest::newRow("x11") << ":0"
                             << ""
                             << "" << true;
        QTest::newRow("wayland") << ""
                                 << "wayland-0"
                                 << "" << true;
        QTest::newRow("offscreen") << ""
                                   << ""
                                   << "offscreen" << true;
        QTest::newRow("xcb asked without X") << ""
                                             << ""
                                             << "xcb" << false;
    }
    void displayIsFoundOrNamed() {
        QFETCH(QString, display);
        QFETCH(QString, wayland);
        QFETCH(QString, platform);
        QFETCH(bool, usable);
        const std::string d = display.toStdString(), w = wayland.toStdString(),
                          p = platform.toStdString();
        QCOMPARE(hasDisplay({d, w, p}), usable);
        const std::string message = noDisplayMessage("build/quorvel");
        QVERIFY(message.find("xvfb-run") != std::string::npos);
        QVERIFY(message.find('\n') == std::string::npos);
    }

    void pageIsWrittenAsPdf() {
        QTemporaryDir root;
        const QString path = root.filePath("page.pdf");
        QVERIFY(writeFile(path, "old content"));
        bool painted = false;
        QVERIFY(!writePagePdf(path, [&](QPainter& painter, const QRectF& page) {
                     painted = page.width() > 0 && page.height() > 0;
                     painter.drawText(page, "Puzzle No: ");
                 }).has_value());
        QVERIFY(painted);
        const QByteArray written = readFile(path);
        QVERIFY(written.startsWith("%PDF"));
        QVERIFY(
            writePagePdf(root.filePath("missing/folder/page.pdf"), [](QPainter&, const QRectF&) {
            }).has_value());
        // Each failure of the system is told with the file and the reason; the old page stays
        // and no temporary file is left.
        for (const auto& [failure, code] : quorvel::testing::kFailures) {
            quorvel::testing::FailingFileSystem failing("page.pdf", failure);
            quorvel::FileSystemOverride override(failing);
            const quorvel::FileStatus error = writePagePdf(path, [](QPainter&, const QRectF&) {});
            QVERIFY(error.has_value());
            QCOMPARE(error->message(),
                     "Could not save page.pdf (" + std::string(std::strerror(code)) + ")");
            QCOMPARE(readFile(path), written);
            QCOMPARE(QDir(root.path()).entryList(QDir::Files | QDir::Hidden),
                     QStringList{"page.pdf"});
        }
    }

  private:
    static bool writeFile(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }
    static QByteArray readFile(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

QTEST_MAIN(PlatformLayers)
#include "platform_layers.moc"
