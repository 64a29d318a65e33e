// SPDX-License-Identifier: GPL-3.0-or-later
// The program's unconnected frames through a real direwolf: a second station on the same
// simulated channel hears each with the right address and information field, and direwolf's
// own APRS decoder reads our position and message as we meant them.
#include "config/firstrun.h"
#include "link/agwlink.h"
#include "support/direwolf.h"
#include "support/fixture/zenofixture.h"
#include "support/qtwarnings.h"
#include "support/testrows.h"

#include <QComboBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

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
    const QString via = m.captured(3).isEmpty() ? QString() : u',' + m.captured(3);
    return m.captured(1) + u'>' + m.captured(2) + via + u':' + m.captured(5);
}

}  // namespace

class TransmitEngineTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY2(channel_.start(), qPrintable(channel_.errorString()));
        Settings settings = firstRunSettings(kOwnCall);
        settings.aprs = kHeader;
        settings.aprsEnabled = -1;
        program_.writeSettings(settings);
        program_.useEngine(channel_.agwPort(0));
        QVERIFY2(program_.start() && program_.link().isUp(), qPrintable(channel_.describe()));
    }

    void init() {
        failOnUnexpectedWarnings();
        channel_.client(1).clearFrames();
    }

    void heardByAnotherStation_data() {
        // boxes: "Combo=text" typed before the button; decodedAs: parts of what decode_aprs prints
        columns<QStringList, QString, QString, QStringList>("boxes", "button", "heard",
                                                            "decodedAs");
        row("TX text", QStringList{"Combo2=cq", "Combo3=rs0iss", "Combo1=Hello from ZENO"},
            "Command2", "N1AAA>CQ,RS0ISS:Hello from ZENO", QStringList{});
        row("position", QStringList{"Combo2=APRS", "Combo3=RS0ISS", "Combo4=73' Via Satellite"},
            "Command9", "N1AAA>APRS,RS0ISS:" + kHeader + "73' Via Satellite {ZENO30}",
            QStringList{"N 52 58.2300, W 000 02.7700", "Position, House",
                        "73' Via Satellite {ZENO30}"});
        row("message",
            QStringList{"Combo2=CQ", "Combo3=RS0ISS", "Combo5=N2BBB",
                        "Combo6=Meet on the next pass"},
            "Command7", "N1AAA>CQ,RS0ISS::N2BBB    :Meet on the next pass{1",
            QStringList{"APRS Message 1 for \"N2BBB\"", "\nMeet on the next pass"});
    }

    void heardByAnotherStation() {
        QFETCH(QString, heard);
        QFETCH(QStringList, decodedAs);
        for (const QString& box : fetched<QStringList>("boxes"))
            program_.find<QComboBox>(box.section(u'=', 0, 0))->setEditText(box.section(u'=', 1));
        program_.find<QPushButton>(fetched<QString>("button"))->click();
        const auto frame = channel_.client(1).waitForFrame(
            [](const EngineFrame& f) { return f.kind == 'U' && f.callFrom == kOwnCall; }, 8000);
        QVERIFY2(frame, qPrintable(channel_.describe()));
        QCOMPARE(asTnc2(*frame), heard);
        if (!decodedAs.isEmpty()) {
            QString error;
            const QString decoded = decodeAprs(heard, &error).value_or(error);
            for (const QString& part : decodedAs)
                QVERIFY2(decoded.contains(part), qPrintable(decoded));
        }
        QVERIFY2(program_.dialogs.problems().isEmpty(),
                 qPrintable(program_.dialogs.problems().join(u'\n')));
    }

private:
    DirewolfChannel channel_{{{.callsign = kOwnCall}, {.callsign = kOtherCall}}};
    ZenoFixture program_;
};

QTEST_MAIN(TransmitEngineTest)
#include "tst_transmit_engine.moc"
