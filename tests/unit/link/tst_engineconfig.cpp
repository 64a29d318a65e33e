#include "link/engineaddress.h"
#include "link/engineinfo.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace zeno;

namespace {

void defaultsRow(const char* name, const QByteArray& content) {
    QTest::newRow(name) << content << QStringLiteral("127.0.0.1") << 8000;
}

}  // namespace

class TestEngineConfig : public QObject {
    Q_OBJECT
private slots:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void readsTheAddress_data() {
        QTest::addColumn<QByteArray>("content");  // null: no file
        QTest::addColumn<QString>("host");
        QTest::addColumn<int>("port");
        defaultsRow("missing", QByteArray());
        QTest::newRow("plain") << QByteArray("host=192.168.1.5\nport=8001\n") << "192.168.1.5"
                               << 8001;
        QTest::newRow("CR LF, blanks, case")
            << QByteArray("  HOST = engine.local \r\nPort= 18000\r\n") << "engine.local" << 18000;
        QTest::newRow("comments and blank lines")
            << QByteArray("; engine\n\n# where\nport=1\nhost=localhost") << "localhost" << 1;
        // Anything malformed means the defaults.
        defaultsRow("empty", "");
        defaultsRow("no equals sign", "host 127.0.0.2\nport=8001\n");
        defaultsRow("empty host", "host=\nport=8001\n");
        defaultsRow("blank in host", "host=a b\nport=8001\n");
        defaultsRow("port 0", "host=h\nport=0\n");
        defaultsRow("port too big", "host=h\nport=65536\n");
        defaultsRow("port not a number", "host=h\nport=80x\n");
        defaultsRow("host only", "host=h\n");
        defaultsRow("port only", "port=8001\n");
        defaultsRow("unknown key", "host=h\nport=8001\nmode=fast\n");
        defaultsRow("ack neither 0 nor 1", "host=h\nport=8001\nack=yes\n");
        defaultsRow("binary", QByteArray("\x00\xff\x01host=h\x00port=1", 16));
        defaultsRow("huge", QByteArray("host=h\nport=8001\n") + QByteArray(10000, '#'));
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

    void namesTheEngine_data() {
        QTest::addColumn<QByteArray>("versionReply");
        QTest::addColumn<QByteArray>("portsReply");
        QTest::addColumn<QString>("expected");
        const QByteArray version = QByteArray::fromHex("d5070000 7f000000");  // 2005, 127
        const QString head = QStringLiteral("AGWPE engine 127.0.0.1:8000 version ");
        QTest::newRow("stereo, as the engine sends it")
            << version
            << QByteArray(
                   "2;Port1 first soundcard left;Port2 first soundcard right;"
                   "Port3 INVALID CHANNEL;") +
                   '\0'
            << head +
                   "2005.127, 2 radio ports: Port1 first soundcard left; Port2 first "
                   "soundcard right";
        QTest::newRow("more names than the count")
            << version << QByteArray("1;A;B;") << head + "2005.127, 1 radio port: A";
        QTest::newRow("no ports") << version << QByteArray("0;")
                                  << head + "2005.127, 0 radio ports";
        QTest::newRow("control characters")
            << QByteArray::fromHex("01000000 02000000") << QByteArray("1;Port1\r\nodd\tname;")
            << head + "1.2, 1 radio port: Port1 odd name";
        QTest::newRow("short version reply")
            << QByteArray("\x01\x02", 2) << QByteArray("1;P;") << head + "unknown, 1 radio port: P";
    }

    void namesTheEngine() {
        QFETCH(QByteArray, versionReply);
        QFETCH(QByteArray, portsReply);
        QFETCH(QString, expected);
        EngineInfo info;
        QVERIFY(!info.complete());
        info.takeVersionReply(versionReply);
        info.takePortsReply(portsReply);
        QVERIFY(info.complete());
        QCOMPARE(startupText(EngineAddress{}, info), expected);
    }
};

QTEST_GUILESS_MAIN(TestEngineConfig)
#include "tst_engineconfig.moc"
