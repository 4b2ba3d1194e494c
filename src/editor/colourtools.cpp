#include "editor/colourtools.h"

#include "colour/colourramp.h"
#include "colour/colourtable.h"
#include "colour/hexcolours.h"
#include "colour/hsladjust.h"
#include "colour/tablefile.h"
#include "editor/adjustcoloursdialog.h"
#include "editor/comparedialog.h"
#include "editor/editorgrid.h"
#include "editor/paletteoverviewdialog.h"
#include "platform/gui/dialogs.h"
#include "platform/gui/errorreporting.h"
#include "platform/core/exceptions.h"
#include "platform/core/intconvert.h"

#include <QClipboard>
#include <QColorDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QScopeGuard>
#include <QScreen>
#include <QTimer>

#include <algorithm>

namespace {

constexpr int kRedRow = 1;
constexpr int kBlueRow = 3;
constexpr int kFourthRow = 4;
// Pixels between the swatches and a dialog placed below them.
constexpr int kDialogGap = 24;

quint8 byteOf(const QString &text)
{
    return quint8(strToInt(text));
}

// The red, green and blue cells of `count` entries from `firstEntry` on.
QRect rgbCells(int firstEntry, int count)
{
    return {QPoint(firstEntry + 1, kRedRow), QPoint(firstEntry + count, kBlueRow)};
}

QString droppedMessage(qsizetype dropped)
{
    return dropped == 1 ? QStringLiteral("1 color did not fit after entry 245.")
                        : QStringLiteral("%1 colors did not fit after entry 245.").arg(dropped);
}

FileDialogRequest compareDialog(const QString &folder)
{
    return {QStringLiteral("Compare With"),
            {{QStringLiteral("Color Tables"),
              {QStringLiteral("*.spl"), QStringLiteral("*.pal"), QStringLiteral("*.clr"), QStringLiteral("*.gpl"),
               QStringLiteral("*.act"), QStringLiteral("*.hex"), QStringLiteral("*.png"), QStringLiteral("*.ase"),
               QStringLiteral("*.txt")}},
             {QStringLiteral("All Files"), {QStringLiteral("*")}}},
            QString(),
            folder};
}

} // namespace

ColourTools::ColourTools(EditorGrid &grid, std::function<bool()> fileOpen)
    : grid_(grid), fileOpen_(std::move(fileOpen))
{
}

ColourTools::~ColourTools()
{
    // The grid and the overview live on in the window a little longer.
    grid_.onViewChanged = nullptr;
    delete overview_;
}

void ColourTools::fileReadOrSaved(const QString &path, const ColourTable &table)
{
    reference_ = table;
    folder_ = QFileInfo(path).absolutePath();
    refreshOverview();
}

ColourTools::Entries ColourTools::selectedEntries() const
{
    const QRect selection = grid_.selection();
    return {std::max(selection.left(), 1) - 1, std::min(selection.right(), ColourTable::kEntryCount) - 1};
}

bool ColourTools::isEnabled(Command command) const
{
    switch (command) {
    case Command::Ramp:
    case Command::RampByHue:
        return selectedEntries().count() >= 3;
    case Command::PasteHex: {
        const QMimeData *data = QGuiApplication::clipboard()->mimeData();
        return fileOpen_() && data != nullptr && data->hasText();
    }
    case Command::PickColor:
    case Command::AdjustColors:
    case Command::PaletteOverview:
    case Command::CompareWith:
    case Command::CopyAsHex:
        return fileOpen_();
    }
    return false;
}

void ColourTools::run(Command command, QWidget *owner)
{
    if (!isEnabled(command))
        return;
    switch (command) {
    case Command::PickColor:
        pickColour(owner);
        break;
    case Command::Ramp:
        ramp(false);
        break;
    case Command::RampByHue:
        ramp(true);
        break;
    case Command::AdjustColors:
        adjustColours(owner);
        break;
    case Command::PaletteOverview:
        paletteOverview(owner);
        break;
    case Command::CompareWith:
        compareWith(owner);
        break;
    case Command::CopyAsHex:
        copyAsHex();
        break;
    case Command::PasteHex:
        pasteHex();
        break;
    }
}

// ---- The commands ---------------------------------------------------------------

void ColourTools::pickColour(QWidget *owner)
{
    const int entry = grid_.col() - 1;
    // A column the grid grew to by a paste is no entry.
    if (entry >= ColourTable::kEntryCount)
        return;
    const Rgb colour = colours({entry, entry}).front();
    QColorDialog dialog(QColor(colour.red, colour.green, colour.blue), owner);
    // Qt's own dialog, with its HSV and RGB fields, the HTML field and the
    // screen colour picker, on every desktop.
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    dialog.setWindowTitle(QStringLiteral("Pick Color for Entry %1").arg(entry));
    if (dialogs().runModal(dialog) != QDialog::Accepted)
        return;
    const QColor chosen = dialog.selectedColor();
    change(entry, {Rgb{quint8(chosen.red()), quint8(chosen.green()), quint8(chosen.blue())}});
}

