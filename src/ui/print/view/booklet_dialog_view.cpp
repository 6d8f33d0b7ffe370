#include "ui/print/view/booklet_dialog_view.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include <utility>

#include "ui/print/booklet.h"

namespace quorvel::view {

namespace {

QSpinBox* numberBox(int most, const std::string& text, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setRange(1, most);
    box->setValue(std::stoi(text));
    return box;
}

}  // namespace

BookletDialogView::BookletDialogView(BookletDialog& dialog, QWidget* parent)
    : QDialog(parent), dialog_(dialog) {
    setWindowTitle(QString::fromUtf8(kBookletTitle.data(), static_cast<int>(kBookletTitle.size())));
    auto* form = new QFormLayout;
    for (const BookletChoiceGroup& group : dialog_.groups()) {
        auto* box = new QComboBox(this);
        groups_.push_back(box);
        form->addRow(QString::fromStdString(group.label), box);
        connect(box, &QComboBox::textActivated, this, [this](const QString& caption) {
            dialog_.choose(caption.toStdString());
            render();
        });
    }
    using Box = BookletDialog::Box;
    count_ = numberBox(kMaxBookletPuzzles, dialog_.boxText(Box::Count), this);
    start_ = numberBox(kMaxBookletStart, dialog_.boxText(Box::Start), this);
    form->insertRow(2, tr("How Many"), count_);
    form->insertRow(3, tr("From No."), start_);
    connect(count_, &QSpinBox::valueChanged, this,
            [this](int value) { dialog_.setBoxText(Box::Count, std::to_string(value)); });
    connect(start_, &QSpinBox::valueChanged, this,
            [this](int value) { dialog_.setBoxText(Box::Start, std::to_string(value)); });
    for (const auto& [box, label] :
         {std::pair{Box::Heading, tr("Heading")}, {Box::Footer, tr("Footer")}}) {
        auto* line = new QLineEdit(QString::fromStdString(dialog_.boxText(box)), this);
        line->setPlaceholderText(box == Box::Heading ? tr("the puzzles' source") : tr("none"));
        line->setMaxLength(
            static_cast<int>(box == Box::Heading ? kMostHeadingCharacters : kMostFooterCharacters));
        form->addRow(label, line);
        connect(line, &QLineEdit::textEdited, this, [this, which = box](const QString& text) {
            dialog_.setBoxText(which, text.toStdString());
        });
    }
    problem_ = new QLabel(this);
    problem_->setStyleSheet(QStringLiteral("color: red"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &BookletDialogView::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &BookletDialogView::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(problem_);
    layout->addWidget(buttons);
    render();
}

void BookletDialogView::run(BookletDialog& dialog, QWidget* parent) {
    BookletDialogView view(dialog, parent);
    view.exec();
}

void BookletDialogView::render() {
    const std::vector<BookletChoiceGroup> groups = dialog_.groups();
    for (std::size_t index = 0; index < groups.size(); ++index) {
        QComboBox* box = groups_[index];
        const QSignalBlocker blocker(box);
        box->clear();
        for (const std::string& option : groups[index].options)
            box->addItem(QString::fromStdString(option));
        box->setCurrentIndex(groups[index].chosen);
    }
    problem_->setText(QString::fromStdString(dialog_.problem()));
    problem_->setVisible(!dialog_.problem().empty());
}

void BookletDialogView::accept() {
    dialog_.ok();
    if (dialog_.closed()) {
        QDialog::accept();
    } else {
        render();
    }
}

void BookletDialogView::reject() {
    dialog_.cancel();
    QDialog::reject();
}

}  // namespace quorvel::view
