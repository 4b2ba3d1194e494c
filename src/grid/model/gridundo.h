#pragma once

#include "grid/model/cellstore.h"

#include <QPoint>
#include <QRect>
#include <QString>
#include <QUndoStack>

#include <functional>
#include <memory>
#include <vector>

// One cell's text before and after a change.
struct CellEdit {
    QPoint cell;
    QString before;
    QString after;
};

// The undo history of the grid's cell texts: every change a user makes (a
// finished edit, a paste with its smart fill, a cut, a drop, an import) is
// one step holding the cells it changed. Undo and redo write the texts
// straight into the cells; the column and row counts stay as they are.
//
// Memory stays bounded: at most kMaxSteps steps, and the texts of the
// oldest steps are let go once all steps hold more than kMaxBytes; such a
// step can no longer be undone, nor any before it. A single change larger
// than kMaxBytes is not recorded and clears the history.
class GridUndo {
public:
    static constexpr int kMaxSteps = 1000;
    static constexpr qsizetype kMaxBytes = qsizetype(64) << 20;

    // `restored` runs after an undo or redo with the first cell it changed
    // (in column order).
    GridUndo(CellStore &cells, std::function<void(QPoint first)> restored);
    ~GridUndo();

    // Records how the cells in `area` differ from `before`, a copy of the
    // cells taken before the change. Nothing when none differs.
    void recordSince(const CellStore &before, const QRect &area);
    // Runs `change` and records what it did to the cells in `area`.
    void record(const QRect &area, const std::function<void()> &change);
    // Records one cell's change (a finished edit).
    void recordEdit(QPoint cell, const QString &before, const QString &after);

    [[nodiscard]] bool canUndo() const;
    void undo();
    void redo();
    // Forgets every step (a new file was opened).
    void clear();

    [[nodiscard]] int steps() const { return stack_.count(); }
    [[nodiscard]] qsizetype bytes() const { return bytes_; }

    // What one step holds, shared with the ledger that lets go of the oldest.
    struct Step {
        std::vector<CellEdit> edits;
        qsizetype bytes = 0;
        bool expired = false;
    };

private:
    class Command;

    void push(std::vector<CellEdit> edits);
    void apply(const Step &step, bool undo);
    void dropOldestTexts();

    CellStore &cells_;
    std::function<void(QPoint)> restored_;
    QUndoStack stack_;
    std::vector<std::weak_ptr<Step>> ledger_; // oldest first
    qsizetype bytes_ = 0;
};
