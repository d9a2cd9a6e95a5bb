#include "platform/sdl/SdlDialogs.h"

#include <SDL.h>
#include <imgui.h>
#include <imgui_impl_sdl.h>
#include <imgui_impl_sdlrenderer.h>
#include <imgui_internal.h>

#include <algorithm>
#include <bitset>
#include <cmath>
#include <cstring>
#include <fstream>
#include <optional>
#include <vector>

#include "core/Windows1252.h"
#include "platform/Dialog.h"
#include "platform/DialogFocus.h"
#include "platform/FontMatch.h"
#include "platform/sdl/KeyCodes.h"
#include "platform/sdl/SdlDisplay.h"
#include "platform/sdl/SdlWindow.h"

namespace vorn {

namespace {

// The dialogs' 8-point face at 96 dots per inch has a 13-pixel line, and a check box is
// 13 pixels square; both grow with the game's picture.
constexpr float kLinePixels = 13.0f;
constexpr float kCheckBoxPixels = 13.0f;
// When the focus lands on a text box, input waits this many frames for the box to take it.
constexpr int kFramesToSettle = 2;
// An idle dialog redraws this often (for the text cursor); input wakes it at once.
constexpr Uint32 kFrameWaitMs = 50;

// Latin-1 and the Windows-1252 characters beyond it: every character a name can hold.
const ImWchar kGlyphRanges[] = {0x0020, 0x00FF, 0x0152, 0x0153, 0x0160, 0x0161, 0x0178, 0x0178, 0x017D,
                                0x017E, 0x0192, 0x0192, 0x02C6, 0x02C6, 0x02DC, 0x02DC, 0x2013, 0x2014,
                                0x2018, 0x201A, 0x201C, 0x201E, 0x2020, 0x2022, 0x2026, 0x2026, 0x2030,
                                0x2030, 0x2039, 0x203A, 0x20AC, 0x20AC, 0x2122, 0x2122, 0};

float pixels(int twips, float scale) { return static_cast<float>(twips) / kTwipsPerPixel * scale; }

// ImGui's font reader knows TrueType outlines only, not the PostScript ones of some OpenType files.
bool isTrueType(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    char tag[4] = {};
    if (!in.read(tag, 4)) return false;
    const std::string t(tag, 4);
    return t == std::string("\0\1\0\0", 4) || t == "true" || t == "ttcf";
}

bool isContinuation(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

int characters(const char* text, int bytes) {
    int n = 0;
    for (int i = 0; i < bytes; ++i) n += isContinuation(text[i]) ? 0 : 1;
    return n;
}

// Keeps a text box to the characters the game can store and to its maximum length. Whatever
// was just typed or pasted ends at the cursor; the characters beyond the limit are dropped
// from its end, as if they had never fitted.
int limitText(ImGuiInputTextCallbackData* data) {
    if (data->EventFlag == ImGuiInputTextFlags_CallbackCharFilter)
        return data->EventChar < 32 || (data->EventChar >= 0x7F && data->EventChar < 0xA0) ||
                       unicodeToWindows1252(data->EventChar) < 0
                   ? 1
                   : 0;
    const int maxLength = *static_cast<const int*>(data->UserData);
    if (maxLength <= 0) return 0;
    int excess = characters(data->Buf, data->BufTextLen) - maxLength;
    if (excess <= 0) return 0;
    int start = data->CursorPos;
    while (excess > 0 && start > 0) {
        do --start;
        while (start > 0 && isContinuation(data->Buf[start]));
        --excess;
    }
    if (start < data->CursorPos) data->DeleteChars(start, data->CursorPos - start);
    if (excess > 0) {
        int keep = 0, kept = 0;
        while (keep < data->BufTextLen && kept < maxLength) {
            ++keep, ++kept;
            while (keep < data->BufTextLen && isContinuation(data->Buf[keep])) ++keep;
        }
        data->DeleteChars(keep, data->BufTextLen - keep);
    }
    return 0;
}

// A Windows-like look: grey faces, black text, square corners, thin borders.
ImGuiStyle classicStyle() {
    ImGuiStyle style;
    ImGui::StyleColorsLight(&style);
    style.WindowRounding = style.FrameRounding = style.GrabRounding = 0;
    style.WindowBorderSize = style.FrameBorderSize = 1;
    style.WindowPadding = ImVec2(0, 0);
    style.FramePadding = ImVec2(4, 3);
    style.WindowTitleAlign = ImVec2(0, 0.5f);
    const ImVec4 face(0.83f, 0.82f, 0.78f, 1), shadow(0.5f, 0.5f, 0.5f, 1), black(0, 0, 0, 1);
    ImVec4* c = style.Colors;
    c[ImGuiCol_WindowBg] = face;
    c[ImGuiCol_Text] = black;
    c[ImGuiCol_Border] = shadow;
    c[ImGuiCol_FrameBg] = c[ImGuiCol_FrameBgHovered] = c[ImGuiCol_FrameBgActive] = ImVec4(1, 1, 1, 1);
    c[ImGuiCol_CheckMark] = black;
    c[ImGuiCol_Button] = face;
    c[ImGuiCol_ButtonHovered] = ImVec4(0.88f, 0.87f, 0.84f, 1);
    c[ImGuiCol_ButtonActive] = ImVec4(0.74f, 0.73f, 0.70f, 1);
    c[ImGuiCol_TitleBg] = c[ImGuiCol_TitleBgActive] = c[ImGuiCol_TitleBgCollapsed] = ImVec4(0, 0, 0.5f, 1);
    // The dialogs draw their own focus frame, which follows ImGui's navigation.
    c[ImGuiCol_NavHighlight] = ImVec4(0, 0, 0, 0);
    return style;
}

}  // namespace

struct SdlDialogs::Showing {
    enum class Key { None, Tab, BackTab, Enter, Space };

