#include "platform/sdl/SdlDisplay.h"

#include <algorithm>
#include <cmath>

#include "core/Error.h"
#include "core/Geometry.h"
#include "platform/sdl/SdlWindow.h"

namespace vorn {

SdlDisplay::SdlDisplay(SdlWindow& window) : window_(window) {
    window_.setRepaint([this] { repaint(); });
}

SdlDisplay::~SdlDisplay() {
    window_.setRepaint(nullptr);
    close();
}

void SdlDisplay::open(int width, int height, int bitsPerPixel) {
    if (!window_.renderer())
        throw VornError(kErrPathAccess, "The display could not be opened (" + window_.openError() + ")");
    if (bitsPerPixel != 16 || width <= 0 || height <= 0)
        throw VornError(kErrDisplayMode, "The display mode is not supported.");
    close();
    texture_ = SDL_CreateTexture(window_.renderer(), SDL_PIXELFORMAT_RGB565, SDL_TEXTUREACCESS_STREAMING,
                                 width, height);
    if (!texture_)
        throw VornError(kErrPathAccess,
                        std::string("The display could not be opened (") + SDL_GetError() + ")");
    // Smooth scaling: the picture is rarely shown at a whole multiple of its size.
    SDL_SetTextureScaleMode(texture_, SDL_ScaleModeLinear);
    width_ = width;
    height_ = height;
    shown_.forget();
    primary_ = std::make_shared<Surface>(width, height);
    back_ = std::make_shared<Surface>(width, height);
    presentPrimary();
}

void SdlDisplay::close() {
    if (texture_) SDL_DestroyTexture(texture_);
    texture_ = nullptr;
}

SDL_Rect SdlDisplay::pictureRect() const {
    int w = 0, h = 0;
    if (window_.renderer()) SDL_GetRendererOutputSize(window_.renderer(), &w, &h);
    const int pw = width_ > 0 ? width_ : kScreenWidth, ph = height_ > 0 ? height_ : kScreenHeight;
    const double s = std::min(static_cast<double>(w) / pw, static_cast<double>(h) / ph);
    const int dw = static_cast<int>(std::lround(pw * s)), dh = static_cast<int>(std::lround(ph * s));
    return SDL_Rect{(w - dw) / 2, (h - dh) / 2, dw, dh};
}

float SdlDisplay::scale() const {
    const SDL_Rect r = pictureRect();
    return static_cast<float>(r.w) / static_cast<float>(width_ > 0 ? width_ : kScreenWidth);
}

void SdlDisplay::renderLastFrame() {
    shown_.forget();
    drawLastFrame();
}

void SdlDisplay::drawLastFrame() {
    SDL_Renderer* renderer = window_.renderer();
    if (!renderer) return;
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
    SDL_RenderClear(renderer);
    if (!texture_) return;
    const SDL_Rect dest = pictureRect();
    SDL_RenderCopy(renderer, texture_, nullptr, &dest);
}

void SdlDisplay::presentPrimary() {
    if (!texture_ || !primary_ || !window_.renderer()) return;
    int w = 0, h = 0;
    SDL_GetRendererOutputSize(window_.renderer(), &w, &h);
    if (!shown_.needsPresent(*primary_, w, h)) return;
    SDL_UpdateTexture(texture_, nullptr, primary_->row(0),
                      primary_->width() * static_cast<int>(sizeof(uint16_t)));
    drawLastFrame();
    SDL_RenderPresent(window_.renderer());
}

void SdlDisplay::repaint() {
    if (!window_.renderer()) return;
    // The texture may have gone with the renderer's targets: the next frame uploads it again.
    renderLastFrame();
    SDL_RenderPresent(window_.renderer());
}

}  // namespace vorn
