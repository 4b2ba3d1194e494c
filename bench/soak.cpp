// A long session on the real editor: the window set, offscreen unless a
// platform is named, through many cycles (10,000 unless the first argument
// says otherwise) of Open of a scratch SPL file, three values typed key by
// key with Enter, a 3 x 2 block pasted with Ctrl+V, Export Colors to a
// scratch colour set, Import Colors from it and Save. Prints the resident
// memory every 1,000 cycles with the time per cycle. At the end the scratch
// file must hold exactly what was typed and pasted, worked out here on its
// own, and no error box may have been asked for; otherwise the exit code is 1.

#include "app/application.h"
#include "app/windowset.h"
#include "editor/editorgrid.h"
#include "platform/gui/dialogs.h"
#include "settings/settingsfile.h"

#include <QAction>
#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <optional>

namespace {

constexpr int kTableOffset = 68; // where an SPL file's colour table starts
constexpr int kFileSize = 1500;
constexpr int kReportEvery = 1000;
constexpr int kLastStartCol = 242; // the cycle's five columns end at 246

qint64 residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("VmRSS:\\s*(\\d+) kB"))
                                              .match(QString::fromLatin1(status.readAll()));
    return match.hasMatch() ? match.captured(1).toLongLong() : -1;
}

// Files open in this process: a command that leaves one open shows here.
qsizetype openFiles()
{
    return QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size();
}

// Answers every dialog with the scratch files and counts what it is asked.
class SoakDialogs : public Dialogs {
public:
    SoakDialogs(QString folder, QString splPath, QString colourSetPath)
        : folder_(std::move(folder)), spl_(std::move(splPath)), colourSet_(std::move(colourSetPath))
    {
    }

    void showError(const QString &, const QString &text) override { unexpected("error box", text, errors); }
    void showInformation(const QString &text) override { unexpected("information box", text, others); }
    std::optional<QString> openFileName(QWidget *, const FileDialogRequest &request) override
    {
        if (request.title == QLatin1String("Open SPL or PAL file")) {
            if (request.initialFolder != folder_)
                unexpected("open dialog outside the scratch folder", request.initialFolder, others);
            return spl_;
        }
        if (request.title == QLatin1String("Import Color Set"))
            return colourSet_;
        unexpected("open dialog", request.title, others);
        return std::nullopt;
    }
    std::optional<ChosenFile> saveFileName(QWidget *, const FileDialogRequest &request) override
    {
        if (request.title == QLatin1String("Export Color Set"))
            return ChosenFile{colourSet_, 0};
        unexpected("save dialog", request.title, others);
        return std::nullopt;
    }
    std::optional<QString> browseForFolder(QWidget *, const FolderBrowserRequest &) override
    {
        ++browsed;
        return folder_;
    }
    int runModal(QDialog &dialog) override
    {
        unexpected("dialog", dialog.windowTitle(), others);
        return QDialog::Rejected;
    }

    int errors = 0;
    int others = 0; // information boxes and dialogs the session should not see
    int browsed = 0;

private:
    static void unexpected(const char *what, const QString &text, int &count)
    {
        if (++count <= 5)
            std::fprintf(stderr, "%s: %s\n", what, qPrintable(text));
    }

    QString folder_;
    QString spl_;
    QString colourSet_;
};

// The values a cycle types and pastes, from a fixed sequence, in the text
// forms the grid takes: decimal (negative and above 255 too), "$" and "0x".
class ValueSource {
public:
    struct Value {
        QString text;
        quint8 byte; // what the file must hold for it
    };

    Value next()
    {
        state_ = state_ * 1103515245u + 12345u;
        const int value = int((state_ >> 8) % 640u) - 128; // -128 to 511
        const quint8 byte = quint8(unsigned(value) & 0xFFu);
        switch ((state_ >> 4) % 4u) {
        case 0:
            if (value >= 0)
                return {QLatin1Char('$') + QString::number(value, 16).toUpper(), byte};
            break;
        case 1:
            if (value >= 0)
                return {QStringLiteral("0x") + QString::number(value, 16).toUpper(), byte};
            break;
        default:
            break;
        }
        return {QString::number(value), byte};
    }

private:
    quint32 state_ = 20011930u;
};

class Session {
public:
    Session(WindowSet &windows, QByteArray &expected) : windows_(windows), expected_(expected) {}

