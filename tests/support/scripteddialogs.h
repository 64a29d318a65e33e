// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/dialogs.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <optional>

namespace zeno::test {

// Dialogs for tests. The test queues the boxes it expects, in order, with their answers.
// Every box shown is recorded in `shown`. A box nobody expected fails the running test and
// is answered with Cancel (empty text, -1), so nothing ever blocks; `problems()` lists
// unexpected boxes and expectations never used, for the test's cleanup to check. A question
// asked with askYesNoLater gets its answer later: at the next turn of the event loop, or when
// the test calls answerPending().
class ScriptedDialogs : public Dialogs {
public:
    enum class Kind { Message, Input, OpenFile, SaveFile, Color, Font, LaterQuestion };

    struct Box {
        Kind kind = Kind::Message;
        QString title;
        QString text;  // message text, input prompt, or file dialog title
        MsgIcon icon = MsgIcon::None;
        MsgButtons buttons = MsgButtons::Ok;
        QString defaultText;  // input default, proposed file name, current font
    };

    // Expect a message box with this title (and this exact text when given). It also answers a
    // question asked with askYesNoLater, at the next turn of the event loop.
    ScriptedDialogs& expectMessage(const QString& title, MsgAnswer answer = MsgAnswer::Ok,
                                   const QString& text = QString()) {
        return add({Kind::Message, title, text, answer, {}, -1});
    }
    // Expect a question asked with askYesNoLater (only such a one); its answer is held until
    // answerPending().
    ScriptedDialogs& expectLaterQuestion(const QString& title, MsgAnswer answer,
                                         const QString& text = QString()) {
        return add({Kind::LaterQuestion, title, text, answer, {}, -1});
    }
    // Delivers the held answers, in the order asked; how many there were.
    int answerPending();
    ScriptedDialogs& expectInput(const QString& title, const QString& answer) {
        return add({Kind::Input, title, {}, MsgAnswer::Ok, answer, -1});
    }
    ScriptedDialogs& expectOpenFile(const QString& path) {
        return add({Kind::OpenFile, {}, {}, MsgAnswer::Ok, path, -1});
    }
    ScriptedDialogs& expectSaveFile(const QString& path) {
        return add({Kind::SaveFile, {}, {}, MsgAnswer::Ok, path, -1});
    }
    ScriptedDialogs& expectColor(int answer) {
        return add({Kind::Color, {}, {}, MsgAnswer::Ok, {}, answer});
    }
    // The answer of the next chooseFont (a family name; empty is Cancel).
    ScriptedDialogs& expectFont(const QString& answer) {
        return add({Kind::Font, {}, {}, MsgAnswer::Ok, answer, -1});
    }

    // Expectations not yet used.
    int pending() const { return static_cast<int>(expected_.size()); }

    QList<Box> shown;

    // Unexpected boxes and unused expectations; empty when the script ran as planned.
    QStringList problems() const;
    // Forget everything (between phases of a test).
    void reset();

    MsgAnswer message(const QString& text, const QString& title, MsgIcon icon,
                      MsgButtons buttons) override;
    void askYesNoLater(const QString& text, const QString& title, MsgIcon icon, QObject* context,
                       std::function<void(bool yes)> answered) override;
    QString input(const QString& prompt, const QString& title, const QString& defaultText) override;
    QString openFileName(const FileRequest& request) override;
    QString saveFileName(const FileRequest& request) override;
    int chooseColor(int initialRgb) override;
    QString chooseFont(const QString& currentFamily) override;

private:
    struct Expectation {
        Kind kind;
        QString title;
        QString text;
        MsgAnswer answer = MsgAnswer::Ok;
        QString textAnswer;
        int colorAnswer = -1;
    };
    struct HeldAnswer {
        QString title;
        QPointer<QObject> context;
        std::function<void(bool yes)> answered;
        bool yes = false;
    };

    ScriptedDialogs& expect(const Expectation& expectation) { return add(expectation); }
    ScriptedDialogs& add(const Expectation& expectation) {
        expected_.append(expectation);
        return *this;
    }

    // The next expectation when it matches the box, else nullopt (and the test fails).
    std::optional<Expectation> take(const Box& box);

    QList<Expectation> expected_;
    QStringList unexpected_;
    QList<HeldAnswer> held_;
};

// One line for a failure message: kind, title and text of a box.
QString describe(const ScriptedDialogs::Box& box);

}  // namespace zeno::test
