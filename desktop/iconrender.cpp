// Renders the program's 32 x 32 icon at the sizes of the desktop's icon
// theme: whole multiples pixel for pixel, others from a whole multiple of
// twice their size averaged down, so the design stays crisp.
//   iconrender <icon.xpm> <output folder> <size>...
#include <QDir>
#include <QImage>
#include <QString>

#include <cstdio>

namespace {

QImage rendered(const QImage &icon, int size)
{
    const int width = icon.width();
    if (size % width == 0)
        return icon.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const int factor = (2 * size + width - 1) / width;
    const QImage large =
        icon.scaled(width * factor, width * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return large.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: iconrender <icon.xpm> <output folder> <size>...\n");
        return 2;
    }
    const QImage icon = QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_ARGB32);
    if (icon.isNull() || icon.width() != icon.height()) {
        std::fprintf(stderr, "iconrender: cannot read a square icon from %s\n", argv[1]);
        return 1;
    }
    const QDir folder(QString::fromLocal8Bit(argv[2]));
    for (int n = 3; n < argc; ++n) {
        const int size = QString::fromLocal8Bit(argv[n]).toInt();
        const QString path = folder.filePath(QStringLiteral("%1.png").arg(size));
        if (size <= 0 || !rendered(icon, size).save(path, "PNG")) {
            std::fprintf(stderr, "iconrender: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
