// Times the input side of a play frame on the SDL platform: the keyboard snapshot alone, and
// the message pump followed by the snapshot, with 0, 1 and 4 game pads plugged in; and what
// starting SDL's game controller support adds to start-up. The pads
// are SDL's virtual ones on the dummy video driver, each holding a button and its stick pushed
// to the right, so the snapshot reads and maps them in full.
//
//   build/release/bin/pad_bench --benchmark_min_time=2
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <vector>

#include "platform/sdl/SdlPlatform.h"

using namespace vorn;

namespace {

struct PadRig {
    explicit PadRig(int pads) {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        // The dummy driver gives no window the focus; SDL would otherwise leave the pads alone.
        setenv("SDL_JOYSTICK_ALLOW_BACKGROUND_EVENTS", "1", 1);
        sdl = std::make_unique<SdlPlatform>(true);
        sdl->keyboard.open();
        for (int i = 0; i < pads; ++i) {
            SDL_VirtualJoystickDesc desc{};
            desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
            desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
            desc.naxes = SDL_CONTROLLER_AXIS_MAX;
            desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
            SDL_Joystick* joystick = SDL_JoystickOpen(SDL_JoystickAttachVirtualEx(&desc));
            SDL_JoystickSetVirtualButton(joystick, SDL_CONTROLLER_BUTTON_X, 1);
            SDL_JoystickSetVirtualAxis(joystick, SDL_CONTROLLER_AXIS_LEFTX, 30000);
            joysticks.push_back(joystick);
        }
        sdl->window.pumpMessages();
        uint8_t state[256];
        sdl->keyboard.snapshot(state);
        ok = sdl->window.gamepads().count() == pads && (pads == 0 || state[0xCD] == 0x80);
    }
    ~PadRig() {
        for (SDL_Joystick* joystick : joysticks) SDL_JoystickClose(joystick);
    }
    std::unique_ptr<SdlPlatform> sdl;
    std::vector<SDL_Joystick*> joysticks;
    bool ok = false;
};

// The keyboard snapshot with state.range(0) pads plugged in, the window's messages pumped
// before each one or not.
void snapshots(benchmark::State& state, bool pump) {
    PadRig rig(static_cast<int>(state.range(0)));
    if (!rig.ok) {
        state.SkipWithError("the pads did not hold their keys");
        return;
    }
    uint8_t keys[256];
    for (auto _ : state) {
        if (pump) rig.sdl->window.pumpMessages();
        rig.sdl->keyboard.snapshot(keys);
        benchmark::DoNotOptimize(keys);
    }
}

void BM_Snapshot(benchmark::State& state) { snapshots(state, false); }
BENCHMARK(BM_Snapshot)->ArgName("pads")->Arg(0)->Arg(1)->Arg(4)->Unit(benchmark::kMicrosecond);

void BM_PumpAndSnapshot(benchmark::State& state) { snapshots(state, true); }
BENCHMARK(BM_PumpAndSnapshot)->ArgName("pads")->Arg(0)->Arg(1)->Arg(4)->Unit(benchmark::kMicrosecond);

// What start-up pays for the pads: SDL's game controller support started, and stopped again.
void BM_StartAndStopPads(benchmark::State& state) {
    for (auto _ : state) {
        SdlGamepads pads;
        pads.open();
    }
}
BENCHMARK(BM_StartAndStopPads)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
