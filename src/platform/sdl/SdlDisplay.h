// The display over SDL: the primary surface is uploaded to a streaming texture and shown
// scaled to fit the window with its 4:3 shape kept, black bars around it. A picture that is
// already on the window is not uploaded and presented again.
#pragma once

#include <SDL.h>

#include "platform/Platform.h"
#include "platform/sdl/ShownFrame.h"

namespace vorn {

class SdlWindow;

class SdlDisplay : public Display {
public:
    explicit SdlDisplay(SdlWindow& window);
    ~SdlDisplay() override;
    SdlDisplay(const SdlDisplay&) = delete;
    SdlDisplay& operator=(const SdlDisplay&) = delete;

    void open(int width, int height, int bitsPerPixel) override;
    void close() override;
    SurfaceRef primary() override { return primary_; }
    SurfaceRef backBuffer() override { return back_; }
    void presentPrimary() override;

    // Where the picture lies in the window's pixels.
    SDL_Rect pictureRect() const;
    // The picture's scale in the window (1 at 800 x 600).
    float scale() const;
    // Draws the last presented picture on a black window without presenting it, for the
    // dialogs to draw over; the next presentPrimary shows the picture again in any case.
    void renderLastFrame();

private:
    // Shows the last picture again at once, whatever the window showed before (uncovered,
    // resized, switched to or from full screen).
    void repaint();
    void drawLastFrame();

    SdlWindow& window_;
    SDL_Texture* texture_ = nullptr;
    SurfaceRef primary_, back_;
    ShownFrame shown_;
    int width_ = 0, height_ = 0;
};

}  // namespace vorn
