#include "ui/grid/view/dialog_view.h"

#include "ui/grid/view/forwarding_line_edit.h"
#include "ui/grid/view/units.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace quorvel::view {
namespace {

// Geometry in logical pixels; the marker's left edge is the core's 480 twips.
constexpr int kWidth = 380;
constexpr int kHeight = 214;
constexpr int kLevelLeft = 50;
constexpr int kLevelTop = 60;
constexpr int kLevelPitch = 24;
constexpr int kButtonTop = 170;
constexpr QSize kButton{88, 30};

QRect levelRect(int level) {
    return {kLevelLeft, kLevelTop + (level - 1) * kLevelPitch, 140, 22};
}

}  // namespace

DialogView::DialogView(InputDialog& dialog, QWidget* parent) : QDialog(parent), dialog_(dialog) {
    setModal(true);
    setFixedSize(kWidth, kHeight);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    prompt_ = new QLabel(this);
    prompt_->setWordWrap(true);
    prompt_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    QFont levelFont(QStringLiteral("Tahoma"));
    levelFont.setPointSize(10);
    for (int level = 1; level <= 4; ++level) {
        auto* label = new QLabel(
            QString::fromUtf8(kLevelCaptions[level - 1].data(), kLevelCaptions[level - 1].size()),
            this);
        label->setFont(levelFont);
        label->setGeometry(levelRect(level));
        label->setCursor(Qt::PointingHandCursor);
        label->installEventFilter(this);
        levels_[level - 1] = label;
    }
    marker_ = new QFrame(this);
    marker_->setAutoFillBackground(true);
    marker_->setStyleSheet(QStringLiteral("background: #000080;"));

    answer_ = new ForwardingLineEdit(this);
    QFont answerFont = answer_->font();
    answerFont.setPointSize(11);
    answer_->setFont(answerFont);

    ok_ = new QPushButton(tr("OK"), this);
    cancel_ = new QPushButton(tr("Cancel"), this);
    importAll_ = new QPushButton(tr("Import &All"), this);
    for (QPushButton* button : {ok_, cancel_, importAll_}) {
        button->setAutoDefault(false);
        button->resize(kButton);
    }
    importAll_->setGeometry(200, 69, 160, 30);
    importAll_->setAccessibleDescription(tr("Stores every puzzle of the text in the database"));

    connect(answer_, &ForwardingLineEdit::keyDown, this, [this](const KeyEvent& event) {
        // Escape answers Cancel, as in every dialog of the desktop.
        if (event.code == key::kEscape) {
            dialog_.cancelClicked();
        } else {
            dialog_.key(event);
        }
    });
    connect(answer_, &ForwardingLineEdit::selectionMoved, this,
            [this](int start, int length) { dialog_.setAnswerSelection(start, length); });
    connect(ok_, &QPushButton::clicked, this, [this] { dialog_.okClicked(); });
    connect(cancel_, &QPushButton::clicked, this, [this] { dialog_.cancelClicked(); });
    connect(importAll_, &QPushButton::clicked, this, [this] { dialog_.importAllClicked(); });

    dialog_.setOnChanged([this] { render(); });
    render();
}

DialogView::~DialogView() {
    dialog_.setOnChanged({});
}

void DialogView::run(InputDialog& dialog, QWidget* parent) {
    if (dialog.closed()) return;
    DialogView view(dialog, parent);
    view.exec();
}

void DialogView::reject() {
    // Escape and the window's close box answer like Cancel.
    dialog_.cancelClicked();
}

bool DialogView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        for (int level = 1; level <= 4; ++level) {
            if (watched == levels_[level - 1]) dialog_.levelLabelClicked(level);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void DialogView::render() {
    setWindowTitle(QString::fromStdString(dialog_.caption()));
    prompt_->setText(QString::fromStdString(dialog_.prompt()));
    prompt_->setGeometry(dialog_.promptEnlarged() ? QRect(18, 16, kWidth - 36, kButtonTop - 28)
                                                  : QRect(18, 12, kWidth - 36, 42));

    const bool levels = dialog_.levelLabelsVisible();
    for (QLabel* label : levels_)
        label->setVisible(levels);
    marker_->setVisible(levels);
    const QRect chosen = levelRect(dialog_.markerLevel());
    marker_->setGeometry(pixelsFromTwips(kMarkerLeftTwips), chosen.top() + 6, 10, 10);

    answer_->setVisible(dialog_.answerVisible());
    answer_->setGeometry(levels ? QRect(210, 84, 150, 28) : QRect(18, 70, 150, 28));
    answer_->showBox(dialog_.answerBox());

    cancel_->setVisible(dialog_.cancelVisible());
    importAll_->setVisible(dialog_.importAllVisible());
    if (dialog_.okCentred()) {
        ok_->move((kWidth - kButton.width()) / 2, kButtonTop);
    } else {
        ok_->move(kWidth / 2 - kButton.width() - 6, kButtonTop);
    }
    cancel_->move(kWidth / 2 + 6, kButtonTop);

    switch (dialog_.focus()) {
        case InputDialog::Focus::Answer:
            if (answer_->isVisible()) answer_->setFocus();
            break;
        case InputDialog::Focus::Ok:
            ok_->setFocus();
            break;
        case InputDialog::Focus::Cancel:
            cancel_->setFocus();
            break;
    }
    ok_->setDefault(dialog_.focus() == InputDialog::Focus::Ok);

    if (dialog_.closed() && isVisible()) done(Accepted);
}

}  // namespace quorvel::view
