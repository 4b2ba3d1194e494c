#include "editor/paletteoverviewdialog.h"

#include "editor/swatchfieldaccessible.h"
#include "editor/swatchfill.h"
#include "editor/swatchsource.h"

#include <QHelpEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kRows = (ColourTable::kEntryCount + PaletteOverviewDialog::kPerRow - 1) /
                      PaletteOverviewDialog::kPerRow;

QString tooltip(int entry, const OverviewEntry &shown)
{
    if (!shown.bytes)
        return QStringLiteral("Entry %1: not a number").arg(entry);
    const auto &b = *shown.bytes;
    return QStringLiteral("Entry %1: ").arg(entry) + swatchWords(b[0], b[1], b[2], b[3]);
}

} // namespace

// The swatches, painted in one pass; a swatch is as wide as the field allows.
// For assistive technology each is a button named as its tooltip.
class SwatchField : public QWidget, private SwatchSource {
public:
    explicit SwatchField(PaletteOverviewDialog &dialog) : dialog_(dialog)
    {
        setObjectName(QStringLiteral("swatches"));
        setMinimumSize(PaletteOverviewDialog::kPerRow * PaletteOverviewDialog::kMinSwatch + 1,
                       kRows * PaletteOverviewDialog::kMinSwatch + 1);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        entries_.resize(ColourTable::kEntryCount);
    }

    void setEntries(const std::vector<OverviewEntry> &entries, int current)
    {
        entries_ = entries;
        current_ = current;
        update();
    }

    [[nodiscard]] QRect swatchRect(int entry) const
    {
        const int size = swatchSize();
        return {(entry % PaletteOverviewDialog::kPerRow) * size, (entry / PaletteOverviewDialog::kPerRow) * size,
                size, size};
    }

    static QAccessibleInterface *accessibleFactory(const QString &, QObject *object)
    {
        auto *field = dynamic_cast<SwatchField *>(object);
        return field != nullptr ? new SwatchFieldAccessible(*field) : nullptr;
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        for (int entry = 0; entry < int(entries_.size()); ++entry)
            paintSwatch(painter, entry);
        if (current_ >= 0 && current_ < int(entries_.size())) {
            // Black and white, so that it shows on every colour.
            const QRect rect = swatchRect(current_).adjusted(1, 1, -1, -1);
            painter.setPen(QPen(Qt::white, 3));
            painter.drawRect(rect);
            painter.setPen(QPen(Qt::black, 1));
            painter.drawRect(rect);
        }
        // Over the outline, which would hide most of the mark.
        for (int entry = 0; entry < int(entries_.size()); ++entry) {
            if (entries_[std::size_t(entry)].differs)
                paintDifferenceMark(painter, swatchRect(entry));
        }
    }

    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::ToolTip) {
            const auto *help = static_cast<QHelpEvent *>(event);
            const int entry = entryAt(help->pos());
            if (entry >= 0)
                QToolTip::showText(help->globalPos(), tooltip(entry, entries_[std::size_t(entry)]), this,
                                   swatchRect(entry));
            else
                QToolTip::hideText();
            return true;
        }
        return QWidget::event(event);
    }

    void mousePressEvent(QMouseEvent *event) override
    {
        const int entry = entryAt(event->position().toPoint());
        if (event->button() == Qt::LeftButton && entry >= 0 && dialog_.onClicked)
            dialog_.onClicked(entry);
    }

    void mouseDoubleClickEvent(QMouseEvent *event) override
    {
        const int entry = entryAt(event->position().toPoint());
        if (event->button() == Qt::LeftButton && entry >= 0 && dialog_.onDoubleClicked)
            dialog_.onDoubleClicked(entry);
    }

private:
    // SwatchSource
    [[nodiscard]] QWidget &swatchWidget() const override { return const_cast<SwatchField &>(*this); }
    [[nodiscard]] int swatchCount() const override { return int(entries_.size()); }
    [[nodiscard]] QString swatchName(int index) const override
    {
        return tooltip(index, entries_[std::size_t(index)]);
    }
    [[nodiscard]] QRect swatchArea(int index) const override { return swatchRect(index); }
    void pressSwatch(int index) override
    {
        if (dialog_.onClicked)
            dialog_.onClicked(index);
    }

    [[nodiscard]] int swatchSize() const
    {
        return std::max(PaletteOverviewDialog::kMinSwatch,
                        std::min((width() - 1) / PaletteOverviewDialog::kPerRow, (height() - 1) / kRows));
    }

    [[nodiscard]] int entryAt(QPoint pos) const
    {
        const int size = swatchSize();
        if (pos.x() < 0 || pos.y() < 0 || pos.x() >= size * PaletteOverviewDialog::kPerRow)
            return -1;
        const int entry = (pos.y() / size) * PaletteOverviewDialog::kPerRow + pos.x() / size;
        return entry < int(entries_.size()) ? entry : -1;
    }

    void paintSwatch(QPainter &painter, int entry)
    {
        const OverviewEntry &shown = entries_[std::size_t(entry)];
        const QRect rect = swatchRect(entry);
        painter.setPen(Qt::gray);
        fillSwatch(painter, rect, shown.bytes ? QColor((*shown.bytes)[0], (*shown.bytes)[1], (*shown.bytes)[2]) : QColor());
        painter.drawRect(rect);
    }

    static void paintDifferenceMark(QPainter &painter, const QRect &rect)
    {
        // A corner triangle, white edged in black, seen on every colour.
        const int side = std::max(8, rect.width() / 2);
        const QPoint corner = rect.topRight() + QPoint(1, 0);
        QPainterPath triangle;
        triangle.moveTo(corner);
        triangle.lineTo(corner - QPoint(side, 0));
        triangle.lineTo(corner + QPoint(0, side));
        triangle.closeSubpath();
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::white);
        painter.drawPath(triangle);
        painter.restore();
    }

    PaletteOverviewDialog &dialog_;
    std::vector<OverviewEntry> entries_;
    int current_ = -1;
};

PaletteOverviewDialog::PaletteOverviewDialog(QWidget *parent)
    : QDialog(parent), field_(new SwatchField(*this)), count_(new QLabel)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(&SwatchField::accessibleFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setWindowTitle(QStringLiteral("Palette Overview"));
    count_->setObjectName(QStringLiteral("count"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(field_, 1);
    layout->addWidget(count_);
}

void PaletteOverviewDialog::setEntries(const std::vector<OverviewEntry> &entries, int current)
{
    field_->setEntries(entries, current);
    const auto differing = std::count_if(entries.begin(), entries.end(),
                                         [](const OverviewEntry &e) { return e.differs; });
    count_->setText(differing == 1 ? QStringLiteral("1 entry differs from the file")
                                   : QStringLiteral("%1 entries differ from the file").arg(differing));
}

QWidget *PaletteOverviewDialog::swatchField() const
{
    return field_;
}

QPoint PaletteOverviewDialog::swatchCentre(int entry) const
{
    return field_->swatchRect(entry).center();
}

QString PaletteOverviewDialog::countLine() const
{
    return count_->text();
}
