#pragma once
// The input dialog as a modal QDialog. The core decides which controls show, the
// prompt, the answer text, the chosen level and where the focus is; this dialog draws that and
// forwards clicks and keys. It closes itself once the core says the dialog is closed.

#include "ui/grid/input_dialog.h"

#include <QDialog>

#include <array>

class QLabel;
class QPushButton;
class QFrame;

namespace quorvel::view {

class ForwardingLineEdit;
class ClickLabel;

class DialogView : public QDialog {
    Q_OBJECT

  public:
    DialogView(InputDialog& dialog, QWidget* parent = nullptr);
    ~DialogView() override;

    // Shows the dialog modally until the core closes it.
    static void run(InputDialog& dialog, QWidget* parent);

    // The controls, for tests.
    QLabel* promptLabel() const { return prompt_; }
    ForwardingLineEdit* answerBox() const { return answer_; }
    QLabel* levelLabel(int level) const { return levels_.at(static_cast<size_t>(level - 1)); }
    QFrame* marker() const { return marker_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }
    QPushButton* importAllButton() const { return importAll_; }

  public slots:
    void reject() override;

  private:
    void render();
    bool eventFilter(QObject* watched, QEvent* event) override;

    InputDialog& dialog_;
    QLabel* prompt_;
    ForwardingLineEdit* answer_;
    std::array<QLabel*, 4> levels_{};
    QFrame* marker_;
    QPushButton* ok_;
    QPushButton* cancel_;
    QPushButton* importAll_;
};

}  // namespace quorvel::view
