// SPDX-License-Identifier: GPL-3.0-or-later
// The frames on the wire to and from the engine, the frames each send of the program becomes,
// and engine.ini with what the engine tells about itself.
#include "link/agwwire.h"
#include "link/engineaddress.h"
#include "link/engineinfo.h"
#include "link/linkstatus.h"
#include "link/sendrules.h"
#include "support/testrows.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace zeno;
using namespace zeno::test;

namespace {

QByteArray header(char kind, quint32 length) {
    QByteArray bytes(36, '\0');
    bytes[4] = kind;
    for (int i = 0; i < 4; ++i)
        bytes[28 + i] = char((length >> (8 * i)) & 0xFF);
    return bytes;
}

// Feeds one read per piece and encodes again what came out, so a lost or altered field shows.
QByteArray decodedInReads(const QList<QByteArrayView>& reads) {
    WireDecoder decoder;
    std::vector<WireFrame> out;
    for (QByteArrayView read : reads) {
        if (decoder.feed(read, out) != WireDecoder::Status::Ok)
            return "corrupt";
    }
    QByteArray again;
    for (const WireFrame& frame : out)
        again += encodeWireFrame(frame);
    return decoder.pendingBytes() == 0 ? again : again + "(pending)";
}

// "V N0CALL>CQ <01>RS0ISS....Hello pid=f0": NUL shown as ".", other unprintables as <hex>.
QStringList describe(const std::vector<WireFrame>& frames) {
    QStringList list;
    for (const WireFrame& frame : frames) {
        QString data;
        for (char c : frame.data) {
            const uchar b = uchar(c);
            data += b == 0                    ? QStringLiteral(".")
                    : (b >= 0x20 && b < 0x7F) ? QString(QLatin1Char(c))
                                              : QStringLiteral("<%1>").arg(b, 2, 16, QChar(u'0'));
        }
        list << QStringLiteral("%1 %2>%3 %4%5")
                    .arg(QLatin1Char(frame.kind))
                    .arg(QString::fromLatin1(frame.callFrom), QString::fromLatin1(frame.callTo),
                         data, frame.pid ? QStringLiteral(" pid=%1").arg(frame.pid, 2, 16) : "")
                    .trimmed();
    }
    return list;
}

}  // namespace

class TestLinkRules : public QObject {
    Q_OBJECT
private slots:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void encodesTheHeaderLittleEndian() {
        const QByteArray data(300, 'x');
        // port 2, kind 'V', pid F0, from N0CALL, to CQ, 300 bytes of data, user 0
        QCOMPARE(encodeWireFrame({2, 'V', 0xF0, "N0CALL", "CQ", data}),
                 QByteArray::fromHex("02000000 5600 f000 4e3043414c4c00000000 "
                                     "43510000000000000000 2c010000 00000000") +
                     data);
        // The engine forces the 10th byte of a call to NUL: never hand it more than 9.
        QCOMPARE(encodeWireFrame({0, 'X', 0, "ABCDEFGHIJKL", "N1AAA-15", {}}).mid(8, 20),
                 QByteArray("ABCDEFGHI\0N1AAA-15\0\0", 20));
    }

    void decodesWhateverTheReadsLookLike() {
        QByteArray stream;
        for (const WireFrame& frame :
             std::vector<WireFrame>{{1, 'U', 0, "N0CALL", "CQ", QByteArray(258, 'a')},
                                    {0, 'R', 0, {}, {}, {}},
                                    {3, 'K', 0xF0, "N1AAA", "N2BBB", QByteArray("\0hi\r", 4)}})
            stream += encodeWireFrame(frame);
        // Cut 0 and cut at the end hand over all frames in one read.
        for (qsizetype cut = 0; cut <= stream.size(); ++cut) {
            const QByteArrayView all(stream);
            QVERIFY2(decodedInReads({all.first(cut), all.sliced(cut)}) == stream,
                     qPrintable(QStringLiteral("cut at %1").arg(cut)));
        }
        const QByteArray largest = header('D', 64 * 1024) + QByteArray(64 * 1024, 'z');
        QCOMPARE(decodedInReads({largest}), largest);

        // A call field that fills all 10 bytes has no NUL: it still ends after 10.
        WireDecoder decoder;
        std::vector<WireFrame> out;
        decoder.feed(header('C', 0).replace(8, 10, "ABCDEFGHIJ"), out);
        QCOMPARE(out.at(0).callFrom, "ABCDEFGHIJ");
    }

