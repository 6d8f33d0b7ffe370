#include "views/shell/help_view.h"

#include "views/grid/label_button.h"
#include "views/grid/screen_measures.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QShortcut>

namespace quorvel::view {
namespace {

QRect pixelsOf(const TwipsRect& rect) {
    return rectFromTwips(rect.left, rect.top, rect.width, rect.height);
}

QPlainTextEdit* makeTextBox(QWidget* parent, const char* family) {
    auto* box = new QPlainTextEdit(parent);
    box->setReadOnly(true);
    box->setFont(QFont(QString::fromUtf8(family)));
    return box;
}

}  // namespace

HelpView::HelpView(HelpWindow& help, QWidget* parent) : QWidget(parent, Qt::Window), help_(help) {
    setWindowTitle(QString::fromUtf8(HelpWindow::kCaption));
    frame_ = new QFrame(this);
    frame_->setFrameShape(QFrame::Box);
    panel_ = new QFrame(this);
    panel_->setFrameShape(QFrame::StyledPanel);
    panel_->lower();
    frame_->lower();
    scrolling_ = makeTextBox(this, HelpWindow::kTextFont);
    copy_ = makeTextBox(this, HelpWindow::kCopyFont);
    copy_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    dataFolder_ = new QLabel(this);
    dataFolder_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    fontButtons_ = new QWidget(this);
    fontButtons_->resize(150, 24);
    small_ = new LabelButton(fontButtons_);
    small_->setGeometry(0, 2, 22, 20);
    small_->setToolTip(tr("Small Font"));
    auto* smallCaption = new QLabel(tr("Small"), fontButtons_);
    smallCaption->setGeometry(26, 2, 46, 20);
    large_ = new LabelButton(fontButtons_);
    large_->setGeometry(76, 2, 22, 20);
    large_->setToolTip(tr("Large Font"));
    auto* largeCaption = new QLabel(tr("Large"), fontButtons_);
    largeCaption->setGeometry(102, 2, 46, 20);
    connect(small_, &LabelButton::mouseUp, this, [this](int, int) { help_.fontButtonClicked(0); });
    connect(large_, &LabelButton::mouseUp, this, [this](int, int) { help_.fontButtonClicked(1); });

    // Escape closes the window wherever the focus is inside it, as it closes a dialog.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    help_.setOnChanged([this] { render(); });
}

HelpView::~HelpView() {
    help_.setOnChanged({});
}

void HelpView::render() {
    rendering_ = true;
    if (help_.visible()) {
        const QRect place = pixelsOf(help_.geometry());
        if (geometry() != place) setGeometry(place);
        frame_->setGeometry(pixelsOf(help_.frame()));
        panel_->setGeometry(pixelsOf(help_.panel()));
        const QRect textPlace = pixelsOf(help_.textBox());
        const QString text = QString::fromStdString(help_.text());
        for (QPlainTextEdit* box : {scrolling_, copy_}) {
            box->setGeometry(textPlace);
            QFont font = box->font();
            font.setPointSize(help_.fontPoints());
            box->setFont(font);
            if (box->toPlainText() != text) box->setPlainText(text);
        }
        // Below the text box, inside the frame.
        dataFolder_->setText(QString::fromStdString(help_.dataFolderNote()));
        dataFolder_->setGeometry(textPlace.left(), textPlace.bottom() + 4, textPlace.width(),
                                 dataFolder_->sizeHint().height());
        scrolling_->setVisible(help_.scrolling());
        copy_->setVisible(!help_.scrolling());
        fontButtons_->move(textPlace.right() - fontButtons_->width(),
                           textPlace.top() - fontButtons_->height() - 6);
        const bool large = help_.fontPoints() == HelpWindow::kLargeFont;
        // The button of the font in use is raised and dark, the other flat and light.
        const Colour inUse = colour::kDarkGrey;
        const Colour offered = colour::kSilver;
        small_->setLook({"A", "Arial", 8, large ? offered : inUse, colour::kWhite, !large, true});
        large_->setLook({"A", "Arial", 12, large ? inUse : offered, colour::kWhite, large, true});
        if (!isVisible()) show();
    } else if (isVisible()) {
        hide();
    }
    rendering_ = false;
}

void HelpView::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (!rendering_ && help_.visible()) {
        help_.moved(twipsFromPixels(x()), twipsFromPixels(y()));
    }
}

void HelpView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!rendering_ && help_.visible()) {
        help_.resized(twipsFromPixels(width()), twipsFromPixels(height()));
    }
}

void HelpView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && !isActiveWindow() && !rendering_) {
        help_.deactivate();
    }
}

void HelpView::closeEvent(QCloseEvent* event) {
    help_.unload();
    event->accept();
}

}  // namespace quorvel::view
