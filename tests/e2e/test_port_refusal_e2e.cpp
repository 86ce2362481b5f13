#include "pseudo_terminal.h"
#include "real_port_link.h"
#include "unprivileged.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QtTest>

#include <sys/stat.h>

// The search over real pseudo-terminals, run as a user whom the system refuses the first
// port: the warning that nothing was found says which port could not be opened and what to
// do, and an analyser on a port the user may open is found as usual.
class TestPortRefusalE2E : public QObject {
    Q_OBJECT

    // The search as "Связь" runs it, its detection ticks driven here; between ticks the
    // line gets time to deliver an answer. True when the warning shown and the analyser
    // found are the expected ones.
    static bool searchAsTheUser(const QStringList &warnings, bool found) {
        RealPortLink rig;
        LinkController &link = rig.link;
        TSerial &serial = rig.serial;
        link.startConnection();
        for (int tick = 0; tick < 10 && link.isSearching(); ++tick) {
            link.StartTimerTimer();
            const QDeadlineTimer answerTime(3000);
            while (serial.IsOpen() && serial.BytesWaiting() == 0 && !answerTime.hasExpired())
                QThread::msleep(10);
        }
        return rig.prompts.shown == warnings && link.isPolling() == found;
    }

private slots:
    void aRefusedPortIsReported_data() {
        QTest::addColumn<bool>("analyserOnCom2");
        QTest::addColumn<bool>("warned");
        QTest::newRow("nothing else") << false << true;
        QTest::newRow("analyser on COM2") << true << false;
    }
    void aRefusedPortIsReported() {
        QFETCH(bool, analyserOnCom2);
        QFETCH(bool, warned);
        PseudoTerminal refused;
        QVERIFY(refused.isValid());
        QCOMPARE(::chmod(QFile::encodeName(refused.slavePath()).constData(), 0), 0);
        EmulatorProcess emulator;
        QString second = QStringLiteral("/nonexistent/tty9");
        if (analyserOnCom2) {
            QVERIFY(emulator.start());
            second = emulator.devicePath();
            // The emulator's terminal is open to the user the search runs as.
            QCOMPARE(::chmod(QFile::encodeName(second).constData(), 0666), 0);
        }
        qputenv("VELANTAR_PORTS", (refused.slavePath() + ':' + second).toLocal8Bit());

        const QString warning =
            QStringLiteral("Прибор не обнаружен !\n\nНет доступа к порту COM1 (%1). Добавьте "
                           "пользователя в группу dialout и войдите в систему заново.")
                .arg(refused.slavePath());
        const std::optional<bool> asExpected = Unprivileged::run([&] {
            return searchAsTheUser(warned ? QStringList{warning} : QStringList{}, !warned);
        });
        if (!asExpected)
            QSKIP("running as root and unable to search as an ordinary user");
        QVERIFY(*asExpected);
    }
};

QTEST_GUILESS_MAIN(TestPortRefusalE2E)
#include "test_port_refusal_e2e.moc"
