#include "core/Error.h"

namespace vorn {

void raiseNotInitialized() { throw VornError(kErrNotInitialized, "Not initialized."); }

}  // namespace vorn
