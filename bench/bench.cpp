#include "control/control.h"
#include "held_pictures.h"
#include "platform/buttons.h"
#include "platform/script_input.h"
#include "rules/rules.h"
#include "scene.h"
#include "shell/shell.h"
#include "world/world.h"

#include <SDL.h>

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <map>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <vector>

extern char** environ;

// The link routes the game's blits through __wrap_SDL_UpperBlit, so that one
// composed frame can be taken apart into the rectangles it writes.
extern "C" int __real_SDL_UpperBlit(SDL_Surface* source, SDL_Rect* from, SDL_Surface* target,
                                    SDL_Rect* to);

namespace {

struct Blit {
    SDL_Surface* source;
    SDL_Rect from; // after clipping
    SDL_Rect to;   // after clipping: what the blit wrote over
};

bool recording;
std::vector<Blit> frameBlits;

} // namespace

extern "C" int __wrap_SDL_UpperBlit(SDL_Surface* source, SDL_Rect* from, SDL_Surface* target,
                                    SDL_Rect* to) {
    if (!recording) {
        return __real_SDL_UpperBlit(source, from, target, to);
    }
    SDL_Rect asked = to ? *to : SDL_Rect{0, 0, 0, 0};
    int result = __real_SDL_UpperBlit(source, from, target, to);
    if (target == screen && to && to->w > 0 && to->h > 0) {
        // Both clips, against the source and against the screen, move the
        // source corner by as much as they move the destination's.
        Blit blit{source, {}, *to};
        blit.from.x = static_cast<Sint16>((from ? from->x : 0) + (to->x - asked.x));
        blit.from.y = static_cast<Sint16>((from ? from->y : 0) + (to->y - asked.y));
        blit.from.w = to->w;
        blit.from.h = to->h;
        frameBlits.push_back(blit);
    }
    return result;
}

namespace {

Uint32 pixelAt(const SDL_Surface* surface, int x, int y) {
    const Uint8* p = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch +
                     x * surface->format->BytesPerPixel;
    switch (surface->format->BytesPerPixel) {
    case 1:
        return *p;
    case 2:
        return *reinterpret_cast<const Uint16*>(p);
    case 3:
        return p[0] | (p[1] << 8) | (p[2] << 16);
    default:
        return *reinterpret_cast<const Uint32*>(p);
    }
}

// The pixels of a blit that its colour key lets through.
long opaquePixels(const Blit& blit) {
    if ((blit.source->flags & SDL_SRCCOLORKEY) == 0) {
        return static_cast<long>(blit.from.w) * blit.from.h;
    }
    long opaque = 0;
    SDL_LockSurface(blit.source);
    for (int y = blit.from.y; y < blit.from.y + blit.from.h; ++y) {
        for (int x = blit.from.x; x < blit.from.x + blit.from.w; ++x) {
            opaque += pixelAt(blit.source, x, y) != blit.source->format->colorkey;
        }
    }
    SDL_UnlockSurface(blit.source);
    return opaque;
}

struct FrameShape {
    long blits = 0;
    long bytes = 0;       // every row of every blit rectangle
    long opaqueBytes = 0; // the pixels among them that a key does not hide
    long keyedBlits = 0;
    long keyedBytes = 0;
};
FrameShape frameShape;

void recordBusiestFrame() {
    setUpBusiestFrame();
    frameBlits.clear();
    recording = true;
    composeBattleFrame();
    recording = false;
    frameShape = FrameShape{};
    for (const Blit& blit : frameBlits) {
        long bytes = 2L * blit.to.w * blit.to.h;
        frameShape.blits += 1;
        frameShape.bytes += bytes;
        frameShape.opaqueBytes += 2 * opaquePixels(blit);
        if (blit.source->flags & SDL_SRCCOLORKEY) {
            frameShape.keyedBlits += 1;
            frameShape.keyedBytes += bytes;
        }
    }
}

void frameCounters(benchmark::State& state) {
    state.counters["blits"] = static_cast<double>(frameShape.blits);
    state.counters["bytes"] = static_cast<double>(frameShape.bytes);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * frameShape.bytes);
}

void composeFrame(benchmark::State& state) {
    setUpBusiestFrame();
    for (auto _ : state) {
        composeBattleFrame();
        benchmark::ClobberMemory();
    }
    frameCounters(state);
}

std::vector<Uint16> screenPixels() {
    std::vector<Uint16> pixels(240 * 320);
    for (int y = 0; y < 240; ++y) {
        std::memcpy(&pixels[y * 320], static_cast<Uint8*>(screen->pixels) + y * screen->pitch,
                    320 * 2);
    }
    return pixels;
}