    explicit Showing(Dialog& d) : dialog(d), buffers(d.controls().size()) {}

    void focusMoved() {
        focusChanged = true;
        const Control* c = focus.control(dialog);
        if (c && c->kind == ControlKind::TextBox) settling = kFramesToSettle;
    }

    Dialog& dialog;
    DialogFocus focus;
    bool focusChanged = true;
    bool refocus = false;
    int settling = kFramesToSettle;
    std::vector<std::vector<char>> buffers;  // the text boxes' UTF-8 text, by control
    Key key = Key::None;
    std::optional<SDL_Event> heldBack;
    std::bitset<SDL_NUM_SCANCODES> pressed;
    std::string clicked;
    bool frameClosed = false;
    // Pad directions held since before the showing count once they have been let go.
    std::bitset<4> padLatched;
};

SdlDialogs::SdlDialogs(SdlWindow& window, SdlDisplay& display) : window_(window), display_(display) {}

SdlDialogs::~SdlDialogs() {
    if (!started_) return;
    ImGui_ImplSDLRenderer_Shutdown();
    ImGui_ImplSDL2_Shutdown();
    ImGui::DestroyContext();
}

void SdlDialogs::start() {
    if (started_) return;
    IMGUI_CHECKVERSION();
    ImGui::CreateContext();
    ImGuiIO& io = ImGui::GetIO();
    // Nothing of the dialogs is remembered between runs, and the pointer is the game's.
    io.IniFilename = nullptr;
    io.LogFilename = nullptr;
    io.ConfigFlags |= ImGuiConfigFlags_NoMouseCursorChange | ImGuiConfigFlags_NavEnableGamepad;
    ImGui_ImplSDL2_InitForSDLRenderer(window_.sdl());
    ImGui_ImplSDLRenderer_Init(window_.renderer());
    try {
        const FontFile file = matchFont("Arial");
        if (isTrueType(file.path)) fontPath_ = file.path, fontIndex_ = file.index;
    } catch (const std::exception&) {
        // ImGui's own font stands in.
    }
    started_ = true;
}

void SdlDialogs::fitTo(float scale) {
    if (scale == fittedScale_) return;
    ImGuiIO& io = ImGui::GetIO();
    const float size = std::round(kLinePixels * scale);
    io.Fonts->Clear();
    bool built = false;
    if (!fontPath_.empty()) {
        ImFontConfig config;
        config.FontNo = fontIndex_;
        config.PixelSnapH = true;
        built =
            io.Fonts->AddFontFromFileTTF(fontPath_.c_str(), size, &config, kGlyphRanges) && io.Fonts->Build();
    }
    if (!built) {
        io.Fonts->Clear();
        ImFontConfig config;
        config.SizePixels = size;
        io.Fonts->AddFontDefault(&config);
        io.Fonts->Build();
    }
    ImGui_ImplSDLRenderer_DestroyFontsTexture();
    ImGuiStyle& style = ImGui::GetStyle();
    style = classicStyle();
    style.ScaleAllSizes(scale);
    fittedScale_ = scale;
}

void SdlDialogs::runModal(Dialog& dialog) {
    dialog.reload();
    if (!window_.renderer()) return;
    start();
    ImGuiIO& io = ImGui::GetIO();
    // Keys that went down or up while no dialog listened must not carry into this one.
    io.ClearInputKeys();
    io.ClearInputCharacters();
    ImGui::ClearActiveID();

    Showing showing(dialog);
    showing.padLatched = padDirections();
    dialog.onActivate();
    showing.focus.activate(dialog, dialog.focusOnActivate());
    showing.focusMoved();
    frames_ = 0;
    while (!dialog.unloaded() && !showing.frameClosed && !window_.closeRequested()) {
        takeInput(showing);
        if (window_.closeRequested()) break;
        drawFrame(showing);
        const bool busy = showing.key != Showing::Key::None || !showing.clicked.empty() ||
                          showing.settling > 0 || showing.heldBack.has_value() || GImGui->NavMoveSubmitted;
        carryOut(showing);
        if (!busy) SDL_WaitEventTimeout(nullptr, kFrameWaitMs);
    }
    ImGui::ClearActiveID();
}

void SdlDialogs::takeInput(Showing& showing) {
    showing.key = Showing::Key::None;
    if (showing.settling > 0) {
        --showing.settling;
        return;
    }
    showing.pressed.reset();
    // Returns true when the rest of the queue must wait for the next frame: a key of our own
    // acts after ImGui took everything typed before it, and a key that goes down and up
    // within one frame reaches ImGui in two.
    auto feed = [&](const SDL_Event& event) {
        if (window_.handleWindowEvent(event)) return window_.closeRequested();
        if (event.type == SDL_KEYDOWN || event.type == SDL_KEYUP) {
            const bool down = event.type == SDL_KEYDOWN;
            const SDL_Scancode sc = event.key.keysym.scancode;
            const Control* focused = showing.focus.control(showing.dialog);
            const bool onButton = focused && focused->kind != ControlKind::TextBox;
            switch (sc) {
                case SDL_SCANCODE_TAB:
                    if (!down) return false;
                    showing.key =
                        (event.key.keysym.mod & KMOD_SHIFT) ? Showing::Key::BackTab : Showing::Key::Tab;
                    return true;
                case SDL_SCANCODE_RETURN:
                case SDL_SCANCODE_KP_ENTER:
                    if (!down) return false;
                    showing.key = Showing::Key::Enter;
                    return true;
                case SDL_SCANCODE_ESCAPE:
                    return false;
                case SDL_SCANCODE_SPACE:
                    if (!onButton) break;
                    if (!down || event.key.repeat) return false;
                    showing.key = Showing::Key::Space;
                    return true;
                default:
                    break;
            }
            if (!down && showing.pressed[sc]) {
                showing.heldBack = event;
                return true;
            }
            if (down) showing.pressed[sc] = true;
        }
        // A pad's A works the focused button or check box as Space does, its Start is Enter.
        if (event.type == SDL_CONTROLLERBUTTONDOWN) {
            const Control* focused = showing.focus.control(showing.dialog);
            if (event.cbutton.button == SDL_CONTROLLER_BUTTON_START) showing.key = Showing::Key::Enter;
            if (event.cbutton.button == SDL_CONTROLLER_BUTTON_A && focused &&
                focused->kind != ControlKind::TextBox)
                showing.key = Showing::Key::Space;
            if (showing.key != Showing::Key::None) return true;
        }
        ImGui_ImplSDL2_ProcessEvent(&event);
        return false;
    };
    if (showing.heldBack) {
        const SDL_Event event = *showing.heldBack;
        showing.heldBack.reset();
        if (feed(event)) return;
    }
    SDL_Event event;
    while (SDL_PollEvent(&event))
        if (feed(event)) return;
}

void SdlDialogs::drawFrame(Showing& showing) {
    // Drawn at the game picture's scale, never smaller than on an 800 x 600 screen.
    const float scale = std::max(1.0f, display_.scale());
    fitTo(scale);
    ImGui_ImplSDLRenderer_NewFrame();
    // The SDL backend would open the first pad afresh every frame and read that one alone; the
    // dialogs hand ImGui the directions of every pad themselves.
    ImGuiIO& io = ImGui::GetIO();
    io.ConfigFlags &= ~ImGuiConfigFlags_NavEnableGamepad;
    ImGui_ImplSDL2_NewFrame();
    io.ConfigFlags |= ImGuiConfigFlags_NavEnableGamepad;
    feedPadDirections(showing);
    ImGui::NewFrame();
    if (showing.focusChanged) {
        const Control* c = showing.focus.control(showing.dialog);
        if (!c || c->kind != ControlKind::TextBox) ImGui::ClearActiveID();
    }

    Dialog& dialog = showing.dialog;
    const float titleHeight = ImGui::GetFrameHeight();
    const SDL_Rect picture = display_.pictureRect();
    ImGui::SetNextWindowPos(ImVec2(static_cast<float>(picture.x) + static_cast<float>(picture.w) * 0.5f,
                                   static_cast<float>(picture.y) + static_cast<float>(picture.h) * 0.5f),
                            ImGuiCond_Always, ImVec2(0.5f, 0.5f));
    ImGui::SetNextWindowSize(ImVec2(pixels(dialog.clientWidthTwips(), scale),
                                    pixels(dialog.clientHeightTwips(), scale) + titleHeight),
                             ImGuiCond_Always);
    ImGui::SetNextWindowFocus();
    const ImGuiWindowFlags flags = ImGuiWindowFlags_NoResize | ImGuiWindowFlags_NoMove |
                                   ImGuiWindowFlags_NoCollapse | ImGuiWindowFlags_NoSavedSettings |
                                   ImGuiWindowFlags_NoScrollbar | ImGuiWindowFlags_NoScrollWithMouse;
    bool open = true;
    const std::string title = dialog.caption() + "###dialog";
    // White caption on the dark title bar; the controls draw in black.
    ImGui::PushStyleColor(ImGuiCol_Text, IM_COL32(255, 255, 255, 255));
    const bool shown = ImGui::Begin(title.c_str(), &open, flags);
    ImGui::PopStyleColor();
    if (shown) drawControls(showing, scale, titleHeight);
    ImGui::End();
    if (!open) showing.frameClosed = true;
    showing.focusChanged = showing.refocus;
    showing.refocus = false;

    ImGui::Render();
    display_.renderLastFrame();
    ImGui_ImplSDLRenderer_RenderDrawData(ImGui::GetDrawData());
    SDL_RenderPresent(window_.renderer());
    ++frames_;
    if (afterFrame) afterFrame(frames_);
}

void SdlDialogs::drawControls(Showing& showing, float scale, float titleHeight) {
    auto& controls = showing.dialog.controls();
    showing.buffers.resize(controls.size());
    ImDrawList* draw = ImGui::GetWindowDrawList();
    const ImU32 black = IM_COL32(0, 0, 0, 255);
    const float fontSize = ImGui::GetFontSize();
    for (int i = 0; i < static_cast<int>(controls.size()); ++i) {
        Control& c = controls[i];
        const float x = pixels(c.left, scale), y = titleHeight + pixels(c.top, scale);
        const float w = pixels(c.width, scale), h = pixels(c.height, scale);
        const bool focused = showing.focus.index() == i;
        ImGui::PushID(i);
        ImGui::BeginDisabled(!c.enabled);
        switch (c.kind) {
            case ControlKind::Label:
                ImGui::SetCursorPos(ImVec2(x, y));
                ImGui::PushTextWrapPos(x + w);
                ImGui::TextWrapped("%s", c.text.c_str());
                ImGui::PopTextWrapPos();
                break;
            case ControlKind::TextBox: {
                auto& buffer = showing.buffers[i];
                // Every character the box accepts takes at most three bytes in UTF-8.
                const size_t capacity = (c.maxLength > 0 ? static_cast<size_t>(c.maxLength) : 255) * 3 + 1;
                if (buffer.size() != capacity) buffer.assign(capacity, 0);
                if (c.text != buffer.data()) {
                    size_t n = std::min(c.text.size(), capacity - 1);
                    while (n > 0 && n < c.text.size() && isContinuation(c.text[n])) --n;
                    std::memcpy(buffer.data(), c.text.data(), n);
                    buffer[n] = 0;
                }
                ImGui::SetCursorPos(ImVec2(x, y));
                ImGui::PushStyleVar(ImGuiStyleVar_FramePadding,
                                    ImVec2(2 * scale, std::max(0.0f, (h - fontSize) / 2)));
                ImGui::SetNextItemWidth(w);
                if (focused && showing.focusChanged) ImGui::SetKeyboardFocusHere();
                if (ImGui::InputText(
                        "##text", buffer.data(), buffer.size(),
                        ImGuiInputTextFlags_CallbackCharFilter | ImGuiInputTextFlags_CallbackEdit, limitText,
                        &c.maxLength))
                    c.text = buffer.data();
                ImGui::PopStyleVar();
                if (ImGui::IsItemActivated()) showing.focus.set(i);
                followNavigation(showing, i);
                // A click beside the box does not take the focus from it.
                if (focused && !ImGui::IsItemActive() && !ImGui::IsAnyMouseDown()) showing.refocus = true;
                break;
            }
            case ControlKind::CheckBox: {
                const float pad = std::max(0.0f, (kCheckBoxPixels * scale - fontSize) / 2);
                ImGui::PushStyleVar(ImGuiStyleVar_FramePadding,
                                    ImVec2(ImGui::GetStyle().FramePadding.x, pad));
                ImGui::SetCursorPos(ImVec2(x, y + std::max(0.0f, (h - fontSize - 2 * pad) / 2)));
                bool checked = c.value != 0;
                if (ImGui::Checkbox(c.text.c_str(), &checked)) c.value = checked ? 1 : 0;
                ImGui::PopStyleVar();
                if (ImGui::IsItemActivated()) showing.focus.set(i);
                followNavigation(showing, i);
                if (focused) draw->AddRect(ImGui::GetItemRectMin(), ImGui::GetItemRectMax(), black);
                break;
            }
            case ControlKind::Button: {
                ImGui::SetCursorPos(ImVec2(x, y));
                if (ImGui::Button(c.text.c_str(), ImVec2(w, h))) showing.clicked = c.name;
                if (ImGui::IsItemActivated()) showing.focus.set(i);
                followNavigation(showing, i);
                const ImVec2 min = ImGui::GetItemRectMin(), max = ImGui::GetItemRectMax();
                if (c.isDefault)
                    draw->AddRect(ImVec2(min.x - scale, min.y - scale), ImVec2(max.x + scale, max.y + scale),
                                  black);
                const float inset = 3 * scale;
                if (focused)
                    draw->AddRect(ImVec2(min.x + inset, min.y + inset), ImVec2(max.x - inset, max.y - inset),
                                  black);
                break;
            }
        }
        ImGui::EndDisabled();
        ImGui::PopID();
    }
}

void SdlDialogs::carryOut(Showing& showing) {
    Dialog& dialog = showing.dialog;
    if (!showing.clicked.empty()) {
        const std::string name = std::move(showing.clicked);
        showing.clicked.clear();
        dialog.onClick(name);
        return;
    }
    switch (showing.key) {
        case Showing::Key::Tab:
            showing.focus.next(dialog);
            showing.focusMoved();
            break;
        case Showing::Key::BackTab:
            showing.focus.previous(dialog);
            showing.focusMoved();
            break;
        case Showing::Key::Enter:
            if (Control* button = defaultButton(dialog)) dialog.onClick(button->name);
            break;
        case Showing::Key::Space:
            if (Control* c = showing.focus.control(dialog); c && c->enabled) {
                if (c->kind == ControlKind::Button)
                    dialog.onClick(c->name);
                else if (c->kind == ControlKind::CheckBox)
                    c->value = c->value != 0 ? 0 : 1;
            }
            break;
        case Showing::Key::None:
            break;
    }
    showing.key = Showing::Key::None;
}

std::bitset<4> SdlDialogs::padDirections() {
    // The pads as they are now, also in the frames that leave the queue alone.
    SDL_PumpEvents();
    uint8_t keys[256] = {};
    window_.gamepads().addHeldKeys(keys);
    const SDL_Scancode arrows[] = {SDL_SCANCODE_LEFT, SDL_SCANCODE_RIGHT, SDL_SCANCODE_UP, SDL_SCANCODE_DOWN};
    std::bitset<4> held;
    for (size_t i = 0; i < held.size(); ++i) held[i] = (keys[scanCodeKey(arrows[i])] & 0x80) != 0;
    return held;
}

void SdlDialogs::feedPadDirections(Showing& showing) {
    ImGuiIO& io = ImGui::GetIO();
    if (window_.gamepads().count() > 0)
        io.BackendFlags |= ImGuiBackendFlags_HasGamepad;
    else
        io.BackendFlags &= ~ImGuiBackendFlags_HasGamepad;
    // While a text box takes the focus the pads wait, and a direction held meanwhile counts
    // again once it has been let go.
    const std::bitset<4> held = padDirections();
    if (showing.settling > 0) showing.padLatched |= held;
    showing.padLatched &= held;
    const std::bitset<4> moves = held & ~showing.padLatched;
    const ImGuiNavInput inputs[] = {ImGuiNavInput_DpadLeft, ImGuiNavInput_DpadRight, ImGuiNavInput_DpadUp,
                                    ImGuiNavInput_DpadDown};
    for (size_t i = 0; i < moves.size(); ++i) io.NavInputs[inputs[i]] = moves[i] ? 1.0f : 0.0f;
}

// The dialog's focus and ImGui's navigation stay on the same control: a pad's move takes the
// focus along, and the navigation follows a focus moved otherwise (Tab, a click).
void SdlDialogs::followNavigation(Showing& showing, int index) {
    const ImGuiID id = ImGui::GetItemID();
    if (id == 0) return;
    if (showing.focus.index() != index) {
        if (id != GImGui->NavJustMovedToId || showing.settling > 0) return;
        showing.focus.set(index);
        showing.focusMoved();
        showing.refocus = true;
    } else if (showing.focusChanged && showing.dialog.controls()[index].kind != ControlKind::TextBox) {
        ImGui::SetFocusID(id, ImGui::GetCurrentWindow());
    }
}

}  // namespace vorn
