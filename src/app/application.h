#pragma once

#include <QApplication>

// The application object: its title labels the program and captions the
// error box; every event it delivers runs under the error guard.
class DavovoApplication : public QApplication {
    Q_OBJECT

public:
    static constexpr const char *kTitle = "Aeroth VIR/IDI Dere Davovo";

    DavovoApplication(int &argc, char **argv);

    // Delivers events under the error guard, as a backstop for code that Qt
    // reaches without passing one of the program's own guards.
    bool notify(QObject *receiver, QEvent *event) override;

    // The program's icon, on every window and the application.
    [[nodiscard]] static QIcon programIcon();
};