// The frame drawn as the design excludes, to show what that would buy; the
// pictures are put back as loaded afterwards, and the frame must look the same.
void composeExcluded(benchmark::State& state, void (*exclude)(bool)) {
    setUpBusiestFrame();
    composeBattleFrame();
    std::vector<Uint16> designed = screenPixels();
    exclude(true);
    for (auto _ : state) {
        composeBattleFrame();
        benchmark::ClobberMemory();
    }
    bool same = screenPixels() == designed;
    exclude(false);
    composeBattleFrame();
    if (!same || screenPixels() != designed) {
        state.SkipWithError("the frame changed");
    }
}

// The same rectangles of the screen, row by row, copied from a frame of the
// same size: the least any drawing of this frame could cost.
void memcpyBound(benchmark::State& state) {
    const std::vector<Uint16> frame = screenPixels();
    const Uint16* source = frame.data();
    Uint8* pixels = static_cast<Uint8*>(screen->pixels);
    const int pitch = screen->pitch;
    for (auto _ : state) {
        for (const Blit& blit : frameBlits) {
            const size_t rowBytes = 2 * static_cast<size_t>(blit.to.w);
            for (int row = blit.to.y; row < blit.to.y + blit.to.h; ++row) {
                std::memcpy(pixels + row * pitch + 2 * blit.to.x, source + row * 320 + blit.to.x,
                            rowBytes);
            }
        }
        benchmark::ClobberMemory();
    }
    frameCounters(state);
}

// A whole pass of the battle loop on the busiest frame, with the attack
// cursor stepped back and forth and R held: the rules, the presses, the
// frame and its flip. The scripted clock ends each wait at its first reading.
void battlePass(benchmark::State& state) {
    setUpBusiestFrame();
    setInputHook(nullptr, nullptr);
    releaseAllButtons();
    holdButton(BUTTON_R);
    lastFrameTicks = 0;
    setClock(1000, 1000 / BATTLE_FPS);
    BattleLoop loop{};
    enterBattle(&loop);
    for (auto _ : state) {
        pushPress(BUTTON_LEFT);
        pushPress(BUTTON_RIGHT);
        runBattlePass(&loop);
    }
    releaseAllButtons();
    state.counters["clock_readings_per_pass"] =
        static_cast<double>(clockReadings()) / static_cast<double>(state.iterations());
}

// The flip alone, as the dummy driver does it: SDL's compatibility layer
// converts the 16-bit screen for its window on every flip.
void flip(benchmark::State& state) {
    for (auto _ : state) {
        SDL_Flip(screen);
    }
}

long heldPixelBytes() {
    SDL_Surface* held[HELD_PICTURES];
    listHeldPictures(held);
    long total = 0;
    for (SDL_Surface* surface : held) {
        total += pixelBytes(surface);
    }
    return total;
}

// Each load starts from nothing, as at start-up: what the last one made is
// freed first, outside the measure.
void loadImages(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        SDL_Surface* held[HELD_PICTURES];
        listHeldPictures(held);
        for (SDL_Surface* surface : held) {
            SDL_FreeSurface(surface);
        }
        state.ResumeTiming();
        loadBattleImages();
    }
    state.counters["held_bytes"] = static_cast<double>(heldPixelBytes());
}

double monotonicSeconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

struct Child {
    bool ran = false;
    int status = 0;
    double stamp = 0; // the monotonic clock as the child's shim read it
    long peakKib = 0;
    double cpuSeconds = 0; // user and system, every thread of the child
};

std::vector<std::string> environmentWith(const std::vector<std::string>& settings) {
    std::vector<std::string> result;
    for (char** entry = environ; *entry; ++entry) {
        std::string line = *entry;
        bool replaced = false;
        for (const std::string& setting : settings) {
            replaced |=
                line.compare(0, setting.find('=') + 1, setting, 0, setting.find('=') + 1) == 0;
        }
        if (!replaced) {
            result.push_back(line);
        }
    }
    result.insert(result.end(), settings.begin(), settings.end());
    return result;
}

