#include "application/grid/dialog.h"

namespace quorvel {

DialogField textField(std::string words, FieldPlace place) {
    DialogField field;
    field.kind = FieldKind::Text;
    field.caption = std::move(words);
    field.place = place;
    return field;
}

DialogField buttonField(std::string caption, FieldPlace place) {
    DialogField field;
    field.kind = FieldKind::Button;
    field.caption = std::move(caption);
    field.place = place;
    return field;
}

DialogField choiceField(std::string label, std::vector<std::string> options, int chosen) {
    DialogField field;
    field.kind = FieldKind::Choice;
    field.caption = std::move(label);
    field.options = std::move(options);
    field.chosen = chosen;
    return field;
}

DialogField boxField(FieldKind kind, std::string label, const TextBox& box, int most) {
    DialogField field;
    field.kind = kind;
    field.caption = std::move(label);
    field.box = box;
    field.most = most;
    return field;
}

}  // namespace quorvel
