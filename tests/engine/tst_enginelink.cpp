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
// The engine reads a new client's commands only after up to a second.
constexpr int kStartUpTextWithinMs = 5000;

const QString kOwnCall = QStringLiteral("N1AAA");
const QString kOtherCall = QStringLiteral("N2BBB");

using FramePredicate = std::function<bool(const AgwFrame&)>;

QString describe(const QList<AgwFrame>& frames) {
    QStringList lines;
    for (const AgwFrame& frame : frames) {
        QString data = frame.data;
        data.replace(QLatin1Char('\r'), QStringLiteral("\\r"))
            .replace(QChar(0), QStringLiteral("\\0"));
        lines << QStringLiteral("'%1' from %2: %3").arg(frame.kindLetter(), frame.callFrom, data);
    }
    return lines.isEmpty() ? QStringLiteral("(nothing fetched)") : lines.join(QLatin1Char('\n'));
}

// Fetches until a frame matches; every frame fetched is appended to seen.
std::optional<AgwFrame> fetchUntil(AgwLink& link, const FramePredicate& matches,
                                   QList<AgwFrame>& seen, int timeoutMs) {
    std::optional<AgwFrame> found;
    (void)QTest::qWaitFor(
        [&] {
            while (const auto frame = link.fetch()) {
                seen << *frame;
                if (matches(*frame)) {
                    found = frame;
                    return true;
                }
            }
            return false;
        },
        timeoutMs);
    return found;
}

FramePredicate ofKind(char kind) {
    return [kind](const AgwFrame& frame) { return frame.kind == kind; };
}

}  // namespace

class EngineLinkTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void startRegistersTheCallsign();
    void startUpTextComesFirst();
    void receivedFrameIsRendered_data();
    void receivedFrameIsRendered();
    void sentUiFrameGoesOutWithItsPath_data();
    void sentUiFrameGoesOutWithItsPath();

private:
    // Starts a link to station and fetches its first frame (the start-up text).
    void startLink(std::unique_ptr<AgwLink>& link, LinkValues& values,
                   const DirewolfStation& station, const QString& callsign, AgwFrame& firstFrame);

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
    AgwFrame ownFirstFrame_;
};

void EngineLinkTest::initTestCase() {
    platform_.setNow(QDateTime(QDate(2024, 5, 1), QTime(21, 4, 9)));
    own_ = channel_.addStation({.callsign = kOwnCall});
    other_ = channel_.addStation({.callsign = kOtherCall});
    QVERIFY2(receiver_.start(), qPrintable(receiver_.errorString()));
    QVERIFY2(channel_.start(), qPrintable(channel_.errorString()));
    feeder_ = std::make_unique<AudioFeeder>(receiver_.audioPort());
    QVERIFY2(otherClient_.connectToEngine(other_->agwPort()),
             qPrintable(otherClient_.errorString()));
    QVERIFY2(otherClient_.startSession(kOtherCall), qPrintable(otherClient_.errorString()));
}

void EngineLinkTest::init() {
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
    otherClient_.clearFrames();
}

void EngineLinkTest::startLink(std::unique_ptr<AgwLink>& link, LinkValues& values,
                               const DirewolfStation& station, const QString& callsign,
                               AgwFrame& firstFrame) {
    link = std::make_unique<AgwLink>(values, platform_,
                                     EngineAddress{QStringLiteral("127.0.0.1"), station.agwPort()});
    QVERIFY2(link->start(callsign), qPrintable(station.describe()));
    QList<AgwFrame> seen;
    const auto first = fetchUntil(
        *link, [](const AgwFrame&) { return true; }, seen, kStartUpTextWithinMs);
    QVERIFY2(first, qPrintable(QStringLiteral("no start-up text\n") + station.describe()));
    firstFrame = *first;
}

