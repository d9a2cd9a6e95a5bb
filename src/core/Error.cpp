#include "core/Error.h"

namespace vorn {

void raiseNotInitialized() { throw VornError(kErrNotInitialized, "Not initialized."); }

void raiseSubscriptOutOfRange() { throw VornError(kErrSubscriptOutOfRange, "Subscript out of range"); }

void raiseObjectNotSet() {
    throw VornError(kErrObjectVariable, "Object variable or With block variable not set");
}

}  // namespace vorn
