#pragma once

#include <QIcon>
#include <QString>

class QWidget;

// What the About box shows and how it appears; the editor window keeps one
// for the whole run, and every show builds a new box from it.
struct AboutSettings {
    enum class Effect { None, ExplodeExt };

    QString appName = QStringLiteral("VIR/IDI Dere Davovo");
    QString version = QStringLiteral("Version: 30SEP01");
    QString description = QStringLiteral("A fine little tool for editing Aeroth SPL or PAL files.");
    QString copyright = QStringLiteral("Copyright (c) the Dere Davovo developers. Free to use and share.");
    QString captionTitle = QStringLiteral("About ZOD/IRI Zozevo");
    // Blank texts fall back on the program's version strings.
    bool useResInfo = true;
    int appNameSize = 22; // points
    Effect effect = Effect::ExplodeExt;
    // The animation's pace: each of its rectangles waits effectDelay x 20
    // microseconds (0 counts as 1).
    int effectDelay = 75;
    // Only its presence matters here: the link labels are never shown.
    QString email;
    // The text of the second button, hidden while empty.
    QString customButton;
    // The picture's icon; the application's icon when none is set.
    QIcon icon;

    // Builds the box, places it centred on the screen, runs the animation
    // from the mouse pointer, shows the box modally over `owner` until it is
    // closed and destroys it. Always true.
    bool execute(QWidget *owner = nullptr) const;
};
