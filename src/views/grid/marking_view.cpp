#include "views/grid/marking_view.h"

#include "application/grid/cell_mouse.h"
#include "application/grid/marking_controls.h"
#include "views/grid/forwarding_line_edit.h"
#include "views/grid/grid_view.h"
#include "views/grid/label_button.h"
#include "views/grid/screen_measures.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>

namespace quorvel::view {
namespace {

QRect pixelsOf(const TwipRect& rect) {
    return rectFromTwips(rect.left, rect.top, rect.width, rect.height);
}

QFrame* makeLine(QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setStyleSheet(QStringLiteral("background: ") + colorFromBgr(kPinkLine).name() + ';');
    line->setAttribute(Qt::WA_TransparentForMouseEvents);
    line->hide();
    return line;
}

QFrame* makeFrame(QWidget* parent) {
    auto* frame = new QFrame(parent);
    frame->setStyleSheet(QStringLiteral("border: 2px solid ") + colorFromBgr(kPinkLine).name() +
                         QStringLiteral("; background: transparent;"));
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    frame->hide();
    return frame;
}

int mouseButtonOf(Qt::MouseButton button) {
    return button == Qt::LeftButton ? 1 : button == Qt::RightButton ? 2 : 4;
}

}  // namespace

MarkingView::MarkingView(CellMouseHandler& mouse, GridView& grid, MarkingControls* controls)
    : QObject(&grid), mouse_(mouse), grid_(grid), controls_(controls) {
    GridWindow& window = grid_.window();
    for (int number = 1; number <= window.kind().cellCount(); ++number) {
        ForwardingLineEdit* edit = grid_.cell(number);
        edit->installEventFilter(this);
        connect(edit, &ForwardingLineEdit::mouseUp, this, [this, number](int button, int shift) {
            mouse_.cellMouseUp(grid_.window(), number, button, shift);
        });
    }
    if (controls_ == nullptr) return;
    buildControls();
    controls_->subscribe([this] { refresh(); });
    // The create layout switches the composing controls on and off.
    connect(&grid_, &GridView::composingControlsChanged, this, &MarkingView::refresh);
    connect(&grid_, &GridView::lookChanged, this, &MarkingView::refresh);
    refresh();
}

LabelButton* MarkingView::makeButton(const QString& toolTip) {
    auto* button = new LabelButton(&grid_);
    button->setToolTip(toolTip);
    return button;
}

void MarkingView::buildControls() {
    rowButtons_.assign(10, nullptr);
    columnButtons_.assign(10, nullptr);
    rowLines_.assign(10, nullptr);
    columnLines_.assign(10, nullptr);
    for (int index = 1; index <= 9; ++index) {
        LabelButton* row = makeButton(QString());
        connect(row, &LabelButton::mouseUp, this,
                [this, index](int button, int) { controls_->rowButtonReleased(index, button); });
        row->setAccessibleName(tr("Row %1 line").arg(index));
        row->setAccessibleDescription(tr("Draws or removes the pink line along row %1").arg(index));
        rowButtons_[static_cast<size_t>(index)] = row;
        LabelButton* column = makeButton(QString());
        connect(column, &LabelButton::mouseUp, this,
                [this, index](int button, int) { controls_->columnButtonReleased(index, button); });
        column->setAccessibleName(tr("Column %1 line").arg(index));
        column->setAccessibleDescription(
            tr("Draws or removes the pink line along column %1").arg(index));
        columnButtons_[static_cast<size_t>(index)] = column;
        rowLines_[static_cast<size_t>(index)] = makeLine(&grid_);
        columnLines_[static_cast<size_t>(index)] = makeLine(&grid_);
    }
    clear_ = makeButton(
        QString::fromUtf8(kClearLinesToolTip.data(), static_cast<int>(kClearLinesToolTip.size())));
    connect(clear_, &LabelButton::mouseUp, this,
            [this](int button, int) { controls_->clearButtonReleased(button); });

    storeCaption_ = new QLabel(
        QString::fromUtf8(kStoreCaption.data(), static_cast<int>(kStoreCaption.size())), &grid_);
    storeCaption_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (int index = 0; index < kStoreLabelCount; ++index) {
        const std::string_view tip = storeLabelToolTip(index);
        LabelButton* store =
            makeButton(QString::fromUtf8(tip.data(), static_cast<int>(tip.size())));
        connect(store, &LabelButton::mouseUp, this, [this, index](int button, int) {
            if (button == 1) controls_->storeLabelClicked(index);
        });
        stores_.push_back(store);
    }
    bandFrame_ = makeFrame(&grid_);
    blockFrame_ = makeFrame(&grid_);
}

void MarkingView::refresh() {
    if (controls_ == nullptr) return;
    const bool composing = grid_.window().composingControlsVisible();
    const PinkLines& lines = controls_->lines();
    auto look = [this](MarkingControl control, int index, const std::string& caption, Colour back,
                       double points) {
        const bool flashing = controls_->flashing(control, index);
        return LabelLook{caption,
                         "Arial",
                         points * viewLook().zoom,
                         flashing ? kFlashBack : back,
                         flashing ? kFlashFore : colour::kBlack,
                         flashing,
                         false};
    };
    // Places first: they follow the zoom.
    for (int index = 1; index <= 9; ++index) {
        rowButtons_[static_cast<size_t>(index)]->setGeometry(pixelsOf(rowButtonRect(index)));
        columnButtons_[static_cast<size_t>(index)]->setGeometry(pixelsOf(columnButtonRect(index)));
        rowLines_[static_cast<size_t>(index)]->setGeometry(pixelsOf(rowLineRect(index)));
        columnLines_[static_cast<size_t>(index)]->setGeometry(pixelsOf(columnLineRect(index)));
    }
    clear_->setGeometry(pixelsOf(clearButtonRect()));
    storeCaption_->setGeometry(pixelsOf(storeCaptionRect()));
    for (int index = 0; index < kStoreLabelCount; ++index)
        stores_[static_cast<size_t>(index)]->setGeometry(pixelsOf(storeLabelRect(index)));
    for (int index = 1; index <= 9; ++index) {
        rowButtons_[static_cast<size_t>(index)]->setLook(
            look(MarkingControl::RowButton, index, "", kPinkLine, 6));
        rowButtons_[static_cast<size_t>(index)]->setVisible(composing);
        columnButtons_[static_cast<size_t>(index)]->setLook(
            look(MarkingControl::ColumnButton, index, "", kPinkLine, 6));
        columnButtons_[static_cast<size_t>(index)]->setVisible(composing);
        QFrame* row = rowLines_[static_cast<size_t>(index)];
        row->setVisible(lines.rowLine(index).shown);
        row->raise();
        QFrame* column = columnLines_[static_cast<size_t>(index)];
        column->setVisible(lines.columnLine(index).shown);
        column->raise();
    }
    clear_->setLook(look(MarkingControl::ClearButton, 0, "x", kPinkLine, 7));
    clear_->setVisible(composing);
    storeCaption_->setVisible(composing);
    for (int index = 0; index < kStoreLabelCount; ++index) {
        stores_[static_cast<size_t>(index)]->setLook(look(MarkingControl::StoreLabel, index,
                                                          std::string(storeLabelCaption(index)),
                                                          kButtonFace, 7));
        stores_[static_cast<size_t>(index)]->setVisible(composing);
    }
    for (auto [frame, state] :
         {std::pair{bandFrame_, lines.bandFrame()}, std::pair{blockFrame_, lines.blockFrame()}}) {
        frame->setGeometry(pixelsOf(state.rect));
        frame->setVisible(state.visible);
        frame->raise();
    }
}

bool MarkingView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        auto* edit = qobject_cast<ForwardingLineEdit*>(watched);
        for (int number = 1; edit != nullptr && number <= grid_.window().kind().cellCount();
             ++number) {
            if (grid_.cell(number) == edit) {
                mouse_.cellMouseDown(grid_.window(), number,
                                     mouseButtonOf(static_cast<QMouseEvent*>(event)->button()));
                break;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace quorvel::view
