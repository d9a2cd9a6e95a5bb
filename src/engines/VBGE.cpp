#include "engines/VBGE.h"

#include "core/Error.h"

namespace vorn {

namespace {

// The source colour key bit of the copy flags; the wait bit means nothing to a software blitter.
constexpr int32_t kBltKeySrc = 32768;

}  // namespace

VBGE::VBGE(Display& display, MessageBox& messages) : m_display(display), m_messages(messages) {}

VBGE::~VBGE() {
    if (!m_displayTaken) return;
    try {
        m_display.close();
    } catch (const std::exception& e) {
        showError(m_messages, "VBGE - Class_Terminate - ", e.what());
    }
}

bool VBGE::Initialize(int16_t nWidth, int16_t nHeight, int16_t nBPP) {
    return trapErrors(m_messages, "VBGE - Initialize - ", [&] {
        m_display.open(nWidth, nHeight, nBPP);
        m_displayTaken = true;
        m_nWidth = nWidth;
        m_nHeight = nHeight;
        m_ddsPrimary = m_display.primary();
        m_ddsBack = m_display.backBuffer();
        m_bInitialized = true;
        return true;
    });
}

bool VBGE::LoadBitmap(const std::string& sBitmap, SurfaceRef& dds) {
    // This message names the file as well, so it cannot use the common handler.
    try {
        if (!m_bInitialized) raiseNotInitialized();
        SurfaceRef loaded;
        try {
            loaded = Surface::loadBitmap(sBitmap);
        } catch (const std::exception&) {
            // One more try: a first attempt may fail for a passing want of memory.
            loaded = Surface::loadBitmap(sBitmap);
        }
        dds = std::move(loaded);
        return true;
    } catch (const std::exception& e) {
        showError(m_messages, "VBGE - LoadBitmap - ", std::string(e.what()) + " - " + sBitmap);
        return false;
    }
}

bool VBGE::Blit(Surface& ddsDest, Rect& rectDest, const Surface& ddsSource, Rect& rectSource,
                int32_t nFlags) {
    return trapErrors(m_messages, "VBGE - Blit - ", [&] {
        if (!m_bInitialized) raiseNotInitialized();
        if (rectDest.Right < 0 || rectDest.Bottom < 0 || rectDest.Top >= m_nHeight ||
            rectDest.Left >= m_nWidth)
            return true;

        // Clip against the screen, whatever the destination is; the source rectangle moves with it
        // and the caller sees both changes.
        if (rectDest.Left < 0) {
            rectSource.Left -= rectDest.Left;
            rectDest.Left = 0;
        }
        if (rectDest.Top < 0) {
            rectSource.Top -= rectDest.Top;
            rectDest.Top = 0;
        }
        if (rectDest.Right > m_nWidth) {
            rectSource.Right += m_nWidth - rectDest.Right;
            rectDest.Right = m_nWidth;
        }
        if (rectDest.Bottom > m_nHeight) {
            rectSource.Bottom += m_nHeight - rectDest.Bottom;
            rectDest.Bottom = m_nHeight;
        }

        // A copy that the surface refuses draws nothing and is no error.
        (void)ddsDest.blt(rectDest, ddsSource, rectSource, (nFlags & kBltKeySrc) != 0);
        if (&ddsDest == m_ddsPrimary.get()) m_display.presentPrimary();
        return true;
    });
}

bool VBGE::ClearSurface(Surface& dds, bool bBlitToPrimary) {
    return trapErrors(m_messages, "VBGE - ClearSurface - ", [&] {
        if (!m_bInitialized) raiseNotInitialized();
        if (&dds == m_ddsPrimary.get()) throw VornError(kErrNotInitialized, "Primary surface not allowed.");

        // These settings stay on the surface for whoever draws on it next.
        dds.setFillStyle(FillStyle::Solid);
        dds.setFillColour(0);
        dds.setForeColour(0);
        dds.drawBox(0, 0, m_nWidth, m_nHeight);

        if (bBlitToPrimary) {
            m_ddsPrimary->copyAll(dds);
            m_display.presentPrimary();
        }
        return true;
    });
}

SurfaceRef VBGE::PrimarySurface() const { return m_ddsPrimary; }

SurfaceRef VBGE::BackBuffer() const { return m_ddsBack; }

}  // namespace vorn
