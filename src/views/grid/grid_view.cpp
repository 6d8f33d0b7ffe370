#include "views/grid/grid_view.h"

#include "application/grid/cell_speech.h"
#include "application/grid/pink_lines.h"
#include "application/grid/temporary_stores.h"
#include "views/grid/chain_overlay.h"
#include "views/grid/forwarding_line_edit.h"
#include "views/grid/label_button.h"
#include "views/grid/screen_measures.h"
#include "views/grid/status_images.h"

#include <algorithm>
#include <optional>

#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace quorvel::view {
namespace {

QRect pixelsOf(const TwipRect& rect) {
    return rectFromTwips(rect.left, rect.top, rect.width, rect.height);
}

// The controls around the cells, in logical pixels: the cells' own places come from the core.
struct Surroundings {
    QRect frameLine;  // the grid's frame is drawn along this rectangle ...
    QRect frame;      // ... and covers this one
    QRect puzzleNumberLabel;
    QRect status;
    QRect enterDirectionButton;
    QRect gauge;
    QRect percent;
    QPoint panelTopLeft;  // panelMark runs down the right-hand margin
    int panelBox;
    int cellPixelSize;
    int height;  // of the whole window
};

constexpr int kFramePen = 3;

// While composing, the 9x9 window's store buttons sit below the grid; the gauge goes under them.
Surroundings surroundingsOf(const GridKind& kind, bool composing) {
    const GridLayout& layout = layoutOf(kind);
    const QRect first = pixelsOf(cellRect(kind, 1));
    const QRect last = pixelsOf(cellRect(kind, kind.cellCount()));
    const int windowWidth = pixelsFromTwips(layout.windowWidth);
    Surroundings at;
    at.frameLine = first.united(last).adjusted(-zoomed(4), -zoomed(4), zoomed(4), zoomed(4));
    const int pen = kFramePen / 2 + 1;
    at.frame = at.frameLine.adjusted(-pen, -pen, pen, pen);
    // The band above the grid ends above the frame, or above the composing controls' buttons.
    const int bandEnd = composing ? pixelsOf(columnButtonRect(1)).top() : at.frame.top();
    const int bandTop =
        std::max(zoomed(3), std::min(first.top() / 2 - zoomed(13), bandEnd - zoomed(30)));
    at.puzzleNumberLabel = QRect(first.left(), bandTop, zoomed(220), zoomed(26));
    at.enterDirectionButton =
        QRect(last.right() - zoomed(52), bandTop + zoomed(2), zoomed(52), zoomed(22));
    at.status = QRect(at.enterDirectionButton.left() - zoomed(36), bandTop - zoomed(1), zoomed(28),
                      zoomed(28));
    const int gaugeTop = composing ? pixelsOf(storeLabelRect(0)).bottom() + zoomed(5)
                                   : at.frame.bottom() + zoomed(4);
    at.gauge = QRect(first.left(), gaugeTop, 0, zoomed(kind.isNine() ? 12 : 9));
    at.percent = QRect(first.left(), at.gauge.bottom() + zoomed(2), zoomed(160), zoomed(18));
    // Between the frame and the window's edge, clear of both.
    at.panelBox = zoomed(kind.isNine() ? 24 : 19);
    at.panelTopLeft = QPoint(
        at.frame.right() + 1 + (windowWidth - at.frame.right() - 1 - at.panelBox) / 2, first.top());
    at.cellPixelSize = zoomed(kind.isNine() ? 24 : 16);
    at.height =
        std::max(at.percent.bottom() + zoomed(8),
                 pixelsFromTwips(layout.cell1Top) + kind.side * pixelsFromTwips(layout.pitchDown));
    return at;
}

// Glyphs of the possibilities tips: readable on both grids.
constexpr int kTipGlyphPixels = 9;
// The tips' pale yellow ground.
constexpr Colour kTipBack = 0xE1FFFF;

QFont tipFont() {
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(zoomed(kTipGlyphPixels));
    return font;
}

}  // namespace

