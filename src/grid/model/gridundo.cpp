#include "grid/model/gridundo.h"

#include <algorithm>

namespace {

qsizetype sizeOf(const std::vector<CellEdit> &edits)
{
    qsizetype bytes = 0;
    for (const CellEdit &edit : edits)
        bytes +=
            qsizetype(sizeof(CellEdit)) + (edit.before.size() + edit.after.size()) * qsizetype(sizeof(QChar));
    return bytes;
}

} // namespace

// A step on the stack. Its change is already in the cells when it is
// pushed, so the redo that pushing runs writes nothing.
class GridUndo::Command : public QUndoCommand {
public:
    Command(GridUndo &owner, std::shared_ptr<Step> step) : owner_(owner), step_(std::move(step)) {}
    ~Command() override { owner_.bytes_ -= step_->expired ? 0 : step_->bytes; }

    void undo() override { owner_.apply(*step_, true); }
    void redo() override
    {
        if (pushed_)
            owner_.apply(*step_, false);
        pushed_ = true;
    }
    [[nodiscard]] bool isExpired() const { return step_->expired; }

private:
    GridUndo &owner_;
    std::shared_ptr<Step> step_;
    bool pushed_ = false;
};

GridUndo::GridUndo(CellStore &cells, std::function<void(QPoint first)> restored)
    : cells_(cells), restored_(std::move(restored))
{
    stack_.setUndoLimit(kMaxSteps);
}

GridUndo::~GridUndo()
{
    stack_.clear();
}

void GridUndo::recordSince(const CellStore &before, const QRect &area)
{
    std::vector<CellEdit> edits;
    for (int col = area.left(); col <= area.right(); ++col) {
        for (int row = area.top(); row <= area.bottom(); ++row) {
            QString was = before.text(col, row);
            QString now = cells_.text(col, row);
            if (was != now)
                edits.push_back({{col, row}, std::move(was), std::move(now)});
        }
    }
    push(std::move(edits));
}

void GridUndo::record(const QRect &area, const std::function<void()> &change)
{
    const CellStore before = cells_;
    change();
    recordSince(before, area);
}

void GridUndo::recordEdit(QPoint cell, const QString &before, const QString &after)
{
    if (before != after)
        push({{cell, before, after}});
}

void GridUndo::push(std::vector<CellEdit> edits)
{
    if (edits.empty())
        return;
    auto step = std::make_shared<Step>();
    step->bytes = sizeOf(edits);
    // A step larger than the whole budget cannot be kept; the steps before
    // it would then restore texts over its change, so they go as well.
    if (step->bytes > kMaxBytes) {
        clear();
        return;
    }
    step->edits = std::move(edits);
    bytes_ += step->bytes;
    ledger_.push_back(step);
    stack_.push(new Command(*this, step));
    dropOldestTexts();
}

void GridUndo::dropOldestTexts()
{
    // Steps the stack already deleted have left the ledger's weak pointers empty.
    std::erase_if(ledger_, [](const std::weak_ptr<Step> &step) { return step.expired(); });
    for (auto it = ledger_.begin();
         bytes_ > kMaxBytes && it != ledger_.end() && std::next(it) != ledger_.end(); ++it) {
        const std::shared_ptr<Step> step = it->lock();
        if (!step || step->expired)
            continue;
        bytes_ -= step->bytes;
        step->expired = true;
        step->edits = {};
    }
}

bool GridUndo::canUndo() const
{
    if (!stack_.canUndo())
        return false;
    const auto *next = static_cast<const Command *>(stack_.command(stack_.index() - 1));
    return !next->isExpired();
}

void GridUndo::undo()
{
    if (canUndo())
        stack_.undo();
}

void GridUndo::redo()
{
    stack_.redo();
}

void GridUndo::clear()
{
    stack_.clear();
    ledger_.clear();
}

void GridUndo::apply(const Step &step, bool undo)
{
    if (step.edits.empty())
        return;
    QPoint first = step.edits.front().cell;
    for (const CellEdit &edit : step.edits) {
        if (cells_.contains(edit.cell.x(), edit.cell.y()))
            cells_.setText(edit.cell.x(), edit.cell.y(), undo ? edit.before : edit.after);
        if (edit.cell.x() < first.x() || (edit.cell.x() == first.x() && edit.cell.y() < first.y()))
            first = edit.cell;
    }
    if (restored_)
        restored_(first);
}
