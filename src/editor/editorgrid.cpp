#include "editor/editorgrid.h"

#include "editor/swatchfill.h"
#include "grid/view/gridpainter.h"
#include "platform/core/exceptions.h"
#include "platform/core/intconvert.h"
#include "platform/gui/errorreporting.h"
#include "platform/gui/windowfont.h"

#include <QLineEdit>
#include <QPainter>

#include <array>

namespace {

constexpr int kColCount = ColourTable::kEntryCount + 1;
constexpr int kRowCount = 6;
constexpr int kCellWidth = 45;
constexpr int kCellHeight = 21;

const QColor kMaroon(128, 0, 0);     // colour reference 128
const QColor kSilver(192, 192, 192); // colour reference 12632256

} // namespace

EditorGrid::EditorGrid(ColourTable &table, QWidget *parent)
    : StringGrid(kColCount, kRowCount, parent), table_(table)
{
    setDefaultColWidth(kCellWidth);
    setFixedColWidth(kCellWidth);
    setDefaultRowHeight(kCellHeight);
    setFixedRowHeight(kCellHeight);
    QFont font = windowFont();
    // Crisp like the bitmap font it stands for; the text shows its exact colour.
    font.setStyleStrategy(QFont::NoAntialias);
    setFont(font);
    GridStyle gridStyle = style();
    gridStyle.font = font;
    gridStyle.fixedFont = font;
    setStyle(gridStyle);
    setColumnHeaders({QStringLiteral("Location")});
    setRowHeaders({QStringLiteral("Location"), QStringLiteral("Red"), QStringLiteral("Green"),
                   QStringLiteral("Blue"), QStringLiteral("???"), QStringLiteral("Color")});

    onDrawCell = [this](int col, int row, const QRect &rect, DrawStates state) {
        StringGrid1DrawCell(col, row, rect, state);
    };
    onGetEditText = [this](int col, int row, QString &value) { StringGrid1GetEditText(col, row, value); };
    setAccessibleName(QStringLiteral("Color table"));
    onAccessibleCellName = [this](int col, int row, QString &name) {
        if (row == kSwatchRow && col >= 1 && col <= ColourTable::kEntryCount)
            name = swatchName(col);
    };
    onCellValidate = [this](int col, int row, QString &value, bool &valid) {
        StringGrid1CellValidate(col, row, value, valid);
    };
    // An undo or redo makes the grid differ from what it was.
    onCellsRestored = [this] { indicatorOn(); };
    // The swatch follows the typing: the new colour, or the invalid mark.
    connect(inplaceEditor(), &QLineEdit::textEdited, this, [this] {
        const QRect swatch = cellRect(col(), kSwatchRow);
        if (!swatch.isEmpty())
            viewport()->update(swatch);
    });
}

void EditorGrid::writeColumnHeaders()
{
    for (int entry = 0; entry < ColourTable::kEntryCount; ++entry)
        setCell(entry + 1, 0, QString::number(entry));
}

void EditorGrid::fillFromTable()
{
    for (int entry = 0; entry < ColourTable::kEntryCount; ++entry) {
        for (int k = 0; k < ColourTable::kEntrySize; ++k)
            setCell(entry + 1, k + 1, QString::number(table_.byte(entry, k)));
    }
    autoSizeColumns(true, 0);
    colorthecell();
}

QRect EditorGrid::valueCells()
{
    return {QPoint(1, 1), QPoint(ColourTable::kEntryCount, ColourTable::kEntrySize)};
}

void EditorGrid::toTable(int entry)
{
    Q_ASSERT(entry >= 0 && entry < ColourTable::kEntryCount);
    std::array<quint8, ColourTable::kEntrySize> bytes{};
    for (int k = 0; k < ColourTable::kEntrySize; ++k)
        bytes[std::size_t(k)] = quint8(strToInt(cell(entry + 1, k + 1)));
    for (int k = 0; k < ColourTable::kEntrySize; ++k)
        table_.setByte(entry, k, bytes[std::size_t(k)]);
}

const QString &EditorGrid::oldCellText() const
{
    return oldCellText_;
}

void EditorGrid::setOldCellText(const QString &text)
{
    oldCellText_ = text;
}

void EditorGrid::indicatorOn()
{
    indicator_ = true;
    setFixedColours(kMaroon, kSilver);
}

