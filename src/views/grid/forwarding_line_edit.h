#pragma once
// A line edit that never edits itself: every key and caret change is handed to the core, which
// owns the text, and the edit then shows what the core holds. Paste, drag and drop and the
// context menu are off, since they would change the text behind the core's back.

#include <array>

#include "application/grid/key_event.h"
#include "application/grid/text_box.h"
#include "model/colour.h"
#include "model/units.h"

#include <QLineEdit>

namespace quorvel::view {

// The small values an empty box draws: the user's notes, those the grid contradicts in the mistake
// colour; or, while Explain Next Step draws a chain through the cell, the candidates it shows,
// the chain's own ringed and those its steps remove struck out.
struct NoteMarks {
    ValueMask values = 0;
    ValueMask contradicted = 0;
    ValueMask ringed = 0;
    ValueMask removed = 0;
    // Notes an aid marks (the highlighted value, the user's colours), in these colours.
    ValueMask shaded = 0;
    std::array<Colour, 16> shadeFore{};
    std::array<Colour, 16> shadeBack{};
    bool operator==(const NoteMarks&) const = default;
};

class ForwardingLineEdit : public QLineEdit {
    Q_OBJECT

  public:
    explicit ForwardingLineEdit(QWidget* parent = nullptr);

    // Shows the core's text, caret and selection without reporting it back.
    void showBox(const TextBox& box);
    // The small values drawn while the box is empty, in the places of note_places.h.
    void showNotes(int side, const NoteMarks& marks);

  signals:
    void keyDown(const quorvel::KeyEvent& event);
    void keyUp(const quorvel::KeyEvent& event);
    // The user moved the caret or selected with the mouse.
    void selectionMoved(int start, int length);
    void mouseUp(int button, int shift);
    // The focus arrived here by the user's doing or by the program's.
    void gotFocus();

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void reportSelection();

    bool showing_ = false;
    int side_ = 9;
    NoteMarks marks_;
};

}  // namespace quorvel::view
