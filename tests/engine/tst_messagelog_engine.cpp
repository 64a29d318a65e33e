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

// A few packets of about half a second each, then the poll tick takes one frame per call.
constexpr int kLoggedWithinMs = 20000;
// The engine reads a new client's commands only after up to a second.
constexpr int kSessionWithinMs = 5000;

const QString kOwnCall = QStringLiteral("PA3XYZ");
// The fixture's clock.
const QString kStamp = QStringLiteral("12-06-2026 - 12:00:00 | From: ");

QStringList listed(Form7* form) {
    auto* list = form->findChild<QListWidget*>(QStringLiteral("List1"));
    QStringList lines;
    for (int i = 0; i < list->count(); ++i)
        lines << list->item(i)->text();
    return lines;
}

Form7* openWindow(ZenoFixture& f) {
    f.form1().Command18_Click();
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* form = qobject_cast<Form7*>(widget);
        if (form && form->isVisible())
            return form;
    }
    return nullptr;
}

}  // namespace

class MessageLogEngineTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void eachMessageIsLoggedOnceAndListedByGroup();
    void onlyDigipeatedLeavesDirectFramesOut();

private:
    // The program on the real engine, its link session up, the messages window open.
    Form7* startProgram();
    // Records the frames of tests/data/messages/<name>.tnc2 and plays them into the engine.
    void play(const QString& name);
    // Ticks until the window lists a message ending in text.
    bool tickUntilListed(Form7* form, const QString& text);
    QString describe(Form7* form) const;

    DirewolfStation engine_{{.callsign = QStringLiteral("N0RX")}};
    std::unique_ptr<AudioFeeder> feeder_;
    std::unique_ptr<ZenoFixture> f_;
};

void MessageLogEngineTest::initTestCase() {
    QVERIFY2(engine_.start(), qPrintable(engine_.errorString()));
    feeder_ = std::make_unique<AudioFeeder>(engine_.audioPort());
}

void MessageLogEngineTest::init() {
    failOnUnexpectedWarnings();
    f_ = std::make_unique<ZenoFixture>();
}

void MessageLogEngineTest::cleanup() {
    if (f_)
        QVERIFY2(f_->dialogs.problems().isEmpty(), qPrintable(f_->dialogs.problems().join('\n')));
    f_.reset();
    QVERIFY(QTest::qWaitFor([&] { return feeder_->isIdle(); }, kLoggedWithinMs));
}

Form7* MessageLogEngineTest::startProgram() {
    f_->writeStationSettings(kOwnCall);
    f_->writeFile(
        QStringLiteral("engine.ini"),
        QStringLiteral("host=127.0.0.1\r\nport=%1\r\n").arg(engine_.agwPort()).toLatin1());
    if (!f_->start())
        return nullptr;
    // The start-up text is queued once the engine answered the session's requests, which it
    // reads after the monitor requests: from then on every frame heard reaches the program.
    if (!QTest::qWaitFor([&] { return f_->link().pendingFrames() > 0; }, kSessionWithinMs))
        return nullptr;
    return openWindow(*f_);
}

void MessageLogEngineTest::play(const QString& name) {
    const QString source =
        qEnvironmentVariable("ZENO_SOURCE_DIR", QStringLiteral(".")) + QLatin1Char('/');
    QTemporaryDir dir;
    const QString wav = dir.filePath(name + QStringLiteral(".wav"));
    QProcess record;
    record.setProcessChannelMode(QProcess::MergedChannels);
    record.start(
        source + QStringLiteral("tools/record-frames"),
        {QStringLiteral("-r"), QString::number(kEngineSampleRate),
         source + QStringLiteral("tests/data/messages/") + name + QStringLiteral(".tnc2"), wav});
    const bool finished = record.waitForFinished(30000);
    QVERIFY2(finished && record.exitStatus() == QProcess::NormalExit && record.exitCode() == 0,
             qPrintable(record.errorString() + QLatin1Char('\n') +
                        QString::fromLocal8Bit(record.readAll())));
    QVERIFY2(feeder_->sendWav(wav), qPrintable(feeder_->errorString()));
}

bool MessageLogEngineTest::tickUntilListed(Form7* form, const QString& text) {
    return f_->tickUntil(
        [&] {
            form->Command2_Click();
            const QStringList lines = listed(form);
            return std::any_of(lines.begin(), lines.end(),
                               [&](const QString& line) { return line.endsWith(text); });
        },
        kLoggedWithinMs);
}

QString MessageLogEngineTest::describe(Form7* form) const {
    return QStringLiteral("listed:\n%1\nmonitor:\n%2\nframes waiting: %3\n%4")
        .arg(listed(form).join('\n'), f_->monitorText())
        .arg(f_->link().pendingFrames())
        .arg(engine_.describe());
}

void MessageLogEngineTest::eachMessageIsLoggedOnceAndListedByGroup() {
    Form7* form = startProgram();
    QVERIFY2(form, qPrintable(engine_.describe()));
    play(QStringLiteral("received-messages"));
    if (QTest::currentTestFailed())
        return;
    // Frames are taken in order: once the last is listed, all were.
    QVERIFY2(tickUntilListed(form, QStringLiteral("a@b.example hi")), qPrintable(describe(form)));

    const QString meet =
        kStamp + QStringLiteral("N1ABC     | To: N2XYZ     | Message: Meet on 145.825{1");
    const QString bulletin =
        kStamp + QStringLiteral("N3BLN     | To: BLN1      | Message: Net tonight at 20:00");
    const QString news =
        kStamp + QStringLiteral("N4WX      | To: NWS-WARN  | Message: Storm warning");
    const QString sat =
        kStamp + QStringLiteral("N5SAT     | To: SAT       | Message: ISS pass at 21:04");
    const QString mine = kStamp + QStringLiteral("N6OM      | To: PA3XYZ-7  | Message: Hi there{2");
    const QString email =
        kStamp + QStringLiteral("N7EM      | To: EMAIL     | Message: a@b.example hi");
    const QList<std::pair<const char*, QStringList>> views{
        {"Option1", {meet, bulletin, news, sat, mine, email}},
        {"Option2", {mine}},
        {"Option3", {bulletin}},
        {"Option4", {news}},
        {"Option5", {sat}},
        {"Option6", {email}}};
    for (const auto& [option, expected] : views) {
        form->findChild<QRadioButton*>(QLatin1String(option))->click();
        QVERIFY2(listed(form) == expected,
                 qPrintable(QLatin1String(option) + QLatin1Char('\n') + describe(form)));
    }
}

void MessageLogEngineTest::onlyDigipeatedLeavesDirectFramesOut() {
    Form7* form = startProgram();
    QVERIFY2(form, qPrintable(engine_.describe()));
    form->findChild<QRadioButton*>(QStringLiteral("Option8"))->click();
    QCOMPARE(f_->state().settings.logDigipeatedMessages, 1);
    play(QStringLiteral("digipeated-only"));
    if (QTest::currentTestFailed())
        return;
    QVERIFY2(tickUntilListed(form, QStringLiteral("repeated by the station{7")),
             qPrintable(describe(form)));
    QCOMPARE(listed(form),
             QStringList{
                 kStamp +
                 QStringLiteral("N8DIR     | To: PA3XYZ    | Message: repeated by the station{7")});
}

QTEST_MAIN(MessageLogEngineTest)
#include "tst_messagelog_engine.moc"