    // Shows the editor the way the user reaches it; false when it never
    // becomes the active window.
    bool start()
    {
        windows_.show();
        QTest::mouseClick(windows_.startWindow.button(), Qt::LeftButton);
        windows_.editorWindow.activateWindow();
        if (!QTest::qWaitForWindowActive(&windows_.editorWindow))
            return false;
        grid().setFocus();
        QApplication::processEvents();
        return QApplication::focusWidget() == &grid();
    }

    // One cycle; false when the keys could not reach a cell or the typed
    // text did not arrive in it.
    bool cycle(int n)
    {
        trigger(QStringLiteral("Open"));
        const int col = 1 + (n * 5) % kLastStartCol;
        const int row = 1 + n % 4;
        const int below = row % 4 + 1; // the next row, from 4 back to 1
        if (!typeInto(col, row) || !typeInto(col, below) || !typeInto(col + 1, below) ||
            !pasteAt(col + 2, 1 + n % 3))
            return false;
        trigger(QStringLiteral("Export Colors"));
        trigger(QStringLiteral("Import Colors"));
        trigger(QStringLiteral("Save"));
        QApplication::processEvents();
        return true;
    }

private:
    EditorGrid &grid() { return *windows_.editorWindow.grid(); }

    void trigger(const QString &caption)
    {
        for (QAction *command : windows_.editorWindow.menuCommands()) {
            if (command->text() == caption)
                command->trigger();
        }
        QApplication::processEvents();
    }

    static void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
        QApplication::processEvents();
    }

    static void type(const QString &text)
    {
        for (const QChar c : text) {
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
            QApplication::processEvents();
        }
    }

    // Moves the current cell with the arrow keys (Home first for a long way
    // back), as a user does.
    bool moveTo(int col, int row)
    {
        if (QApplication::focusWidget() != &grid())
            return false;
        if (col < grid().col() - 10)
            press(Qt::Key_Home);
        for (int i = 0; i < 300 && grid().currentCell() != QPoint(col, row); ++i) {
            if (grid().row() != row)
                press(grid().row() < row ? Qt::Key_Down : Qt::Key_Up);
            else
                press(grid().col() < col ? Qt::Key_Right : Qt::Key_Left);
        }
        return grid().currentCell() == QPoint(col, row);
    }

    void expect(int col, int row, quint8 byte)
    {
        expected_[kTableOffset + (col - 1) * 4 + (row - 1)] = char(byte);
    }

    bool typeInto(int col, int row)
    {
        if (!moveTo(col, row))
            return false;
        const ValueSource::Value value = values_.next();
        type(value.text);
        press(Qt::Key_Return);
        expect(col, row, value.byte);
        return grid().cell(col, row) == value.text;
    }

    bool pasteAt(int col, int row)
    {
        if (!moveTo(col, row))
            return false;
        QString text;
        for (int line = 0; line < 2; ++line) {
            for (int k = 0; k < 3; ++k) {
                const ValueSource::Value value = values_.next();
                text += (k > 0 ? QStringLiteral("\t") : QString()) + value.text;
                expect(col + k, row + line, value.byte);
            }
            if (line == 0)
                text += QStringLiteral("\r\n");
        }
        QGuiApplication::clipboard()->setText(text);
        press(Qt::Key_V, Qt::ControlModifier);
        return true;
    }

    WindowSet &windows_;
    QByteArray &expected_;
    ValueSource values_;
};

