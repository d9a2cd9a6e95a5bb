#include "platform/sdl/RealPlatform.h"

#include "platform/sdl/SdlPlatform.h"

namespace vorn {

RealPlatform::RealPlatform(std::optional<bool> windowed)
    : sdl_(std::make_unique<SdlPlatform>(windowed.value_or(SdlPlatform::windowedByEnvironment()))) {}

RealPlatform::~RealPlatform() = default;

void RealPlatform::setIcon(const std::string& bitmapPath) { sdl_->window.setIcon(bitmapPath); }

Platform& RealPlatform::platform() { return sdl_->platform(); }

}  // namespace vorn