// Runs a program from the source directory with its output discarded. The
// child may write a time stamp on descriptor 3.
Child run(const std::vector<std::string>& arguments, const std::vector<std::string>& settings) {
    Child child;
    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0) {
        return child;
    }
    int stampEnd = fcntl(pipeEnds[1], F_DUPFD_CLOEXEC, 10);
    close(pipeEnds[1]);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, stampEnd, 3);
    std::vector<std::string> environment = environmentWith(settings);
    std::vector<char*> argv;
    for (const std::string& a : arguments) {
        argv.push_back(const_cast<char*>(a.c_str()));
    }
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (const std::string& e : environment) {
        envp.push_back(const_cast<char*>(e.c_str()));
    }
    envp.push_back(nullptr);
    pid_t pid = 0;
    int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(stampEnd);
    if (spawned != 0) {
        close(pipeEnds[0]);
        return child;
    }
    char text[64] = {};
    size_t length = 0;
    for (ssize_t got; length + 1 < sizeof text &&
                      (got = read(pipeEnds[0], text + length, sizeof text - 1 - length)) > 0;) {
        length += static_cast<size_t>(got);
    }
    close(pipeEnds[0]);
    rusage usage{};
    wait4(pid, &child.status, 0, &usage);
    child.ran = true;
    child.peakKib = usage.ru_maxrss;
    child.cpuSeconds = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                       static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
    long long seconds = 0;
    long long nanoseconds = 0;
    if (std::sscanf(text, "%lld %lld", &seconds, &nanoseconds) == 2) {
        child.stamp = static_cast<double>(seconds) + static_cast<double>(nanoseconds) * 1e-9;
    }
    return child;
}

// From the exec of the real game to its first presented frame, the title
// splash: the shim preloaded into it stamps the time as SDL_Flip returns and
// ends the process there.
void execToSplash(benchmark::State& state, const char* driver) {
    std::vector<std::string> settings = {
        std::string("SDL_VIDEODRIVER=") + driver,
        "SDL_AUDIODRIVER=dummy",
        std::string("LD_PRELOAD=") + HEDGEROW_FIRST_FLIP,
        "HEDGEROW_FLIP_STAMP_FD=3",
    };
    double cpu = 0;
    double fastest = 0;
    for (auto _ : state) {
        double start = monotonicSeconds();
        Child child = run({HEDGEROW_BINARY}, settings);
        if (!child.ran || child.stamp == 0) {
            state.SkipWithError("the game did not reach its first frame");
            break;
        }
        double elapsed = child.stamp - start;
        state.SetIterationTime(elapsed);
        cpu += child.cpuSeconds;
        fastest = fastest == 0 || elapsed < fastest ? elapsed : fastest;
    }
    state.counters["child_cpu_ms"] =
        benchmark::Counter(cpu * 1e3, benchmark::Counter::kAvgIterations);
    state.counters["fastest_ms"] = fastest * 1e3;
}

// The whole game under a script, from the title through a battle to the end
// of the script: its peak resident memory.
void scriptedBattle(benchmark::State& state) {
    long peak = 0;
    for (auto _ : state) {
        Child child = run({HEDGEROW_REPLAY, HEDGEROW_SOURCE_DIR "/bench/battle.replay"}, {});
        if (!child.ran || !WIFEXITED(child.status) || WEXITSTATUS(child.status) != 0) {
            state.SkipWithError("the replay of the scripted battle failed");
            break;
        }
        peak = child.peakKib > peak ? child.peakKib : peak;
    }
    state.counters["peak_rss_kib"] = static_cast<double>(peak);
}

std::string cpuModel() {
    std::ifstream info("/proc/cpuinfo");
    for (std::string line; std::getline(info, line);) {
        if (line.rfind("model name", 0) == 0) {
            return line.substr(line.find(':') + 2);
        }
    }
    return "unknown";
}

// Keeps the figure of each benchmark, the median when it was repeated.
class FigureReporter : public benchmark::ConsoleReporter {
  public:
    struct Figure {
        double seconds = 0;
        double cpuSeconds = 0; // the benchmark thread's own
        std::map<std::string, double> counters;
        bool failed = false;
    };
    std::map<std::string, Figure> figures;

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
            if (!median && !single && !run.error_occurred) {
                continue;
            }
            Figure& figure = figures[run.run_name.function_name];
            figure.failed = run.error_occurred;
            double unit = benchmark::GetTimeUnitMultiplier(run.time_unit);
            figure.seconds = run.GetAdjustedRealTime() / unit;
            figure.cpuSeconds = run.GetAdjustedCPUTime() / unit;
            for (const auto& [name, counter] : run.counters) {
                figure.counters[name] = counter.value;
            }
        }
    }
};

const char* verdict(bool met) {
    return met ? "met" : "MISSED";
}

