#include "main_menu.h"

#include <QMenu>
#include <QMenuBar>

MainMenu buildMainMenu(QMenuBar &bar)
{
    MainMenu m{};
    m.mnuFile = bar.addMenu(QStringLiteral("&Файл"));
    m.mnuOpen = m.mnuFile->addAction(QStringLiteral("Открыть"));
    m.mnuExit = m.mnuFile->addAction(QStringLiteral("Выход"));

    m.mnuOptions = bar.addMenu(QStringLiteral("&Опции"));
    m.mnuInterface = m.mnuOptions->addMenu(QStringLiteral("Интерфейс"));
    m.mnuSkins = m.mnuInterface->addAction(QStringLiteral("Скины"));
    m.mnuNewSkin = m.mnuInterface->addAction(QStringLiteral("Новые скины"));
    m.mnuRndSms = m.mnuOptions->addAction(QStringLiteral("Случайное смс"));
    m.mnuSend = m.mnuOptions->addAction(QStringLiteral("Отправить смс"));
    m.mnuUpd = m.mnuOptions->addAction(QStringLiteral("Проверить обновление"));

    m.mnuService = bar.addMenu(QStringLiteral("&Сервис"));
    m.mnuHelp = m.mnuService->addAction(QStringLiteral("Справка"));
    m.mnuForum = m.mnuService->addMenu(QStringLiteral("Форум"));
    m.mnuPres = m.mnuForum->addAction(QStringLiteral("обсуждение программы, пожелания"));
    m.mnuAddSms = m.mnuForum->addAction(QStringLiteral("Добавить свое смс"));
    m.mnuHelpSh = m.mnuForum->addAction(QStringLiteral("Помощь в поисках шлюза"));
    m.mnuTest = m.mnuForum->addAction(QStringLiteral("тестирования"));
    m.mnuSendL = m.mnuService->addAction(QStringLiteral("написать Автору"));
    m.mnuSite = m.mnuService->addAction(QStringLiteral("Сайт программы"));
    m.mnuLicense = m.mnuService->addAction(QStringLiteral("Лицензия"));
    return m;
}
