#include "port_names.h"

#include <QtTest>

class TestPortNames : public QObject {
    Q_OBJECT

private slots:
    void listedPortsMapInOrderAndEmptyMeansMissing() {
        qputenv("VELANTAR_PORTS", "/dev/pts/7::/dev/ttyUSB0");
        QCOMPARE(PortNames::devicePath(1), QStringLiteral("/dev/pts/7"));
        QCOMPARE(PortNames::devicePath(2), QString());
        QCOMPARE(PortNames::devicePath(3), QStringLiteral("/dev/ttyUSB0"));
        QCOMPARE(PortNames::devicePath(4), QString());
        QCOMPARE(PortNames::devicePath(0), QString());
        QCOMPARE(PortNames::displayName(3), QStringLiteral("COM3"));
        qunsetenv("VELANTAR_PORTS");
    }

    void adaptersComeBeforeBuiltInPorts() {
        const QStringList found = {"/dev/ttyS10",  "/dev/ttyS2",   "/dev/ttyACM0",
                                   "/dev/ttyAMA0", "/dev/ttyUSB1", "/dev/ttyUSB0"};
        const QStringList expected = {"/dev/ttyUSB0", "/dev/ttyUSB1", "/dev/ttyACM0",
                                      "/dev/ttyS2",   "/dev/ttyS10",  "/dev/ttyAMA0"};
        QCOMPARE(PortNames::orderedSystemPorts(found), expected);
    }
};

QTEST_GUILESS_MAIN(TestPortNames)
#include "test_port_names.moc"