    void rejectsABrokenHeader_data() {
        columns<QByteArray, int>("bytes", "framesBefore");
        row("length over 64 KiB", header('U', 64 * 1024 + 1), 0);
        row("length 2^32-1", header('D', 0xFFFFFFFF), 0);
        row("kind digit", header('1', 0), 0);
        row("kind Latin-1 letter", header(char(0xC4), 0), 0);
        row("after a good frame", encodeWireFrame({0, 'y', 0, {}, {}, "1234"}) + header('[', 0), 1);
    }

    void rejectsABrokenHeader() {
        QFETCH(int, framesBefore);
        const QByteArray good = encodeWireFrame({0, 'R', 0, {}, {}, {}});
        WireDecoder decoder;
        std::vector<WireFrame> out;
        // Judged on the header alone: nothing of the announced data is awaited or buffered.
        QCOMPARE(decoder.feed(fetched<QByteArray>("bytes"), out), WireDecoder::Status::Corrupt);
        QCOMPARE(int(out.size()), framesBefore);
        QCOMPARE(decoder.pendingBytes(), 0);
        QCOMPARE(decoder.feed(good, out), WireDecoder::Status::Corrupt);
        decoder.reset();
        QCOMPARE(decoder.feed(good, out), WireDecoder::Status::Ok);
        QCOMPARE(int(out.size()), framesBefore + 1);
    }

    void mapsProgramKindsToApiFrames_data() {
        columns<QString, QString, QString, QStringList>("kind", "callField", "data", "expected");
        QString viaEight = QStringLiteral("V N0CALL>CQ <08>");
        for (int i = 1; i <= 8; ++i)
            viaEight += QStringLiteral("A%1........").arg(i);
        using L = QStringList;
        row("V without path is M", "V", "CQ ", QString::fromLatin1("caf\xe9"),
            L{"M N0CALL>CQ caf<e9>"});
        row("V lower case, commas, blanks, empty parts", "V", " cq  rs0iss,, wide2-1 ", "Hi",
            L{"V N0CALL>CQ <02>RS0ISS....WIDE2-1...Hi"});
        row("V path of nine keeps eight", "V", "CQ A1,A2,A3,A4,A5,A6,A7,A8,A9", "", L{viaEight});
        row("V path call cut to nine", "V", "CQ ABCDEFGHIJK", "x",
            L{"V N0CALL>CQ <01>ABCDEFGHI.x"});
        row("V without address", "V", "  ", "Hello", L{});
        row("c connects to the first word", "c", "n2bbb N9DIG", "", L{"C N0CALL>N2BBB"});
        row("v with path", "v", "N2BBB N9DIG,N8DIG", "",
            L{"v N0CALL>N2BBB <02>N9DIG.....N8DIG....."});
        row("v without path connects directly", "v", "N2BBB ", "", L{"C N0CALL>N2BBB"});
        row("d from a call-from buffer", "d", QStringLiteral("n2bbb") + QChar(0) + "garbage", "",
            L{"d N0CALL>N2BBB"});
        row("d without address", "d", "", "", L{});
        row("D to a linked station", "D", "N1AAA N9DIG", "hello\r",
            L{"D N0CALL>N1AAA hello<0d> pid=f0"});
        row("D from the call the station connected to", "D", "N3CCC", "x",
            L{"D N0CALL-1>N3CCC x pid=f0"});
        row("d from the call the station connected to", "d", "N3CCC", "", L{"d N0CALL-1>N3CCC"});
        row("D to an unlinked station", "D", "N2BBB", "hello", L{});
        row("D empty", "D", "N1AAA", "", L{});
        row("P registers", "P", "n0call", "", L{"X N0CALL>"});
        row("not the program's kind", "M", "CQ", "x", L{});
    }

    void mapsProgramKindsToApiFrames() {
        ConnectedStations links;
        links.linkUp(QStringLiteral("N1AAA"), QStringLiteral("N0CALL"));
        links.linkUp(QStringLiteral("n3ccc"), QStringLiteral("n0call-1"));  // case does not matter
        links.linkUp(QStringLiteral("N2BBB"), QStringLiteral("N0CALL"));
        links.linkDown(QStringLiteral("n2bbb"));
        const auto frames =
            wireFramesForSend(fetched<QString>("kind").at(0), fetched<QString>("callField"),
                              fetched<QString>("data"), QStringLiteral("n0call"), 3, links);
        QTEST(describe(frames), "expected");
        for (const WireFrame& frame : frames)
            QCOMPARE(frame.port, 3);
    }