QRect GridView::frameArea() const {
    return surroundingsOf(window_.kind(), false).frame;
}

GridView::GridView(GridWindow& window, QWidget* parent)
    : QWidget(parent), window_(window), side_(window.kind().side) {
    setWindowTitle(QString::fromStdString(window_.caption()));
    setAutoFillBackground(true);
    buildCells();
    buildControls();
    chainOverlay_ = new ChainOverlay(window_, this);
    window_.setObserver(this);
    applyLook();
}

void GridView::applyLook() {
    const Surroundings at = surroundingsOf(window_.kind(), false);
    setFixedSize(pixelsFromTwips(layoutOf(window_.kind()).windowWidth), at.height);
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(at.cellPixelSize);
    font.setBold(true);
    for (int number = 1; number <= window_.kind().cellCount(); ++number) {
        cell(number)->setFont(font);
        cell(number)->setGeometry(pixelsOf(window_.cellRect(number)));
    }
    QFont labelFont(QStringLiteral("Tahoma"));
    labelFont.setPointSizeF(11 * viewLook().zoom);
    labelFont.setBold(true);
    puzzleNumberLabel_->setFont(labelFont);
    for (std::size_t index = 0; index < status_.size(); ++index)
        status_[index]->setPixmap(
            statusPicture(index == 0, at.status.width() - 2, devicePixelRatioF()));
    frame_->setStyleSheet(QStringLiteral("color: %1;").arg(textColor(colour::kNavy).name()));
    QPalette fill = gaugeFill_->palette();
    fill.setColor(QPalette::Window, textColor(kGaugeFill));
    gaugeFill_->setPalette(fill);
    QFont panelFont(QStringLiteral("Tahoma"));
    panelFont.setPixelSize(at.panelBox / 2 + 2);
    panelFont.setBold(true);
    for (int value = 1; value <= side_; ++value) {
        QLabel* mark = panel_[static_cast<size_t>(value)];
        mark->setFont(panelFont);
        mark->setGeometry(at.panelTopLeft.x(),
                          at.panelTopLeft.y() + (value - 1) * (at.panelBox + zoomed(3)),
                          at.panelBox, at.panelBox);
    }
    for (QLabel* tip : tips_)
        if (tip != nullptr) tip->setFont(tipFont());
    refreshAll();
    // The buttons paint their colours through the theme; one whose look did not change would
    // otherwise keep the colours of the theme before.
    for (LabelButton* button : findChildren<LabelButton*>())
        button->update();
    emit lookChanged();
}

GridView::~GridView() {
    window_.setObserver(nullptr);
}

void GridView::buildCells() {
    const int count = window_.kind().cellCount();
    cells_.assign(static_cast<size_t>(count) + 1, nullptr);
    tips_.assign(static_cast<size_t>(count) + 1, nullptr);
    for (int number = 1; number <= count; ++number) {
        auto* edit = new ForwardingLineEdit(this);
        edit->setAlignment(Qt::AlignCenter);
        edit->setFrame(false);
        edit->setAutoFillBackground(true);
        edit->setAccessibleDescription(
            QString::fromStdString(cellAccessibleDescription(window_.kind(), number)));
        connect(edit, &ForwardingLineEdit::keyDown, this,
                [this, number](const KeyEvent& event) { window_.cellKey(number, event); });
        connect(edit, &ForwardingLineEdit::keyUp, this,
                [this, number](const KeyEvent&) { window_.cellKeyUp(number); });
        connect(edit, &ForwardingLineEdit::gotFocus, this, [this, number] { userFocused(number); });
        connect(edit, &ForwardingLineEdit::selectionMoved, this,
                [this, number](int start, int length) {
                    if (window_.focusedCell() == number) {
                        window_.setCellSelection(number, start, length);
                    } else {
                        refreshCell(number);
                    }
                });
        connect(edit, &ForwardingLineEdit::mouseUp, this, [this, number](int button, int) {
            if (button == 1 && window_.focusedCell() == number) window_.clickCell(number);
        });
        cells_[static_cast<size_t>(number)] = edit;
    }
}