void EngineLinkTest::startRegistersTheCallsign() {
    // The engine answers a connect request only for a callsign a client registered.
    startLink(ownLink_, ownValues_, *own_, kOwnCall, ownFirstFrame_);
    if (QTest::currentTestFailed()) {
        return;
    }
    otherClient_.send('C', kOtherCall, kOwnCall);
    const auto connected = otherClient_.waitForFrame(
        [](const EngineFrame& frame) { return frame.kind == 'C' || frame.kind == 'd'; },
        kHeardWithinMs);
    QVERIFY2(connected && connected->kind == 'C',
             qPrintable(otherClient_.describeFrames() + QLatin1Char('\n') + channel_.describe()));
    QCOMPARE(connected->callFrom, kOwnCall);

    QList<AgwFrame> seen;
    const auto event = fetchUntil(*ownLink_, ofKind('c'), seen, kHeardWithinMs);
    QVERIFY2(event, qPrintable(describe(seen)));
    QCOMPARE(event->callFrom, kOtherCall);

    // Hang up, so later tests find a quiet channel.
    otherClient_.send('d', kOtherCall, kOwnCall);
    QVERIFY2(otherClient_.waitForFrame([](const EngineFrame& frame) { return frame.kind == 'd'; },
                                       kHeardWithinMs),
             qPrintable(otherClient_.describeFrames()));
    const auto ended = fetchUntil(*ownLink_, ofKind('d'), seen, kHeardWithinMs);
    QVERIFY2(ended, qPrintable(describe(seen)));
    QCOMPARE(ended->callFrom, kOtherCall);
}

void EngineLinkTest::startUpTextComesFirst() {
    receiverLink_.reset();
    startLink(receiverLink_, receiverValues_, receiver_, QStringLiteral("N0RX"),
              receiverFirstFrame_);
    if (QTest::currentTestFailed()) {
        return;
    }
    const QString text = receiverFirstFrame_.data;
    QVERIFY2(text.endsWith(QChar(0)), qPrintable(text));
    QCOMPARE(receiverFirstFrame_.dataLength, int(text.size()));
    QVERIFY2(!text.contains(QStringLiteral(":Fm ")), qPrintable(text));
    // Its address, the version from the 'R' reply and the port from the 'G' reply.
    QVERIFY2(text.contains(QString::number(receiver_.agwPort())), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("2005")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("first soundcard")), qPrintable(text));
}

void EngineLinkTest::receivedFrameIsRendered_data() {
    QTest::addColumn<QString>("packet");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("text");

    const QString cr = QStringLiteral("\r");
    const QString end = QStringLiteral("\r\r") + QChar(0);
    QTest::newRow("repeated digipeater gets a star")
        << QStringLiteral("N0CALL>CQ,RS0ISS*:Hello") << QStringLiteral("N0CALL")
        << QStringLiteral(" 1:Fm N0CALL To CQ Via RS0ISS* <UI pid=F0 Len=5 >[21:04:09]") + cr +
               QStringLiteral("Hello") + end;
    QTest::newRow("no digipeaters")
        << QStringLiteral("N3DEF>BEACON:no via at all") << QStringLiteral("N3DEF")
        << QStringLiteral(" 1:Fm N3DEF To BEACON <UI pid=F0 Len=13 >[21:04:09]") + cr +
               QStringLiteral("no via at all") + end;
    QTest::newRow("path not yet used, SSIDs")
        << QStringLiteral("N1ABC-7>APRS,WIDE1-1,WIDE2-1:=4237.14N/07120.83W-Test")
        << QStringLiteral("N1ABC-7")
        << QStringLiteral(
               " 1:Fm N1ABC-7 To APRS Via WIDE1-1,WIDE2-1 <UI pid=F0 Len=24 >[21:04:09]") +
               cr + QStringLiteral("=4237.14N/07120.83W-Test") + end;
    QTest::newRow("8-bit text") << QStringLiteral("N2XYZ>CQ:Gr\u00fc\u00dfe 73")
                                << QStringLiteral("N2XYZ")
                                << QStringLiteral(
                                       " 1:Fm N2XYZ To CQ <UI pid=F0 Len=8 >[21:04:09]") +
                                       cr + QStringLiteral("Gr\u00fc\u00dfe 73") + end;
}