void EditorGrid::indicatorOff()
{
    indicator_ = false;
    setFixedColours(palette().color(QPalette::Button), palette().color(QPalette::WindowText));
}

void EditorGrid::setFixedColours(const QColor &background, const QColor &text)
{
    GridStyle gridStyle = style();
    gridStyle.fixedColor = background;
    gridStyle.fixedFontColor = text;
    setStyle(gridStyle);
}

bool EditorGrid::isIndicatorOn() const
{
    return indicator_;
}

// ---- Swatches ----------------------------------------------------------------
//
// A swatch shows its column's colour over the row-5 cell, with a focus
// rectangle on its border. They are painted over the cells once at the end
// of each paint pass, for the row-5 cells that pass drew, rather than all 246
// at every cell drawn: the picture is the same (the swatches lie over
// everything the cells drew), and the conversions run once per pass.
//
// While a red, green or blue text is not an integer, its column's swatch is
// white with a red cross, the other swatches keep showing their colours, and
// the conversion error reaches the error box once (through the paint latch,
// or from the edit that caused it, which marks it as shown). While the
// in-place editor is open the user is still typing ("-" on the way to "-5"):
// no repaint reports the error then; the end of the edit does, through the
// validation check.

EditorGrid::Swatches EditorGrid::convertSwatches()
{
    Swatches swatches;
    swatches.colours.assign(std::size_t(colCount()), QColor());
    for (int col = 1; col <= ColourTable::kEntryCount; ++col) {
        for (int row = 1; row <= ColourTable::kEntrySize; ++row) {
            if (cell(col, row).isEmpty())
                setCell(col, row, QStringLiteral("0"));
        }
        // The pass goes on to paint every other swatch; the error is raised
        // again once the pass is over.
        try {
            const int blue = quint8(strToInt(cell(col, 3)));
            const int green = quint8(strToInt(cell(col, 2)));
            const int red = quint8(strToInt(cell(col, 1)));
            swatches.colours[std::size_t(col)] = QColor(red, green, blue);
        } catch (const EConvertError &) {
            if (!swatches.error)
                swatches.error = std::current_exception();
        }
    }
    return swatches;
}

QString EditorGrid::swatchName(int col) const
{
    std::array<int, 3> rgb{};
    for (int k = 0; k < 3; ++k) {
        const QString text = cell(col, k + 1);
        // Reading a name must not report anything: the edit or the paint
        // that shows the mark reports the error.
        try {
            rgb[std::size_t(k)] = text.isEmpty() ? 0 : quint8(strToInt(text));
        } catch (const EConvertError &) {
            return QStringLiteral("invalid");
        }
    }
    return QColor(rgb[0], rgb[1], rgb[2]).name();
}

void EditorGrid::paintSwatch(QPainter &painter, int col, const QColor &colour)
{
    const QRect rect = cellRect(col, kSwatchRow);
    if (rect.isEmpty())
        return;
    fillSwatch(painter, rect, colour);
    GridPainter::drawFocusRect(painter, rect);
}

void EditorGrid::colorthecell()
{
    const Swatches swatches = convertSwatches();
    if (swatches.error) {
        // Shown by the error box for this raise; the repaints that follow
        // must not show it again.
        paintErrorLatch().markShown(exceptionMessage(swatches.error));
        std::rethrow_exception(swatches.error);
    }
    viewport()->update();
}

void EditorGrid::paintPassFinished(QPainter &painter)
{
    const Swatches swatches = convertSwatches();
    for (int col : pendingSwatches_)
        paintSwatch(painter, col, swatches.colours[std::size_t(col)]);
    pendingSwatches_.clear();
    if (swatches.error && !isEditorMode())
        std::rethrow_exception(swatches.error);
}

// ---- Events -------------------------------------------------------------------

void EditorGrid::StringGrid1DrawCell(int col, int row, const QRect &, DrawStates)
{
    if (row == kSwatchRow && col >= 1 && col <= ColourTable::kEntryCount)
        pendingSwatches_.push_back(col);
}

void EditorGrid::StringGrid1GetEditText(int, int, QString &value)
{
    oldCellText_ = value;
}

void EditorGrid::StringGrid1CellValidate(int, int, QString &value, bool &)
{
    if (value != oldCellText_) {
        colorthecell();
        indicatorOn();
    }
}
