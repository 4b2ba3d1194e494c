#pragma once

#include <QWidget>

// A text label of the About box: wraps its text at its width, breaks lines
// at "\r" and "\n", shows "&" as an ordinary character, and is as tall as
// its wrapped text plus 2 pixels. Sunken text is drawn one pixel right of
// and below its place in the highlight colour, then at its place.
class AboutLabel : public QWidget {
    Q_OBJECT

public:
    explicit AboutLabel(const QString &text, QWidget *parent = nullptr);

    [[nodiscard]] QString text() const { return text_; }
    void setSunken(bool sunken) { sunken_ = sunken; }
    [[nodiscard]] bool isSunken() const { return sunken_; }

    // The label's height at `width`; 0 without text.
    [[nodiscard]] int heightForWidth(int width) const override;
    [[nodiscard]] bool hasHeightForWidth() const override { return true; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString shown_; // the text with its line breaks as Qt draws them
    QString text_;
    bool sunken_ = false;
};
