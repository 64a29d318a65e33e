// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/form5.h"

#include "platform/dialogs.h"
#include "ui/common/controls.h"

#include <QGridLayout>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

namespace zeno {

Form5::Form5(int mode, const QStringList& boxEntries, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs), editor_(boxEntries) {
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Edit Data fields"));
    setModal(true);
    if (const auto m = historyEditorMode(mode))
        setWindowTitle(m->caption);
    buildLayout();
    showLines();
}

Form5::~Form5() = default;

void Form5::buildLayout() {
    using namespace controls;
    List1 = listBox(this, "List1");
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    List1->setMinimumSize(360, 220);
    Command5 = button(this, "Command5", QStringLiteral("Add Line"),
                      QStringLiteral("Add a empty line to enter text"));
    Command4 =
        button(this, "Command4", QStringLiteral("Edit Line"), QStringLiteral("Edit selected line"));
    Command6 = button(this, "Command6", QStringLiteral("Remove Line"),
                      QStringLiteral("Remove one selected line"));
    Command3 = button(this, "Command3", QStringLiteral("Remove All"),
                      QStringLiteral("Removes all history lines"));
    Command1 = button(this, "Command1", QStringLiteral("OK"));
    Command2 = button(this, "Command2", QStringLiteral("Cancel"));
    Command1->setDefault(true);

    auto* grid = new QGridLayout(this);
    grid->addWidget(List1, 0, 0, 7, 1);
    int row = 0;
    for (QPushButton* b : {Command5, Command4, Command6, Command3})
        grid->addWidget(b, row++, 1);
    grid->setRowStretch(row++, 1);
    grid->addWidget(Command1, row++, 1);
    grid->addWidget(Command2, row, 1);

    connect(List1, &QListWidget::currentRowChanged, this, [this](int r) { editor_.select(r); });
    connect(Command1, &QPushButton::clicked, this, &Form5::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form5::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form5::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form5::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &Form5::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &Form5::Command6_Click);
}

// The list as the editor holds it; after a change no line is selected.
void Form5::showLines() {
    const QSignalBlocker blocker(List1);
    List1->clear();
    List1->addItems(editor_.lines());
    List1->setCurrentRow(editor_.selected());
    Command5->setEnabled(editor_.canAdd());
}

void Form5::Command1_Click() { accept(); }

void Form5::Command2_Click() { reject(); }

void Form5::Command3_Click() {
    editor_.removeAll();
    showLines();
}

void Form5::Command4_Click() {
    const QString answer = dialogs_.input(QStringLiteral("Edit the text:"),
                                          QStringLiteral("Edit Line"), editor_.selectedText());
    if (editor_.editLine(answer))
        showLines();
}

void Form5::Command5_Click() {
    if (!editor_.canAdd())
        return;
    const QString answer =
        dialogs_.input(QStringLiteral("Type the text:"), QStringLiteral("Add Line"));
    if (editor_.addLine(answer))
        showLines();
}

void Form5::Command6_Click() {
    if (editor_.removeLine())
        showLines();
}

}  // namespace zeno
