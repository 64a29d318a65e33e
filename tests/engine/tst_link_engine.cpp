// The engine link against a real direwolf: the start-up text, the registered callsign, a
// heard frame as monitor text, and a UI frame going out on the air with its path.
#include "link/agwlink.h"
#include "support/direwolfchannel.h"
#include "support/direwolftools.h"
#include "support/engineclient.h"
#include "support/fakeplatform.h"
#include "support/qtwarnings.h"

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

}  // namespace

class LinkEngineTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        platform_.setNow(QDateTime(QDate(2024, 5, 1), QTime(21, 4, 9)));
        own_ = channel_.addStation({.callsign = kOwnCall});
        other_ = channel_.addStation({.callsign = kOtherCall});
        QVERIFY2(channel_.start(), qPrintable(channel_.errorString()));
        QVERIFY2(otherClient_.connectToEngine(other_->agwPort()),
                 qPrintable(otherClient_.errorString()));
        QVERIFY2(otherClient_.startSession(kOtherCall), qPrintable(otherClient_.errorString()));
        link_ = std::make_unique<AgwLink>(
            values_, platform_, EngineAddress{QStringLiteral("127.0.0.1"), own_->agwPort()});
        QVERIFY2(link_->start(kOwnCall), qPrintable(own_->describe()));
    }

    void init() { failOnUnexpectedWarnings(); }

    void startUpTextComesFirst() {
        const auto first = fetchUntil([](const AgwFrame&) { return true; });
        QVERIFY2(first, qPrintable(QStringLiteral("no start-up text\n") + own_->describe()));
        const QString text = first->data;
        QVERIFY2(text.startsWith(QLatin1String("AGWPE engine")) && text.endsWith(QChar(0)),
                 qPrintable(text));
        QCOMPARE(first->dataLength, int(text.size()));
        // Its address, the version from the 'R' reply and the port from the 'G' reply.
        QVERIFY2(text.contains(QString::number(own_->agwPort())) && text.contains(u"2005") &&
                     text.contains(u"first soundcard"),
                 qPrintable(text));
    }

    // Rendered by the link from the raw frame: the repeated digipeater gets its "*", and
    // 8-bit text passes unchanged.
    void heardFrameIsRendered() {
        QString error;
        const auto audio =
            modulatePacket(QStringLiteral("N0CALL>CQ,RS0ISS*:Gr\u00fc\u00dfe 73"), &error);
        QVERIFY2(audio, qPrintable(error));
        channel_.play(*audio);
        const auto frame =
            fetchUntil([](const AgwFrame& f) { return f.callFrom == QLatin1String("N0CALL"); });
        QVERIFY2(frame, qPrintable(seen_.join(u'\n') + u'\n' + own_->describe()));
        const QString text = QStringLiteral(
                                 " 1:Fm N0CALL To CQ Via RS0ISS* <UI pid=F0 Len=8 >[21:04:09]\r"
                                 "Gr\u00fc\u00dfe 73\r\r") +
                             QChar(0);
        QCOMPARE(frame->kindLetter(), QChar(u'U'));
        QCOMPARE(frame->data, text);
        QCOMPARE(frame->dataLength, int(text.size()));
        QCOMPARE(values_.ReceivedKind, int('U'));
    }

    void sentUiFrameGoesOutWithItsPath() {
        link_->send(QLatin1Char('V'), QStringLiteral("CQ RS0ISS,WIDE2-1"),
                    QStringLiteral("Hello via the bird"));
        const auto heard = otherClient_.waitForFrame(
            [](const EngineFrame& frame) {
                return frame.kind == 'U' && frame.callFrom == kOwnCall;
            },
            kHeardWithinMs);
        QVERIFY2(heard, qPrintable(otherClient_.describeFrames() + u'\n' + channel_.describe()));
        static const QRegularExpression line(
            QStringLiteral("^ 1:Fm N1AAA To CQ Via RS0ISS,WIDE2-1 <UI pid=F0 Len=18 [^>]*>"
                           "\\[\\d\\d:\\d\\d:\\d\\d\\]\rHello via the bird\r\\x00$"));
        QVERIFY2(line.match(heard->text()).hasMatch(), qPrintable(heard->toString()));
    }

    // The engine answers a connect request only for a callsign a client registered.
    void startRegistersTheCallsign() {
        otherClient_.send('C', kOtherCall, kOwnCall);
        const auto event = fetchUntil([](const AgwFrame& f) { return f.kind == 'c'; });
        QVERIFY2(event && event->callFrom == kOtherCall,
                 qPrintable(seen_.join(u'\n') + u'\n' + otherClient_.describeFrames()));
    }

private:
    // Fetches until a frame matches; every frame fetched goes into seen_, for failure messages.
    std::optional<AgwFrame> fetchUntil(const std::function<bool(const AgwFrame&)>& matches) {
        std::optional<AgwFrame> found;
        (void)QTest::qWaitFor(
            [&] {
                while (!found && (found = link_->fetch())) {
                    seen_ << QStringLiteral("'%1' from %2: %3")
                                 .arg(found->kindLetter(), found->callFrom, found->data)
                                 .replace(QChar(0), QStringLiteral("\\0"));
                    if (!matches(*found))
                        found.reset();
                }
                return found.has_value();
            },
            kHeardWithinMs);
        return found;
    }

    FakePlatform platform_;
    DirewolfChannel channel_;
    DirewolfStation* own_ = nullptr;    // the engine the program uses
    DirewolfStation* other_ = nullptr;  // another station on the same channel
    EngineClient otherClient_;
    LinkValues values_;
    std::unique_ptr<AgwLink> link_;
    QStringList seen_;
};

QTEST_GUILESS_MAIN(LinkEngineTest)
#include "tst_link_engine.moc"
