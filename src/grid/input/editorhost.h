#pragma once

class QFocusEvent;
class QKeyEvent;

// What the in-place editor tells its grid: the keys it passes on and its
// focus changes. Its text changes arrive through QLineEdit::textEdited.
class EditorHost {
public:
    virtual void editorKeyPressed(QKeyEvent *event) = 0;
    virtual void editorFocusIn(QFocusEvent *event) = 0;
    virtual void editorFocusOut(QFocusEvent *event) = 0;

protected:
    ~EditorHost() = default;
};
