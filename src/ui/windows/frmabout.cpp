// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/frmabout.h"

#include "config/systemtext.h"
#include "config/weblinks.h"
#include "platform/dialogs.h"
#include "ui/common/controls.h"
#include "ui/common/screenfit.h"
#include "ui/common/widgets.h"
#include "zenoversion.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace zeno {

frmAbout::frmAbout(Dialogs& dialogs, Platform& platform, const QString& engineText, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs), platform_(platform), engineText_(engineText) {
    using namespace controls;
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About ") + kProgramTitle);
    setAttribute(Qt::WA_DeleteOnClose);

    picIcon = new LogoPicture(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setFixedSize(143, 84);
    lblTitle = label(this, "lblTitle", QStringLiteral("ZENO"));
    QFont big = lblTitle->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.8);
    lblTitle->setFont(big);
    lblVersion = label(this, "lblVersion", QStringLiteral("Version ") + ProgramVersion::text());
    lblDescription =
        label(this, "lblDescription",
              QStringLiteral("A packet monitor and terminal for amateur-radio operators who work "
                             "through satellite and terrestrial digipeaters. ZENO talks to a "
                             "sound-card modem such as Dire Wolf over the AGWPE interface."));
    lblDescription->setWordWrap(true);
    lblLicense = label(this, "lblLicense",
                       QStringLiteral("ZENO is free software under the GNU General Public License, "
                                      "version 3 or (at your option) any later version "
                                      "(GPL-3.0-or-later). It comes with ABSOLUTELY NO WARRANTY."));
    lblLicense->setWordWrap(true);
    lblWeb =
        clickableLabel(this, "lblWeb", QStringLiteral("ZENO On The Web"), weblinks::kProgramPage);
    lblAuthor =
        clickableLabel(this, "lblAuthor", QStringLiteral("QZ9ZZZ Homepage"), weblinks::kAuthorHome);
    lblMail =
        clickableLabel(this, "lblMail", QStringLiteral("Mail the author"), weblinks::kAuthorMail);
    for (ClickableLabel* link : {lblWeb, lblAuthor, lblMail}) {
        QFont underlined = link->font();
        underlined.setUnderline(true);
        link->setFont(underlined);
        link->setForegroundRole(QPalette::Link);
        link->setCursor(Qt::PointingHandCursor);
    }
    cmdOK = button(this, "cmdOK", QStringLiteral("OK"));
    cmdSysInfo = button(this, "cmdSysInfo", QStringLiteral("&System Info..."));
    cmdOK->setDefault(true);

    auto* text = new QVBoxLayout;
    for (QWidget* w : {static_cast<QWidget*>(lblTitle), static_cast<QWidget*>(lblVersion),
                       static_cast<QWidget*>(lblDescription), static_cast<QWidget*>(lblLicense)})
        text->addWidget(w);
    auto* links = new QHBoxLayout;
    for (QWidget* w : {lblWeb, lblAuthor, lblMail})
        links->addWidget(w);
    links->addStretch();
    text->addLayout(links);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdSysInfo);
    buttons->addStretch();
    auto* grid = new QGridLayout(scrollingPage(this));
    grid->addWidget(picIcon, 0, 0, Qt::AlignTop);
    grid->addLayout(text, 0, 1);
    grid->addLayout(buttons, 0, 2);
    grid->setColumnStretch(1, 1);
    openAtPageSize(this, QSize(560, 0));

    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
    connect(lblWeb, &ClickableLabel::clicked, this,
            [this] { OpenWebLink(platform_, dialogs_, weblinks::kProgramPage); });
    connect(lblAuthor, &ClickableLabel::clicked, this,
            [this] { OpenWebLink(platform_, dialogs_, QString()); });
    connect(lblMail, &ClickableLabel::clicked, this, [this] { MailAuthor(platform_, dialogs_); });
}

void frmAbout::cmdOK_Click() { close(); }

void frmAbout::cmdSysInfo_Click() {
    dialogs_.message(systemInfoText(platform_, engineText_), QStringLiteral("System Information"),
                     MsgIcon::Information);
}

}  // namespace zeno
