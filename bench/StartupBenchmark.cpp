// SPDX-License-Identifier: GPL-3.0-or-later
// Time from the start of a process until its window is first painted on the
// X server, for the program and for the minimal Qt window beside it.
//
// Nothing inside either program is instrumented: the benchmark watches the
// server. It spawns the program, waits for its top-level window to be mapped
// and then reads one pixel near the window's lower right corner until it
// shows the colour the program paints there when settled. Run it on an X
// server with a white root window (Xvfb -wr), so that an unpainted window,
// which shows the root through it, can never be taken for a painted one.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <benchmark/benchmark.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <memory>
#include <optional>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h> // environ

namespace {

using Clock = std::chrono::steady_clock;

struct Program {
    const char* path;
    const char* titlePrefix;
    const char* argument = nullptr; // the Windows program that Wine, the path, runs
};

constexpr Program kMinimalWindow{KELVARA_MINIMAL_WINDOW, "Minimal"};
constexpr Program kKelvara{KELVARA_PROGRAM, "Kelvara 2000"};
#ifdef KELVARA_WINE
constexpr Program kMinimalWin32Window{KELVARA_WINE, "Minimal", KELVARA_WINDOWS_MINIMAL_WINDOW};
constexpr Program kKelvaraExe{KELVARA_WINE, "Kelvara 2000", KELVARA_WINDOWS_PROGRAM};
#endif
constexpr auto kGiveUpAfter = std::chrono::seconds(20);
constexpr unsigned long kWhite = 0xffffff;

class RunningProgram {
  public:
    explicit RunningProgram(const Program& program) {
        char* argv[] = {const_cast<char*>(program.path), const_cast<char*>(program.argument),
                        nullptr};
        if (posix_spawn(&m_pid, program.path, nullptr, nullptr, argv, environ) != 0)
            m_pid = 0;
    }
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;
    ~RunningProgram() {
        if (m_pid == 0)
            return;
        kill(m_pid, SIGTERM);
        waitpid(m_pid, nullptr, 0);
    }
    [[nodiscard]] bool started() const { return m_pid != 0; }

  private:
    pid_t m_pid = 0;
};

bool hasTitle(Display* display, Window window, const char* prefix) {
    char* name = nullptr;
    if (XFetchName(display, window, &name) == 0 || name == nullptr)
        return false;
    const bool matches = std::string(name).starts_with(prefix);
    XFree(name);
    return matches;
}

// The program's top-level window, once it has been mapped.
std::optional<Window> waitForMap(Display* display, const Program& program,
                                 Clock::time_point deadline) {
    while (Clock::now() < deadline) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify &&
                hasTitle(display, event.xmap.window, program.titlePrefix))
                return event.xmap.window;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    return std::nullopt;
}

std::optional<unsigned long> cornerPixel(Display* display, Window window) {
    XWindowAttributes attributes;
    if (XGetWindowAttributes(display, window, &attributes) == 0 || attributes.width < 4 ||
        attributes.height < 4)
        return std::nullopt;
    XImage* image = XGetImage(display, window, attributes.width - 3, attributes.height - 3, 1, 1,
                              AllPlanes, ZPixmap);
    if (image == nullptr)
        return std::nullopt;
    const unsigned long pixel = XGetPixel(image, 0, 0) & kWhite;
    XDestroyImage(image);
    return pixel;
}

bool waitForPixel(Display* display, Window window, unsigned long painted,
                  Clock::time_point deadline) {
    while (Clock::now() < deadline) {
        if (cornerPixel(display, window) == painted)
            return true;
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    return false;
}

// The colour the settled program shows at the probed pixel.
std::optional<unsigned long> settledPixel(Display* display, const Program& program) {
    const RunningProgram running(program);
    if (!running.started())
        return std::nullopt;
    const auto window = waitForMap(display, program, Clock::now() + kGiveUpAfter);
    if (!window)
        return std::nullopt;
    std::this_thread::sleep_for(std::chrono::seconds(1));
    return cornerPixel(display, *window);
}

// One connection for the whole run: the X server may refuse a new one while
// it is still tearing down the windows of the program killed just before.
Display* serverConnection() {
    static const std::unique_ptr<Display, int (*)(Display*)> connection(XOpenDisplay(nullptr),
                                                                        XCloseDisplay);
    if (connection)
        XSelectInput(connection.get(), DefaultRootWindow(connection.get()), SubstructureNotifyMask);
    return connection.get();
}

void startUntilPainted(benchmark::State& state, const Program& program) {
    if (program.argument != nullptr && access(program.argument, R_OK) != 0) {
        state.SkipWithError("no Windows program: scripts/build-windows.sh BUILD minimal_window");
        return;
    }
    Display* display = serverConnection();
    if (display == nullptr) {
        state.SkipWithError("no X display: run it under Xvfb -wr");
        return;
    }
    const auto painted = settledPixel(display, program);
    if (!painted || *painted == kWhite) {
        state.SkipWithError("the window never showed a painted pixel");
        return;
    }
    for (auto _ : state) {
        XSync(display, True);
        const auto start = Clock::now();
        const RunningProgram running(program);
        const auto window = waitForMap(display, program, start + kGiveUpAfter);
        if (!window || !waitForPixel(display, *window, *painted, start + kGiveUpAfter)) {
            state.SkipWithError(window ? "the window was not painted in time"
                                       : "no window was mapped");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
    }
}

void BM_StartMinimalWindow(benchmark::State& state) {
    startUntilPainted(state, kMinimalWindow);
}
void BM_StartKelvara(benchmark::State& state) {
    startUntilPainted(state, kKelvara);
}

#ifdef KELVARA_WINE
// Under Wine, with its server already running, as on a desktop that has
// started a Windows program before.
void BM_StartMinimalWin32WindowUnderWine(benchmark::State& state) {
    startUntilPainted(state, kMinimalWin32Window);
}
void BM_StartKelvaraExeUnderWine(benchmark::State& state) {
    startUntilPainted(state, kKelvaraExe);
}
BENCHMARK(BM_StartMinimalWin32WindowUnderWine)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);
BENCHMARK(BM_StartKelvaraExeUnderWine)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);
#endif

} // namespace

BENCHMARK(BM_StartMinimalWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_StartKelvara)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

BENCHMARK_MAIN();