void GridView::buildControls() {
    frame_ = new QFrame(this);
    frame_->setFrameShape(QFrame::Box);
    frame_->setLineWidth(2);
    frame_->setAttribute(Qt::WA_TransparentForMouseEvents);

    puzzleNumberLabel_ = new QLabel(this);
    puzzleNumberLabel_->setAccessibleDescription(tr("The puzzle's number and how many there are"));

    for (int index = 0; index < 2; ++index) {
        auto* image = new QLabel(this);
        image->setAlignment(Qt::AlignCenter);
        image->setToolTip(index == 0 ? tr("Solution Complete") : tr("Solution Incomplete"));
        image->setAccessibleName(image->toolTip());
        status_.push_back(image);
    }

    enterDirection_ = new LabelButton(this);
    enterDirection_->setAccessibleName(tr("Enter direction"));
    connect(enterDirection_, &LabelButton::mouseUp, this, [this](int button, int) {
        if (button == 1) window_.enterDirectionClicked();
    });

    gauge_ = new QFrame(this);
    static_cast<QFrame*>(gauge_)->setFrameShape(QFrame::Panel);
    static_cast<QFrame*>(gauge_)->setFrameShadow(QFrame::Sunken);
    gaugeFill_ = new QWidget(gauge_);
    gaugeFill_->setAutoFillBackground(true);
    gauge_->setAccessibleName(tr("Filled cells"));
    gauge_->setAccessibleDescription(tr("A bar that grows as the grid fills"));
    percent_ = new QLabel(this);
    percent_->setAccessibleDescription(tr("How much of the grid is filled"));

    panel_.assign(static_cast<size_t>(side_) + 1, nullptr);
    for (int value = 1; value <= side_; ++value) {
        auto* mark = new QLabel(QString::number(value), this);
        mark->setAlignment(Qt::AlignCenter);
        mark->setAutoFillBackground(true);
        mark->setFrameShape(QFrame::Box);
        mark->setAccessibleDescription(
            tr("Possibilities panel: green on white while %1 can still go in the focused cell")
                .arg(value));
        panel_[static_cast<size_t>(value)] = mark;
    }
}

void GridView::refreshAll() {
    for (int number = 1; number <= window_.kind().cellCount(); ++number)
        refreshCell(number);
    windowChanged();
}

void GridView::refreshCell(int number) {
    ForwardingLineEdit* edit = cell(number);
    const CellView& shown = window_.board().cell(number);
    edit->setVisible(window_.cellVisible(number));
    edit->setEnabled(shown.enabled);
    QPalette colours = edit->palette();
    const GridWindow::AidedLook look = window_.aidedLook(number);
    const QColor back = groundColor(look.backColour);
    const QColor fore = textColor(look.foreColour);
    if (colours.color(QPalette::Base) != back || colours.color(QPalette::Text) != fore) {
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            colours.setColor(group, QPalette::Base, back);
            colours.setColor(group, QPalette::Window, back);
            colours.setColor(group, QPalette::Text, fore);
        }
        colours.setColor(QPalette::Disabled, QPalette::Base, back);
        edit->setPalette(colours);
    }
    edit->showBox(window_.cellBox(number));
    const ValueMask notes = window_.notes(number);
    const ValueMask contradicted = window_.conflictingNotes(number);
    const ChainMarks& chain = window_.chainMarks();
    const auto at = static_cast<std::size_t>(number);
    edit->showNotes(side_, chain.shown[at] != 0
                               ? NoteMarks{chain.shown[at], 0, chain.ringed[at], chain.removed[at]}
                               : aidedNotes(number, NoteMarks{notes, contradicted, 0, 0}));
    edit->setAccessibleName(QString::fromStdString(
        cellAccessibleName(window_.kind(), number, shown, notes, contradicted)));
    refreshTip(number);
}

