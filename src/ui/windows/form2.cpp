// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/form2.h"

#include "config/appstate.h"
#include "platform/dialogs.h"
#include "ui/common/aprsicons.h"
#include "ui/common/controls.h"
#include "zenoversion.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zeno {

namespace {

const QString kCoordinatesHelp = QStringLiteral(
    "Latitude - input your station latitude. The format is dd.mm.nn<NS>. 'dd' is two digits for "
    "degrees. 'mm' is two digits for minutes. 'nn' is two digits for decimal minutes. NOTE - "
    "decimal minutes, not seconds. '<NS>' is either 'N' for North or 'S' for South. Example - "
    "52.58.23N\r\r"
    "Longitude - input your station longitude. The format is ddd.mm.nn<EW>. 'ddd' is three digits "
    "for degrees. 'mm' is two digits for minutes. 'nn' is two digits for decimal minutes. NOTE - "
    "decimal minutes, not seconds. '<EW>' is either 'E' for East or 'W' for West. Example - "
    "000.02.77W\r\r");

const QString kIconsHelp = QStringLiteral(
    "Select your icon that will be transmitted along with your coordinates.\r"
    "Your icon is the picture that will be shown on the APRS maps of many types of APRS "
    "software, like UIView etc... The few programs that does not support graphical icons will "
    "have no problem to put you on the map also!");

constexpr int kIconsPerRow = 6;

QLabel* dot(QWidget* parent) { return new QLabel(QStringLiteral("."), parent); }

}  // namespace

Form2::Form2(AppState& state, Dialogs& dialogs, const QString& comment, QWidget* parent)
    : QDialog(parent), state_(state), dialogs_(dialogs), comment_(comment) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Setup APRS"));
    setModal(true);
    buildLayout();
    Form_Load();
    wireEvents();
}

Form2::~Form2() = default;

QLineEdit* Form2::coordinateBox(const char* name, const QString& text, int length,
                                const QString& tip) {
    auto* box = controls::textBox(Frame9, name, text, tip);
    box->setMaxLength(length);
    box->setFixedWidth(fontMetrics().horizontalAdvance(QLatin1Char('0')) * (length + 2) + 8);
    return box;
}

void Form2::buildLayout() {
    using namespace controls;
    Frame9 = frame(this, "Frame9", QStringLiteral("APRS: your location"));
    Label7 = label(Frame9, "Label7", QStringLiteral("Latitude:"));
    Text6 =
        coordinateBox("Text6", QStringLiteral("00"), 2, QStringLiteral("two digits for degrees"));
    Text7 =
        coordinateBox("Text7", QStringLiteral("00"), 2, QStringLiteral("two digits for minutes"));
    Text8 = coordinateBox("Text8", QStringLiteral("00"), 2,
                          QStringLiteral("two digits for decimal minutes"));
    Combo1 =
        comboBox(Frame9, "Combo1", QString(), QStringLiteral("'N' for North or 'S' for South"));
    Label8 = label(Frame9, "Label8", QStringLiteral("Longitude:"));
    Text9 = coordinateBox("Text9", QStringLiteral("000"), 3,
                          QStringLiteral("three digits for degrees"));
    Text10 =
        coordinateBox("Text10", QStringLiteral("00"), 2, QStringLiteral("two digits for minutes"));
    Text11 = coordinateBox("Text11", QStringLiteral("00"), 2,
                           QStringLiteral("two digits for decimal minutes"));
    Combo2 = comboBox(Frame9, "Combo2", QString(), QStringLiteral("'E' for East or 'W' for West"));
    Command9 = button(Frame9, "Command9", QStringLiteral("Info"));

    auto* location = new QGridLayout(Frame9);
    const QList<QWidget*> latitudeRow = {Label7,      Text6, dot(Frame9), Text7,
                                         dot(Frame9), Text8, Combo1};
    const QList<QWidget*> longitudeRow = {Label8,      Text9,  dot(Frame9), Text10,
                                          dot(Frame9), Text11, Combo2};
    for (int column = 0; column < latitudeRow.size(); ++column) {
        location->addWidget(latitudeRow[column], 0, column);
        location->addWidget(longitudeRow[column], 1, column);
    }
    location->addWidget(Command9, 0, int(latitudeRow.size()), 2, 1, Qt::AlignCenter);

    Frame1 = frame(this, "Frame1", QStringLiteral("Select your APRS Icon"));
    auto* icons = new QGridLayout(Frame1);
    for (const AprsIcon& icon : aprsIcons()) {
        auto* picture = new AprsIconPicture(icon.picture, Frame1);
        picture->setToolTip(icon.name);
        const int index = int(pictures_.size());
        icons->addWidget(picture, index / kIconsPerRow, index % kIconsPerRow);
        pictures_ << picture;
    }
    Command3 = button(Frame1, "Command3", QStringLiteral("Info"));
    icons->addWidget(Command3, 0, kIconsPerRow, 3, 1, Qt::AlignCenter);

    Command1 = button(this, "Command1", QStringLiteral("OK"));
    Command2 = button(this, "Command2", QStringLiteral("Cancel"));
    Command1->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);

    auto* whole = new QVBoxLayout(this);
    whole->addWidget(Frame9);
    whole->addWidget(Frame1);
    whole->addLayout(buttons);
}

