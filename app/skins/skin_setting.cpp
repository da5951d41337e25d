#include "skin_setting.h"

#include "file_replace.h"
#include "forms/failure_reason.h"
#include "program_places.h"

#include <windows.h>

#include <climits>

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

std::optional<std::string> encodeSkinSetting(forms::TextView skinName)
{
    if (skinName.empty() || skinName.find_first_of(u"\r\n") != forms::TextView::npos ||
        skinName.size() > static_cast<std::size_t>(INT_MAX))
        return std::nullopt;
    const auto wide = reinterpret_cast<LPCWCH>(skinName.data());
    const int length = static_cast<int>(skinName.size());
    std::string bytes(static_cast<size_t>(length), '\0');
    BOOL usedDefault = FALSE;
    if (WideCharToMultiByte(CP_ACP, 0, wide, length, bytes.data(), length, nullptr, &usedDefault) != length ||
        usedDefault)
        return std::nullopt;
    return bytes + "\r\n";
}

std::optional<forms::Text> saveSkinSetting(const ProgramPlaces &places, forms::TextView skinName)
{
    const std::optional<std::string> content = encodeSkinSetting(skinName);
    if (!content)
        return forms::Text(u"Имя скина \"").append(skinName).append(u"\" нельзя записать в файл настроек.");
    if (const int error = writeSetting(places, *content))
        return u"Не удалось сохранить настройки в файл \"" + places.settingsFileToWrite() + u"\" (" +
               forms::systemErrorReason(error) + u"). Прежний выбор скина сохранён.";
    return std::nullopt;
}
