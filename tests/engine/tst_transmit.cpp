// The whole program sends its unconnected frames through a real direwolf: a second station
// on the same simulated channel hears each one with the right address and information
// field, and direwolf's own APRS decoder reads our position and message as we meant them.

#include "config/appstate.h"
#include "config/firstrun.h"
#include "link/agwlink.h"
#include "support/direwolfchannel.h"
#include "support/direwolftools.h"
#include "support/engineclient.h"
#include "support/fixture/zenofixture.h"
#include "support/qtwarnings.h"
#include "ui/form1.h"

#include <QComboBox>
#include <QListWidget>
#include <QRegularExpression>
#include <QtTest>
#include <memory>

using namespace zeno;
using namespace zeno::test;

namespace {

constexpr int kHeardWithinMs = 8000;
const QString kOwnCall = QStringLiteral("N1AAA");
const QString kOtherCall = QStringLiteral("N2BBB");
const QString kHeader = QStringLiteral("=5258.23N/00002.77W-");

// What station B's monitor shows of one frame from us.
struct HeardFrame {
    QString header;  // " 1:Fm N1AAA To CQ Via RS0ISS <UI pid=F0 Len=5 >[..]"
    QString info;
};

std::optional<HeardFrame> parse(const EngineFrame& frame) {
    static const QRegularExpression shape(
        QStringLiteral("^( 1:Fm \\S+ To \\S+(?: Via \\S+)? <UI pid=F0 Len=(\\d+) "
                       "[^>]*>\\[\\d\\d:\\d\\d:\\d\\d\\])\r(.*)\r\\x00$"),
        QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch m = shape.match(frame.text());
    if (!m.hasMatch() || m.captured(2).toInt() != m.captured(3).size())
        return std::nullopt;
    return HeardFrame{m.captured(1), m.captured(3)};
}

}  // namespace

class TransmitEngineTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void txTextViaTheSatellite();
    void positionReport();
    void message();
    void heardListAsBulletin();

private:
    // The next frames from us that B hears, in order; fails the test when they do not come.
    QList<HeardFrame> heardFromUs(int count);
    QString decoded(const QString& tnc2);
    void setBoxes(const QString& to, const QString& via);

    VirtualChannel channel_;
    DirewolfStation* own_ = nullptr;
    DirewolfStation* other_ = nullptr;
    EngineClient otherClient_;
    std::unique_ptr<ZenoFixture> program_;
    qsizetype seen_ = 0;  // B's frames already looked at
};

void TransmitEngineTest::initTestCase() {
    own_ = channel_.addStation({.callsign = kOwnCall});
    other_ = channel_.addStation({.callsign = kOtherCall});
    QVERIFY2(channel_.start(), qPrintable(channel_.errorString()));
    QVERIFY2(otherClient_.connectToEngine(other_->agwPort()),
             qPrintable(otherClient_.errorString()));
    QVERIFY2(otherClient_.startSession(kOtherCall), qPrintable(otherClient_.errorString()));

    program_ = std::make_unique<ZenoFixture>();
    Settings settings = firstRunSettings(kOwnCall);
    settings.aprs = kHeader;
    settings.aprsEnabled = -1;
    program_->writeSettings(settings);
    // The program's engine is station A.
    program_->writeFile(
        QStringLiteral("engine.ini"),
        QStringLiteral("host=127.0.0.1\r\nport=%1\r\n").arg(own_->agwPort()).toLatin1());
    QVERIFY(program_->start());
    QVERIFY2(program_->link().isUp(), qPrintable(own_->describe()));
}

void TransmitEngineTest::init() {
    failOnUnexpectedWarnings();
    QVERIFY(program_);
    seen_ = otherClient_.frames().size();
}

void TransmitEngineTest::cleanup() {
    if (program_)
        QVERIFY(program_->dialogs.problems().isEmpty());
}

void TransmitEngineTest::cleanupTestCase() {
    program_.reset();
}

QList<HeardFrame> TransmitEngineTest::heardFromUs(int count) {
    QList<HeardFrame> heard;
    const bool arrived = QTest::qWaitFor(
        [&] {
            const QList<EngineFrame>& frames = otherClient_.frames();
            for (; seen_ < frames.size(); ++seen_) {
                const EngineFrame& frame = frames.at(seen_);
                if (frame.kind == 'U' && frame.callFrom == kOwnCall) {
                    const auto parsed = parse(frame);
                    if (!parsed)
                        return false;
                    heard << *parsed;
                }
            }
            return heard.size() >= count;
        },
        kHeardWithinMs);
    if (!arrived || heard.size() != count)
        qWarning().noquote() << otherClient_.describeFrames() << '\n' << channel_.describe();
    return heard;
}

