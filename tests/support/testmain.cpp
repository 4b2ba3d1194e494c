#include "support/recordingdialogs.h"
#include "support/testregistry.h"

#include <QApplication>
#include <QTest>

#include <cstring>

// Runs every registered test class; "test_x ClassName [qtest options]" runs one.
int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Aeroth VIR/IDI Dere Davovo"));
    // No test may open a real modal box by accident: it would never close.
    RecordingDialogs dialogs;
    setDialogs(&dialogs);

    const char *only = (argc > 1 && argv[1][0] != '-') ? argv[1] : nullptr;
    int qtestArgc = argc;
    char **qtestArgv = argv;
    std::vector<char *> rest;
    if (only != nullptr) {
        rest.push_back(argv[0]);
        for (int i = 2; i < argc; ++i)
            rest.push_back(argv[i]);
        qtestArgc = int(rest.size());
        qtestArgv = rest.data();
    }

    int failures = 0;
    for (const RegisteredTest &test : registeredTests()) {
        if (only != nullptr && std::strcmp(only, test.name) != 0)
            continue;
        dialogs.reset();
        std::unique_ptr<QObject> object = test.make();
        failures += QTest::qExec(object.get(), qtestArgc, qtestArgv);
    }
    return failures == 0 ? 0 : 1;
}
