// The main window's menu bar: its items, named as the window's design names them.
#ifndef PELLORY_MAIN_MENU_H
#define PELLORY_MAIN_MENU_H

class QAction;
class QMenu;
class QMenuBar;

// Items that run a command are actions; items that only open a submenu are
// menus. No item has a shortcut key, a check mark or a disabled state.
struct MainMenu {
    QMenu *mnuFile;
    QAction *mnuOpen;
    QAction *mnuExit;
    QMenu *mnuOptions;
    QMenu *mnuInterface;
    QAction *mnuSkins;
    QAction *mnuNewSkin;
    QAction *mnuRndSms;
    QAction *mnuSend;
    QAction *mnuUpd;
    QMenu *mnuService;
    QAction *mnuHelp;
    QMenu *mnuForum;
    QAction *mnuPres;
    QAction *mnuAddSms;
    QAction *mnuHelpSh;
    QAction *mnuTest;
    QAction *mnuSendL;
    QAction *mnuSite;
    QAction *mnuLicense;
};

// Fills an empty menu bar in the design's order and returns its items.
MainMenu buildMainMenu(QMenuBar &bar);

#endif
