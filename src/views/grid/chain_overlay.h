#pragma once
// The links of the chains Explain Next Step shows, drawn over a grid window's cells: each from the
// candidate of one node to the nearest candidate of the other (a group node has several), solid
// for a strong link and dashed for a weak one, bent a little so that it does not run over the
// candidates between its ends, bent further round the digits of cells holding a value, and
// ending in an arrowhead at the ring of the candidate it leads to. The cells draw the candidates
// and their rings (ForwardingLineEdit); this widget lies over them, lets every mouse event through
// and shows only while there is a chain.

#include <QWidget>

#include "application/grid/grid_window.h"

namespace quorvel::view {

class ChainOverlay : public QWidget {
  public:
    ChainOverlay(const GridWindow& window, QWidget* parent);

    // Follows the window's chain marks: shown over the whole parent while there are any.
    void refresh();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const GridWindow& window_;
};

}  // namespace quorvel::view
