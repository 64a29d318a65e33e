// The engine link against a real direwolf: registration, received frames as the program
// sees them, and unconnected frames going out on the air with their path.
#include "link/agwlink.h"
#include "support/direwolf.h"
#include "support/direwolfchannel.h"
#include "support/direwolffeeder.h"
#include "support/engineclient.h"
#include "support/fakeplatform.h"

#include <QRegularExpression>
#include <QTest>
#include <functional>
#include <memory>

using namespace zeno;
using namespace zeno::test;

namespace {

// Generous: one packet is about half a second on air, a connect about as long.
constexpr int kHeardWithinMs = 8000;

const QString kOwnCall = QStringLiteral("N1AAA");
const QString kOtherCall = QStringLiteral("N2BBB");

// Fetches until a frame matches; every frame fetched is added to seen, for failure messages.
std::optional<AgwFrame> fetchUntil(AgwLink& link,
                                   const std::function<bool(const AgwFrame&)>& matches,
                                   QStringList& seen) {
    std::optional<AgwFrame> found;
    (void)QTest::qWaitFor(
        [&] {
            while (const auto frame = link.fetch()) {
                seen << QStringLiteral("'%1' from %2: %3")
                            .arg(frame->kindLetter(), frame->callFrom, frame->data)
                            .replace(QChar(0), QStringLiteral("\\0"));
                if (matches(*frame))
                    return (found = frame).has_value();
            }
            return false;
        },
        kHeardWithinMs);
    return found;
}

bool anyFrame(const AgwFrame&) {
    return true;
}

}  // namespace

class EngineLinkTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        platform_.setNow(QDateTime(QDate(2024, 5, 1), QTime(21, 4, 9)));
        own_ = channel_.addStation({.callsign = kOwnCall});
        other_ = channel_.addStation({.callsign = kOtherCall});
        QVERIFY2(receiver_.start(), qPrintable(receiver_.errorString()));
        QVERIFY2(channel_.start(), qPrintable(channel_.errorString()));
        feeder_ = std::make_unique<AudioFeeder>(receiver_.audioPort());
        QVERIFY2(otherClient_.connectToEngine(other_->agwPort()),
                 qPrintable(otherClient_.errorString()));
        QVERIFY2(otherClient_.startSession(kOtherCall), qPrintable(otherClient_.errorString()));
        startLink(receiverLink_, receiverValues_, receiver_, &receiverFirstFrame_);
        startLink(ownLink_, ownValues_, *own_, nullptr);
    }

    void init() {
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        otherClient_.clearFrames();
    }

    void startUpTextComesFirst() {
        const QString text = receiverFirstFrame_.data;
        QVERIFY2(text.startsWith(QLatin1String("AGWPE engine")) && text.endsWith(QChar(0)),
                 qPrintable(text));
        QCOMPARE(receiverFirstFrame_.dataLength, int(text.size()));
        // Its address, the version from the 'R' reply and the port from the 'G' reply.
        QVERIFY2(text.contains(QString::number(receiver_.agwPort())) && text.contains(u"2005") &&
                     text.contains(u"first soundcard"),
                 qPrintable(text));
    }

    // The engine answers a connect request only for a callsign a client registered.
    void startRegistersTheCallsign() {
        otherClient_.send('C', kOtherCall, kOwnCall);
        const auto connected = otherClient_.waitForFrame(
            [](const EngineFrame& frame) { return frame.kind == 'C' || frame.kind == 'd'; },
            kHeardWithinMs);
        QVERIFY2(connected && connected->kind == 'C',
                 qPrintable(otherClient_.describeFrames() + u'\n' + channel_.describe()));
        QStringList seen;
        const auto event = fetchUntil(
            *ownLink_, [](const AgwFrame& f) { return f.kind == 'c'; }, seen);
        QVERIFY2(event && event->callFrom == kOtherCall, qPrintable(seen.join(u'\n')));

        // Hang up, so later tests find a quiet channel.
        otherClient_.send('d', kOtherCall, kOwnCall);
        const auto ended = fetchUntil(
            *ownLink_, [](const AgwFrame& f) { return f.kind == 'd'; }, seen);
        QVERIFY2(ended && ended->callFrom == kOtherCall, qPrintable(seen.join(u'\n')));
    }

    void receivedFrameIsRendered_data() {
        QTest::addColumn<QString>("packet");
        QTest::addColumn<QString>("text");
        QTest::newRow("repeated digipeater gets a star")
            << QStringLiteral("N0CALL>CQ,RS0ISS*:Hello")
            << QStringLiteral(
                   " 1:Fm N0CALL To CQ Via RS0ISS* <UI pid=F0 Len=5 >[21:04:09]\r"
                   "Hello\r\r") +
                   QChar(0);
        QTest::newRow("8-bit text")
            << QStringLiteral("N2XYZ>CQ:Gr\u00fc\u00dfe 73")
            << QStringLiteral(
                   " 1:Fm N2XYZ To CQ <UI pid=F0 Len=8 >[21:04:09]\rGr\u00fc\u00dfe 73\r\r") +
                   QChar(0);
    }

    void receivedFrameIsRendered() {
        QFETCH(QString, packet);
        QFETCH(QString, text);
        QStringList seen;
        while (receiverLink_->fetch())
            seen << QStringLiteral("(left over)");
        QVERIFY2(seen.isEmpty(), "frames left over from an earlier row");
        QVERIFY2(feeder_->sendPacket(packet), qPrintable(feeder_->errorString()));
        const auto frame = fetchUntil(*receiverLink_, anyFrame, seen);
        QVERIFY2(frame, qPrintable(QStringLiteral("nothing fetched\n") + receiver_.describe()));
        QCOMPARE(frame->kindLetter(), QChar(u'U'));
        QCOMPARE(frame->callFrom, packet.section(u'>', 0, 0));
        QCOMPARE(frame->data, text);
        QCOMPARE(frame->dataLength, int(text.size()));
        QCOMPARE(receiverValues_.ReceivedKind, int('U'));
    }

    void sentUiFrameGoesOutWithItsPath_data() {
        QTest::addColumn<QString>("callField");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("heardAs");  // the other station's monitor line, up to the '<'
        QTest::newRow("no path") << QStringLiteral("CQ") << QStringLiteral("QST de ZENO")
                                 << QStringLiteral("Fm N1AAA To CQ");
        QTest::newRow("path split on commas")
            << QStringLiteral("CQ RS0ISS,WIDE2-1") << QStringLiteral("Hello via the bird")
            << QStringLiteral("Fm N1AAA To CQ Via RS0ISS,WIDE2-1");
        QTest::newRow("eight digipeaters")
            << QStringLiteral("ID D1,D2,D3,D4,D5,D6,D7,D8") << QStringLiteral("long way")
            << QStringLiteral("Fm N1AAA To ID Via D1,D2,D3,D4,D5,D6,D7,D8");
        QTest::newRow("8-bit text")
            << QStringLiteral("CQ WIDE1-1") << QStringLiteral("Gr\u00fc\u00dfe 73")
            << QStringLiteral("Fm N1AAA To CQ Via WIDE1-1");
    }

    void sentUiFrameGoesOutWithItsPath() {
        QFETCH(QString, callField);
        QFETCH(QString, text);
        QFETCH(QString, heardAs);
        ownLink_->send(QLatin1Char('V'), callField, text);
        const QByteArray info = text.toLatin1();
        const auto heard = otherClient_.waitForFrame(
            [&](const EngineFrame& frame) {
                return frame.kind == 'U' && frame.callFrom == kOwnCall && frame.data.contains(info);
            },
            kHeardWithinMs);
        QVERIFY2(heard, qPrintable(otherClient_.describeFrames() + u'\n' + channel_.describe()));
        const QRegularExpression line(
            QStringLiteral("^ 1:%1 <UI pid=F0 Len=%2 [^>]*>\\[\\d\\d:\\d\\d:\\d\\d\\]\r%3\r\\x00$")
                .arg(QRegularExpression::escape(heardAs))
                .arg(info.size())
                .arg(QRegularExpression::escape(text)));
        QVERIFY2(line.match(heard->text()).hasMatch(), qPrintable(heard->toString()));
    }

private:
    // Starts a link to station under its own call and takes its first frame, the start-up text.
    void startLink(std::unique_ptr<AgwLink>& link, LinkValues& values,
                   const DirewolfStation& station, AgwFrame* firstFrame) {
        link = std::make_unique<AgwLink>(
            values, platform_, EngineAddress{QStringLiteral("127.0.0.1"), station.agwPort()});
        QVERIFY2(link->start(station.callsign()), qPrintable(station.describe()));
        QStringList seen;
        const auto first = fetchUntil(*link, anyFrame, seen);
        QVERIFY2(first, qPrintable(QStringLiteral("no start-up text\n") + station.describe()));
        if (firstFrame)
            *firstFrame = *first;
    }

    FakePlatform platform_;
    DirewolfStation receiver_{{.callsign = QStringLiteral("N0RX")}};
    std::unique_ptr<AudioFeeder> feeder_;
    VirtualChannel channel_;
    DirewolfStation* own_ = nullptr;    // the engine the program uses
    DirewolfStation* other_ = nullptr;  // another station on the same channel
    EngineClient otherClient_;
    LinkValues receiverValues_;
    std::unique_ptr<AgwLink> receiverLink_;
    AgwFrame receiverFirstFrame_;
    LinkValues ownValues_;
    std::unique_ptr<AgwLink> ownLink_;
};

QTEST_GUILESS_MAIN(EngineLinkTest)
#include "tst_enginelink.moc"