void Form2::wireEvents() {
    for (QLineEdit* box : {Text6, Text7, Text8, Text9, Text10, Text11})
        connect(box, &QLineEdit::textChanged, this, [this] { CoordinatesChanged = true; });
    for (QComboBox* box : {Combo1, Combo2})
        connect(box, &QComboBox::editTextChanged, this, [this] { CoordinatesChanged = true; });
    for (AprsIconPicture* picture : pictures_) {
        connect(picture, &AprsIconPicture::clicked, this,
                [this, picture] { SelIcoon(picture->picture()); });
    }
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form2::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form2::Command3_Click);
    connect(Command9, &QPushButton::clicked, this, &Form2::Command9_Click);
}

void Form2::Form_Load() {
    Combo1->clear();
    Combo1->addItems({QStringLiteral("N"), QStringLiteral("S")});
    Combo2->clear();
    Combo2->addItems({QStringLiteral("E"), QStringLiteral("W")});
    const std::optional<StoredPosition> stored = storedPosition(state_.settings.aprs);
    if (!stored) {
        SelIcoon(2);
        return;
    }
    const CoordinateFields& f = stored->fields;
    Text6->setText(f.latDegrees);
    Text7->setText(f.latMinutes);
    Text8->setText(f.latHundredths);
    Combo1->setEditText(f.northSouth);
    Text9->setText(f.lonDegrees);
    Text10->setText(f.lonMinutes);
    Text11->setText(f.lonHundredths);
    Combo2->setEditText(f.eastWest);
    const QList<int> selected = picturesFor(stored->table, stored->code);
    for (AprsIconPicture* picture : pictures_)
        picture->setBorderStyle(selected.contains(picture->picture()) ? 1 : 0);
}

void Form2::Form_Activate() {
    activated_ = true;
    CoordinatesChanged = false;
}

void Form2::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // A modal window becomes active once: when it opens.
    if (!activated_)
        Form_Activate();
}

CoordinateFields Form2::fields() const {
    CoordinateFields f;
    f.latDegrees = Text6->text();
    f.latMinutes = Text7->text();
    f.latHundredths = Text8->text();
    f.northSouth = Combo1->currentText();
    f.lonDegrees = Text9->text();
    f.lonMinutes = Text10->text();
    f.lonHundredths = Text11->text();
    f.eastWest = Combo2->currentText();
    return f;
}

QList<int> Form2::selectedPictures() const {
    QList<int> selected;
    for (const AprsIconPicture* picture : pictures_) {
        if (picture->borderStyle() == 1)
            selected << picture->picture();
    }
    return selected;
}

void Form2::SelIcoon(int picture) {
    for (AprsIconPicture* p : pictures_)
        p->setBorderStyle(0);
    for (AprsIconPicture* p : pictures_) {
        if (p->picture() == picture)
            p->setBorderStyle(1);
    }
}

void Form2::Command1_Click() {
    const CoordinateFields f = fields();
    const bool latitudeIsWrong = latitudeWrong(f);
    const bool longitudeIsWrong = longitudeWrong(f);
    if (latitudeIsWrong || longitudeIsWrong) {
        const MsgAnswer again =
            dialogs_.message(coordinatesWrongText(latitudeIsWrong, longitudeIsWrong),
                             QStringLiteral("APRS coordinates not correct"), MsgIcon::Exclamation,
                             MsgButtons::YesNo);
        if (again == MsgAnswer::Yes) {
            (latitudeIsWrong ? Text6 : Text9)->setFocus();
            return;
        }
        state_.settings.aprsEnabled = 0;
        reject();
        return;
    }

    const AprsIcon icon = chosenIcon(selectedPictures());
    if (CoordinatesChanged) {
        const MsgAnswer correct = dialogs_.message(setupConfirmationText(f, icon.name),
                                                   QStringLiteral("APRS Setup complete"),
                                                   MsgIcon::Information, MsgButtons::YesNo);
        if (correct != MsgAnswer::Yes) {
            state_.settings.aprsEnabled = 0;
            return;
        }
    }
    // Only the header is ever sent from here; comment and tag follow it as they stood.
    state_.settings.aprs =
        positionHeader(f, icon.table, icon.code) + comment_ + ProgramVersion::productTag();
    state_.settings.aprsEnabled = -1;
    accept();
}

void Form2::Command2_Click() { reject(); }

void Form2::Command3_Click() {
    dialogs_.message(kIconsHelp, QStringLiteral("Help: Icons"), MsgIcon::Information);
}

void Form2::Command9_Click() {
    dialogs_.message(kCoordinatesHelp, QStringLiteral("Help: APRS Setup Coordinates"),
                     MsgIcon::Information);
}

}  // namespace zeno
