// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's menus: each item's index passed on to the part that does its work.
#include "ui/main/form1.h"

#include "config/weblinks.h"
#include "ui/main/connectedside.h"
#include "ui/main/form1menus.h"
#include "ui/main/mapside.h"
#include "ui/main/monitorside.h"
#include "ui/main/passside.h"
#include "ui/main/receiveside.h"
#include "ui/main/setupside.h"
#include "ui/main/stationsside.h"
#include "ui/main/transmitside.h"
#include "ui/main/utilityside.h"

namespace zeno {

void Form1::menufiles_Click(int Index) {
    switch (static_cast<FileItem>(Index)) {
        case FileItem::Open:
            monitorSide_->openFile(kOpenInNotebook);
            break;
        case FileItem::OpenInNotePad:
            monitorSide_->openFile(kOpenInTextEditor);
            break;
        case FileItem::Save:
            Command1_Click();
            break;
        case FileItem::SaveReport:
            SaveReport();
            break;
        case FileItem::Print:
            Command4_Click();
            break;
        case FileItem::Exit:
            close();  // the orderly end
            break;
        default:
            break;
    }
}

void Form1::menuedits_Click(int Index) {
    switch (static_cast<EditItem>(Index)) {
        case EditItem::Cut:
            Command13_Click();
            break;
        case EditItem::Copy:
            Command14_Click();
            break;
        case EditItem::Paste:
            Command15_Click();
            break;
        case EditItem::Delete:
            monitorSide_->deleteSelection();
            break;
        case EditItem::SelectAll:
            monitorSide_->selectAll();
            break;
        case EditItem::ClearAll:
            monitorSide_->clearAll();
            break;
        case EditItem::EnableMonitorForEdit:
            monitorSide_->toggleEditable();
            break;
        default:
            break;
    }
}

void Form1::menusends_Click(int Index) {
    switch (static_cast<SendItem>(Index)) {
        case SendItem::HeaderOnly:
            transmit_->sendHeaderOnly();
            break;
        case SendItem::UiData:
            Command2_Click();
            break;
        case SendItem::AprsPosition:
            Command9_Click();
            break;
        case SendItem::AprsMessage:
            Command7_Click();
            break;
        case SendItem::Connect:
            connected_->connectToStation();
            break;
        case SendItem::Disconnect:
            connected_->disconnectStation();
            break;
        case SendItem::HeardList:
            SendMheardList(0);
            break;
        case SendItem::HeardListBulletin:
            SendMheardList(1);
            break;
        default:
            break;
    }
}

void Form1::menuoptions_Click(int Index) {
    switch (static_cast<OptionItem>(Index)) {
        case OptionItem::ReceivedMessages:
            Command18_Click();
            break;
        case OptionItem::ViewHeardStations:
            receive_->viewHeardStations();
            break;
        case OptionItem::ClearHeardList:
            Command6_Click();
            break;
        case OptionItem::CopyHeardList:
            Command16_Click();
            break;
        case OptionItem::Notebook:
            utility_->openNotebook();
            break;
        case OptionItem::Stations:
            stations_->openStations();
            break;
        case OptionItem::Passes:
            passes_->openPasses();
            break;
        case OptionItem::Map:
            map_->openMap();
            break;
        default:
            break;
    }
}

void Form1::menusetups_Click(int Index) {
    switch (static_cast<SetupItem>(Index)) {
        case SetupItem::Setup:
            setup_->openSetup();
            break;
        case SetupItem::AprsPosition:
            transmit_->setupAprsPosition();
            break;
        case SetupItem::EditTxDataHistory:
            transmit_->editHistory(0);
            break;
        case SetupItem::EditAprsDataHistory:
            transmit_->editHistory(1);
            break;
        case SetupItem::EditMessageHistory:
            transmit_->editHistory(2);
            break;
        case SetupItem::UpdateTles:
            passes_->updateTles();
            break;
        default:
            break;
    }
}

void Form1::menuhelps_Click(int Index) {
    switch (static_cast<HelpItem>(Index)) {
        case HelpItem::Topics:
            utility_->showHelp();
            break;
        case HelpItem::Web:
            utility_->OpenWebLink(weblinks::kProgramPage);
            break;
        case HelpItem::Group:
            utility_->OpenWebLink(weblinks::kSupportGroup);
            break;
        case HelpItem::MoreSoftware:
            utility_->OpenWebLink(weblinks::kAuthorSoftware);
            break;
        case HelpItem::Homepage:
            utility_->OpenWebLink(QString());  // the author's home page
            break;
        case HelpItem::About:
            Picture1_DblClick();
            break;
        default:
            break;
    }
}

}  // namespace zeno
