#pragma once
// The modeless help window: the help text in a scrolling box when it does not fit,
// else in a plain copy; two font buttons; place and size as the core keeps them.

#include "application/shell/help_window.h"

#include <QWidget>

class QFrame;
class QLabel;
class QPlainTextEdit;

namespace quorvel::view {

class LabelButton;

class HelpView : public QWidget {
    Q_OBJECT

  public:
    HelpView(HelpWindow& help, QWidget* parent = nullptr);
    ~HelpView() override;

    void render();
    QPlainTextEdit* scrollingText() const { return scrolling_; }
    QPlainTextEdit* plainCopy() const { return copy_; }
    LabelButton* fontButton(int index) const { return index == 0 ? small_ : large_; }
    QLabel* dataFolderLabel() const { return dataFolder_; }

  protected:
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    HelpWindow& help_;
    QFrame* frame_;
    QFrame* panel_;
    QPlainTextEdit* scrolling_;
    QPlainTextEdit* copy_;
    QLabel* dataFolder_;
    QWidget* fontButtons_;
    LabelButton* small_;
    LabelButton* large_;
    bool rendering_ = false;
};

}  // namespace quorvel::view
