#include "views/grid/dialog_view.h"

#include "views/grid/forwarding_line_edit.h"
#include "views/grid/screen_measures.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include <charconv>
#include <optional>
#include <string>
#include <utility>

namespace quorvel::view {
namespace {

// The marker of a choice shown as labels: a square left of the chosen option's label.
constexpr int kMarkerGap = 18;
constexpr int kMarkerSide = 10;
constexpr int kMarkerDrop = 6;
// The options of a choice shown as labels share its place's height, this far apart.
constexpr int kOptionSpacing = 2;

QString qtText(const std::string& text) {
    return QString::fromStdString(text);
}

QRect rectOf(const FieldPlace& place) {
    return {place.left, place.top, place.width, place.height};
}

// The place of option `option` of `count` in a choice shown as labels.
QRect optionRect(const FieldPlace& place, int option, int count) {
    const int pitch = (place.height + kOptionSpacing) / count;
    return {place.left, place.top + option * pitch, place.width, pitch - kOptionSpacing};
}

// The number in a Number box's text, or nullopt when it holds none.
std::optional<int> numberIn(const std::string& text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

void applyFont(QWidget* widget, const DialogField& field) {
    if (field.fontFamily.empty() && field.points == 0) return;
    QFont font = field.fontFamily.empty() ? widget->font() : QFont(qtText(field.fontFamily));
    if (field.points > 0) font.setPointSize(field.points);
    widget->setFont(font);
}

// The desktop's own button for the captions it knows; NoButton for any other.
QMessageBox::StandardButton standardMessageButton(const std::string& caption) {
    if (caption == "OK") return QMessageBox::Ok;
    if (caption == "Cancel") return QMessageBox::Cancel;
    if (caption == "Yes") return QMessageBox::Yes;
    if (caption == "No") return QMessageBox::No;
    return QMessageBox::NoButton;
}

QDialogButtonBox::StandardButton standardBoxButton(const std::string& caption) {
    return static_cast<QDialogButtonBox::StandardButton>(standardMessageButton(caption));
}

bool wordsAndButtonsAlone(const DialogForm& form) {
    if (form.width > 0) return false;
    bool buttons = false;
    for (const DialogField& field : form.fields) {
        if (field.kind == FieldKind::Button) buttons = true;
        if (field.kind != FieldKind::Button && field.kind != FieldKind::Text) return false;
    }
    return buttons;
}

void runMessageBox(Dialog& dialog, const DialogForm& form, QWidget* parent) {
    QStringList words;
    for (const DialogField& field : form.fields) {
        if (field.kind == FieldKind::Text) words << qtText(field.caption);
    }
    QMessageBox box(QMessageBox::Information, qtText(form.title),
                    words.join(QStringLiteral("\n\n")), QMessageBox::NoButton, parent);
    std::vector<std::pair<QAbstractButton*, int>> buttons;
    for (std::size_t index = 0; index < form.fields.size(); ++index) {
        const DialogField& field = form.fields[index];
        if (field.kind != FieldKind::Button) continue;
        const QMessageBox::StandardButton standard = standardMessageButton(field.caption);
        QAbstractButton* button =
            standard != QMessageBox::NoButton
                ? box.addButton(standard)
                : box.addButton(qtText(field.caption), QMessageBox::AcceptRole);
        buttons.emplace_back(button, static_cast<int>(index));
    }
    // The program's messages are written line by line; a wider text area keeps each line whole,
    // at any zoom (the font grows with it).
    box.setStyleSheet(
        QStringLiteral("QLabel#qt_msgbox_label { min-width: %1px; }").arg(zoomed(520)));
    box.exec();
    for (const auto& [button, field] : buttons) {
        if (button == box.clickedButton()) dialog.press(field);
    }
    if (!dialog.closed()) dialog.dismiss();
}

}  // namespace

DialogView::DialogView(Dialog& dialog, QWidget* parent) : QDialog(parent), dialog_(dialog) {
    setModal(true);
    build(dialog_.form());
    dialog_.setOnChanged([this] { render(); });
    render();
}

DialogView::~DialogView() {
    dialog_.setOnChanged({});
}

void DialogView::run(Dialog& dialog, QWidget* parent) {
    if (dialog.closed()) return;
    const DialogForm form = dialog.form();
    if (wordsAndButtonsAlone(form)) {
        runMessageBox(dialog, form, parent);
        return;
    }
    DialogView view(dialog, parent);
    view.exec();
}

void DialogView::build(const DialogForm& form) {
    fixedSize_ = form.width > 0;
    if (fixedSize_) setFixedSize(form.width, form.height);
    controls_.resize(form.fields.size());

    // Without a fixed size: labelled rows, words between them, the buttons in a row below.
    QVBoxLayout* layout = fixedSize_ ? nullptr : new QVBoxLayout(this);
    QFormLayout* rows = nullptr;
    QDialogButtonBox* buttons = nullptr;
    for (std::size_t index = 0; index < form.fields.size(); ++index) {
        const DialogField& field = form.fields[index];
        const int at = static_cast<int>(index);
        QWidget* widget = makeControl(at, field, controls_[index]);
        if (fixedSize_ || (widget == nullptr && field.kind != FieldKind::Button)) continue;
        if (field.kind == FieldKind::Button) {
            if (buttons == nullptr) {
                buttons = new QDialogButtonBox(this);
                connect(buttons, &QDialogButtonBox::clicked, this, [this](QAbstractButton* button) {
                    for (std::size_t which = 0; which < controls_.size(); ++which) {
                        if (controls_[which].widget == button)
                            dialog_.press(static_cast<int>(which));
                    }
                    render();
                });
            }
            const QDialogButtonBox::StandardButton standard = standardBoxButton(field.caption);
            controls_[index].widget =
                standard != QDialogButtonBox::NoButton
                    ? buttons->addButton(standard)
                    : buttons->addButton(qtText(field.caption), QDialogButtonBox::ActionRole);
        } else if (field.kind == FieldKind::Text) {
            rows = nullptr;
            layout->addWidget(widget);
        } else {
            if (rows == nullptr) {
                rows = new QFormLayout;
                layout->addLayout(rows);
            }
            rows->addRow(qtText(field.caption), widget);
        }
    }
    if (buttons != nullptr) layout->addWidget(buttons);
}

QWidget* DialogView::makeControl(int field, const DialogField& described, Control& control) {
    switch (described.kind) {
        case FieldKind::Text: {
            auto* label = new QLabel(this);
            if (fixedSize_) {
                label->setWordWrap(true);
                label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            }
            if (described.textLook == TextLook::Problem)
                label->setStyleSheet(QStringLiteral("color: red"));
            control.widget = label;
            break;
        }
        case FieldKind::Answer: {
            auto* box = new ForwardingLineEdit(this);
            connect(box, &ForwardingLineEdit::keyDown, this, [this](const KeyEvent& event) {
                // Escape answers as the close box does, as in every dialog of the desktop.
                if (event.code == key::kEscape) {
                    dialog_.dismiss();
                } else {
                    dialog_.key(event);
                }
                render();
            });
            connect(box, &ForwardingLineEdit::selectionMoved, this,
                    [this, field](int start, int length) {
                        dialog_.select(field, start, length);
                        render();
                    });
            control.widget = box;
            break;
        }
        case FieldKind::Number: {
            auto* box = new QSpinBox(this);
            box->setRange(1, described.most);
            box->setValue(numberIn(described.box.text).value_or(1));
            connect(box, &QSpinBox::valueChanged, this, [this, field](int value) {
                dialog_.setText(field, std::to_string(value));
                render();
            });
            control.widget = box;
            break;
        }
        case FieldKind::Line: {
            auto* line = new QLineEdit(qtText(described.box.text), this);
            line->setPlaceholderText(qtText(described.placeholder));
            line->setMaxLength(described.most);
            connect(line, &QLineEdit::textEdited, this, [this, field](const QString& text) {
                dialog_.setText(field, text.toStdString());
                render();
            });
            control.widget = line;
            break;
        }
        case FieldKind::Choice:
            if (described.choiceLook == ChoiceLook::Labels) {
                for (const std::string& option : described.options) {
                    auto* label = new QLabel(qtText(option), this);
                    applyFont(label, described);
                    label->setCursor(Qt::PointingHandCursor);
                    label->installEventFilter(this);
                    control.options.push_back(label);
                }
                control.marker = new QFrame(this);
                control.marker->setAutoFillBackground(true);
                control.marker->setStyleSheet(QStringLiteral("background: #000080;"));
                return nullptr;
            } else {
                auto* list = new QComboBox(this);
                connect(list, &QComboBox::activated, this, [this, field](int option) {
                    dialog_.choose(field, option);
                    render();
                });
                control.widget = list;
            }
            break;
        case FieldKind::Button: {
            if (!fixedSize_) return nullptr;  // the row of buttons makes it
            auto* button = new QPushButton(qtText(described.caption), this);
            button->setAutoDefault(false);
            connect(button, &QPushButton::clicked, this, [this, field] {
                dialog_.press(field);
                render();
            });
            control.widget = button;
            break;
        }
    }
    applyFont(control.widget, described);
    if (!described.description.empty())
        control.widget->setAccessibleDescription(qtText(described.description));
    return control.widget;
}

void DialogView::reject() {
    dialog_.dismiss();
    render();
}

bool DialogView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        for (std::size_t field = 0; field < controls_.size(); ++field) {
            const std::vector<QLabel*>& options = controls_[field].options;
            for (std::size_t option = 0; option < options.size(); ++option) {
                if (watched != options[option]) continue;
                dialog_.choose(static_cast<int>(field), static_cast<int>(option));
                render();
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void DialogView::render() {
    const DialogForm form = dialog_.form();
    setWindowTitle(qtText(form.title));
    for (std::size_t index = 0; index < form.fields.size() && index < controls_.size(); ++index) {
        const DialogField& field = form.fields[index];
        Control& control = controls_[index];
        if (field.kind == FieldKind::Choice && field.choiceLook == ChoiceLook::Labels) {
            const int count = static_cast<int>(control.options.size());
            for (int option = 0; option < count; ++option) {
                QLabel* label = control.options[static_cast<size_t>(option)];
                label->setVisible(field.visible);
                label->setGeometry(optionRect(field.place, option, count));
            }
            const QRect chosen = optionRect(field.place, field.chosen, count);
            control.marker->setVisible(field.visible);
            control.marker->setGeometry(field.place.left - kMarkerGap, chosen.top() + kMarkerDrop,
                                        kMarkerSide, kMarkerSide);
            continue;
        }
        QWidget* widget = control.widget;
        switch (field.kind) {
            case FieldKind::Text:
                static_cast<QLabel*>(widget)->setText(qtText(field.caption));
                break;
            case FieldKind::Answer:
                static_cast<ForwardingLineEdit*>(widget)->showBox(field.box);
                break;
            case FieldKind::Number: {
                auto* box = static_cast<QSpinBox*>(widget);
                const std::optional<int> value = numberIn(field.box.text);
                if (value && *value != box->value()) {
                    const QSignalBlocker blocker(box);
                    box->setValue(*value);
                }
                break;
            }
            case FieldKind::Line: {
                auto* line = static_cast<QLineEdit*>(widget);
                if (line->text() != qtText(field.box.text)) {
                    const QSignalBlocker blocker(line);
                    line->setText(qtText(field.box.text));
                }
                break;
            }
            case FieldKind::Choice: {
                auto* list = static_cast<QComboBox*>(widget);
                const QSignalBlocker blocker(list);
                list->clear();
                for (const std::string& option : field.options)
                    list->addItem(qtText(option));
                list->setCurrentIndex(field.chosen);
                break;
            }
            case FieldKind::Button:
                break;
        }
        const bool problemShown = field.textLook != TextLook::Problem || !field.caption.empty();
        widget->setVisible(field.visible && problemShown);
        if (fixedSize_) widget->setGeometry(rectOf(field.place));
        if (fixedSize_ && field.kind == FieldKind::Button)
            static_cast<QPushButton*>(widget)->setDefault(form.focus == static_cast<int>(index));
    }

    // The focus the core decides: on its own text box or a button; the host's boxes keep theirs.
    if (form.focus >= 0 && form.focus < static_cast<int>(controls_.size())) {
        const FieldKind kind = form.fields[static_cast<size_t>(form.focus)].kind;
        QWidget* focused = controls_[static_cast<size_t>(form.focus)].widget;
        if ((kind == FieldKind::Answer || kind == FieldKind::Button) && focused != nullptr &&
            !focused->isHidden())
            focused->setFocus();
    }

    if (dialog_.closed() && isVisible()) done(Accepted);
}

}  // namespace quorvel::view
