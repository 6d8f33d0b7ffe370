#include "ui/shell/view/hint_panel_view.h"

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
constexpr int kPanelHeight = 420;
constexpr int kEdgeMargin = 8;
constexpr int kTopOffset = 80;  // below the main window's menus and toolbar

}  // namespace

HintPanelView::HintPanelView(QWidget* owner)
    : QWidget(owner, Qt::Tool), title_(new QLabel(this)), steps_(new QTextBrowser(this)) {
    setWindowTitle(QStringLiteral("Hint"));
    QFont bold = title_->font();
    bold.setBold(true);
    title_->setFont(bold);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title_);
    layout->addWidget(steps_);
    resize(kPanelWidth, kPanelHeight);
}

void HintPanelView::render(const HintPanel& panel, const QRect& ownerFrame) {
    if (!panel.shown) {
        hide();
        return;
    }
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
    // Beside the main window when the screen has room, else over its right edge; taller than
    // usual when the steps need it (a long chain), down to the screen's bottom edge.
    const QRect screenArea = screen()->availableGeometry();
    int left = ownerFrame.right() + kEdgeMargin;
    if (left + kPanelWidth > screenArea.right()) left = screenArea.right() - kPanelWidth;
    const int top = ownerFrame.top() + kTopOffset;
    resize(kPanelWidth, kPanelHeight);
    layout()->activate();
    steps_->document()->setTextWidth(steps_->viewport()->width());
    const int wanted = kPanelHeight - steps_->viewport()->height() +
                       static_cast<int>(std::ceil(steps_->document()->size().height()));
    const int room = screenArea.bottom() - kEdgeMargin - top;
    resize(kPanelWidth, std::max(kPanelHeight, std::min(wanted, room)));
    move(left, top);
    show();
}

}  // namespace quorvel::view
