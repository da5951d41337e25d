// The main window's menu bar: its items, named as the window's design names them.
#ifndef PELLORY_MAIN_MENU_H
#define PELLORY_MAIN_MENU_H

#include "forms/menu.h"

// Items that run a command are items; items that only open a submenu are
// menus.
struct MainMenu {
    forms::Menu *mnuFile;
    forms::MenuItem *mnuOpen;
    forms::MenuItem *mnuExit;
    forms::Menu *mnuOptions;
    forms::Menu *mnuInterface;
    forms::MenuItem *mnuSkins;
    forms::MenuItem *mnuNewSkin;
    forms::MenuItem *mnuRndSms;
    forms::MenuItem *mnuSend;
    forms::MenuItem *mnuUpd;
    forms::Menu *mnuService;
    forms::MenuItem *mnuHelp;
    forms::Menu *mnuForum;
    forms::MenuItem *mnuPres;
    forms::MenuItem *mnuAddSms;
    forms::MenuItem *mnuHelpSh;
    forms::MenuItem *mnuTest;
    forms::MenuItem *mnuSendL;
    forms::MenuItem *mnuSite;
    forms::MenuItem *mnuLicense;
};

// Fills an empty menu bar in the design's order and returns its items.
MainMenu buildMainMenu(forms::MenuBar &bar);

#endif