// The figures that the goals are about, all from this run. Times within the
// process are the benchmark thread's CPU time, which other work on the machine
// does not stretch; the wall-clock time follows in brackets.
void printFigures(const FigureReporter& reporter) {
    auto figure = [&](const char* name) -> const FigureReporter::Figure* {
        auto found = reporter.figures.find(name);
        return found == reporter.figures.end() || found->second.failed ? nullptr : &found->second;
    };
    auto microseconds = [](const char* what, const FigureReporter::Figure* f) {
        if (f) {
            std::printf("  %-34s %9.2f us  (wall %.2f us)\n", what, f->cpuSeconds * 1e6,
                        f->seconds * 1e6);
        }
    };
    std::printf("\nHedgerow, figures of this run on %s\n", cpuModel().c_str());
    std::printf("  busiest battle frame: %ld blits covering %ld bytes of the screen, %ld of them"
                " through a colour key (%ld bytes); %ld bytes opaque\n",
                frameShape.blits, frameShape.bytes, frameShape.keyedBlits, frameShape.keyedBytes,
                frameShape.opaqueBytes);
    const auto* compose = figure("compose_battle_frame");
    const auto* bound = figure("memcpy_bound");
    microseconds("composing one frame", compose);
    microseconds("memcpy of the same rows", bound);
    if (compose && bound) {
        double ratio = compose->cpuSeconds / bound->cpuSeconds;
        std::printf("  %-34s %9.2f     (wall %.2f)   goal at most 3: %s\n", "frame / memcpy bound",
                    ratio, compose->seconds / bound->seconds, verdict(ratio <= 3));
    }
    if (bound) {
        if (const auto* excluded = figure("excluded/tiles_without_key")) {
            std::printf("  %-34s %9.2f us  ratio %.2f   excluded by the design\n",
                        "tiles without their key", excluded->cpuSeconds * 1e6,
                        excluded->cpuSeconds / bound->cpuSeconds);
        }
    }
    microseconds("battle pass without its wait", figure("battle_pass"));
    microseconds("of which a flip could be", figure("flip"));
    if (const auto* load = figure("load_battle_images")) {
        std::printf("  %-34s %9.2f ms  (wall %.2f ms)   goal within 20 ms: %s\n",
                    "loadBattleImages", load->cpuSeconds * 1e3, load->seconds * 1e3,
                    verdict(load->cpuSeconds <= 0.02));
    }
    if (const auto* splash = figure("exec_to_splash/dummy")) {
        std::printf("  %-34s %9.2f ms  wall, fastest %.2f ms, %.2f ms of CPU   goal within"
                    " 100 ms: %s\n",
                    "exec to the splash, dummy driver", splash->seconds * 1e3,
                    splash->counters.at("fastest_ms"), splash->counters.at("child_cpu_ms"),
                    verdict(splash->seconds <= 0.1));
    }
    if (const auto* x11 = figure("exec_to_splash/x11")) {
        std::printf("  %-34s %9.2f ms  wall, fastest %.2f ms, %.2f ms of CPU   reported only\n",
                    "exec to the splash, X11", x11->seconds * 1e3, x11->counters.at("fastest_ms"),
                    x11->counters.at("child_cpu_ms"));
    } else if (!std::getenv("DISPLAY")) {
        std::printf("  %-34s not measured: no X display\n", "exec to the splash, X11");
    }
    long held = heldPixelBytes();
    std::printf("  %-34s %9ld bytes (%.2f MiB)   goal at most 4 MB: %s\n",
                "pictures held after loading", held, static_cast<double>(held) / (1024.0 * 1024.0),
                verdict(held <= 4L * 1000 * 1000));
    if (const auto* battle = figure("scripted_battle")) {
        double kib = battle->counters.at("peak_rss_kib");
        std::printf("  %-34s %9.0f KiB (%.1f MiB)   the handheld gives a program about 23 MB:"
                    " %s\n",
                    "peak resident, scripted battle", kib, kib / 1024.0,
                    verdict(kib * 1024.0 <= 23e6));
    }
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (!startLikeTheGame()) {
        std::fprintf(stderr, "SDL's dummy drivers did not start: %s\n", SDL_GetError());
        return 1;
    }
    recordBusiestFrame();
    benchmark::RegisterBenchmark("compose_battle_frame", composeFrame);
    benchmark::RegisterBenchmark("memcpy_bound", memcpyBound);
    benchmark::RegisterBenchmark("excluded/tiles_without_key", composeExcluded, takeKeyOffTiles);
    benchmark::RegisterBenchmark("battle_pass", battlePass);
    benchmark::RegisterBenchmark("flip", flip);
    benchmark::RegisterBenchmark("load_battle_images", loadImages)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("exec_to_splash/dummy", execToSplash, "dummy")
        ->UseManualTime()
        ->Iterations(10)
        ->Unit(benchmark::kMillisecond);
    if (std::getenv("DISPLAY")) {
        benchmark::RegisterBenchmark("exec_to_splash/x11", execToSplash, "x11")
            ->UseManualTime()
            ->Iterations(10)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("scripted_battle", scriptedBattle)
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond);
    FigureReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    printFigures(reporter);
    benchmark::Shutdown();
    SDL_Quit();
    return 0;
}
