// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace zeno {

// "Select a font": the installed font families, fixed-pitch ones first, with a sample. OK
// closes with the chosen family (Accepted); Cancel forgets the choice.
class Form8 : public QDialog {
    Q_OBJECT
public:
    explicit Form8(QWidget* parent = nullptr);

    // The family picked, empty when none was (or the window was cancelled).
    QString chosenFont() const { return chosen_; }

public slots:
    void Form_Load();       // fills the list
    void List1_Click();     // a family picked from the list
    void Check1_Click();    // "Fixedsys": the system's fixed font
    void Command1_Click();  // OK
    void Command2_Click();  // Cancel

    // Cancel, Esc and the window's close button forget the choice.
    void reject() override;

private:
    void choose(const QString& family);

    QString chosen_;
    QListWidget* List1 = nullptr;
    QLabel* Label1 = nullptr;
    QCheckBox* Check1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
};

}  // namespace zeno
