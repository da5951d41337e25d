#include "skin_setting.h"

#include "file_replace.h"

#include <windows.h>

QString settingsFilePath(const QString &programFolder)
{
    return programFolder + QStringLiteral("/options.dat");
}

std::optional<std::string> encodeSkinSetting(const QString &skinName)
{
    if (skinName.isEmpty() || skinName.contains(u'\r') || skinName.contains(u'\n'))
        return std::nullopt;
    const auto *wide = reinterpret_cast<LPCWCH>(skinName.utf16());
    const int length = static_cast<int>(skinName.size());
    std::string bytes(static_cast<size_t>(length), '\0');
    BOOL usedDefault = FALSE;
    if (WideCharToMultiByte(CP_ACP, 0, wide, length, bytes.data(), length, nullptr, &usedDefault) != length ||
        usedDefault)
        return std::nullopt;
    return bytes + "\r\n";
}

std::optional<QString> saveSkinSetting(const QString &programFolder, const QString &skinName)
{
    const std::optional<std::string> content = encodeSkinSetting(skinName);
    if (!content)
        return QStringLiteral("Имя скина \"%1\" нельзя записать в файл настроек.").arg(skinName);
    const QString path = settingsFilePath(programFolder);
    if (const std::optional<QString> failure = replaceFileContents(path, *content))
        return QStringLiteral("Не удалось сохранить настройки в файл \"%1\" (%2). Прежний выбор скина сохранён.")
            .arg(path, *failure);
    return std::nullopt;
}
