#pragma once
// A grid window (9x9 or 15x15) drawn: one forwarding text box per cell at the core's position,
// block lines, the focus frame, the puzzle-number label, the status images, the Enter-direction
// button, the fill gauge with its percent text, the possibilities tips and panel, and the chains
// Explain Next Step shows. Every user event
// goes to the GridWindow; the widgets change only when the window reports a change.

#include "application/grid/grid_window.h"
#include "application/grid/grid_window_observer.h"
#include "views/grid/forwarding_line_edit.h"

#include <QWidget>

#include <vector>

class QFrame;
class QLabel;

namespace quorvel::view {

class ChainOverlay;
class ForwardingLineEdit;
class LabelButton;

class GridView : public QWidget, private GridWindowObserver {
    Q_OBJECT

  public:
    explicit GridView(GridWindow& window, QWidget* parent = nullptr);
    ~GridView() override;

    GridWindow& window() { return window_; }
    ForwardingLineEdit* cell(int cell) const { return cells_.at(static_cast<size_t>(cell)); }
    QLabel* tip(int cell) const { return tips_.at(static_cast<size_t>(cell)); }
    QFrame* focusFrame() const { return frame_; }
    LabelButton* enterDirectionButton() const { return enterDirection_; }
    QLabel* puzzleNumberLabel() const { return puzzleNumberLabel_; }
    QLabel* statusImage(int index) const { return status_.at(static_cast<size_t>(index)); }
    QLabel* percentLabel() const { return percent_; }
    QWidget* gauge() const { return gauge_; }
    // What the grid's frame covers: the cells and the frame drawn around them.
    QRect frameArea() const;

    // Re-reads every cell and control from the window.
    void refreshAll();
    // Sizes, fonts and colours again, at the zoom and in the theme of viewLook().
    void applyLook();

  signals:
    // The window was shown or hidden by the core.
    void shownChanged(bool shown);
    // The core moved the window (its left or top inside the main window).
    void placeChanged();
    // The window showed or hid its composing controls (the 9x9 window in the create layout).
    void composingControlsChanged();
    // applyLook laid the window out again at another zoom or in another theme.
    void lookChanged();
    // Tab went past the window's last control (Shift+Tab before its first): the focus leaves it.
    void tabbedOut(bool forward);

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool focusNextPrevChild(bool next) override;

  private:
    void cellChanged(int number) override;
    void focusChanged(int cell) override;
    void windowChanged() override;

    void buildCells();
    void buildControls();
    void refreshCell(int number);
    void refreshTip(int number);
    // The notes as drawn, with the marks of the grid aids laid over them.
    NoteMarks aidedNotes(int number, NoteMarks marks) const;
    void refreshPanel();
    void syncFocus();
    void userFocused(int number);

    GridWindow& window_;
    const int side_;
    std::vector<ForwardingLineEdit*> cells_;  // index 0 unused
    std::vector<QLabel*> tips_;               // created on demand
    std::vector<QLabel*> panel_;              // panelMark(1..N), index 0 unused
    QFrame* frame_ = nullptr;
    QLabel* puzzleNumberLabel_ = nullptr;
    std::vector<QLabel*> status_;
    LabelButton* enterDirection_ = nullptr;
    QWidget* gauge_ = nullptr;
    QWidget* gaugeFill_ = nullptr;
    QLabel* percent_ = nullptr;
    ChainOverlay* chainOverlay_ = nullptr;
    bool syncing_ = false;
    bool wasShown_ = false;
    QPoint lastPlace_;
    bool composingShown_ = false;
};

}  // namespace quorvel::view