NoteMarks GridView::aidedNotes(int number, NoteMarks marks) const {
    for (int value = 1; value <= side_; ++value) {
        const std::optional<GridWindow::AidedLook> look = window_.noteLook(number, value);
        if (!look) continue;
        marks.shaded |= static_cast<ValueMask>(1u << value);
        marks.shadeFore[static_cast<std::size_t>(value)] = look->foreColour;
        marks.shadeBack[static_cast<std::size_t>(value)] = look->backColour;
    }
    return marks;
}

void GridView::refreshTip(int number) {
    QLabel*& tip = tips_[static_cast<size_t>(number)];
    if (!window_.tipShown(number)) {
        if (tip != nullptr) tip->hide();
        return;
    }
    if (tip == nullptr) {
        tip = new QLabel(this);
        tip->setFont(tipFont());
        tip->setWordWrap(true);
        tip->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        tip->setAttribute(Qt::WA_TranslucentBackground);
        tip->installEventFilter(this);
    }
    const QRect cellRect = pixelsOf(window_.cellRect(number));
    const QString text = QString::fromStdString(window_.tipText(number));
    // As tall as the list's lines, at least two. A tip within its cell is see-through, so the
    // cell's own text stays readable; a long list (15x15) reaches over the cell below and is
    // then drawn opaque, so that it is read without the other cell's text behind it.
    const QFontMetrics metrics(tip->font());
    const int textHeight = metrics
                               .boundingRect(QRect(0, 0, cellRect.width(), 10 * cellRect.height()),
                                             Qt::AlignLeft | Qt::TextWordWrap, text)
                               .height();
    const int height = std::max(2 * metrics.lineSpacing(), textHeight) + 1;
    QColor ground = groundColor(kTipBack);
    // See-through within its cell.
    if (height <= cellRect.height()) ground.setAlpha(150);
    tip->setStyleSheet(QStringLiteral("background: %1; color: %2;")
                           .arg(ground.name(QColor::HexArgb), textColor(colour::kNavy).name()));
    tip->setGeometry(cellRect.left(), cellRect.top(), cellRect.width(), height);
    tip->setText(text);
    tip->setToolTip(QString::fromStdString(window_.tipToolTip(number)));
    tip->setAccessibleName(tr("Possible values: %1").arg(tip->text()));
    tip->show();
    tip->raise();
}

void GridView::refreshPanel() {
    const bool shown = window_.panelVisible();
    for (int value = 1; value <= side_; ++value) {
        QLabel* mark = panel_[static_cast<size_t>(value)];
        mark->setVisible(shown);
        if (!shown) continue;
        const PanelMark colours = window_.panelMark(value);
        QPalette palette = mark->palette();
        palette.setColor(QPalette::Window, groundColor(colours.backColour));
        palette.setColor(QPalette::WindowText, textColor(colours.foreColour));
        mark->setPalette(palette);
        mark->setAccessibleName(colours.backColour == kPanelTakenBack ? tr("%1 taken").arg(value)
                                : colours.backColour == kPanelNotedOutBack
                                    ? tr("%1 left out by the notes").arg(value)
                                    : tr("%1 possible").arg(value));
    }
}

void GridView::cellChanged(int number) {
    if (number >= 1 && number <= window_.kind().cellCount()) refreshCell(number);
}

void GridView::focusChanged(int) {
    syncFocus();
}