QByteArray scratchBytes()
{
    QByteArray bytes(kFileSize, '\0');
    for (int i = 0; i < kFileSize; ++i)
        bytes[i] = char(i * 7 + 3);
    return bytes;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Prints where the file differs from what it must hold; true when it does not.
bool compare(const QByteArray &actual, const QByteArray &expected)
{
    if (actual.size() != expected.size()) {
        std::printf("scratch file is %lld bytes, must be %lld\n", (long long)actual.size(),
                    (long long)expected.size());
        return false;
    }
    int differing = 0;
    for (qsizetype i = 0; i < actual.size(); ++i) {
        if (actual[i] != expected[i] && ++differing <= 10)
            std::printf("byte %lld is %u, must be %u\n", (long long)i, unsigned(quint8(actual[i])),
                        unsigned(quint8(expected[i])));
    }
    if (differing > 0)
        std::printf("%d bytes differ\n", differing);
    return differing == 0;
}

// The settings file beside the executable names the scratch folder for the
// run and gets its old content back afterwards.
class SettingsOverride {
public:
    explicit SettingsOverride(const QString &folder)
        : path_(SettingsFile().path()), existed_(QFile::exists(path_)), old_(readFile(path_))
    {
        ok_ = writeFile(path_, "[settings]\nstartdir=" + folder.toLocal8Bit() + "\n");
    }
    ~SettingsOverride()
    {
        if (existed_)
            writeFile(path_, old_);
        else
            QFile::remove(path_);
    }
    SettingsOverride(const SettingsOverride &) = delete;
    SettingsOverride &operator=(const SettingsOverride &) = delete;

    [[nodiscard]] bool ok() const { return ok_; }

private:
    QString path_;
    bool existed_;
    QByteArray old_;
    bool ok_ = false;
};

// The resident memory and the time per cycle, wall clock and processor
// time (which the other programs on a shared machine do not inflate).
class Figures {
public:
    Figures()
    {
        wall_.start();
        block_.start();
        blockCpu_ = std::clock();
    }

    void report(int cycle)
    {
        last_ = residentKb();
        if (baseline_ < 0)
            baseline_ = last_;
        const int count = cycle - blockStart_;
        std::printf("cycle %6d: RSS %7lld kB, %lld open files, %.3f ms per cycle (processor %.3f ms)\n",
                    cycle, last_, (long long)openFiles(), double(block_.nsecsElapsed()) / 1e6 / count,
                    cpuMs(blockCpu_) / count);
        std::fflush(stdout);
        block_.restart();
        blockCpu_ = std::clock();
        blockStart_ = cycle;
    }

    void summary(int cycles) const
    {
        std::printf("time per cycle, whole run: %.3f ms (processor %.3f ms)\n",
                    double(wall_.nsecsElapsed()) / 1e6 / cycles, cpuMs(startCpu_) / cycles);
        std::printf("RSS growth from cycle %d to %d: %lld kB\n", std::min(kReportEvery, cycles), cycles,
                    last_ - baseline_);
    }

private:
    static double cpuMs(std::clock_t since) { return double(std::clock() - since) * 1000.0 / CLOCKS_PER_SEC; }

    QElapsedTimer wall_;
    QElapsedTimer block_;
    std::clock_t startCpu_ = std::clock();
    std::clock_t blockCpu_;
    int blockStart_ = 0;
    qint64 baseline_ = -1;
    qint64 last_ = -1;
};

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    DavovoApplication app(argc, argv);
    const int cycles = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 10'000;

    // The default template holds the application name, whose "/" makes no
    // valid folder name.
    QTemporaryDir scratch(QDir::tempPath() + QStringLiteral("/davovo-soak-XXXXXX"));
    const QString spl = scratch.filePath(QStringLiteral("soak.spl"));
    const QString colourSet = scratch.filePath(QStringLiteral("soak.clr"));
    QByteArray expected = scratchBytes();
    SettingsOverride settings(scratch.path());
    if (!scratch.isValid() || !writeFile(spl, expected) || !settings.ok()) {
        std::printf("cannot write the scratch files\n");
        return 1;
    }
    SoakDialogs answers(scratch.path(), spl, colourSet);
    setDialogs(&answers);

    WindowSet windows;
    Session session(windows, expected);
    if (!session.start()) {
        std::printf("the editor never got the focus\n");
        return 1;
    }
    std::printf("platform: %s, %d cycles\n", qPrintable(QGuiApplication::platformName()), cycles);
    std::printf("cycle %6d: RSS %7lld kB, %lld open files\n", 0, residentKb(), (long long)openFiles());

    Figures figures;
    for (int n = 0; n < cycles; ++n) {
        if (!session.cycle(n)) {
            std::printf("cycle %d: the typing did not reach the cell\nFAIL\n", n + 1);
            return 1;
        }
        if ((n + 1) % kReportEvery == 0 || n + 1 == cycles)
            figures.report(n + 1);
    }
    figures.summary(cycles);
    std::printf("error boxes: %d, other boxes or dialogs: %d, folder browser: %d\n", answers.errors,
                answers.others, answers.browsed);

    const bool same = compare(readFile(spl), expected);
    const bool pass = same && answers.errors == 0 && answers.others == 0;
    std::printf("%s\n", pass ? "PASS" : "FAIL");
    return pass ? 0 : 1;
}
