// Received APRS messages from a real direwolf: recordings of message frames (tests/data/
// messages, made with tools/record-frames), heard directly and via a repeating digipeater,
// reach the log once each, and every view option of the window lists its group.
#include "config/appstate.h"
#include "link/agwlink.h"
#include "support/direwolf.h"
#include "support/direwolffeeder.h"
#include "support/direwolftools.h"
#include "support/fixture/zenofixture.h"
#include "support/qtwarnings.h"
#include "ui/form7.h"

#include <QApplication>
#include <QListWidget>
#include <QProcess>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <memory>

using namespace zeno;
using namespace zeno::test;

namespace {

constexpr int kLoggedWithinMs = 20000;
// The fixture's clock.
const QString kStamp = QStringLiteral("12-06-2026 - 12:00:00 | From: ");

}  // namespace

class MessageLogEngineTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY2(engine_.start(), qPrintable(engine_.errorString()));
        feeder_ = std::make_unique<AudioFeeder>(engine_.audioPort());
    }

    void init() {
        failOnUnexpectedWarnings();
        f_ = std::make_unique<ZenoFixture>();
        f_->writeStationSettings(QStringLiteral("PA3XYZ"));
        f_->writeFile(
            QStringLiteral("engine.ini"),
            QStringLiteral("host=127.0.0.1\r\nport=%1\r\n").arg(engine_.agwPort()).toLatin1());
        QVERIFY(f_->start());
        // The start-up text is queued once the engine answered the session's requests, which it
        // reads after the monitor requests: from then on every frame heard reaches the program.
        QVERIFY2(QTest::qWaitFor([&] { return f_->link().pendingFrames() > 0; }, 5000),
                 qPrintable(engine_.describe()));
        f_->form1().Command18_Click();
        form_ = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* form = qobject_cast<Form7*>(widget); form && form->isVisible())
                form_ = form;
        }
        QVERIFY(form_);
    }

    void cleanup() {
        QVERIFY2(f_->dialogs.problems().isEmpty(), qPrintable(f_->dialogs.problems().join('\n')));
        f_.reset();
        QVERIFY(QTest::qWaitFor([&] { return feeder_->isIdle(); }, kLoggedWithinMs));
    }

    void eachMessageIsLoggedOnceAndListedByGroup() {
        const QString failed = play(QStringLiteral("received-messages"));
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
        QVERIFY2(tickUntilListed(QStringLiteral("a@b.example hi")), qPrintable(describe()));
        const QString meet = kStamp + "N1ABC     | To: N2XYZ     | Message: Meet on 145.825{1";
        const QString bulletin =
            kStamp + "N3BLN     | To: BLN1      | Message: Net tonight at 20:00";
        const QString news = kStamp + "N4WX      | To: NWS-WARN  | Message: Storm warning";
        const QString sat = kStamp + "N5SAT     | To: SAT       | Message: ISS pass at 21:04";
        const QString mine = kStamp + "N6OM      | To: PA3XYZ-7  | Message: Hi there{2";
        const QString email = kStamp + "N7EM      | To: EMAIL     | Message: a@b.example hi";
        const QList<std::pair<const char*, QStringList>> views{
            {"Option1", {meet, bulletin, news, sat, mine, email}},
            {"Option2", {mine}},
            {"Option3", {bulletin}},
            {"Option4", {news}},
            {"Option5", {sat}},
            {"Option6", {email}}};
        for (const auto& [option, expected] : views) {
            form_->findChild<QRadioButton*>(QLatin1String(option))->click();
            QVERIFY2(listed() == expected, qPrintable(option + ('\n' + describe())));
        }
    }

    void onlyDigipeatedLeavesDirectFramesOut() {
        form_->findChild<QRadioButton*>(QStringLiteral("Option8"))->click();
        const QString failed = play(QStringLiteral("digipeated-only"));
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
        QVERIFY2(tickUntilListed(QStringLiteral("repeated by the station{7")),
                 qPrintable(describe()));
        QCOMPARE(
            listed(),
            QStringList{kStamp + "N8DIR     | To: PA3XYZ    | Message: repeated by the station{7"});
    }

private:
    // Records the frames of tests/data/messages/<name>.tnc2 and plays them into the engine;
    // returns why it could not.
    QString play(const QString& name) {
        const QString source = qEnvironmentVariable("ZENO_SOURCE_DIR", QStringLiteral(".")) + '/';
        QTemporaryDir dir;
        const QString wav = dir.filePath(name + ".wav");
        QProcess record;
        record.setProcessChannelMode(QProcess::MergedChannels);
        record.start(source + "tools/record-frames",
                     {"-r", QString::number(kEngineSampleRate),
                      source + "tests/data/messages/" + name + ".tnc2", wav});
        if (!record.waitForFinished(30000) || record.exitStatus() != QProcess::NormalExit ||
            record.exitCode() != 0)
            return record.errorString() + '\n' + QString::fromLocal8Bit(record.readAll());
        return feeder_->sendWav(wav) ? QString() : feeder_->errorString();
    }

    // Ticks until the window lists a message ending in text (frames are taken in order).
    bool tickUntilListed(const QString& text) {
        return f_->tickUntil(
            [&] {
                form_->Command2_Click();
                const QStringList lines = listed();
                return std::any_of(lines.begin(), lines.end(),
                                   [&](const QString& line) { return line.endsWith(text); });
            },
            kLoggedWithinMs);
    }

    QStringList listed() const {
        QStringList lines;
        const auto* list = form_->findChild<QListWidget*>(QStringLiteral("List1"));
        for (int i = 0; i < list->count(); ++i)
            lines << list->item(i)->text();
        return lines;
    }

    QString describe() const {
        return QStringLiteral("listed:\n%1\nmonitor:\n%2\n%3")
            .arg(listed().join('\n'), f_->monitorText(), engine_.describe());
    }

    DirewolfStation engine_{{.callsign = QStringLiteral("N0RX")}};
    std::unique_ptr<AudioFeeder> feeder_;
    std::unique_ptr<ZenoFixture> f_;
    Form7* form_ = nullptr;
};

QTEST_MAIN(MessageLogEngineTest)
#include "tst_messagelog_engine.moc"
