#include "editor/comparedialog.h"

#include "editor/swatchfill.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kSwatchSize = 16;

QPixmap swatch(const ColourTable &table, int entry)
{
    QPixmap pixmap(kSwatchSize, kSwatchSize);
    pixmap.fill(QColor(table.byte(entry, 0), table.byte(entry, 1), table.byte(entry, 2)));
    // A frame, so that a swatch of the window's own colour still shows.
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, kSwatchSize - 1, kSwatchSize - 1);
    return pixmap;
}

} // namespace

CompareDialog::CompareDialog(const ColourTable &ours, const ColourTable &theirs, QWidget *parent)
    : QDialog(parent), ours_(ours), theirs_(theirs), differences_(compareTables(ours, theirs)),
      rows_(new QTableWidget(int(differences_.size()), 3))
{
    setWindowTitle(QStringLiteral("Compare"));
    auto *summary = new QLabel(differences_.empty()
                                   ? QStringLiteral("The color tables are identical.")
                                   : QStringLiteral("%1 of %2 entries differ")
                                         .arg(differences_.size())
                                         .arg(ColourTable::kEntryCount));
    summary->setObjectName(QStringLiteral("summary"));

    rows_->setHorizontalHeaderLabels(
        {QStringLiteral("Entry"), QStringLiteral("This file"), QStringLiteral("Other file")});
    rows_->verticalHeader()->hide();
    rows_->setAccessibleName(QStringLiteral("Differing entries"));
    rows_->setSelectionBehavior(QAbstractItemView::SelectRows);
    rows_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    rows_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int row = 0; row < int(differences_.size()); ++row)
        addRow(row, differences_[std::size_t(row)]);
    rows_->resizeColumnsToContents();
    rows_->horizontalHeader()->setStretchLastSection(true);

    auto *buttons = new QDialogButtonBox;
    takeSelected_ = buttons->addButton(QStringLiteral("Take &Selected"), QDialogButtonBox::ActionRole);
    takeSelected_->setEnabled(false);
    QPushButton *takeAll = buttons->addButton(QStringLiteral("Take &All"), QDialogButtonBox::ActionRole);
    takeAll->setEnabled(!differences_.empty());
    QPushButton *close = buttons->addButton(QStringLiteral("Close"), QDialogButtonBox::RejectRole);
    close->setDefault(true);
    connect(takeSelected_, &QPushButton::clicked, this, [this] { take(false); });
    connect(takeAll, &QPushButton::clicked, this, [this] { take(true); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(rows_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { takeSelected_->setEnabled(rows_->selectionModel()->hasSelection()); });

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(summary);
    layout->addWidget(rows_);
    layout->addWidget(buttons);
    resize(460, 420);
}

void CompareDialog::addRow(int row, const EntryDifference &difference)
{
    auto *entry = new QTableWidgetItem(QString::number(difference.entry));
    entry->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    rows_->setItem(row, 0, entry);
    // Items under the side widgets carry the selection's highlight, and
    // the values for assistive technology, which reads no cell widgets.
    rows_->setItem(row, 1, sideItem(ours_, difference.entry));
    rows_->setItem(row, 2, sideItem(theirs_, difference.entry));
    rows_->setCellWidget(row, 1, side(ours_, difference));
    rows_->setCellWidget(row, 2, side(theirs_, difference));
}

QTableWidgetItem *CompareDialog::sideItem(const ColourTable &table, int entry)
{
    auto *item = new QTableWidgetItem;
    item->setData(Qt::AccessibleTextRole, swatchWords(table.byte(entry, 0), table.byte(entry, 1),
                                                      table.byte(entry, 2), table.byte(entry, 3)));
    return item;
}

QWidget *CompareDialog::side(const ColourTable &table, const EntryDifference &difference) const
{
    QStringList values;
    for (int k = 0; k < ColourTable::kEntrySize; ++k) {
        const QString value = QString::number(table.byte(difference.entry, k));
        values << (difference.byteDiffers[std::size_t(k)] ? QStringLiteral("<b>%1</b>").arg(value) : value);
    }
    auto *widget = new QWidget;
    auto *layout = new QHBoxLayout(widget);
    layout->setContentsMargins(4, 1, 4, 1);
    auto *colour = new QLabel;
    colour->setPixmap(swatch(table, difference.entry));
    auto *text = new QLabel(values.join(QLatin1Char(' ')));
    text->setTextFormat(Qt::RichText);
    layout->addWidget(colour);
    layout->addWidget(text, 1);
    // Clicks reach the table, which selects the row.
    widget->setAttribute(Qt::WA_TransparentForMouseEvents);
    return widget;
}

void CompareDialog::take(bool all)
{
    taken_.clear();
    for (int row = 0; row < int(differences_.size()); ++row) {
        if (all || rows_->selectionModel()->isRowSelected(row))
            taken_.push_back(differences_[std::size_t(row)].entry);
    }
    if (!taken_.empty())
        accept();
}
