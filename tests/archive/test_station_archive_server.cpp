#include "archive_sql.h"
#include "fixed_clock.h"
#include "postgres_server.h"
#include "scripted_prompts.h"
#include "station_archive.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>

// The archive of a post against a real PostgreSQL server of the test's own: records made
// while the server is away wait in the post's queue, and reach the server once, whole, when
// it is back; a record sent again after a lost answer is still there once.
class TestStationArchiveServer : public QObject {
    Q_OBJECT

    static ArchiveRecord record(const QString &number, const QDateTime &at) {
        ArchiveRecord made;
        made.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
        made.savedAt = at;
        made.vehicleNumber = number;
        made.detailText = QStringLiteral("Иванов");
        made.recordSlots[0].recorded = true;
        made.recordSlots[0].readings[0] = QStringLiteral("0,35");
        made.recordSlots[0].verdicts[0] = ArchiveVerdict::Pass;
        made.recordSlots[1].limits = {30, 100, 970, 1030};
        made.documentText = QStringLiteral("ОТЧЕТ\r\n") + number;
        return made;
    }

    // How many records with the id the server holds, read over a connection of the test's own.
    static int onServer(const PostgresServer &server, const QString &id) {
        int count = -1;
        {
            QSqlDatabase db = server.open(QStringLiteral("check"));
            QSqlQuery query(db);
            query.prepare(QStringLiteral("SELECT COUNT(*) FROM test_record WHERE id = ?"));
            query.addBindValue(id);
            if (db.isOpen() && query.exec() && query.next())
                count = query.value(0).toInt();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("check"));
        return count;
    }

private Q_SLOTS:
    void queuedRecordsReachTheServerOnce() {
        if (PostgresServer::binFolder().isEmpty())
            QSKIP("PostgreSQL is not installed");
        PostgresServer server;
        QVERIFY2(server.create(), qPrintable(server.error()));
        QTemporaryDir folder;
        FixedClock clock(QDateTime(QDate(2026, 12, 9), QTime(10, 0)));
        ScriptedPrompts prompts;
        StationArchive archive(folder.path(), clock, prompts);
        archive.setServer(server.settings());

        const ArchiveRecord sent = record(QStringLiteral("А001АА77"), clock.time);
        TestArchive::AddResult added = archive.add(sent);
        QVERIFY2(added.stored && !added.queued, qPrintable(added.reason));
        QCOMPARE(onServer(server, sent.id), 1);

        QVERIFY2(server.stop(), qPrintable(server.error()));
        const ArchiveRecord waiting = record(QStringLiteral("В002ВВ77"), clock.time.addSecs(60));
        added = archive.add(waiting);
        QVERIFY(added.stored);
        QVERIFY(added.queued);
        QCOMPARE(archive.statusText(), QString::fromUtf16(StationArchive::ServerUnreachable));
        QCOMPARE(archive.queuedCount(), 1);

        QVERIFY2(server.start(), qPrintable(server.error()));
        QVERIFY(archive.sendQueued());
        QVERIFY(archive.statusText().isEmpty());
        QCOMPARE(archive.queuedCount(), 0);
        QCOMPARE(onServer(server, waiting.id), 1);
        // Read back from the server as it was made.
        QCOMPARE(archive.record(waiting.id), waiting);
        QCOMPARE(archive.find({}).size(), 2);
        // Searched there by a part of the number, as the dialog asks: the newest few.
        ArchiveFilter fragment;
        fragment.vehicleNumber = QStringLiteral("002вв");
        fragment.limit = 10;
        const QList<ArchiveSummary> found = archive.find(fragment);
        QCOMPARE(found.size(), 1);
        QCOMPARE(found[0].id, waiting.id);
        QVERIFY(archive.statusText().isEmpty()); // the server's answer, not the local copy

        // The answer to a send was lost: the record goes again and is still there once.
        {
            QSqlDatabase local = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "local");
            local.setDatabaseName(folder.filePath(QStringLiteral("archive.sqlite")));
            QVERIFY(local.open());
            QSqlQuery query(local);
            query.prepare(QStringLiteral("INSERT INTO outbox (id) VALUES (?)"));
            query.addBindValue(waiting.id);
            QVERIFY(query.exec());
        }
        QSqlDatabase::removeDatabase("local");
        QVERIFY(archive.sendQueued());
        QCOMPARE(onServer(server, waiting.id), 1);
        QCOMPARE(archive.queuedCount(), 0);

        // A server archive as the version before the numbers' pieces left it: the next post
        // to connect adds the pieces of the records already there, and finds them by them.
        {
            QSqlDatabase db = server.open(QStringLiteral("older"));
            QSqlQuery query(db);
            QVERIFY(query.exec(QStringLiteral("DROP TABLE test_number_gram")));
            QVERIFY(query.exec(QStringLiteral("DELETE FROM schema_version WHERE version >= 3")));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("older"));
        QTemporaryDir otherFolder;
        StationArchive other(otherFolder.path(), clock, prompts);
        other.setServer(server.settings());
        for (const ArchiveRecord &stored : {sent, waiting}) {
            ArchiveFilter byPieces;
            byPieces.vehicleNumber = stored.vehicleNumber.mid(1, 5).toLower();
            byPieces.limit = 10;
            const QList<ArchiveSummary> found = other.find(byPieces);
            QCOMPARE(found.size(), 1);
            QCOMPARE(found[0].id, stored.id);
        }
        QVERIFY(other.statusText().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestStationArchiveServer)
#include "test_station_archive_server.moc"
