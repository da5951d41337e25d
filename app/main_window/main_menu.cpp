#include "main_menu.h"

MainMenu buildMainMenu(forms::MenuBar &bar)
{
    MainMenu m{};
    m.mnuFile = &bar.addMenu(u"&Файл");
    m.mnuOpen = &m.mnuFile->addItem(u"Открыть");
    m.mnuExit = &m.mnuFile->addItem(u"Выход");

    m.mnuOptions = &bar.addMenu(u"&Опции");
    m.mnuInterface = &m.mnuOptions->addMenu(u"Интерфейс");
    m.mnuSkins = &m.mnuInterface->addItem(u"Скины");
    m.mnuNewSkin = &m.mnuInterface->addItem(u"Новые скины");
    m.mnuRndSms = &m.mnuOptions->addItem(u"Случайное смс");
    m.mnuSend = &m.mnuOptions->addItem(u"Отправить смс");
    m.mnuUpd = &m.mnuOptions->addItem(u"Проверить обновление");

    m.mnuService = &bar.addMenu(u"&Сервис");
    m.mnuHelp = &m.mnuService->addItem(u"Справка");
    m.mnuForum = &m.mnuService->addMenu(u"Форум");
    m.mnuPres = &m.mnuForum->addItem(u"обсуждение программы, пожелания");
    m.mnuAddSms = &m.mnuForum->addItem(u"Добавить свое смс");
    m.mnuHelpSh = &m.mnuForum->addItem(u"Помощь в поисках шлюза");
    m.mnuTest = &m.mnuForum->addItem(u"тестирования");
    m.mnuSendL = &m.mnuService->addItem(u"написать Автору");
    m.mnuSite = &m.mnuService->addItem(u"Сайт программы");
    m.mnuLicense = &m.mnuService->addItem(u"Лицензия");
    return m;
}
