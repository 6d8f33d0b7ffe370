#include "views/shell/hint_panel_view.h"

#include "application/shell/hint_panel_place.h"
#include "views/grid/screen_measures.h"

#include <QApplication>

#include <QLabel>
#include <QLayout>
#include <QScreen>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace quorvel::view {

namespace {

constexpr int kPanelWidth = 300;
constexpr int kPanelHeight = 420;  // the least height, however short the steps

ScreenRect screenRect(const QRect& rect) {
    return {rect.left(), rect.top(), rect.width(), rect.height()};
}

}  // namespace

HintPanelView::HintPanelView(QWidget* owner)
    : QWidget(owner, Qt::Tool), title_(new QLabel(this)), steps_(new QTextBrowser(this)) {
    setWindowTitle(QStringLiteral("Hint"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title_);
    layout->addWidget(steps_);
    resize(zoomed(kPanelWidth), zoomed(kPanelHeight));
}

int HintPanelView::render(const HintPanel& panel, const QRect& mainFrame, const QRect& gridFrame) {
    if (!panel.shown) {
        hide();
        return 0;
    }
    // The application's font, bold, at the zoom in use.
    QFont bold = QApplication::font();
    bold.setBold(true);
    title_->setFont(bold);
    title_->setText(QString::fromStdString(panel.title));
    // A step's first line is its text; a chain step's further lines, one link each, are listed
    // beneath it.
    QString html = QStringLiteral("<ol>");
    for (const std::string& step : panel.lines) {
        const QStringList lines = QString::fromStdString(step).split(QLatin1Char('\n'));
        html += QStringLiteral("<li>") + lines.front().toHtmlEscaped();
        if (lines.size() > 1) {
            html += QStringLiteral("<ul>");
            for (qsizetype i = 1; i < lines.size(); ++i)
                html += QStringLiteral("<li>") + lines[i].toHtmlEscaped() + QStringLiteral("</li>");
            html += QStringLiteral("</ul>");
        }
        html += QStringLiteral("</li>");
    }
    steps_->setHtml(html + QStringLiteral("</ol>"));

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
