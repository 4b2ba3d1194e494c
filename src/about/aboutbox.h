#pragma once

#include "about/abouttexts.h"

#include <QDialog>
#include <QImage>
#include <QMargins>

// Everything the About box shows, gathered before it is built.
struct AboutContent {
    QString caption;
    AboutTexts texts;
    SystemTexts system;
    QImage picture; // shown stretched to the picture's place
    int titlePointSize = 22;
    bool emailGiven = false;
};

// The About box, built control by control: the picture, the column of texts
// beside it, a separator, the system figures and the "OK" button, which is
// the default and the cancel button.
class AboutBox : public QDialog {
    Q_OBJECT

public:
    // `frame` is the frame the platform adds around the client area, as far
    // as it is known before the box is shown; the outer width is fixed.
    AboutBox(const AboutContent &content, const QMargins &frame, QWidget *parent = nullptr);

    [[nodiscard]] QSize outerSize() const { return size().grownBy(frame_); }

private:
    void addPicture(const QImage &picture);
    class AboutLabel *addLabel(const QString &text, const QFont &font, const char *name);

    QMargins frame_;
};
