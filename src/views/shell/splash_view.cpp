#include "views/shell/splash_view.h"

#include "views/grid/screen_measures.h"
#include "views/shell/program_icon.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

namespace quorvel::view {
namespace {

QLabel* makeLabel(QWidget* parent, const QString& text, int points, bool bold, QRect place) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setPointSize(points);
    font.setBold(bold);
    label->setFont(font);
    label->setGeometry(place);
    return label;
}

}  // namespace

SplashView::SplashView(Splash& splash, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), splash_(splash) {
    setFixedSize(460, 280);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colorFromBgr(kSplashBack));
    setPalette(colours);

    auto* picture = new QLabel(this);
    picture->setPixmap(programIcon(96, devicePixelRatioF()));
    picture->setGeometry(28, 30, 96, 96);
    makeLabel(this, QString::fromUtf8(Splash::kProductName), 26, true, {150, 26, 290, 46});
    makeLabel(this, QString::fromUtf8(Splash::kCompanyProduct), 12, false, {152, 76, 290, 24});
    makeLabel(this, QString::fromUtf8(Splash::kPlatform), 11, false, {152, 104, 290, 22});
    version_ = makeLabel(this, QString(), 11, true, {152, 130, 290, 22});

    for (int index = 0; index < Splash::kAnimatedLabels; ++index) {
        QLabel* label =
            makeLabel(this, QString::number(index + 1), 14, true, {36 + index * 44, 196, 36, 36});
        label->setAlignment(Qt::AlignCenter);
        label->setAutoFillBackground(true);
        label->setFrameShape(QFrame::Box);
        QPalette shade = label->palette();
        shade.setColor(QPalette::Window, colorFromBgr(colour::kLightYellow));
        shade.setColor(QPalette::WindowText, colorFromBgr(colour::kDarkBlue));
        label->setPalette(shade);
        animated_[static_cast<size_t>(index)] = label;
    }

    handOverTimer_.setSingleShot(true);
    handOverTimer_.setInterval(Splash::kHandOverMs);
    animationTimer_.setInterval(Splash::kAnimationMs);
    connect(&handOverTimer_, &QTimer::timeout, this, [this] { splash_.handOverDue(); });
    connect(&animationTimer_, &QTimer::timeout, this, [this] { splash_.animationTick(); });

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    splash_.setOnChanged([this] { render(); });
    render();
}

SplashView::~SplashView() {
    splash_.setOnChanged({});
}

void SplashView::render() {
    version_->setText(QString::fromStdString(splash_.version()));
    for (int index = 0; index < Splash::kAnimatedLabels; ++index) {
        animated_[static_cast<size_t>(index)]->setVisible(splash_.labelVisible(index));
    }
    if (splash_.handOverPending() && !handOverTimer_.isActive()) handOverTimer_.start();
    if (!splash_.handOverPending()) handOverTimer_.stop();
    if (splash_.animating() && !animationTimer_.isActive()) animationTimer_.start();
    if (!splash_.animating()) animationTimer_.stop();
    setEnabled(splash_.active());
    setVisible(splash_.visible());
}

}  // namespace quorvel::view
