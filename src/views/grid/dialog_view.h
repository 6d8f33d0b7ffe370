#pragma once
// Any dialog of the core as a modal QDialog. The core's form says which fields show, their texts,
// choices and focus; this view draws them (at their places in a dialog of fixed size, otherwise
// in labelled rows above a row of buttons) and forwards every click, key and edit. It closes
// itself once the core says the dialog is closed.

#include "application/grid/dialog.h"

#include <QDialog>

#include <vector>

class QFrame;
class QLabel;
class QWidget;

namespace quorvel::view {

class DialogView : public QDialog {
    Q_OBJECT

  public:
    DialogView(Dialog& dialog, QWidget* parent = nullptr);
    ~DialogView() override;

    // Shows the dialog modally until the core closes it: a dialog of words and buttons alone, of
    // no fixed size, as the desktop's message box; any other as this view.
    static void run(Dialog& dialog, QWidget* parent);

    // The widget of a field, for tests; the label of an option and the marker of a choice shown
    // as labels.
    QWidget* control(int field) const { return controls_.at(static_cast<size_t>(field)).widget; }
    QLabel* optionLabel(int field, int option) const {
        return controls_.at(static_cast<size_t>(field)).options.at(static_cast<size_t>(option));
    }
    QFrame* marker(int field) const { return controls_.at(static_cast<size_t>(field)).marker; }

  public slots:
    void reject() override;

  private:
    struct Control {
        QWidget* widget = nullptr;
        std::vector<QLabel*> options;  // a choice shown as labels
        QFrame* marker = nullptr;
    };

    void build(const DialogForm& form);
    QWidget* makeControl(int field, const DialogField& described, Control& control);
    // Shows the core's form; closes once the core says the dialog is closed.
    void render();
    bool eventFilter(QObject* watched, QEvent* event) override;

    Dialog& dialog_;
    bool fixedSize_ = false;
    std::vector<Control> controls_;
};

}  // namespace quorvel::view
