#pragma once
// The two status pictures of a grid window, drawn: a green tick in a circle for a complete
// solution and a grey cross in a circle for an incomplete one.

#include <QPixmap>

namespace quorvel::view {

QPixmap statusPicture(bool complete, int size, qreal devicePixelRatio);

}  // namespace quorvel::view
