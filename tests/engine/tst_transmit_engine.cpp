// The program's unconnected frames through a real direwolf: a second station on the same
// simulated channel hears each with the right address and information field, and direwolf's
// own APRS decoder reads our position and message as we meant them.
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

const QString kOwnCall = QStringLiteral("N1AAA");
const QString kOtherCall = QStringLiteral("N2BBB");
const QString kHeader = QStringLiteral("=5258.23N/00002.77W-");

// What the operator does to send one frame.
using Send = void (*)(ZenoFixture&);

void setBox(ZenoFixture& f, const char* combo, const QString& text) {
    f.find<QComboBox>(QLatin1String(combo))->setEditText(text);
}

// One frame as station B's monitor shows it (" 1:Fm N1AAA To CQ Via RS0ISS <UI pid=F0 Len=5
// >[12:00:00]\rHello\r"), in TNC2 form; the raw text when it has another shape.
QString asTnc2(const EngineFrame& frame) {
    static const QRegularExpression shape(
        QStringLiteral("^ 1:Fm (\\S+) To (\\S+)(?: Via (\\S+))? <UI pid=F0 Len=(\\d+) "
                       "[^>]*>\\[\\d\\d:\\d\\d:\\d\\d\\]\r(.*)\r\\x00$"),
        QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch m = shape.match(frame.text());
    if (!m.hasMatch() || m.captured(4).toInt() != m.captured(5).size())
        return QStringLiteral("unexpected: ") + frame.text();
    const QString via = m.captured(3).isEmpty() ? QString() : u',' + m.captured(3);
    return m.captured(1) + u'>' + m.captured(2) + via + u':' + m.captured(5);
}

}  // namespace

Q_DECLARE_METATYPE(Send)

class TransmitEngineTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
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
        program_->writeFile(
            QStringLiteral("engine.ini"),
            QStringLiteral("host=127.0.0.1\r\nport=%1\r\n").arg(own_->agwPort()).toLatin1());
        QVERIFY(program_->start());
        QVERIFY2(program_->link().isUp(), qPrintable(own_->describe()));
    }

    void init() {
        failOnUnexpectedWarnings();
        otherClient_.clearFrames();
    }

    void cleanupTestCase() { program_.reset(); }

    void heardByAnotherStation_data() {
        QTest::addColumn<Send>("send");
        QTest::addColumn<QString>("heard");
        QTest::addColumn<QStringList>("decodedAs");  // parts of what decode_aprs prints
        QTest::newRow("TX text") << Send([](ZenoFixture& f) {
            setBox(f, "Combo2", QStringLiteral("cq"));
            setBox(f, "Combo3", QStringLiteral("rs0iss"));
            setBox(f, "Combo1", QStringLiteral("Hello from ZENO"));
            f.form1().Command2_Click();
        }) << QStringLiteral("N1AAA>CQ,RS0ISS:Hello from ZENO")
                                 << QStringList{};
        QTest::newRow("position") << Send([](ZenoFixture& f) {
            setBox(f, "Combo2", QStringLiteral("APRS"));
            setBox(f, "Combo3", QStringLiteral("RS0ISS"));
            setBox(f, "Combo4", QStringLiteral("73' Via Satellite"));
            f.form1().Command9_Click();
        }) << "N1AAA>APRS,RS0ISS:" + kHeader + "73' Via Satellite {ZENO30}"
                                  << QStringList{"N 52 58.2300, W 000 02.7700", "Position, House",
                                                 "73' Via Satellite {ZENO30}"};
        QTest::newRow("message") << Send([](ZenoFixture& f) {
            setBox(f, "Combo2", QStringLiteral("CQ"));
            setBox(f, "Combo3", QStringLiteral("RS0ISS"));
            setBox(f, "Combo5", kOtherCall);
            setBox(f, "Combo6", QStringLiteral("Meet on the next pass"));
            f.form1().Command7_Click();
        }) << QStringLiteral("N1AAA>CQ,RS0ISS::N2BBB    :Meet on the next pass{1")
                                 << QStringList{"APRS Message 1 for \"N2BBB\"",
                                                "\nMeet on the next pass"};
    }

    void heardByAnotherStation() {
        QFETCH(Send, send);
        QFETCH(QString, heard);
        QFETCH(QStringList, decodedAs);
        send(*program_);
        const auto frame = otherClient_.waitForFrame(
            [](const EngineFrame& f) { return f.kind == 'U' && f.callFrom == kOwnCall; }, 8000);
        QVERIFY2(frame, qPrintable(otherClient_.describeFrames() + u'\n' + channel_.describe()));
        QCOMPARE(asTnc2(*frame), heard);
        if (!decodedAs.isEmpty()) {
            QString error;
            const QString decoded = decodeAprs(heard, &error).value_or(error);
            for (const QString& part : decodedAs)
                QVERIFY2(decoded.contains(part), qPrintable(decoded));
        }
        QVERIFY2(program_->dialogs.problems().isEmpty(),
                 qPrintable(program_->dialogs.problems().join(u'\n')));
    }

    // The list holds what came over the air: the other station is heard first.
    void heardListAsBulletin() {
        otherClient_.send('M', kOtherCall, QStringLiteral("CQ"), "hello ZENO", 0, 0xF0);
        const auto* list = program_->find<QListWidget>("List1");
        QVERIFY2(
            program_->tickUntil(
                [&] { return !list->findItems(kOtherCall, Qt::MatchExactly).isEmpty(); }, 8000),
            qPrintable(program_->monitorText() + u'\n' + channel_.describe()));
        setBox(*program_, "Combo2", QStringLiteral("CQ"));
        setBox(*program_, "Combo3", QString());
        program_->form1().SendMheardList(1);
        const auto frame = otherClient_.waitForFrame(
            [](const EngineFrame& f) { return f.kind == 'U' && f.callFrom == kOwnCall; }, 8000);
        QVERIFY2(frame, qPrintable(otherClient_.describeFrames() + u'\n' + channel_.describe()));
        QCOMPARE(asTnc2(*frame), QStringLiteral("N1AAA>CQ::BLN0QSLs :N2BBB,{ZENO30}"));
    }

private:
    DirewolfChannel channel_;
    DirewolfStation* own_ = nullptr;
    DirewolfStation* other_ = nullptr;
    EngineClient otherClient_;
    std::unique_ptr<ZenoFixture> program_;
};

QTEST_MAIN(TransmitEngineTest)
#include "tst_transmit_engine.moc"
