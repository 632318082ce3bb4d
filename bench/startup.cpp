// Targets on the reference machine, measured on a real or virtual X display (run it under
// `xvfb-run -a build/<dir>/bench/bench_startup`):
//   - from process start to the main window on the screen: under 300 ms, and under twice the
//     time an empty Qt window of the same program takes (StartupRatioToBareWindow < 2);
//   - resident memory with the main window and two Loan calculators open: under 80 MB.
// The program is spawned with its hidden measuring options; it runs on settings of its own in
// a scratch folder, so the user's settings are never touched. QUARVEX_PROGRAM names the
// program when it is not at ../src/app/quarvex beside this benchmark.
#include <benchmark/benchmark.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using SteadyClock = std::chrono::steady_clock;

constexpr int kTimeoutMs = 20000;

fs::path ProgramPath() {
    if (const char* given = std::getenv("QUARVEX_PROGRAM"); given != nullptr && *given != 0) {
        return given;
    }
    return fs::read_symlink("/proc/self/exe").parent_path().parent_path() / "src/app/quarvex";
}

// A scratch folder for the program's settings and data, made once per run of the benchmark.
const fs::path& ScratchFolder() {
    static const fs::path folder = [] {
        std::string pattern = (fs::temp_directory_path() / "quarvex-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("cannot make a scratch folder");
        }
        std::atexit([] {
            std::error_code ignored;
            fs::remove_all(ScratchFolder(), ignored);
        });
        return fs::path(pattern);
    }();
    return folder;
}

struct Run {
    double wallMs = 0;   // from the spawn to the program's report
    double reported = 0; // the number the program printed
    std::string error;   // not empty: the run failed
};

// Starts the program with `option` and waits for its one-line report "<key> <number>".
Run Measure(const char* option, const std::string& key) {
    Run run;
    int out[2];
    if (::pipe(out) != 0) {
        run.error = "pipe failed";
        return run;
    }
    const std::string program = ProgramPath().string();
    const std::string config = (ScratchFolder() / "config").string();
    const std::string data = (ScratchFolder() / "data").string();
    const bool noDisplay = std::getenv("DISPLAY") == nullptr &&
                           std::getenv("WAYLAND_DISPLAY") == nullptr &&
                           std::getenv("QT_QPA_PLATFORM") == nullptr;

    const auto start = SteadyClock::now();
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(out[1], STDOUT_FILENO);
        ::close(out[0]);
        ::close(out[1]);
        ::setenv("QUARVEX_CONFIG_DIR", config.c_str(), 1);
        ::setenv("QUARVEX_DATA_DIR", data.c_str(), 1);
        if (noDisplay) {
            ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        }
        ::execl(program.c_str(), program.c_str(), option, static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(out[1]);
    if (child < 0) {
        ::close(out[0]);
        run.error = "fork failed";
        return run;
    }

    std::string text;
    char buffer[256];
    while (text.find('\n') == std::string::npos) {
        pollfd ready{out[0], POLLIN, 0};
        if (::poll(&ready, 1, kTimeoutMs) <= 0) {
            run.error = "no report from " + program + " " + option;
            ::kill(child, SIGKILL);
            break;
        }
        const ssize_t got = ::read(out[0], buffer, sizeof buffer);
        if (got <= 0) {
            run.error = "the program ended without a report (is " + program + " built?)";
            break;
        }
        text.append(buffer, static_cast<std::size_t>(got));
    }
    run.wallMs = std::chrono::duration<double, std::milli>(SteadyClock::now() - start).count();
    ::close(out[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (run.error.empty()) {
        if (text.rfind(key + " ", 0) != 0) {
            run.error = "unexpected report: " + text;
        } else {
            run.reported = std::strtod(text.c_str() + key.size() + 1, nullptr);
        }
    }
    return run;
}

// One start that sets the scratch settings up, so that the measured starts are ordinary ones.
void WarmUp() {
    static const bool done = [] {
        Measure("--measure-startup", "startup_ms");
        return true;
    }();
    (void)done;
}

void TimedStarts(benchmark::State& state, const char* option) {
    WarmUp();
    double reported = 0;
    for (auto _ : state) {
        const Run run = Measure(option, "startup_ms");
        if (!run.error.empty()) {
            state.SkipWithError(run.error.c_str());
            return;
        }
        state.SetIterationTime(run.wallMs / 1000.0);
        reported += run.reported;
    }
    state.counters["in_program_ms"] =
        benchmark::Counter(reported, benchmark::Counter::kAvgIterations);
}

void StartupToMainWindow(benchmark::State& state) {
    TimedStarts(state, "--measure-startup");
}
BENCHMARK(StartupToMainWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

void StartupBareWindow(benchmark::State& state) {
    TimedStarts(state, "--bare-window");
}
BENCHMARK(StartupBareWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

// The program's start against the empty window's, run by run (target: below 2).
void StartupRatioToBareWindow(benchmark::State& state) {
    WarmUp();
    double program = 0;
    double bare = 0;
    for (auto _ : state) {
        const Run full = Measure("--measure-startup", "startup_ms");
        const Run empty = Measure("--bare-window", "startup_ms");
        if (!full.error.empty() || !empty.error.empty()) {
            state.SkipWithError((full.error + empty.error).c_str());
            return;
        }
        program += full.wallMs;
        bare += empty.wallMs;
        state.SetIterationTime((full.wallMs + empty.wallMs) / 1000.0);
    }
    state.counters["ratio"] = bare > 0 ? program / bare : 0;
    state.counters["program_ms"] = benchmark::Counter(program, benchmark::Counter::kAvgIterations);
    state.counters["bare_ms"] = benchmark::Counter(bare, benchmark::Counter::kAvgIterations);
}
BENCHMARK(StartupRatioToBareWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

// Resident memory with the main window and two Loan calculators open (target: under 80 MB).
void ResidentMemoryMainAndTwoLoans(benchmark::State& state) {
    WarmUp();
    double kilobytes = 0;
    for (auto _ : state) {
        const Run run = Measure("--measure-memory", "rss_kb");
        if (!run.error.empty()) {
            state.SkipWithError(run.error.c_str());
            return;
        }
        state.SetIterationTime(run.wallMs / 1000.0);
        kilobytes = std::max(kilobytes, run.reported);
    }
    state.counters["rss_MB"] = kilobytes / 1024.0;
}
BENCHMARK(ResidentMemoryMainAndTwoLoans)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

} // namespace
