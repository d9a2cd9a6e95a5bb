#include "core/Error.h"

#include "platform/Platform.h"

namespace vorn {

void raiseNotInitialized() { throw VornError(kErrNotInitialized, "Not initialized."); }

void raiseSubscriptOutOfRange() { throw VornError(kErrSubscriptOutOfRange, "Subscript out of range"); }

void raiseObjectNotSet() {
    throw VornError(kErrObjectVariable, "Object variable or With block variable not set");
}

void showError(MessageBox& box, std::string_view prefix, const std::string& description) {
    box.show(std::string(prefix) + description);
}

}  // namespace vorn
