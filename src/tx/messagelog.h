// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace zeno {

struct FileDialogState;
struct Settings;
class Dialogs;
class Platform;

// The received-messages window's caption, also the name of its print job.
inline const QString kReceivedMessagesTitle = QStringLiteral("APRS Received Messages");

// The groups the received-messages window can list; the numbers are the view options' order.
enum class MessageFilter { All = 0, Mine = 1, Bulletins = 2, News = 3, Satellite = 4, Email = 5 };

// Every APRS message line the monitor hears, whoever it is for, kept for the whole run.
// A fixed table: the count stops at 200 and from then on the slot after the last counted one
// always holds the newest message, so the log never holds more than 201.
class MessageLog {
public:
    static constexpr int kSlots = 203;
    static constexpr int kCountLimit = 200;

    // The settings decide which frames are logged ([Log Digipeated Messages]) and whose
    // messages are "mine" ([Your Call Sign]); the platform's clock stamps each entry.
    MessageLog(const Settings& settings, const Platform& platform);

    // Logs one message line: header as the poll tick holds it ("Fm N0CALL To APZ123 Via
    // RS0ISS* <UI ...>[...]"), data its body (":ADDRESSEE:text" with CR LF line ends and the
    // engine's closing NUL). True when a new entry was written.
    bool LogAPRSMessages(const QString& header, const QString& data);

    // Puts back an entry kept from an earlier run, as it was logged then (no duplicate check,
    // the same bound as a new one).
    void restoreEntry(const QString& entry);

    // Show my messages ("toon" = show): the entries the filter (0..5) admits, oldest first.
    QStringList ToonMyMes(int filter) const;

    // Empties every entry; the count goes back to 0.
    void clear();
    // "ZENO <version>", a blank line, then every entry on its line, whatever the view lists.
    QString printText() const;

    int count() const { return count_; }
    // The entries the window lists and duplicates are checked against: those counted, plus
    // the newest slot once the count has stopped at its limit.
    QStringList entries() const;
    bool isEmpty() const { return entriesInUse() == 0; }

private:
    int entriesInUse() const;
    bool isLogged(const QString& key) const;

    const Settings& settings_;
    const Platform& platform_;
    std::array<QString, kSlots> entries_;
    qint16 count_ = 0;
};

// The station that sent a logged message: the nine characters after "| From: ", trimmed.
QString messageSender(const QString& entry);

// The message part of a message line as the log keeps it (":ADDRESSEE:text"): the engine's
// line ends and NUL gone, blanks trimmed.
QString messageData(const QString& data);
// The sending station of a monitor header ("Fm N0CALL To ..." -> "N0CALL").
QString headerSender(const QString& header);
// True when the view filter (0..5) lists this entry for the station's callsign.
bool filterAdmits(int filter, const QString& entry, const QString& callsign);

// An entry split for reading: the part before "| Message:" and the part from it on.
struct MessageParts {
    QString head;
    QString message;
};
MessageParts splitAtMessage(const QString& entry);

// The buttons of the received-messages window, on the entries its view lists (listed) or the
// one selected. Each tells the operator when there is nothing to act on.
// Every listed entry followed by CR LF: what Copy All and Save give.
QString messageLines(const QStringList& listed);
// Clear All asks first; true when the log was emptied.
bool clearMessages(MessageLog& log, const QStringList& listed, Dialogs& dialogs);
// Print asks first and prints printText().
void printMessages(const MessageLog& log, const QStringList& listed, Dialogs& dialogs,
                   Platform& platform);
// Save... writes messageLines() to the file the operator chooses.
void saveMessages(const QStringList& listed, FileDialogState& files, Dialogs& dialogs);
void copySelectedMessage(const QString& selected, Dialogs& dialogs, Platform& platform);

}  // namespace zeno