void EngineLinkTest::receivedFrameIsRendered() {
    QFETCH(QString, packet);
    QFETCH(QString, source);
    QFETCH(QString, text);

    if (!receiverLink_) {
        startLink(receiverLink_, receiverValues_, receiver_, QStringLiteral("N0RX"),
                  receiverFirstFrame_);
        if (QTest::currentTestFailed()) {
            return;
        }
    }
    QList<AgwFrame> before;
    while (const auto frame = receiverLink_->fetch()) {
        before << *frame;
    }
    QVERIFY2(before.isEmpty(), qPrintable(describe(before)));

    QVERIFY2(feeder_->sendPacket(packet), qPrintable(feeder_->errorString()));
    QList<AgwFrame> seen;
    const auto frame = fetchUntil(
        *receiverLink_, [](const AgwFrame&) { return true; }, seen, kHeardWithinMs);
    QVERIFY2(frame, qPrintable(QStringLiteral("nothing fetched\n") + receiver_.describe()));
    QCOMPARE(frame->kindLetter(), QChar(u'U'));
    QCOMPARE(frame->data, text);
    QCOMPARE(frame->dataLength, int(text.size()));
    QCOMPARE(frame->callFrom, source);
    QCOMPARE(receiverValues_.ReceivedKind, int('U'));
}

void EngineLinkTest::sentUiFrameGoesOutWithItsPath_data() {
    QTest::addColumn<QString>("callField");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("heardAs");  // the other station's monitor line, up to the '<'

    QTest::newRow("no path") << QStringLiteral("CQ") << QStringLiteral("QST de ZENO")
                             << QStringLiteral("Fm N1AAA To CQ");
    QTest::newRow("path split on commas")
        << QStringLiteral("CQ RS0ISS,WIDE2-1") << QStringLiteral("Hello via the bird")
        << QStringLiteral("Fm N1AAA To CQ Via RS0ISS,WIDE2-1");
    QTest::newRow("path split on blanks")
        << QStringLiteral("CQ RS0ISS WIDE2-1") << QStringLiteral("blanks between")
        << QStringLiteral("Fm N1AAA To CQ Via RS0ISS,WIDE2-1");
    QTest::newRow("eight digipeaters")
        << QStringLiteral("ID D1,D2,D3,D4,D5,D6,D7,D8") << QStringLiteral("long way")
        << QStringLiteral("Fm N1AAA To ID Via D1,D2,D3,D4,D5,D6,D7,D8");
    QTest::newRow("8-bit text") << QStringLiteral("CQ WIDE1-1")
                                << QStringLiteral("Gr\u00fc\u00dfe 73")
                                << QStringLiteral("Fm N1AAA To CQ Via WIDE1-1");
}

void EngineLinkTest::sentUiFrameGoesOutWithItsPath() {
    QFETCH(QString, callField);
    QFETCH(QString, text);
    QFETCH(QString, heardAs);

    if (!ownLink_) {
        startLink(ownLink_, ownValues_, *own_, kOwnCall, ownFirstFrame_);
        if (QTest::currentTestFailed()) {
            return;
        }
    }
    ownLink_->send(QLatin1Char('V'), callField, text);

    const QByteArray info = text.toLatin1();
    const auto heard = otherClient_.waitForFrame(
        [&](const EngineFrame& frame) {
            return frame.kind == 'U' && frame.callFrom == kOwnCall && frame.data.contains(info);
        },
        kHeardWithinMs);
    QVERIFY2(heard,
             qPrintable(otherClient_.describeFrames() + QLatin1Char('\n') + channel_.describe()));
    const QRegularExpression line(
        QStringLiteral("^ 1:%1 <UI pid=F0 Len=%2 [^>]*>\\[\\d\\d:\\d\\d:\\d\\d\\]\r%3\r\\x00$")
            .arg(QRegularExpression::escape(heardAs))
            .arg(info.size())
            .arg(QRegularExpression::escape(text)));
    QVERIFY2(line.match(heard->text()).hasMatch(), qPrintable(heard->toString()));
}

QTEST_GUILESS_MAIN(EngineLinkTest)
#include "tst_enginelink.moc"