void GridView::windowChanged() {
    setWindowTitle(QString::fromStdString(window_.caption()));
    const int focused = window_.focusedCell();
    frame_->setVisible(focused >= 1);
    frame_->setGeometry(pixelsOf(window_.focusFrame()));
    frame_->raise();
    puzzleNumberLabel_->setText(QString::fromStdString(window_.puzzleNumberLabel()));
    for (int index = 0; index < 2; ++index) {
        status_[static_cast<size_t>(index)]->setVisible(window_.statusImageVisible(index));
    }
    const Colour mark = window_.statusMarkColour();
    status_[1]->setAutoFillBackground(mark != colour::kBlack);
    if (mark != colour::kBlack) {
        QPalette colours = status_[1]->palette();
        colours.setColor(QPalette::Window, groundColor(mark));
        status_[1]->setPalette(colours);
    }

    const ButtonLook& look = window_.enterDirectionButton();
    enterDirection_->setLook({look.caption, "Marlett", 9 * viewLook().zoom, look.backColour,
                              look.foreColour, look.threeD, false});
    enterDirection_->setToolTip(QString::fromStdString(look.toolTip));

    const bool composing = window_.composingControlsVisible();
    const Surroundings at = surroundingsOf(window_.kind(), composing);
    setFixedHeight(at.height);
    const Board& board = window_.board();
    puzzleNumberLabel_->setGeometry(at.puzzleNumberLabel);
    for (QLabel* image : status_)
        image->setGeometry(at.status);
    enterDirection_->setGeometry(at.enterDirectionButton);
    percent_->setGeometry(at.percent);
    gauge_->setGeometry(at.gauge.left(), at.gauge.top(), pixelsFromTwips(board.gaugeWidth()) + 4,
                        at.gauge.height());
    gauge_->setVisible(board.gaugeWidth() > 0);
    gaugeFill_->setGeometry(gauge_->rect().adjusted(2, 2, -2, -2));
    percent_->setText(QString::fromStdString(board.percentText()));
    refreshPanel();

    if (window_.shown() != wasShown_) {
        wasShown_ = window_.shown();
        emit shownChanged(wasShown_);
    }
    const QPoint place(window_.left(), window_.top());
    if (place != lastPlace_) {
        lastPlace_ = place;
        emit placeChanged();
    }
    if (composing != composingShown_) {
        composingShown_ = composing;
        emit composingControlsChanged();
    }
    chainOverlay_->refresh();
    update();
}

void GridView::syncFocus() {
    const int focused = window_.focusedCell();
    if (focused < 1 || !window_.shown()) return;
    syncing_ = true;
    ForwardingLineEdit* edit = cell(focused);
    if (!edit->hasFocus()) edit->setFocus(Qt::OtherFocusReason);
    edit->showBox(window_.cellBox(focused));
    syncing_ = false;
}

void GridView::userFocused(int number) {
    if (syncing_) return;
    if (window_.focusedCell() != number) window_.requestFocus(number);
    // The core may keep the focus elsewhere (a value out of range); show where it is.
    syncFocus();
    refreshCell(number);
}

bool GridView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        for (size_t number = 1; number < tips_.size(); ++number) {
            if (watched == tips_[number]) {
                window_.tipClicked(static_cast<int>(number));
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool GridView::focusNextPrevChild(bool next) {
    // Qt keeps Tab inside a subwindow, going round its controls; here it leaves at the end.
    QWidget* const from = focusWidget();
    for (QWidget* to = from; to != nullptr && isAncestorOf(to);) {
        to = next ? to->nextInFocusChain() : to->previousInFocusChain();
        if (to == from || !isAncestorOf(to)) break;
        if ((to->focusPolicy() & Qt::TabFocus) && to->isVisibleTo(this) && to->isEnabled())
            return QWidget::focusNextPrevChild(next);
    }
    emit tabbedOut(next);
    return true;
}

void GridView::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    QPainter painter(this);
    // The grid's frame: orange after Get Next, black again once a menu opens.
    painter.setPen(QPen(textColor(window_.frameColour()), kFramePen));
    painter.drawRect(surroundingsOf(window_.kind(), false).frameLine);
    painter.setPen(QPen(textColor(colour::kBlack), 2));
    for (const TwipLine& line : window_.blockLines()) {
        painter.drawLine(pointFromTwips(line.x1, line.y1), pointFromTwips(line.x2, line.y2));
    }
}

}  // namespace quorvel::view
