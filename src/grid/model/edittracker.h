#pragma once

#include <QPoint>
#include <QString>

#include <functional>
#include <optional>

// OnCellValidate: the watched cell's text differs from its text when it was
// armed; the handler may change the value and clear `valid`.
using CellValidateHandler = std::function<void(int col, int row, QString &value, bool &valid)>;

// The cells the validation check reads and writes.
class CheckTarget {
public:
    [[nodiscard]] virtual QString cellText(QPoint cell) const = 0;
    // A write by the program: an editor shown over the cell is reloaded.
    virtual void writeCell(QPoint cell, const QString &text) = 0;
    [[nodiscard]] virtual QPoint currentCell() const = 0;
    // Makes `cell` current again after a refused value (the editor closes).
    virtual void returnTo(QPoint cell) = 0;

protected:
    ~CheckTarget() = default;
};

// What the grid remembers about editing: whether editor mode is on, which
// cell the in-place editor was loaded from, the cell the validation check
// watches with its text, the text Escape restores, and whether the grid has
// ever been its window's focused control. It also runs the validation check.
class EditTracker {
public:
    [[nodiscard]] bool isEditorMode() const { return editorMode_; }
    void setEditorMode(bool on) { editorMode_ = on; }

    // The cell the editor was loaded from; nothing after it was hidden.
    [[nodiscard]] bool isLoadedFrom(QPoint cell) const { return loadedFrom_ == cell; }
    void setLoadedFrom(QPoint cell) { loadedFrom_ = cell; }
    void clearLoadedFrom() { loadedFrom_.reset(); }

    [[nodiscard]] QPoint checkCell() const { return checkCell_; }
    [[nodiscard]] const QString &checkText() const { return checkText_; }
    // Watches the current cell of `target` with its present text.
    void rearm(const CheckTarget &target);

    [[nodiscard]] const QString &restoreText() const { return restoreText_; }
    void setRestoreText(const QString &text) { restoreText_ = text; }

    [[nodiscard]] bool isEntered() const { return entered_; }
    void setEntered() { entered_ = true; }

    // The validation check: when the watched cell's text differs from its
    // text when armed, the handler judges it; a changed value is written
    // back, a refused unchanged one puts the armed text back and returns to
    // the cell. Then the check is re-armed on the current cell. An exception
    // from the handler leaves the check armed as it was, so the same cell is
    // judged again at the next trigger. Returns whether the text was valid.
    bool check(CheckTarget &target, const CellValidateHandler &onCellValidate);

private:
    bool editorMode_ = false;
    std::optional<QPoint> loadedFrom_;
    QPoint checkCell_;
    QString checkText_;
    QString restoreText_;
    bool entered_ = false;
};
