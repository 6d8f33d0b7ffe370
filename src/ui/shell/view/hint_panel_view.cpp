#include "ui/shell/view/hint_panel_view.h"

#include <QLabel>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>

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
    QString html = QStringLiteral("<ol>");
    for (const std::string& line : panel.lines)
        html += QStringLiteral("<li>") + QString::fromStdString(line).toHtmlEscaped() +
                QStringLiteral("</li>");
    steps_->setHtml(html + QStringLiteral("</ol>"));
    // Beside the main window when the screen has room, else over its right edge.
    const QRect screenArea = screen()->availableGeometry();
    int left = ownerFrame.right() + kEdgeMargin;
    if (left + kPanelWidth > screenArea.right()) left = screenArea.right() - kPanelWidth;
    move(left, ownerFrame.top() + kTopOffset);
    show();
}

}  // namespace quorvel::view
