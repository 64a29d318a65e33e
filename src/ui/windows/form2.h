// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tx/aprsposition.h"

#include <QDialog>
#include <QList>
#include <QString>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zeno {

struct AppState;
class AprsIconPicture;
class Dialogs;

// "Setup APRS": the station's coordinates and map symbol. OK stores the position header in
// "[APRS]" and switches APRS on; the window then closes with Accepted, and the opener enables
// the APRS controls of the main window. Any other way out closes with Rejected.
class Form2 : public QDialog {
    Q_OBJECT
public:
    // comment: the APRS comment that the stored value carries behind the header.
    Form2(AppState& state, Dialogs& dialogs, const QString& comment, QWidget* parent = nullptr);
    ~Form2() override;

    // A coordinate box changed since the window became active.
    bool coordinatesChanged() const { return CoordinatesChanged; }
    CoordinateFields fields() const;
    QList<int> selectedPictures() const;

public slots:
    void Form_Load();            // boxes and icon from the stored "[APRS]"
    void Form_Activate();        // from here on, coordinate changes count
    void Command1_Click();       // OK
    void Command2_Click();       // Cancel
    void Command3_Click();       // icon help
    void Command9_Click();       // coordinate help
    void SelIcoon(int picture);  // select one icon ("icoon"), unselect the others

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildLayout();
    void wireEvents();
    QLineEdit* coordinateBox(const char* name, const QString& text, int length, const QString& tip);

    AppState& state_;
    Dialogs& dialogs_;
    QString comment_;
    bool CoordinatesChanged = false;
    bool activated_ = false;

    QGroupBox* Frame9 = nullptr;
    QLabel* Label7 = nullptr;
    QLineEdit* Text6 = nullptr;
    QLineEdit* Text7 = nullptr;
    QLineEdit* Text8 = nullptr;
    QComboBox* Combo1 = nullptr;
    QLabel* Label8 = nullptr;
    QLineEdit* Text9 = nullptr;
    QLineEdit* Text10 = nullptr;
    QLineEdit* Text11 = nullptr;
    QComboBox* Combo2 = nullptr;
    QPushButton* Command9 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QList<AprsIconPicture*> pictures_;  // Picture2 ... Picture19
    QPushButton* Command3 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
};

}  // namespace zeno
