#include "platform/core/linuxsysteminfo.h"
#include "support/testregistry.h"

#include <QTest>

class SystemInfoTest : public QObject {
    Q_OBJECT

private slots:
    void cpuinfo_data()
    {
        QTest::addColumn<QByteArray>("cpuinfo");
        QTest::addColumn<QString>("modelName");
        QTest::addColumn<int>("type");
        // "model" comes before "model name" and must not be taken for it.
        QTest::newRow("x86") << QByteArray("processor\t: 0\ncpu family\t: 6\nmodel\t\t: 85\n"
                                           "model name\t: Intel(R) Xeon(R)  CPU @ 2.00GHz \nprocessor\t: 1\n"
                                           "model name\t: second\n")
                             << "Intel(R) Xeon(R) CPU @ 2.00GHz" << 586;
        QTest::newRow("arm, neither")
            << QByteArray("processor\t: 0\nBogoMIPS\t: 48.00\nCPU part\t: 0xd0c\n") << "" << 0;
    }

    void cpuinfo()
    {
        QFETCH(QByteArray, cpuinfo);
        QFETCH(QString, modelName);
        QFETCH(int, type);
        QCOMPARE(LinuxSystemInfo::modelNameIn(cpuinfo), modelName);
        QCOMPARE(LinuxSystemInfo::typeCodeIn(cpuinfo), type);
    }
};

DAVOVO_TEST(SystemInfoTest);
#include "systeminfotest.moc"
