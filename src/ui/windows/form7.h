// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>
#include <functional>

class QAction;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTimer;

namespace zeno {

struct AppState;
class Dialogs;
class MessageLog;
class MessageRetries;
class Platform;

// "APRS Received Messages": the message log by addressee group, with copy, print, save,
// clear and reply. Modeless; it reads the log again every ten seconds.
class Form7 : public QWidget {
    Q_OBJECT
public:
    Form7(MessageLog& log, AppState& state, Dialogs& dialogs, Platform& platform,
          QWidget* parent = nullptr);

    // The view option that is selected, as a filter number (0 all ... 5 e-mail).
    int selectedFilter() const;
    // Own messages their addressee acknowledged carry a mark in the list.
    void markAcknowledged(std::function<bool(const QString&)> isAcknowledged);
    // The station's own numbered messages and how each fared, below the log.
    void setOwnMessages(const MessageRetries* retries);

public slots:
    void Form_Load();
    // Show my messages ("toon" = show): fills List1 from the log with a filter (0..5).
    void ToonMyMes(int filter);

    void Option1_Click() { ToonMyMes(0); }
    void Option2_Click() { ToonMyMes(1); }
    void Option3_Click() { ToonMyMes(2); }
    void Option4_Click() { ToonMyMes(3); }
    void Option5_Click() { ToonMyMes(4); }
    void Option6_Click() { ToonMyMes(5); }
    void Option7_Click();  // log all messages
    void Option8_Click();  // log only digipeated messages

    void List1_Click();     // shows the selected message in Label1
    void List1_DblClick();  // reply to the sender from the main window

    void Command1_Click();  // OK
    void Command2_Click();  // refresh now
    void Command3_Click();  // clear all
    void Command4_Click();  // print
    void Command5_Click();  // copy all
    void Command7_Click();  // save
    void Command8_Click();  // copy selected
    void Timer1_Timer();    // refresh, every 10 s

    // Our own messages: the list again, and "Stop retrying" on the selected one.
    void showOwnMessages();
    void stopRetryingClicked();

signals:
    // The operator wants to answer this station.
    void replyRequested(const QString& callsign);
    // The operator stops retrying one of our messages (its index in the list).
    void stopRetryingRequested(int index);

private:
    void buildControls();
    void wireEvents();
    QStringList listedMessages() const;
    QString selectedMessage() const;
    void showStopRetrying();

    MessageLog& log_;
    AppState& state_;
    Dialogs& dialogs_;
    Platform& platform_;

    QGroupBox* Frame1 = nullptr;  // view options
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    QRadioButton* Option3 = nullptr;
    QRadioButton* Option4 = nullptr;
    QRadioButton* Option5 = nullptr;
    QRadioButton* Option6 = nullptr;
    QButtonGroup* viewOptions_ = nullptr;
    QGroupBox* Frame2 = nullptr;  // what is logged
    QRadioButton* Option7 = nullptr;
    QRadioButton* Option8 = nullptr;
    QListWidget* List1 = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command5 = nullptr;
    QPushButton* Command7 = nullptr;
    QPushButton* Command8 = nullptr;
    QTimer* Timer1 = nullptr;
    QGroupBox* ownMessagesFrame_ = nullptr;
    QListWidget* ownMessagesList_ = nullptr;
    QPushButton* stopRetrying_ = nullptr;
    QAction* stopRetryingAction_ = nullptr;
    std::function<bool(const QString&)> isAcknowledged_;
    const MessageRetries* retries_ = nullptr;
};

}  // namespace zeno
