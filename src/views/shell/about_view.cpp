#include "views/shell/about_view.h"

#include "application/shell/toolbar.h"
#include "views/grid/label_button.h"
#include "views/grid/screen_measures.h"
#include "views/shell/program_icon.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace quorvel::view {
namespace {

constexpr QSize kSize{440, 290};

QFrame* horizontalLine(QWidget* parent, int top) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(16, top, kSize.width() - 32, 2);
    return line;
}

}  // namespace

AboutView::AboutView(AboutWindow& about, QWidget* parent) : QDialog(parent), about_(about) {
    setModal(true);
    setFixedSize(kSize);

    auto* image = new QLabel(this);
    image->setPixmap(programIcon(56, devicePixelRatioF()));
    image->setGeometry(18, 18, 56, 56);

    title_ = new QLabel(this);
    QFont titleFont = title_->font();
    titleFont.setPointSize(18);
    titleFont.setBold(true);
    title_->setFont(titleFont);
    title_->setGeometry(92, 14, 320, 34);
    version_ = new QLabel(this);
    version_->setGeometry(92, 50, 320, 20);
    description_ = new QLabel(this);
    description_->setWordWrap(true);
    description_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    description_->setGeometry(92, 78, 330, 64);

    // Selectable, so the folder's path can be copied.
    dataFolder_ = new QLabel(this);
    dataFolder_->setWordWrap(true);
    dataFolder_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    dataFolder_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    dataFolder_->setGeometry(18, 146, 404, 40);

    horizontalLine(this, 190);
    horizontalLine(this, 193);

    webSite_ = new LabelButton(this);
    webSite_->setGeometry(18, 208, 260, 24);
    webSite_->setCursor(Qt::PointingHandCursor);
    ok_ = new QPushButton(tr("OK"), this);
    ok_->setGeometry(318, 206, 104, 30);
    sysInfo_ = new QPushButton(tr("&System Info..."), this);
    sysInfo_->setGeometry(318, 244, 104, 30);

    // The exit panel lies over the whole window, at its top left corner.
    exitPanel_ = new QWidget(this);
    exitPanel_->setAutoFillBackground(true);
    exitPanel_->setGeometry(QRect(QPoint(0, 0), kSize));
    auto* question = new QLabel(QString::fromUtf8(AboutWindow::kExitQuestion), exitPanel_);
    QFont questionFont = question->font();
    questionFont.setPointSize(13);
    question->setFont(questionFont);
    question->setGeometry(40, 50, 360, 30);
    question->setAlignment(Qt::AlignCenter);
    auto* exitWord = new QLabel(QString::fromUtf8(AboutWindow::kExitWord), exitPanel_);
    questionFont.setBold(true);
    questionFont.setPointSize(18);
    exitWord->setFont(questionFont);
    exitWord->setGeometry(40, 84, 360, 36);
    exitWord->setAlignment(Qt::AlignCenter);
    yes_ = new QPushButton(tr("&Yes"), exitPanel_);
    yes_->setGeometry(110, 180, 100, 32);
    no_ = new QPushButton(tr("&No"), exitPanel_);
    no_->setGeometry(230, 180, 100, 32);

    connect(ok_, &QPushButton::clicked, this, [this] { about_.okClicked(); });
    connect(sysInfo_, &QPushButton::clicked, this, [this] { about_.systemInfoClicked(); });
    connect(webSite_, &LabelButton::mouseUp, this, [this](int button, int) {
        if (button == 1) about_.webSiteClicked();
    });
    connect(yes_, &QPushButton::clicked, this, [this] { about_.exitAnswerClicked(0); });
    connect(no_, &QPushButton::clicked, this, [this] { about_.exitAnswerClicked(1); });

    about_.setOnChanged([this] { render(); });
    render();
}

AboutView::~AboutView() {
    about_.setOnChanged({});
}

void AboutView::run(AboutWindow& about, QWidget* parent) {
    if (about.closed()) return;
    AboutView view(about, parent);
    view.exec();
}

void AboutView::reject() {
    about_.closeByFrame();
}

void AboutView::render() {
    setWindowTitle(QString::fromStdString(about_.caption()));
    title_->setText(QString::fromStdString(about_.title()));
    version_->setText(QString::fromStdString(about_.version()));
    description_->setText(QString::fromStdString(about_.description()));
    dataFolder_->setText(QString::fromStdString(about_.dataFolderNote()));

    LabelLook link;
    link.caption = about_.webSiteCaption();
    link.fontName = "Arial";
    link.pointSize = 10;
    const bool flashing = about_.webSiteFlashing();
    link.backColour = flashing ? kFlashBack : bgrFromColor(palette().color(QPalette::Window));
    link.textColour = flashing ? kFlashFore : about_.webSiteColour();
    link.raised = flashing;
    webSite_->setLook(link);

    exitPanel_->setVisible(about_.exitPanelVisible());
    if (about_.exitPanelVisible()) no_->setDefault(true);
    if (about_.closed() && isVisible()) done(Accepted);
}

}  // namespace quorvel::view
