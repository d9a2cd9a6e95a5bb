// The graphics engine: the 800 x 600 display with its primary surface and back buffer,
// bitmap loading with the blue colour key, and clipped rectangle copies.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Platform.h"

namespace vorn {

// Copy flags the game passes to Blit.
inline constexpr int32_t kBltWait = 16777216;        // plain copy
inline constexpr int32_t kBltWaitKeySrc = 16809984;  // skip source pixels of the colour key

class VBGE {
public:
    VBGE(Display& display, MessageBox& messages);
    ~VBGE();

    [[nodiscard]] bool Initialize(int16_t nWidth, int16_t nHeight, int16_t nBPP);
    [[nodiscard]] bool LoadBitmap(const std::string& sBitmap, SurfaceRef& dds);
    // Clips both rectangles in place against the screen, then copies; a refused copy is no error.
    // Surfaces are passed by reference: a blit adds no reference count traffic to the frame.
    [[nodiscard]] bool Blit(Surface& ddsDest, Rect& rectDest, const Surface& ddsSource, Rect& rectSource,
                            int32_t nFlags);
    [[nodiscard]] bool ClearSurface(Surface& dds, bool bBlitToPrimary);
    SurfaceRef PrimarySurface() const;
    SurfaceRef BackBuffer() const;

private:
    Display& m_display;
    MessageBox& m_messages;
    SurfaceRef m_ddsPrimary;
    SurfaceRef m_ddsBack;
    bool m_displayTaken = false;  // the display mode is given back on destruction
    bool m_bInitialized = false;
    int32_t m_nWidth = 0;
    int32_t m_nHeight = 0;
};

}  // namespace vorn
