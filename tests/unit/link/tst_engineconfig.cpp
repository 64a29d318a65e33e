#include "link/engineaddress.h"
#include "link/engineinfo.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace zeno;

namespace {

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QByteArray le32(quint32 value) {
    QByteArray bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = char((value >> (8 * i)) & 0xFF);
    return bytes;
}

}  // namespace

class TestEngineConfig : public QObject {
    Q_OBJECT
private slots:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void writesTheDefaultsWhenTheFileIsMissing() {
        QTemporaryDir dir;
        const EngineAddress address = loadEngineAddress(dir.path());
        QCOMPARE(address.host, QStringLiteral("127.0.0.1"));
        QCOMPARE(address.port, quint16(8000));
        QCOMPARE(readFile(dir.filePath(QStringLiteral("engine.ini"))),
                 QByteArray("host=127.0.0.1\r\nport=8000\r\n"));
        QCOMPARE(loadEngineAddress(dir.path()).port, quint16(8000));
    }

    void readsAnAddress_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("host");
        QTest::addColumn<int>("port");
        QTest::newRow("plain") << QByteArray("host=192.168.1.5\nport=8001\n") << "192.168.1.5"
                               << 8001;
        QTest::newRow("CR LF, blanks, case")
            << QByteArray("  HOST = engine.local \r\nPort= 18000\r\n") << "engine.local" << 18000;
        QTest::newRow("comments and blank lines")
            << QByteArray("; engine\n\n# where\nport=1\nhost=localhost") << "localhost" << 1;
    }

    void readsAnAddress() {
        QFETCH(QByteArray, content);
        QFETCH(QString, host);
        QFETCH(int, port);
        QTemporaryDir dir;
        writeFile(dir.filePath(QStringLiteral("engine.ini")), content);
        const EngineAddress address = loadEngineAddress(dir.path());
        QCOMPARE(address.host, host);
        QCOMPARE(int(address.port), port);
    }

    void aMalformedFileMeansTheDefaults_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("no equals sign") << QByteArray("host 127.0.0.2\nport=8001\n");
        QTest::newRow("empty host") << QByteArray("host=\nport=8001\n");
        QTest::newRow("blank in host") << QByteArray("host=a b\nport=8001\n");
        QTest::newRow("port 0") << QByteArray("host=h\nport=0\n");
        QTest::newRow("port too big") << QByteArray("host=h\nport=65536\n");
        QTest::newRow("port not a number") << QByteArray("host=h\nport=80x\n");
        QTest::newRow("host only") << QByteArray("host=h\n");
        QTest::newRow("port only") << QByteArray("port=8001\n");
        QTest::newRow("unknown key") << QByteArray("host=h\nport=8001\nmode=fast\n");
        QTest::newRow("binary") << QByteArray("\x00\xff\x01host=h\x00port=1", 16);
        QTest::newRow("huge") << QByteArray("host=h\nport=8001\n") + QByteArray(10000, '#');
    }

    void aMalformedFileMeansTheDefaults() {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("engine.ini"));
        writeFile(path, content);
        const EngineAddress address = loadEngineAddress(dir.path());
        QCOMPARE(address.host, QStringLiteral("127.0.0.1"));
        QCOMPARE(address.port, quint16(8000));
        QCOMPARE(readFile(path), content);  // the operator's file is left alone
    }

    void namesTheEngine_data() {
        QTest::addColumn<QByteArray>("versionReply");
        QTest::addColumn<QByteArray>("portsReply");
        QTest::addColumn<QString>("expected");
        const QByteArray version = le32(2005) + le32(127);
        const QString head = QStringLiteral("AGWPE engine 127.0.0.1:8000 version ");
        QTest::newRow("mono")
            << version
            << QByteArray(
                   "1;Port1 first soundcard mono;Port2 INVALID CHANNEL;Port3 INVALID CHANNEL;"
                   "Port4 INVALID CHANNEL;Port5 INVALID CHANNEL;Port6 INVALID CHANNEL;") +
                   '\0'
            << head + "2005.127, 1 radio port: Port1 first soundcard mono";
        QTest::newRow("stereo")
            << version
            << QByteArray(
                   "2;Port1 first soundcard left;Port2 first soundcard right;Port3 INVALID "
                   "CHANNEL;") +
                   '\0'
            << head +
                   "2005.127, 2 radio ports: Port1 first soundcard left; Port2 first soundcard "
                   "right";
        QTest::newRow("more names than the count")
            << version << QByteArray("1;A;B;") << head + "2005.127, 1 radio port: A";
        QTest::newRow("no ports") << version << QByteArray("0;")
                                  << head + "2005.127, 0 radio ports";
        QTest::newRow("control characters")
            << le32(1) + le32(2) << QByteArray("1;Port1\r\nodd\tname;")
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
