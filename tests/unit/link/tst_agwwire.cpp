#include "link/agwwire.h"

#include <QTest>

using namespace zeno;

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

}  // namespace

class TestAgwWire : public QObject {
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
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("framesBefore");
        QTest::newRow("length over 64 KiB") << header('U', 64 * 1024 + 1) << 0;
        QTest::newRow("kind digit") << header('1', 0) << 0;
        QTest::newRow("kind Latin-1 letter") << header(char(0xC4), 0) << 0;
        QTest::newRow("after a good frame")
            << encodeWireFrame({0, 'y', 0, {}, {}, "1234"}) + header('[', 0) << 1;
    }

    void rejectsABrokenHeader() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, framesBefore);
        const QByteArray good = encodeWireFrame({0, 'R', 0, {}, {}, {}});
        WireDecoder decoder;
        std::vector<WireFrame> out;
        // Judged on the header alone: nothing of the announced data is awaited or buffered.
        QCOMPARE(decoder.feed(bytes, out), WireDecoder::Status::Corrupt);
        QCOMPARE(int(out.size()), framesBefore);
        QCOMPARE(decoder.pendingBytes(), 0);
        QCOMPARE(decoder.feed(good, out), WireDecoder::Status::Corrupt);
        decoder.reset();
        QCOMPARE(decoder.feed(good, out), WireDecoder::Status::Ok);
        QCOMPARE(int(out.size()), framesBefore + 1);
    }
};

QTEST_GUILESS_MAIN(TestAgwWire)
#include "tst_agwwire.moc"
