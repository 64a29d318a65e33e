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
    const QString via = m.captured(3).isEmpty() ? QString() : QLatin1Char(',') + m.captured(3);
    return m.captured(1) + QLatin1Char('>') + m.captured(2) + via + QLatin1Char(':') +
           m.captured(5);
}

QString decoded(const QString& tnc2) {
    QString error;
    return decodeAprs(tnc2, &error).value_or(error);
}

}  // namespace

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
        QVERIFY(program_);
        seen_ = otherClient_.frames().size();
    }

    void cleanup() {
        if (program_)
            QVERIFY(program_->dialogs.problems().isEmpty());
    }

    void cleanupTestCase() { program_.reset(); }

    void txTextViaTheSatellite() {
        setBoxes(QStringLiteral("cq"), QStringLiteral("rs0iss"));
        program_->find<QComboBox>("Combo1")->setEditText(QStringLiteral("Hello from ZENO"));
        program_->form1().Command2_Click();
        QCOMPARE(heardFromUs(1), QStringList{"N1AAA>CQ,RS0ISS:Hello from ZENO"});
    }

    void positionReport() {
        setBoxes(QStringLiteral("APRS"), QStringLiteral("RS0ISS"));
        program_->find<QComboBox>("Combo4")->setEditText(QStringLiteral("73' Via Satellite"));
        program_->form1().Command9_Click();
        const QString frame = "N1AAA>APRS,RS0ISS:" + kHeader + "73' Via Satellite {ZENO30}";
        QCOMPARE(heardFromUs(1), QStringList{frame});
        // Home is table "/", code "-".
        const QString text = decoded(frame);
        QVERIFY2(text.contains(QStringLiteral("N 52 58.2300, W 000 02.7700")) &&
                     text.contains(QStringLiteral("Position, House")) &&
                     text.contains(QStringLiteral("73' Via Satellite {ZENO30}")),
                 qPrintable(text));
    }

    void message() {
        setBoxes(QStringLiteral("CQ"), QStringLiteral("RS0ISS"));
        program_->find<QComboBox>("Combo5")->setEditText(kOtherCall);
        program_->find<QComboBox>("Combo6")->setEditText(QStringLiteral("Meet on the next pass"));
        program_->form1().Command7_Click();
        const QString frame = QStringLiteral("N1AAA>CQ,RS0ISS::N2BBB    :Meet on the next pass");
        QCOMPARE(heardFromUs(1), QStringList{frame});
        const QString text = decoded(frame);
        QVERIFY2(text.contains(QStringLiteral("APRS Message")) &&
                     text.contains(QStringLiteral("for \"N2BBB\"")) &&
                     text.contains(QStringLiteral("\nMeet on the next pass")),
                 qPrintable(text));
    }

    void heardListAsBulletin() {
        setBoxes(QStringLiteral("CQ"), QString());
        auto* list = program_->find<QListWidget>("List1");
        list->clear();
        QStringList calls;
        for (int i = 0; i < 12; ++i)
            calls << QStringLiteral("PB%1ABC-%2").arg(i % 10).arg(1 + i / 10);
        list->addItems(calls);
        program_->form1().SendMheardList(1);
        QCOMPARE(heardFromUs(2),
                 (QStringList{"N1AAA>CQ::BLN0QSLs :" + calls.mid(0, 8).join(',') + ',',
                              "N1AAA>CQ::BLN0QSLs :" + calls.mid(8).join(',') + ",{ZENO30}"}));
    }

private:
    // The next frames from us that B hears, in order (all B heard when they do not come).
    QStringList heardFromUs(int count) {
        QStringList heard;
        const auto arrived = [&] {
            const QList<EngineFrame>& frames = otherClient_.frames();
            for (; seen_ < frames.size(); ++seen_) {
                if (frames.at(seen_).kind == 'U' && frames.at(seen_).callFrom == kOwnCall)
                    heard << asTnc2(frames.at(seen_));
            }
            return heard.size() >= count;
        };
        if (!QTest::qWaitFor(arrived, 8000))
            qWarning().noquote() << otherClient_.describeFrames() << '\n' << channel_.describe();
        return heard;
    }

    void setBoxes(const QString& to, const QString& via) {
        program_->find<QComboBox>("Combo2")->setEditText(to);
        program_->find<QComboBox>("Combo3")->setEditText(via);
    }

    DirewolfChannel channel_;
    DirewolfStation* own_ = nullptr;
    DirewolfStation* other_ = nullptr;
    EngineClient otherClient_;
    std::unique_ptr<ZenoFixture> program_;
    qsizetype seen_ = 0;  // B's frames already looked at
};

QTEST_MAIN(TransmitEngineTest)
#include "tst_transmit.moc"
