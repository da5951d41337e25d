// The commands that are not browsing: shell starts, the skin chooser, Exit.
#include "frm_main.h"

#include "forms/program.h"
#include "frm_skin.h"

void frmMain::startShell(ShellTarget target)
{
    startShellTarget(hWnd(), shellTargetText(target, programFolder_));
}

void frmMain::cmdSend_Click() { startShell(ShellTarget::SendProgram); }
void frmMain::mnuSend_Click() { cmdSend_Click(); }
void frmMain::mnuRndSms_Click() { cmdRnd_Click(); }
void frmMain::mnuUpd_Click() { startShell(ShellTarget::UpdateProgram); }
void frmMain::mnuHelp_Click() { startShell(ShellTarget::HelpFile); }
void frmMain::mnuLicense_Click() { startShell(ShellTarget::LicenceText); }
void frmMain::mnuSite_Click() { startShell(ShellTarget::Site); }
void frmMain::mnuNewSkin_Click() { startShell(ShellTarget::NewSkins); }
void frmMain::mnuPres_Click() { startShell(ShellTarget::DiscussionTopic); }
void frmMain::mnuAddSms_Click() { startShell(ShellTarget::AddMessageTopic); }
void frmMain::mnuHelpSh_Click() { startShell(ShellTarget::GatewayHelpTopic); }
void frmMain::mnuTest_Click() { startShell(ShellTarget::TestingSection); }
void frmMain::mnuSendL_Click() { startShell(ShellTarget::AuthorMail); }

void frmMain::mnuSkins_Click() { frmSkin::showSingle(programFolder_); }

void frmMain::mnuExit_Click() { forms::endProgram(0); }

void frmMain::Form_Unload()
{
    // The chooser has no owner, so it alone would keep the program running.
    if (frmSkin *chooser = frmSkin::openInstance())
        chooser->close();
}
