// Start-up of the program beside a bare Qt window (bench_barewindow, a
// QMainWindow with a six-item menu bar), each launched as a user launches it,
// alternately, N times (the first argument, 30 by default): the launch to
// the start window mapped (on xcb, when $DISPLAY names a display), to its
// first frame painted (offscreen), and the peak memory once the editor is
// shown (xcb; offscreen without a display). Prints the medians, their
// ratios and each program's own breakdown by step, from the steps both
// write to stderr when DAVOVO_STARTUP_REPORT asks for them.
// Run it from a Release build: the figures of a debug build say little.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

constexpr int kTimeoutMs = 20000;

struct Launch {
    std::vector<std::pair<std::string, double>> steps; // ms since the launch, in order
    double peakMiB = 0;
};

long long nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

[[noreturn]] void fail(const std::string &what)
{
    std::fprintf(stderr, "bench_startup: %s\n", what.c_str());
    std::exit(1);
}

std::vector<std::string> environment(const char *platform, const char *milestone)
{
    std::vector<std::string> env;
    for (char **entry = environ; *entry != nullptr; ++entry)
        if (std::strncmp(*entry, "QT_QPA_PLATFORM=", 16) != 0 &&
            std::strncmp(*entry, "DAVOVO_STARTUP_REPORT=", 22) != 0)
            env.emplace_back(*entry);
    env.push_back(std::string("QT_QPA_PLATFORM=") + platform);
    env.push_back(std::string("DAVOVO_STARTUP_REPORT=") + milestone);
    return env;
}

// "startup <step>: <ns>" lines, as times since `start`.
std::vector<std::pair<std::string, double>> parseSteps(const std::string &output, long long start)
{
    std::vector<std::pair<std::string, double>> steps;
    size_t from = 0;
    while (from < output.size()) {
        size_t end = output.find('\n', from);
        if (end == std::string::npos)
            end = output.size();
        const std::string line = output.substr(from, end - from);
        from = end + 1;
        const size_t colon = line.rfind(": ");
        if (line.rfind("startup ", 0) != 0 || colon == std::string::npos)
            continue;
        steps.emplace_back(line.substr(8, colon - 8),
                           double(std::stoll(line.substr(colon + 2)) - start) / 1e6);
    }
    return steps;
}

Launch launch(const char *program, const char *platform, const char *milestone)
{
    const std::vector<std::string> env = environment(platform, milestone);
    std::vector<char *> envp;
    for (const std::string &entry : env)
        envp.push_back(const_cast<char *>(entry.c_str()));
    envp.push_back(nullptr);

    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        fail("no pipe");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDERR_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    char *argv[] = {const_cast<char *>(program), nullptr};

    pid_t pid = 0;
    const long long start = nowNs();
    if (posix_spawn(&pid, program, &actions, nullptr, argv, envp.data()) != 0)
        fail(std::string("cannot start ") + program);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);

    std::string output;
    char buffer[4096];
    pollfd reading{pipeEnds[0], POLLIN, 0};
    for (;;) {
        if (poll(&reading, 1, kTimeoutMs) <= 0) {
            kill(pid, SIGKILL);
            fail(std::string(program) + " did not finish on " + platform + ":\n" + output);
        }
        const ssize_t got = read(pipeEnds[0], buffer, sizeof buffer);
        if (got <= 0)
            break;
        output.append(buffer, size_t(got));
    }
    close(pipeEnds[0]);

    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        fail(std::string(program) + " failed on " + platform + ":\n" + output);
    Launch result;
    result.steps = parseSteps(output, start);
    result.peakMiB = double(usage.ru_maxrss) / 1024.0;
    return result;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double stepMs(const Launch &run, const std::string &step)
{
    for (const auto &[name, ms] : run.steps)
        if (name == step)
            return ms;
    fail("no step \"" + step + "\" in a launch");
}

struct Series {
    std::vector<Launch> program;
    std::vector<Launch> bare;
};

// `runs` launches of each, alternating which goes first, after one of each
// to warm the caches.
Series launches(const char *platform, const char *milestone, int runs)
{
    launch(DAVOVO_PROGRAM, platform, milestone);
    launch(DAVOVO_BARE, platform, milestone);
    Series series;
    for (int i = 0; i < runs; ++i) {
        if (i % 2 == 0) {
            series.program.push_back(launch(DAVOVO_PROGRAM, platform, milestone));
            series.bare.push_back(launch(DAVOVO_BARE, platform, milestone));
        } else {
            series.bare.push_back(launch(DAVOVO_BARE, platform, milestone));
            series.program.push_back(launch(DAVOVO_PROGRAM, platform, milestone));
        }
    }
    return series;
}

double medianStep(const std::vector<Launch> &runs, const std::string &step)
{
    std::vector<double> values;
    for (const Launch &run : runs)
        values.push_back(stepMs(run, step));
    return median(values);
}

double medianPeak(const std::vector<Launch> &runs)
{
    std::vector<double> values;
    for (const Launch &run : runs)
        values.push_back(run.peakMiB);
    return median(values);
}

void printFigure(const char *figure, double program, double bare, const char *unit)
{
    std::printf("%-44s %8.1f %-3s %8.1f %-3s %6.2f\n", figure, program, unit, bare, unit, program / bare);
}

// Each step's median time since the launch and since the step before.
void printSteps(const char *who, const std::vector<Launch> &runs)
{
    std::printf("  %s (median ms since launch, +since the step before; peak %.1f MiB)\n", who,
                medianPeak(runs));
    double before = 0;
    for (const auto &step : runs.front().steps) {
        const double at = medianStep(runs, step.first);
        std::printf("    %-24s %7.2f  +%6.2f\n", step.first.c_str(), at, at - before);
        before = at;
    }
}

void printBreakdown(const char *title, const Series &series)
{
    std::printf("\n%s\n", title);
    printSteps("program", series.program);
    printSteps("bare window", series.bare);
}

} // namespace

int main(int argc, char **argv)
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 30;
    const bool display = std::getenv("DISPLAY") != nullptr && *std::getenv("DISPLAY") != '\0';
    const char *windowed = display ? "xcb" : "offscreen";
    std::printf("%d launches of each, interleaved; the program against a bare Qt window%s\n\n", runs,
                display ? "" : " (no $DISPLAY: offscreen only)");

    const Series painted = launches("offscreen", "painted", runs);
    Series mapped;
    if (display)
        mapped = launches("xcb", "mapped", runs);
    const Series editor = launches(windowed, "editor", runs);

    std::printf("%-44s %12s %12s %6s\n", "figure", "program", "bare", "ratio");
    if (display)
        printFigure("launch to start window mapped (xcb)", medianStep(mapped.program, "start window mapped"),
                    medianStep(mapped.bare, "start window mapped"), "ms");
    printFigure("launch to first frame painted (offscreen)",
                medianStep(painted.program, "start window painted"),
                medianStep(painted.bare, "start window painted"), "ms");
    printFigure(display ? "peak memory, editor shown (xcb)" : "peak memory, editor shown (offscreen)",
                medianPeak(editor.program), medianPeak(editor.bare), "MiB");

    printBreakdown("first frame painted, offscreen:", painted);
    if (display)
        printBreakdown("start window mapped, xcb:", mapped);
    printBreakdown(display ? "editor shown, xcb:" : "editor shown, offscreen:", editor);
    return 0;
}
