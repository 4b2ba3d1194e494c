#pragma once

#include <QString>

// A CSV file dropped onto the grid, open for reading only, read in pieces
// and from its start again. Opening refuses, with EInvalidGridOperation:
// - a file that cannot be opened: "File <name> not found";
// - a folder, a device or a pipe: "File <name> is not a regular file";
// - more than TransferLimits::kMaxCsvFileSize bytes: "File <name> is larger
//   than 64 MiB" (raised by read() too when the file grows past that).
// A read that fails raises EInOutError with its code. Closed when it goes.
class CsvFile {
public:
    explicit CsvFile(const QString &path);
    ~CsvFile();
    CsvFile(const CsvFile &) = delete;
    CsvFile &operator=(const CsvFile &) = delete;

    // Up to `size` bytes from where the last read ended; 0 at the end.
    [[nodiscard]] qsizetype read(char *data, qsizetype size);
    // The next read starts at the beginning again.
    void rewind();

private:
    [[noreturn]] void refuse(const QString &what) const;

    QString path_;
    int fd_ = -1;
    qint64 offset_ = 0;
};