QString TransmitEngineTest::decoded(const QString& tnc2) {
    QString error;
    const auto output = decodeAprs(tnc2, &error);
    return output ? *output : error;
}

void TransmitEngineTest::setBoxes(const QString& to, const QString& via) {
    program_->find<QComboBox>("Combo2")->setEditText(to);
    program_->find<QComboBox>("Combo3")->setEditText(via);
}

void TransmitEngineTest::txTextViaTheSatellite() {
    setBoxes(QStringLiteral("cq"), QStringLiteral("rs0iss"));
    program_->find<QComboBox>("Combo1")->setEditText(QStringLiteral("Hello from ZENO"));
    program_->form1().Command2_Click();

    const QList<HeardFrame> heard = heardFromUs(1);
    QCOMPARE(heard.size(), 1);
    QVERIFY2(heard[0].header.startsWith(QStringLiteral(" 1:Fm N1AAA To CQ Via RS0ISS <UI")),
             qPrintable(heard[0].header));
    QCOMPARE(heard[0].info, QStringLiteral("Hello from ZENO"));
}

void TransmitEngineTest::positionReport() {
    setBoxes(QStringLiteral("APRS"), QStringLiteral("RS0ISS"));
    program_->find<QComboBox>("Combo4")->setEditText(QStringLiteral("73' Via Satellite"));
    program_->form1().Command9_Click();

    const QList<HeardFrame> heard = heardFromUs(1);
    QCOMPARE(heard.size(), 1);
    QVERIFY2(heard[0].header.startsWith(QStringLiteral(" 1:Fm N1AAA To APRS Via RS0ISS <UI")),
             qPrintable(heard[0].header));
    QCOMPARE(heard[0].info, kHeader + QStringLiteral("73' Via Satellite {ZENO30}"));

    // An independent decoder reads the same position and symbol (Home: table "/", code "-").
    const QString text = decoded(QStringLiteral("N1AAA>APRS,RS0ISS:") + heard[0].info);
    QVERIFY2(text.contains(QStringLiteral("N 52 58.2300, W 000 02.7700")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("Position, House")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("73' Via Satellite {ZENO30}")), qPrintable(text));
}

void TransmitEngineTest::message() {
    setBoxes(QStringLiteral("CQ"), QStringLiteral("RS0ISS"));
    program_->find<QComboBox>("Combo5")->setEditText(kOtherCall);
    program_->find<QComboBox>("Combo6")->setEditText(QStringLiteral("Meet on the next pass"));
    program_->form1().Command7_Click();

    const QList<HeardFrame> heard = heardFromUs(1);
    QCOMPARE(heard.size(), 1);
    QCOMPARE(heard[0].info, QStringLiteral(":N2BBB    :Meet on the next pass"));
    const QString text = decoded(QStringLiteral("N1AAA>CQ,RS0ISS:") + heard[0].info);
    QVERIFY2(text.contains(QStringLiteral("APRS Message")) &&
                 text.contains(QStringLiteral("for \"N2BBB\"")),
             qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("\nMeet on the next pass")), qPrintable(text));
}

void TransmitEngineTest::heardListAsBulletin() {
    setBoxes(QStringLiteral("CQ"), QString());
    auto* list = program_->find<QListWidget>("List1");
    list->clear();
    QStringList calls;
    for (int i = 0; i < 12; ++i)
        calls << QStringLiteral("PB%1ABC-%2").arg(i % 10).arg(1 + i / 10);
    list->addItems(calls);
    program_->form1().SendMheardList(1);

    const QList<HeardFrame> heard = heardFromUs(2);
    QCOMPARE(heard.size(), 2);
    QVERIFY2(heard[0].header.startsWith(QStringLiteral(" 1:Fm N1AAA To CQ <UI")),
             qPrintable(heard[0].header));
    QCOMPARE(heard[0].info, ":BLN0QSLs :" + calls.mid(0, 8).join(',') + ',');
    QCOMPARE(heard[1].info, ":BLN0QSLs :" + calls.mid(8).join(',') + ",{ZENO30}");
}

QTEST_MAIN(TransmitEngineTest)
#include "tst_transmit.moc"
