// The engine link against a real direwolf: the start-up text and a heard frame as monitor text.
// Frames going out and the registered callsign are proven by the transmit and connected tests.
#include "link/agwlink.h"
#include "support/direwolfchannel.h"
#include "support/fakeplatform.h"
#include "support/qtwarnings.h"

#include <QTest>
#include <functional>
#include <memory>

using namespace zeno;
using namespace zeno::test;

namespace {

// Generous: one packet is about half a second on air.
constexpr int kHeardWithinMs = 8000;

const QString kOwnCall = QStringLiteral("N1AAA");

}  // namespace

class LinkEngineTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        platform_.setNow(QDateTime(QDate(2024, 5, 1), QTime(21, 4, 9)));
        own_ = channel_.addStation({.callsign = kOwnCall});
        QVERIFY2(channel_.start(), qPrintable(channel_.errorString()));
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
    DirewolfStation* own_ = nullptr;
    LinkValues values_;
    std::unique_ptr<AgwLink> link_;
    QStringList seen_;
};

QTEST_GUILESS_MAIN(LinkEngineTest)
#include "tst_link_engine.moc"
