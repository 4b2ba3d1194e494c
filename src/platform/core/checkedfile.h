#pragma once

#include <QString>

// A file opened by one command. Every operation is checked as soon as it
// returns; the first failure raises EInOutError with its code (2 file not
// found, 3 invalid filename, 4 too many open files, 5 access denied, 100 read
// beyond end of file, 101 disk full, 103 not open, any other errno as is).
// A path whose folder does not exist, and the empty path, are invalid
// filenames (3) rather than missing files.
// The file is closed when the object goes, on every path.
class CheckedFile {
public:
    CheckedFile() = default;
    ~CheckedFile();
    CheckedFile(const CheckedFile &) = delete;
    CheckedFile &operator=(const CheckedFile &) = delete;

    // Opens an existing file for reading and writing, even to only read it:
    // a read-only file is refused with "File access denied".
    void openExisting(const QString &path);
    // Creates the file, or truncates an existing one, for reading and writing.
    void create(const QString &path);

    // Exactly `size` bytes at `offset`; fewer raises code 100.
    void readAt(qint64 offset, char *data, qint64 size);
    // Exactly `size` bytes at `offset`; fewer raises code 101.
    void writeAt(qint64 offset, const char *data, qint64 size);
    // Cuts (or extends) the file to `size` bytes.
    void truncate(qint64 size);
    // The file's present length.
    [[nodiscard]] qint64 size() const;
    // Flushes what was written to the disk (fsync).
    void flush();
    // Closes the file; not open raises code 103.
    void close();

    [[nodiscard]] bool isOpen() const { return fd_ >= 0; }
    [[nodiscard]] const QString &path() const { return path_; }

    // The I/O error code for an errno value of a failed call on `path`.
    [[nodiscard]] static int ioErrorCode(int posixErrno, const QString &path);

private:
    void open(const QString &path, int flags);

    int fd_ = -1;
    QString path_;
};