    void splitsLongData() {
        ConnectedStations links;
        links.linkUp(QStringLiteral("N1AAA"), QStringLiteral("N0CALL"));
        const QString data = QStringLiteral("abcdefghijklmnopqrstuvwxyz").repeated(24);
        const auto frames = wireFramesForSend(u'D', QStringLiteral("N1AAA"), data,
                                              QStringLiteral("N0CALL"), 0, links);
        QCOMPARE(frames.size(), size_t(3));
        QByteArray joined;
        for (const WireFrame& frame : frames) {
            QVERIFY(frame.data.size() <= 256);
            joined += frame.data;
        }
        QCOMPARE(joined, data.toLatin1());

        // The engine closes a client that sends more than 2122 bytes at once.
        const auto ui = wireFramesForSend(u'V', QStringLiteral("CQ RS0ISS"), QString(5000, u'x'),
                                          QStringLiteral("N0CALL"), 0, links);
        QCOMPARE(ui.size(), size_t(1));
        QVERIFY(ui[0].data.size() <= 2122);
    }

    // "problem" is the reason the status bar and the monitor give, "shown" what the setup
    // dialog offers to mend (host|port as the file has them).
    void readsEngineIni_data() {
        columns<QByteArray, QString, QString, QString>("content", "address", "problem", "shown");
        const QString local = QStringLiteral("127.0.0.1:8000");
        row("missing: written", QByteArray(), local, "", "");
        row("plain", QByteArray("host=192.168.1.5\nport=8001\n"), "192.168.1.5:8001", "", "");
        row("CR LF, blanks, case, ack",
            QByteArray("  HOST = engine.local \r\nPort= 65535\r\nack=0"), "engine.local:65535", "",
            "");
        row("comments and blank lines", QByteArray("; engine\n\n# where\nport=1\nhost=localhost"),
            "localhost:1", "", "");
        row("empty host", QByteArray("port=8001\r\nhost=\r\n"), local, "line 2 not understood",
            "|8001");
        row("port 0", QByteArray("host=h\nport=0\n"), local, "line 2 not understood", "h|0");
        row("unknown key", QByteArray("host=h\nport=8001\nmode=fast\n"), local,
            "line 3 not understood", "h|8001");
        row("binary", QByteArray("\x01\x02\x03\x04", 4), local, "line 1 not understood",
            "127.0.0.1|8000");
        row("no port", QByteArray("host=h\n"), local, "has no port line", "h|8000");
        row("huge", QByteArray("host=h\nport=8001\n") + QByteArray(10000, '#'), local,
            "is larger than 4096 bytes", "127.0.0.1|8000");
    }

    void readsEngineIni() {
        QFETCH(QByteArray, content);
        QFETCH(QString, problem);
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("engine.ini")));
        if (!content.isNull()) {
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
            file.close();
        }
        const EngineSettings read = loadEngineSettings(dir.path());
        QTEST(engineAddressText(read.address), "address");
        QCOMPARE(read.acknowledgeMessages, !content.contains("ack=0"));
        QCOMPARE(bool(read.problem), !problem.isEmpty());
        if (read.problem) {
            QCOMPARE(read.problem->text, "engine.ini " + problem + ": using 127.0.0.1:8000");
            QTEST(read.problem->host + "|" + read.problem->port, "shown");
        }
        // A missing file is written with the defaults; the operator's own file is left alone.
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), content.isNull() ? "host=127.0.0.1\r\nport=8000\r\n" : content);
    }

    // Through a replace in one step, so a failed write never leaves a cut or empty file; it is
    // reported instead.
    void writesEngineIni() {
        QTemporaryDir dir;
        const EngineSettings off{EngineAddress{QStringLiteral("engine.local"), 8001}, false, {}};
        QCOMPARE(saveEngineSettings(dir.path(), off), QString());
        const EngineSettings read = loadEngineSettings(dir.path());
        QCOMPARE(read.address, off.address);
        QVERIFY(!read.acknowledgeMessages && !read.problem);
        const QString gone = dir.filePath(QStringLiteral("gone"));
        QVERIFY(!saveEngineSettings(gone, off).isEmpty());
        const std::optional<EngineFileProblem> problem = loadEngineSettings(gone).problem;
        QVERIFY(problem && problem->text.startsWith("engine.ini could not be written ("));
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

QTEST_GUILESS_MAIN(TestLinkRules)
#include "tst_linkrules.moc"
