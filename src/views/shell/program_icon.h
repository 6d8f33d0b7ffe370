#pragma once
// The program's picture: a small shaded grid with a few digits, drawn rather than shipped, for
// the window icon, the splash and the about window.

#include <QIcon>
#include <QPixmap>

namespace quorvel::view {

QPixmap programIcon(int size, qreal devicePixelRatio);
QIcon programWindowIcon();

}  // namespace quorvel::view
