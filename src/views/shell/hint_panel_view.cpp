#include "views/shell/hint_panel_view.h"

#include "application/shell/hint_panel_place.h"
#include "views/grid/screen_measures.h"

#include <QApplication>

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace quorvel::view {

namespace {

constexpr int kPanelWidth = 300;
constexpr int kPanelHeight = 420;  // the least height, however short the steps

ScreenRect screenRect(const QRect& rect) {
    return {rect.left(), rect.top(), rect.width(), rect.height()};
}

// The details' first line is the deduction; their further lines, one implication or one link
// each, are listed beneath it. A nested net's lines are indented two blanks a level under their
// "inside: if ..." line, and they stay nested in the list.
QString detailsHtml(const std::string& details) {
    const QStringList lines = QString::fromStdString(details).split(QLatin1Char('\n'));
    QString html = QStringLiteral("<p>") + lines.front().toHtmlEscaped() + QStringLiteral("</p>");
    qsizetype open = 0;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QString& line = lines[i];
        qsizetype blanks = 0;
        while (blanks < line.size() && line[blanks] == QLatin1Char(' '))
            ++blanks;
        const qsizetype level = blanks / 2 + 1;
        for (; open < level; ++open)
            html += QStringLiteral("<ul>");
        for (; open > level; --open)
            html += QStringLiteral("</ul>");
        html += QStringLiteral("<li>") + line.mid(blanks).toHtmlEscaped() + QStringLiteral("</li>");
    }
    for (; open > 0; --open)
        html += QStringLiteral("</ul>");
    return html;
}

}  // namespace

HintPanelView::HintPanelView(QWidget* owner, std::function<void(HintPanelButton)> clicked)
    : QWidget(owner, Qt::Tool),
      clicked_(std::move(clicked)),
      title_(new QLabel(this)),
      stepLabel_(new QLabel(this)),
      summary_(new QLabel(this)),
      details_(new QPushButton(this)),
      steps_(new QTextBrowser(this)),
      back_(new QPushButton(QStringLiteral("< Back"), this)),
      next_(new QPushButton(QStringLiteral("Next >"), this)) {
    setWindowTitle(QStringLiteral("Hint"));
    summary_->setWordWrap(true);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    details_->setFlat(true);
    details_->setStyleSheet(QStringLiteral("text-align: left"));
    back_->setToolTip(QStringLiteral("The step before (Page Up)"));
    next_->setToolTip(QStringLiteral("The step after (Page Down)"));
    const auto press = [this](QPushButton* button, HintPanelButton meaning) {
        connect(button, &QPushButton::clicked, this, [this, meaning] { clicked_(meaning); });
    };
    press(back_, HintPanelButton::Back);
    press(next_, HintPanelButton::Next);
    press(details_, HintPanelButton::Details);
    // Back, "Step 3 of 15" and Next stand at the top, where unfolding the details never moves
    // them.
    auto* pages = new QHBoxLayout;
    pages->addWidget(back_);
    pages->addStretch();
    pages->addWidget(stepLabel_);
    pages->addStretch();
    pages->addWidget(next_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title_);
    layout->addLayout(pages);
    layout->addWidget(summary_);
    layout->addWidget(details_);
    layout->addWidget(steps_, 1);
    layout->addStretch();
    resize(zoomed(kPanelWidth), zoomed(kPanelHeight));
    // Wherever the focus is in the main window, PageUp and PageDown turn the pages while the
    // panel shows (in the panel itself, keyPressEvent does).
    for (const auto& [key, button] : {std::pair{Qt::Key_PageUp, HintPanelButton::Back},
                                      std::pair{Qt::Key_PageDown, HintPanelButton::Next}}) {
        auto* shortcut = new QShortcut(QKeySequence(key), owner);
        shortcut->setEnabled(false);
        connect(shortcut, &QShortcut::activated, this,
                [this, meaning = button] { clicked_(meaning); });
        pageKeys_.push_back(shortcut);
    }
}

void HintPanelView::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() == Qt::NoModifier &&
        (event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown)) {
        clicked_(event->key() == Qt::Key_PageUp ? HintPanelButton::Back : HintPanelButton::Next);
        return;
    }
    QWidget::keyPressEvent(event);
}

void HintPanelView::showStep(const HintPanel& panel) {
    title_->setText(QString::fromStdString(panel.title));
    stepLabel_->setText(QString::fromStdString(panel.stepLabel()));
    summary_->setText(QString::fromStdString(panel.summary));
    details_->setText(panel.detailsOpen ? QStringLiteral("\u25BE Details")
                                        : QStringLiteral("\u25B8 Details"));
    back_->setEnabled(panel.canGoBack());
    next_->setEnabled(panel.canGoNext());
    steps_->setVisible(panel.detailsOpen);
    steps_->setHtml(detailsHtml(panel.details));
}

int HintPanelView::render(const HintPanel& panel, const QRect& mainFrame, const QRect& gridFrame) {
    for (QShortcut* key : pageKeys_)
        key->setEnabled(panel.shown);
    if (!panel.shown) {
        hide();
        return 0;
    }
    // The application's font, bold, at the zoom in use.
    QFont bold = QApplication::font();
    bold.setBold(true);
    title_->setFont(bold);
    showStep(panel);

    const QMargins frame = decoration();
    const int frameWidth = frame.left() + frame.right();
    const int frameHeight = frame.top() + frame.bottom();
    HintPanelRoom room{screenRect(parentWidget()->screen()->availableGeometry()),
                       screenRect(mainFrame), screenRect(gridFrame),
                       zoomed(kPanelWidth) + frameWidth,
                       wantedHeight(zoomed(kPanelWidth)) + frameHeight};
    HintPanelPlace place = placeHintPanel(room);
    if (place.panel.width != room.wantedWidth) {  // narrower: the text wraps into more lines
        room.wantedHeight = wantedHeight(place.panel.width - frameWidth) + frameHeight;
        place = placeHintPanel(room);
    }
    resize(place.panel.width - frameWidth, place.panel.height - frameHeight);
    move(place.panel.left, place.panel.top);
    show();
    return place.mainShift;
}

int HintPanelView::wantedHeight(int width) {
    const int least = zoomed(kPanelHeight);
    resize(width, least);
    layout()->activate();
    if (!steps_->isVisibleTo(this)) return std::max(least, layout()->totalHeightForWidth(width));
    steps_->document()->setTextWidth(steps_->viewport()->width());
    const int wanted = least - steps_->viewport()->height() +
                       static_cast<int>(std::ceil(steps_->document()->size().height()));
    return std::max(least, wanted);
}

QMargins HintPanelView::decoration() const {
    const QWidget* framed = isVisible() ? this : parentWidget();
    const QRect inside = framed->geometry();
    const QRect outside = framed->frameGeometry();
    return {inside.left() - outside.left(), inside.top() - outside.top(),
            outside.right() - inside.right(), outside.bottom() - inside.bottom()};
}

}  // namespace quorvel::view
