#include "link/agwwire.h"

#include <QTest>

using namespace zeno;

namespace {

WireFrame makeFrame(char kind, const QByteArray& from, const QByteArray& to, const QByteArray& data,
                    int port = 0, int pid = 0) {
    WireFrame frame;
    frame.kind = kind;
    frame.callFrom = from;
    frame.callTo = to;
    frame.data = data;
    frame.port = port;
    frame.pid = pid;
    return frame;
}

bool sameFrame(const WireFrame& a, const WireFrame& b) {
    return a.port == b.port && a.kind == b.kind && a.pid == b.pid && a.callFrom == b.callFrom &&
           a.callTo == b.callTo && a.data == b.data;
}

QByteArray header(char kind, quint32 length) {
    QByteArray bytes(36, '\0');
    bytes[4] = kind;
    for (int i = 0; i < 4; ++i)
        bytes[28 + i] = char((length >> (8 * i)) & 0xFF);
    return bytes;
}

}  // namespace

class TestAgwWire : public QObject {
    Q_OBJECT
private slots:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void encodesTheHeaderLittleEndian() {
        const QByteArray data(300, 'x');
        const QByteArray bytes = encodeWireFrame(makeFrame('V', "N0CALL", "CQ", data, 2, 0xF0));
        const QByteArray expected = QByteArray::fromHex(
            "02000000"
            "5600"
            "f000"
            "4e3043414c4c00000000"  // N0CALL
            "43510000000000000000"  // CQ
            "2c010000"              // 300
            "00000000");
        QCOMPARE(bytes.size(), 36 + 300);
        QCOMPARE(bytes.left(36), expected);
        QCOMPARE(bytes.mid(36), data);
    }

    void encodesAnEmptyFrameAsHeaderOnly() {
        const QByteArray bytes = encodeWireFrame(makeFrame('m', {}, {}, {}));
        QCOMPARE(bytes, header('m', 0));
    }

    // The engine forces the 10th byte of a call to NUL: never hand it more than 9 characters.
    void cutsCallsToNineCharacters() {
        const QByteArray bytes = encodeWireFrame(makeFrame('X', "ABCDEFGHIJKL", "N1AAA-15", {}));
        QCOMPARE(bytes.mid(8, 10), QByteArray("ABCDEFGHI\0", 10));
        QCOMPARE(bytes.mid(18, 10), QByteArray("N1AAA-15\0\0", 10));
    }

    void decodesFramesSplitAtEveryOffset() {
        const WireFrame first = makeFrame('U', "N0CALL", "CQ", QByteArray(258, 'a'), 1);
        const WireFrame second = makeFrame('R', {}, {}, {});
        const WireFrame third = makeFrame('D', "N1AAA", "N2BBB", "hi\r", 0, 0xF0);
        const QByteArray stream =
            encodeWireFrame(first) + encodeWireFrame(second) + encodeWireFrame(third);

        for (qsizetype cut = 0; cut <= stream.size(); ++cut) {
            WireDecoder decoder;
            std::vector<WireFrame> out;
            QCOMPARE(decoder.feed(QByteArrayView(stream).first(cut), out), WireDecoder::Status::Ok);
            QCOMPARE(decoder.feed(QByteArrayView(stream).sliced(cut), out),
                     WireDecoder::Status::Ok);
            QCOMPARE(out.size(), size_t(3));
            QVERIFY2(sameFrame(out[0], first), qPrintable(QString::number(cut)));
            QVERIFY(sameFrame(out[1], second));
            QVERIFY(sameFrame(out[2], third));
            QCOMPARE(decoder.pendingBytes(), 0);
        }
    }

    void decodesOneByteAtATime() {
        const WireFrame frame = makeFrame('K', "N0CALL", "APRS", QByteArray("\0abc", 4), 3);
        const QByteArray stream = encodeWireFrame(frame);
        WireDecoder decoder;
        std::vector<WireFrame> out;
        for (char byte : stream) {
            QCOMPARE(out.size(), size_t(0));
            QCOMPARE(decoder.feed(QByteArrayView(&byte, 1), out), WireDecoder::Status::Ok);
        }
        QCOMPARE(out.size(), size_t(1));
        QVERIFY(sameFrame(out[0], frame));
    }

    // A call field that fills all 10 bytes has no NUL: it still ends after 10.
    void readsAFullCallFieldWithoutNul() {
        QByteArray bytes = header('C', 0);
        bytes.replace(8, 10, "ABCDEFGHIJ");
        WireDecoder decoder;
        std::vector<WireFrame> out;
        decoder.feed(bytes, out);
        QCOMPARE(out.size(), size_t(1));
        QCOMPARE(out[0].callFrom, QByteArray("ABCDEFGHIJ"));
    }

    void rejectsABrokenHeader_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("length over 64 KiB") << header('U', 64 * 1024 + 1);
        QTest::newRow("length 4 GiB") << header('U', 0xFFFFFFFF);
        QTest::newRow("kind NUL") << header('\0', 0);
        QTest::newRow("kind digit") << header('1', 0);
        QTest::newRow("kind Latin-1 letter") << header(char(0xC4), 0);
        QTest::newRow("after a good frame")
            << encodeWireFrame(makeFrame('y', {}, {}, "1234")) + header('[', 0);
    }

    void rejectsABrokenHeader() {
        QFETCH(QByteArray, bytes);
        WireDecoder decoder;
        std::vector<WireFrame> out;
        // Judged on the header alone: nothing of the announced data is awaited or buffered.
        QCOMPARE(decoder.feed(bytes, out), WireDecoder::Status::Corrupt);
        QCOMPARE(decoder.pendingBytes(), 0);
        QVERIFY(!decoder.error().isEmpty());
        QCOMPARE(decoder.feed(encodeWireFrame(makeFrame('R', {}, {}, {})), out),
                 WireDecoder::Status::Corrupt);
        decoder.reset();
        out.clear();
        QCOMPARE(decoder.feed(encodeWireFrame(makeFrame('R', {}, {}, {})), out),
                 WireDecoder::Status::Ok);
        QCOMPARE(out.size(), size_t(1));
    }

    void framesBeforeABrokenHeaderAreKept() {
        WireDecoder decoder;
        std::vector<WireFrame> out;
        const QByteArray stream = encodeWireFrame(makeFrame('y', {}, {}, "1234")) + header('~', 0);
        QCOMPARE(decoder.feed(stream, out), WireDecoder::Status::Corrupt);
        QCOMPARE(out.size(), size_t(1));
        QCOMPARE(out[0].kind, 'y');
    }

    void acceptsTheLargestAllowedLength() {
        WireDecoder decoder;
        std::vector<WireFrame> out;
        QCOMPARE(decoder.feed(header('D', 64 * 1024), out), WireDecoder::Status::Ok);
        QCOMPARE(decoder.feed(QByteArray(64 * 1024, 'z'), out), WireDecoder::Status::Ok);
        QCOMPARE(out.size(), size_t(1));
        QCOMPARE(out[0].data.size(), 64 * 1024);
    }
};

QTEST_GUILESS_MAIN(TestAgwWire)
#include "tst_agwwire.moc"
