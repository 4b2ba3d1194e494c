#pragma once

#include <QPoint>
#include <QString>

#include <optional>

// What the grid remembers about editing: whether editor mode is on, which
// cell the in-place editor was loaded from, the cell the validation check
// watches with its text, the text Escape restores, and whether the grid has
// ever been its window's focused control.
class EditState {
public:
    [[nodiscard]] bool isEditorMode() const { return editorMode_; }
    void setEditorMode(bool on) { editorMode_ = on; }

    // The cell the editor was loaded from; nothing after it was hidden.
    [[nodiscard]] bool isLoadedFrom(QPoint cell) const { return loadedFrom_ == cell; }
    void setLoadedFrom(QPoint cell) { loadedFrom_ = cell; }
    void clearLoadedFrom() { loadedFrom_.reset(); }

    [[nodiscard]] QPoint checkCell() const { return checkCell_; }
    [[nodiscard]] const QString &checkText() const { return checkText_; }
    // Watches `cell`, whose present text is `text`.
    void arm(QPoint cell, const QString &text)
    {
        checkCell_ = cell;
        checkText_ = text;
    }

    [[nodiscard]] const QString &restoreText() const { return restoreText_; }
    void setRestoreText(const QString &text) { restoreText_ = text; }

    [[nodiscard]] bool isEntered() const { return entered_; }
    void setEntered() { entered_ = true; }

private:
    bool editorMode_ = false;
    std::optional<QPoint> loadedFrom_;
    QPoint checkCell_;
    QString checkText_;
    QString restoreText_;
    bool entered_ = false;
};
