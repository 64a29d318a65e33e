// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tx/historyeditor.h"

#include <QDialog>
#include <QStringList>

class QListWidget;
class QPushButton;

namespace zeno {

class Dialogs;

// "Edit Data fields": edits a copy of one history (TX text, APRS comment or APRS message
// text, by mode 0, 1, 2). OK closes with Accepted and lines() is what the box gets; Cancel
// closes with Rejected. At most 31 lines: Add Line is off while the list is full.
class Form5 : public QDialog {
    Q_OBJECT
public:
    Form5(int mode, const QStringList& boxEntries, Dialogs& dialogs, QWidget* parent = nullptr);
    ~Form5() override;

    QStringList lines() const { return editor_.lines(); }

public slots:
    void Command1_Click();  // OK
    void Command2_Click();  // Cancel
    void Command3_Click();  // Remove All
    void Command4_Click();  // Edit Line
    void Command5_Click();  // Add Line
    void Command6_Click();  // Remove Line

private:
    void buildLayout();
    void showLines();

    Dialogs& dialogs_;
    HistoryEditor editor_;

    QListWidget* List1 = nullptr;
    QPushButton* Command5 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command6 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
};

}  // namespace zeno
