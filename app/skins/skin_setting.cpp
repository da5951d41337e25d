#include "skin_setting.h"

#include "file_replace.h"
#include "forms/failure_reason.h"
#include "program_places.h"

#include <windows.h>

namespace {

// 0, or the error number of what kept the settings file from being replaced.
int writeSetting(const ProgramPlaces &places, const std::string &content)
{
    if (!places.isPortable())
        if (const int error = createFolders(places.userSettingsFolder()))
            return error;
    return replaceFileContents(places.settingsFileToWrite(), content);
}

} // namespace

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

std::optional<QString> saveSkinSetting(const ProgramPlaces &places, const QString &skinName)
{
    const std::optional<std::string> content = encodeSkinSetting(skinName);
    if (!content)
        return QStringLiteral("Имя скина \"%1\" нельзя записать в файл настроек.").arg(skinName);
    if (const int error = writeSetting(places, *content))
        return QStringLiteral("Не удалось сохранить настройки в файл \"%1\" (%2). Прежний выбор скина сохранён.")
            .arg(places.settingsFileToWrite(), forms::systemErrorReason(error));
    return std::nullopt;
}
