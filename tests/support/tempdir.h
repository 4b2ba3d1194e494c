#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A scratch folder for one test, with helpers to make and read files in it.
class TempDir {
public:
    TempDir();

    [[nodiscard]] QString folder() const { return dir_.path(); }
    [[nodiscard]] QString path(const QString &name) const;
    // Writes `bytes` to `name` and returns its full path.
    QString write(const QString &name, const QByteArray &bytes) const;
    [[nodiscard]] QByteArray read(const QString &name) const;

    // `size` bytes where byte n holds n * 7 + 3 (mod 256): every byte differs
    // from its neighbours, so a misplaced write shows.
    [[nodiscard]] static QByteArray pattern(int size);

private:
    QTemporaryDir dir_;
};
