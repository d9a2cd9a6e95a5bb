#include "platform/DialogFocus.h"

#include <algorithm>
#include <vector>

namespace vorn {

namespace {

// Focusable controls in tab order; controls with the same tab index keep their own order.
std::vector<int> tabOrder(Dialog& dialog) {
    const auto& controls = dialog.controls();
    std::vector<int> order;
    for (int i = 0; i < static_cast<int>(controls.size()); ++i)
        if (DialogFocus::canTakeFocus(controls[i])) order.push_back(i);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return controls[a].tabIndex < controls[b].tabIndex; });
    return order;
}

}  // namespace

bool DialogFocus::canTakeFocus(const Control& control) {
    return control.enabled && control.kind != ControlKind::Label;
}

void DialogFocus::activate(Dialog& dialog, const std::string& name) {
    auto& controls = dialog.controls();
    for (int i = 0; i < static_cast<int>(controls.size()); ++i)
        if (!name.empty() && controls[i].name == name && canTakeFocus(controls[i])) {
            index_ = i;
            return;
        }
    const auto order = tabOrder(dialog);
    index_ = order.empty() ? -1 : order.front();
}

void DialogFocus::step(Dialog& dialog, int direction) {
    const auto order = tabOrder(dialog);
    if (order.empty()) {
        index_ = -1;
        return;
    }
    const auto at = std::find(order.begin(), order.end(), index_);
    if (at == order.end()) {
        index_ = direction > 0 ? order.front() : order.back();
        return;
    }
    const int n = static_cast<int>(order.size());
    const int pos = static_cast<int>(at - order.begin());
    index_ = order[(pos + direction + n) % n];
}

Control* DialogFocus::control(Dialog& dialog) const {
    auto& controls = dialog.controls();
    return index_ >= 0 && index_ < static_cast<int>(controls.size()) ? &controls[index_] : nullptr;
}

Control* defaultButton(Dialog& dialog) {
    for (auto& c : dialog.controls())
        if (c.kind == ControlKind::Button && c.isDefault && c.enabled) return &c;
    return nullptr;
}

}  // namespace vorn