void ColourTools::ramp(bool byHue)
{
    const Entries entries = selectedEntries();
    const Rgb first = colours({entries.first, entries.first}).front();
    const Rgb last = colours({entries.last, entries.last}).front();
    const int steps = entries.last - entries.first;
    change(entries.first + 1, byHue ? hueRamp(first, last, steps) : rgbRamp(first, last, steps));
}

void ColourTools::adjustColours(QWidget *owner)
{
    const Entries entries = selectedEntries();
    if (entries.count() < 1)
        return;
    const std::vector<Rgb> before = colours(entries);
    const auto adjusted = [&before](const HslShift &shift) {
        std::vector<Rgb> after;
        after.reserve(before.size());
        for (const Rgb &colour : before)
            after.push_back(adjustHsl(colour, shift));
        return after;
    };
    const QRect cells = rgbCells(entries.first, entries.count());
    const QStringList saved = texts(cells);

    AdjustColoursDialog dialog(owner);
    placeBelowSwatches(dialog);
    // The grid shows the result while the values change.
    QObject::connect(&dialog, &AdjustColoursDialog::shiftChanged, &dialog, [&] {
        guarded([&] {
            write(entries.first, adjusted(dialog.shift()));
            repaintSwatches();
        });
    });
    int result = QDialog::Rejected;
    {
        // However the dialog ends, the cells get their texts back exactly;
        // OK then writes the result as one undo step.
        const auto putBack = qScopeGuard([&] {
            setTexts(cells, saved);
            repaintSwatches();
        });
        result = dialogs().runModal(dialog);
    }
    if (result == QDialog::Accepted)
        change(entries.first, adjusted(dialog.shift()));
}

void ColourTools::placeBelowSwatches(QWidget &dialog) const
{
    // Centred over the window it would hide the very cells it changes.
    const QRect swatch = grid_.cellRect(grid_.col(), EditorGrid::kSwatchRow);
    if (swatch.isEmpty())
        return;
    dialog.adjustSize();
    QRect place(grid_.viewport()->mapToGlobal(QPoint(swatch.left(), swatch.bottom() + kDialogGap)),
                dialog.size());
    const QRect screen = grid_.screen()->availableGeometry();
    place.moveRight(std::min(place.right(), screen.right()));
    place.moveBottom(std::min(place.bottom(), screen.bottom()));
    dialog.move(place.topLeft());
}

void ColourTools::copyAsHex()
{
    const Entries entries = selectedEntries();
    if (entries.count() < 1)
        return;
    QGuiApplication::clipboard()->setText(hexLines(colours(entries)));
}

void ColourTools::pasteHex()
{
    const QString text = QGuiApplication::clipboard()->text();
    const std::vector<Rgb> pasted = readHexColours(text);
    const int first = grid_.col() - 1;
    const qsizetype fit =
        std::clamp(qsizetype(ColourTable::kEntryCount - first), qsizetype(0), qsizetype(pasted.size()));
    if (fit > 0)
        change(first, std::vector<Rgb>(pasted.begin(), pasted.begin() + fit));
    if (fit < qsizetype(pasted.size()))
        dialogs().showInformation(droppedMessage(qsizetype(pasted.size()) - fit));
}

void ColourTools::paletteOverview(QWidget *owner)
{
    if (!overview_) {
        overview_ = new PaletteOverviewDialog(owner);
        overview_->onClicked = [this](int entry) { guarded([&] { overviewClicked(entry, false); }); };
        overview_->onDoubleClicked = [this](int entry) { guarded([&] { overviewClicked(entry, true); }); };
        // Changes come in bursts (a paste writes many cells): one refresh
        // after each burst.
        refresh_ = new QTimer(overview_);
        refresh_->setSingleShot(true);
        refresh_->setInterval(0);
        QObject::connect(refresh_, &QTimer::timeout, overview_, [this] { refreshOverview(); });
        grid_.onViewChanged = [this] { refresh_->start(); };
        // Where it hides no swatch of the grid; Qt keeps the place and the
        // size the user gives it while the program runs.
        placeBelowSwatches(*overview_);
    }
    overview_->show();
    overview_->raise();
    overview_->activateWindow();
    refreshOverview();
}

