#include "link/engineaddress.h"
#include "link/engineinfo.h"
#include "support/testrows.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace zeno;
using namespace zeno::test;

class TestEngineConfig : public QObject {
    Q_OBJECT
private slots:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void readsTheAddress_data() {
        columns<QByteArray, QString, int>("content", "host", "port");  // null content: no file
        const QString local = QStringLiteral("127.0.0.1");
        row("missing", QByteArray(), local, 8000);
        row("plain", QByteArray("host=192.168.1.5\nport=8001\n"), "192.168.1.5", 8001);
        row("CR LF, blanks, case", QByteArray("  HOST = engine.local \r\nPort= 65535\r\n"),
            "engine.local", 65535);
        row("comments and blank lines", QByteArray("; engine\n\n# where\nport=1\nhost=localhost"),
            "localhost", 1);
        // Anything malformed means the defaults.
        for (const char* bad : {"host 127.0.0.2\nport=8001\n", "host=a b\nport=8001\n",
                                "host=h\nport=0\n", "host=h\nport=65536\n", "host=h\n",
                                "host=h\nport=8001\nmode=fast\n", "host=h\nport=8001\nack=yes\n"})
            row(QByteArray(bad).replace('\n', '|').constData(), QByteArray(bad), local, 8000);
        row("huge", QByteArray("host=h\nport=8001\n") + QByteArray(10000, '#'), local, 8000);
    }

    void readsTheAddress() {
        QFETCH(QByteArray, content);
        QFETCH(QString, host);
        QFETCH(int, port);
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("engine.ini")));
        if (!content.isNull()) {
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
            file.close();
        }
        const EngineAddress address = loadEngineAddress(dir.path());
        QCOMPARE(address.host, host);
        QCOMPARE(int(address.port), port);
        // A missing file is written with the defaults; the operator's own file is left alone.
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), content.isNull() ? "host=127.0.0.1\r\nport=8000\r\n" : content);
    }

    void keepsTheAcknowledgeSwitch() {
        QTemporaryDir dir;
        QVERIFY(loadEngineSettings(dir.path()).acknowledgeMessages);  // on without the key
        const EngineSettings off{EngineAddress{QStringLiteral("engine.local"), 8001}, false};
        QCOMPARE(saveEngineSettings(dir.path(), off), QString());
        const EngineSettings read = loadEngineSettings(dir.path());
        QCOMPARE(read.address, off.address);
        QVERIFY(!read.acknowledgeMessages);
    }

    void namesTheEngine() {
        const auto text = [](const QByteArray& versionReply, const QByteArray& portsReply) {
            EngineInfo info;
            info.takeVersionReply(versionReply);
            info.takePortsReply(portsReply);
            return info.complete() ? startupText(EngineAddress{}, info).mid(36) : QString();
        };
        QVERIFY(!EngineInfo().complete());
        QCOMPARE(startupText(EngineAddress{}, EngineInfo{}),
                 "AGWPE engine 127.0.0.1:8000 version unknown, radio ports unknown");
        const QByteArray version = QByteArray::fromHex("d5070000 7f000000");  // 2005, 127
        QCOMPARE(text(version, QByteArray("2;Port1 soundcard left;Port2 soundcard right;"
                                          "Port3 INVALID CHANNEL;") +
                                   '\0'),
                 "2005.127, 2 radio ports: Port1 soundcard left; Port2 soundcard right");
        QCOMPARE(text(version, "1;A;B;"), "2005.127, 1 radio port: A");
        QCOMPARE(text(QByteArray::fromHex("01000000 02000000"), "1;Port1\r\nodd\tname;"),
                 "1.2, 1 radio port: Port1 odd name");
        QCOMPARE(text(QByteArray("\x01\x02", 2), "0;"), "unknown, 0 radio ports");
    }
};

QTEST_GUILESS_MAIN(TestEngineConfig)
#include "tst_engineconfig.moc"
