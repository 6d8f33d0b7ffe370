#include "views/print/print_painter.h"

#include <QFont>

#include <algorithm>

#include "views/grid/screen_measures.h"

namespace quorvel::view {
namespace {

QRectF rectOf(const TwipRect& rect) {
    return QRectF(rect.left, rect.top, rect.width, rect.height);
}

// Fonts are given in points; on the page's twip scale one point is 20 twips.
QFont fontOf(const std::string& family, int points) {
    QFont font(QString::fromStdString(family));
    font.setPixelSize(std::max(1, points * 20));
    return font;
}

void drawLabel(QPainter& painter, const PrintLabel& label) {
    painter.drawText(rectOf(label.rect), Qt::AlignCenter, QString::fromStdString(label.text));
}

}  // namespace

void paintPrintPage(QPainter& painter, const QRectF& target, const PrintPage& page) {
    if (page.widthTwips <= 0 || page.heightTwips <= 0) return;
    painter.save();
    const double scale =
        std::min(target.width() / page.widthTwips, target.height() / page.heightTwips);
    painter.translate(target.topLeft());
    painter.scale(scale, scale);
    painter.fillRect(QRectF(0, 0, page.widthTwips, page.heightTwips), Qt::white);

    painter.fillRect(rectOf(page.title.rect), colorFromBgr(page.titleBackColour));
    painter.setPen(Qt::black);
    painter.setFont(fontOf("Tahoma", 12));
    drawLabel(painter, page.title);

    painter.setPen(QPen(colorFromBgr(page.frameColour), 30));
    painter.drawRect(rectOf(page.frame));

    painter.setFont(fontOf(page.cellFont, page.cellFontPoints));
    for (const PrintCell& cell : page.cells) {
        const QRectF box = rectOf(cell.rect);
        painter.fillRect(box, colorFromBgr(cell.backColour));
        painter.setPen(QPen(Qt::gray, 8));
        painter.drawRect(box);
        if (cell.text.empty()) continue;
        painter.setPen(colorFromBgr(cell.foreColour));
        painter.drawText(box, Qt::AlignCenter, QString::fromStdString(cell.text));
    }

    painter.setPen(QPen(Qt::black, 30));
    for (const TwipLine& line : page.blockLines)
        painter.drawLine(line.x1, line.y1, line.x2, line.y2);

    painter.setFont(fontOf(page.headingFont, page.headingFontPoints));
    for (const PrintLabel& label : page.letterHeadings)
        drawLabel(painter, label);
    for (const PrintLabel& label : page.numberHeadings)
        drawLabel(painter, label);
    painter.restore();
}

}  // namespace quorvel::view
