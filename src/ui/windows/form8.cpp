// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/form8.h"

#include "ui/common/controls.h"
#include "ui/common/widgets.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace zeno {

namespace {

const QString kFixedsys = QStringLiteral("Fixedsys");

}  // namespace

Form8::Form8(QWidget* parent) : QDialog(parent) {
    using namespace controls;
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(QStringLiteral("Select a font"));
    setModal(true);
    List1 = listBox(this, "List1");
    Label1 = label(this, "Label1", QStringLiteral("Hello from Tarn..."));
    Label1->setMinimumHeight(Label1->sizeHint().height() * 2);
    Check1 = checkBox(this, "Check1", kFixedsys);
    Command1 = button(this, "Command1", QStringLiteral("OK"));
    Command2 = button(this, "Command2", QStringLiteral("Cancel"));
    Command1->setEnabled(false);
    Command1->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Check1);
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    auto* whole = new QVBoxLayout(this);
    whole->addWidget(List1);
    whole->addWidget(Label1);
    whole->addLayout(buttons);

    connect(List1, &QListWidget::itemClicked, this, &Form8::List1_Click);
    connect(Check1, &QCheckBox::clicked, this, &Form8::Check1_Click);
    connect(Command1, &QPushButton::clicked, this, &Form8::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form8::Command2_Click);
    Form_Load();
}

void Form8::Form_Load() {
    // A monitor reads best in a fixed-pitch font: those come first.
    QStringList fixed;
    QStringList proportional;
    for (const QString& family : QFontDatabase::families())
        (QFontDatabase::isFixedPitch(family) ? fixed : proportional) << family;
    List1->clear();
    List1->addItems(fixed + proportional);
}

void Form8::choose(const QString& family) {
    chosen_ = family;
    Label1->setFont(fontForFamily(family));
    Command1->setEnabled(!family.isEmpty());
}

void Form8::List1_Click() {
    if (const QListWidgetItem* item = List1->currentItem()) {
        Check1->setChecked(false);
        choose(item->text());
    }
}

void Form8::Check1_Click() {
    if (Check1->isChecked())
        choose(kFixedsys);
    else
        choose(List1->currentItem() ? List1->currentItem()->text() : QString());
}

void Form8::Command1_Click() { accept(); }

void Form8::Command2_Click() { reject(); }

void Form8::reject() {
    chosen_.clear();
    QDialog::reject();
}

}  // namespace zeno
