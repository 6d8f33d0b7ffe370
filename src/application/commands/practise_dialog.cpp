#include "application/commands/practise_dialog.h"

#include <algorithm>
#include <cctype>

namespace quorvel {

namespace {

enum PractiseField { kWordsField, kFamilyField, kTechniqueField, kOkField, kCancelField };

// "single-value pattern" as a label: "Single-value pattern".
std::string familyLabel(logic::TechniqueGroup group) {
    std::string label(logic::groupName(group));
    if (!label.empty())
        label[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(label[0])));
    return label;
}

}  // namespace

PractiseDialog::PractiseDialog(std::optional<logic::Technique> shown) {
    for (const logic::TechniqueInfo& info : logic::allTechniques()) {
        const std::string name = familyLabel(info.group);
        auto found = std::ranges::find(families_, name, &Family::name);
        if (found == families_.end()) found = families_.insert(found, Family{name, {}});
        if (info.technique == shown) {
            family_ = static_cast<int>(found - families_.begin());
            technique_ = static_cast<int>(found->techniques.size());
        }
        found->techniques.push_back(info.technique);
    }
}

DialogForm PractiseDialog::form() const {
    std::vector<std::string> families;
    for (const Family& each : families_)
        families.push_back(each.name);
    std::vector<std::string> techniques;
    for (const logic::Technique technique : family().techniques)
        techniques.emplace_back(logic::techniqueInfo(technique).name);
    DialogForm form;
    form.title = kPractiseTitle;
    form.prompt =
        "A new puzzle whose hardest step is " + techniques[static_cast<std::size_t>(technique_)];
    form.fields.push_back(
        textField("A new puzzle with one solution whose hardest step is the technique chosen."));
    form.fields.push_back(choiceField("&Family", std::move(families), family_));
    form.fields.push_back(choiceField("&Technique", std::move(techniques), technique_));
    form.fields.push_back(buttonField("OK"));
    form.fields.push_back(buttonField("Cancel"));
    form.focus = kTechniqueField;
    return form;
}

void PractiseDialog::press(int field) {
    if (field == kOkField) outcome_ = family().techniques[static_cast<std::size_t>(technique_)];
    if (field == kOkField || field == kCancelField) closed_ = true;
}

void PractiseDialog::choose(int field, int option) {
    if (option < 0) return;
    if (field == kFamilyField && option < static_cast<int>(families_.size()) && option != family_) {
        family_ = option;
        technique_ = 0;
    }
    if (field == kTechniqueField && option < static_cast<int>(family().techniques.size()))
        technique_ = option;
}

void PractiseDialog::key(const KeyEvent& event) {
    if (event.code == key::kEnter) press(kOkField);
}

}  // namespace quorvel
