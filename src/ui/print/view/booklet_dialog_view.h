#pragma once
// Print Booklet's dialog as a modal QDialog: a list box for each group of options the core
// offers, spin boxes for the count and the first number, line boxes for the heading and the
// footer, OK and Cancel. Every change goes to the
// core, which decides what is offered and whether OK closes; its problem shows in red.

#include <QDialog>

#include <vector>

#include "ui/print/booklet_dialog.h"

class QComboBox;
class QLabel;
class QSpinBox;

namespace quorvel::view {

class BookletDialogView : public QDialog {
    Q_OBJECT

  public:
    BookletDialogView(BookletDialog& dialog, QWidget* parent = nullptr);

    // Shows the dialog modally until the core closes it.
    static void run(BookletDialog& dialog, QWidget* parent);

  public slots:
    void accept() override;
    void reject() override;

  private:
    void render();

    BookletDialog& dialog_;
    std::vector<QComboBox*> groups_;
    QSpinBox* count_;
    QSpinBox* start_;
    QLabel* problem_;
};

}  // namespace quorvel::view
