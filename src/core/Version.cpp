#include "core/Version.h"

namespace vorn {

const char* gameVersion() { return VORN_VERSION; }

}  // namespace vorn
