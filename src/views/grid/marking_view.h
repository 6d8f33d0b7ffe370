#pragma once
// The marking aids drawn on a grid view: every cell's mouse events go to the cell mouse handler
// (the visual aids: colour by number, marked cells, entry by click, the block frame), and on the
// 9x9 view the row and column buttons, the clear button, the temporary store labels, the pink
// lines and the boundary frames are laid over the view as the marking controls say.

#include <QObject>

#include <vector>

class QFrame;
class QLabel;

namespace quorvel {
class CellMouseHandler;
class MarkingControls;
}  // namespace quorvel

namespace quorvel::view {

class GridView;
class LabelButton;

class MarkingView : public QObject {
    Q_OBJECT

  public:
    // Forwards the cell mouse events of `grid` to `mouse`; with `controls` (the 9x9 view) also
    // shows the marking controls, following the grid window as it shows or hides its composing
    // controls.
    MarkingView(CellMouseHandler& mouse, GridView& grid, MarkingControls* controls);

    void refresh();

    LabelButton* rowButton(int row) const { return rowButtons_.at(static_cast<size_t>(row)); }
    LabelButton* columnButton(int column) const {
        return columnButtons_.at(static_cast<size_t>(column));
    }
    LabelButton* clearButton() const { return clear_; }
    LabelButton* storeLabel(int index) const { return stores_.at(static_cast<size_t>(index)); }
    QFrame* rowLine(int row) const { return rowLines_.at(static_cast<size_t>(row)); }
    QFrame* columnLine(int column) const { return columnLines_.at(static_cast<size_t>(column)); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls();
    LabelButton* makeButton(const QString& toolTip);

    CellMouseHandler& mouse_;
    GridView& grid_;
    MarkingControls* controls_;
    std::vector<LabelButton*> rowButtons_;     // 1..9, element 0 unused
    std::vector<LabelButton*> columnButtons_;  // 1..9, element 0 unused
    std::vector<QFrame*> rowLines_;
    std::vector<QFrame*> columnLines_;
    LabelButton* clear_ = nullptr;
    QLabel* storeCaption_ = nullptr;
    std::vector<LabelButton*> stores_;
    QFrame* bandFrame_ = nullptr;
    QFrame* blockFrame_ = nullptr;
};

}  // namespace quorvel::view
