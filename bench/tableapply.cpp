// Figures for davovo-table apply: one colour set applied to 1,000 generated
// SPL files of 50 KB, the tool run as a user runs it (its own process, its
// start-up included), beside a floor measured in the same run: for each file,
// open, read the 984 table bytes, write them back, flush to disk, close, in
// plain C++. Also the tool's start-up alone (--version) beside that of
// /bin/true and of a Qt Core program that does nothing, in wall and CPU
// time. Each apply changes every file, so every file is written.
//   bench_tableapply [folder for the files, default the temporary folder]
// Run it from a Release build on a quiet machine: the start-up's wall time
// grows with every other process that wants the CPU.

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kFiles = 1000;
constexpr int kFileSize = 50 * 1024;
constexpr int kOffset = 68;
constexpr int kTableSize = 984;
constexpr int kRuns = 7;
constexpr int kStarts = 50;

QByteArray bytes(int size, int seed)
{
    QByteArray data(size, '\0');
    for (int n = 0; n < size; ++n)
        data[n] = char((n * 31 + seed * 17 + n / 251) & 0xFF);
    return data;
}

void writeFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size())
        qFatal("Cannot write %s", qPrintable(path));
}

double elapsedMs(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

// The floor: the least any program does to put a table back in place.
double floorMs(const std::vector<QByteArray> &names)
{
    QElapsedTimer timer;
    timer.start();
    char table[kTableSize];
    for (const QByteArray &name : names) {
        const int fd = ::open(name.constData(), O_RDWR | O_CLOEXEC);
        if (fd < 0 || ::pread(fd, table, kTableSize, kOffset) != kTableSize ||
            ::pwrite(fd, table, kTableSize, kOffset) != kTableSize || ::fsync(fd) != 0 || ::close(fd) != 0)
            qFatal("The floor failed on %s", name.constData());
    }
    return elapsedMs(timer);
}

// One run of the tool; its output must report every file changed.
double toolMs(const QStringList &arguments, const QByteArray &expectedLastLine)
{
    QProcess process;
    QElapsedTimer timer;
    timer.start();
    process.start(QStringLiteral(DAVOVO_TABLE), arguments);
    if (!process.waitForFinished(-1))
        qFatal("davovo-table did not run");
    const double ms = elapsedMs(timer);
    const QByteArray out = process.readAllStandardOutput().trimmed();
    if (process.exitCode() != 0 || !out.endsWith(expectedLastLine))
        qFatal("davovo-table failed: %s", process.readAllStandardError().constData());
    return ms;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct StartTime {
    double wallMs;
    double cpuMs; // user and system time of the child: what a busy machine does not inflate
};

// The median start of `argv`, its output thrown away.
StartTime startTime(const char *const argv[])
{
    std::vector<double> walls;
    std::vector<double> cpus;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    for (int i = 0; i < kStarts; ++i) {
        QElapsedTimer timer;
        timer.start();
        pid_t pid = 0;
        int status = 0;
        rusage usage{};
        if (posix_spawn(&pid, argv[0], &actions, nullptr, const_cast<char *const *>(argv), environ) != 0 ||
            wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
            qFatal("%s did not run", argv[0]);
        walls.push_back(elapsedMs(timer));
        cpus.push_back((usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
                       (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3);
    }
    posix_spawn_file_actions_destroy(&actions);
    return {median(walls), median(cpus)};
}

} // namespace

int main(int argc, char **argv)
{
    // Started by itself: a Qt Core program that does nothing, for the
    // start-up figures.
    if (argc > 1 && std::strcmp(argv[1], "--exit") == 0)
        return QString().size();
    const QString base = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath();
    QTemporaryDir dir(base + QStringLiteral("/davovo-bench-XXXXXX"));
    if (!dir.isValid())
        qFatal("Cannot make a folder in %s", qPrintable(base));

    std::vector<QByteArray> names;
    QStringList files;
    for (int i = 0; i < kFiles; ++i) {
        const QString path = dir.filePath(QStringLiteral("skin%1.spl").arg(i, 4, 10, QLatin1Char('0')));
        writeFile(path, bytes(kFileSize, i));
        names.push_back(QFile::encodeName(path));
        files << path;
    }
    const QStringList sets{dir.filePath(QStringLiteral("day.clr")),
                           dir.filePath(QStringLiteral("night.clr"))};
    writeFile(sets[0], bytes(kTableSize, 5000));
    writeFile(sets[1], bytes(kTableSize, 6000));
    ::sync();

    const QByteArray allChanged = QByteArray::number(kFiles) + " files changed, 0 unchanged, 0 failed";
    std::vector<double> floors;
    std::vector<double> tools;
    std::vector<double> ratios;
    // In pairs, one right after the other, so both meet the same load of
    // the disk; the ratio is taken per pair.
    for (int run = 0; run < kRuns; ++run) {
        floors.push_back(floorMs(names));
        tools.push_back(toolMs(QStringList{QStringLiteral("apply"), sets[run % 2]} + files, allChanged));
        ratios.push_back(tools.back() / floors.back());
    }
    std::printf("davovo-table apply, one colour set into %d SPL files of %d KB (median of %d runs)\n", kFiles,
                kFileSize / 1024, kRuns);
    std::printf("  floor (open, read, write back, fsync, close) %9.1f ms  %6.3f ms per file\n",
                median(floors), median(floors) / kFiles);
    std::printf("  davovo-table apply, start-up included        %9.1f ms  %6.3f ms per file\n", median(tools),
                median(tools) / kFiles);
    std::printf("  ratio of each pair: median %.2f x, from %.2f to %.2f x (target: within 1.5 x)\n",
                median(ratios), *std::min_element(ratios.begin(), ratios.end()),
                *std::max_element(ratios.begin(), ratios.end()));

    const char *const versionCommand[] = {DAVOVO_TABLE, "--version", nullptr};
    const char *const trueCommand[] = {"/bin/true", nullptr};
    const StartTime toolStart = startTime(versionCommand);
    const StartTime trueStart = startTime(trueCommand);
    const QByteArray self = QFile::encodeName(QFile::symLinkTarget(QStringLiteral("/proc/self/exe")));
    const char *const emptyCommand[] = {self.constData(), "--exit", nullptr};
    const StartTime emptyStart = startTime(emptyCommand);
    std::printf("start-up, median of %d starts                   wall      CPU (user + system)\n", kStarts);
    std::printf("  davovo-table --version (target: under 20 ms) %6.1f ms  %6.1f ms\n", toolStart.wallMs,
                toolStart.cpuMs);
    std::printf("  /bin/true, starting any process              %6.1f ms  %6.1f ms\n", trueStart.wallMs,
                trueStart.cpuMs);
    std::printf("  a Qt Core program that does nothing          %6.1f ms  %6.1f ms\n", emptyStart.wallMs,
                emptyStart.cpuMs);
    return 0;
}
