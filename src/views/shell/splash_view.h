#pragma once
// The splash window: product, version and nine labels that light up one by one.
// Its two timers drive the core's timer events; it shows and hides as the core says.

#include "application/shell/splash.h"

#include <QTimer>
#include <QWidget>

#include <array>

class QLabel;

namespace quorvel::view {

class SplashView : public QWidget {
    Q_OBJECT

  public:
    explicit SplashView(Splash& splash, QWidget* parent = nullptr);
    ~SplashView() override;

    void render();
    QLabel* versionLabel() const { return version_; }

  private:
    Splash& splash_;
    QLabel* version_;
    std::array<QLabel*, Splash::kAnimatedLabels> animated_{};
    QTimer handOverTimer_;
    QTimer animationTimer_;
};

}  // namespace quorvel::view