void ColourTools::refreshOverview()
{
    // A hidden overview is brought up to date when shown again.
    if (!overview_ || !overview_->isVisible())
        return;
    std::vector<OverviewEntry> entries(std::size_t(ColourTable::kEntryCount));
    for (int entry = 0; entry < ColourTable::kEntryCount; ++entry) {
        OverviewEntry &shown = entries[std::size_t(entry)];
        // A cell that is not a number marks its entry; it raises no error box.
        try {
            std::array<quint8, ColourTable::kEntrySize> bytes{};
            for (int k = 0; k < ColourTable::kEntrySize; ++k)
                bytes[std::size_t(k)] = byteOf(settledText(entry + 1, k + 1));
            shown.bytes = bytes;
        } catch (const EConvertError &) {
        }
        shown.differs = !shown.bytes;
        for (int k = 0; shown.bytes && k < ColourTable::kEntrySize; ++k)
            shown.differs = shown.differs || (*shown.bytes)[std::size_t(k)] != reference_.byte(entry, k);
    }
    const int current = grid_.col() - 1;
    overview_->setEntries(entries, current < ColourTable::kEntryCount ? current : -1);
}

QString ColourTools::settledText(int col, int row) const
{
    // The cell being typed into counts once the edit ends.
    if (grid_.isEditorMode() && grid_.currentCell() == QPoint(col, row))
        return grid_.oldCellText();
    return grid_.cell(col, row);
}

void ColourTools::overviewClicked(int entry, bool twice)
{
    // The row stays; the move runs the check on the cell left, as any does.
    if (grid_.col() != entry + 1)
        grid_.moveCurrentCell(entry + 1, grid_.row());
    if (twice && isEnabled(Command::PickColor))
        pickColour(overview_);
}

void ColourTools::compareWith(QWidget *owner)
{
    const std::optional<QString> path = dialogs().openFileName(owner, compareDialog(folder_));
    if (!path)
        return;
    TableFile file(*path);
    const Palette other = file.colours();
    file.close();
    const ColourTable ours = gridTable();
    // What the other file does not give (entries past a short palette's end,
    // fourth bytes) counts as equal, as Import Colors keeps the grid's.
    const ColourTable theirs = other.appliedTo(ours);
    CompareDialog dialog(ours, theirs, owner);
    if (dialogs().runModal(dialog) != QDialog::Accepted || dialog.takenEntries().empty())
        return;
    const std::vector<int> &taken = dialog.takenEntries();
    const QRect cells(QPoint(taken.front() + 1, kRedRow), QPoint(taken.back() + 1, kFourthRow));
    grid_.recordChange(cells, [&] {
        for (int entry : taken)
            for (int k = 0; k < ColourTable::kEntrySize; ++k)
                grid_.setCell(entry + 1, k + 1, QString::number(theirs.byte(entry, k)));
    });
    grid_.indicatorOn();
    repaintSwatches();
}

// ---- Cells ------------------------------------------------------------------------

std::vector<Rgb> ColourTools::colours(Entries entries) const
{
    std::vector<Rgb> result;
    for (int entry = entries.first; entry <= entries.last; ++entry) {
        const int col = entry + 1;
        result.push_back(
            {byteOf(grid_.cell(col, 1)), byteOf(grid_.cell(col, 2)), byteOf(grid_.cell(col, 3))});
    }
    return result;
}

void ColourTools::change(int firstEntry, const std::vector<Rgb> &colours)
{
    if (colours.empty())
        return;
    grid_.recordChange(rgbCells(firstEntry, int(colours.size())), [&] { write(firstEntry, colours); });
    grid_.indicatorOn();
    repaintSwatches();
}

void ColourTools::write(int firstEntry, const std::vector<Rgb> &colours)
{
    int col = firstEntry + 1;
    for (const Rgb &colour : colours) {
        grid_.setCell(col, 1, QString::number(colour.red));
        grid_.setCell(col, 2, QString::number(colour.green));
        grid_.setCell(col, 3, QString::number(colour.blue));
        ++col;
    }
}

QStringList ColourTools::texts(const QRect &cells) const
{
    QStringList result;
    for (int col = cells.left(); col <= cells.right(); ++col)
        for (int row = cells.top(); row <= cells.bottom(); ++row)
            result << grid_.cell(col, row);
    return result;
}

void ColourTools::setTexts(const QRect &cells, const QStringList &texts)
{
    qsizetype i = 0;
    for (int col = cells.left(); col <= cells.right(); ++col)
        for (int row = cells.top(); row <= cells.bottom(); ++row)
            grid_.setCell(col, row, texts[i++]);
}

ColourTable ColourTools::gridTable() const
{
    ColourTable table;
    for (int entry = 0; entry < ColourTable::kEntryCount; ++entry)
        for (int k = 0; k < ColourTable::kEntrySize; ++k)
            table.setByte(entry, k, byteOf(grid_.cell(entry + 1, k + 1)));
    return table;
}

void ColourTools::repaintSwatches()
{
    // The swatches are painted at the end of every pass over the cells.
    grid_.viewport()->update();
}
