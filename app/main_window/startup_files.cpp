#include "startup_files.h"

#include <cerrno>
#include <climits>
#include <fstream>
#include <string>

#include "forms/errors.h"
#include "forms/failure_reason.h"
#include "forms/file_path.h"
#include "program_places.h"
#include "windows.h"

namespace {

forms::Text decodeAnsi(const std::string &bytes)
{
    if (bytes.empty() || bytes.size() > static_cast<std::size_t>(INT_MAX))
        return {};
    const int length = static_cast<int>(bytes.size());
    forms::Text text(bytes.size(), u'\0'); // Windows-1251 gives one UTF-16 unit per byte
    const auto wide = reinterpret_cast<LPWSTR>(text.data());
    const int units = MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, wide, length);
    text.resize(units > 0 ? static_cast<std::size_t>(units) : 0);
    return text;
}

// The line up to its first CR or LF.
std::string firstLine(std::istream &file)
{
    std::string line;
    std::getline(file, line);
    return line.substr(0, line.find('\r'));
}

[[noreturn]] void failReading(forms::TextView path, forms::TextView reason)
{
    throw forms::Error(
        forms::Text(u"Не удалось открыть файл настроек ").append(path).append(u": ").append(reason));
}

} // namespace

forms::Text spriteFile(forms::TextView programFolder, int buttonIndex)
{
    const forms::Text name = u"but" + forms::textFromUtf8(std::to_string(buttonIndex + 1)) + u".dat";
    return forms::pathIn(forms::pathIn(programFolder, u"Data"), name);
}

forms::Text skinPicture(const ProgramPlaces &places, forms::TextView skinName, forms::TextView picture)
{
    return forms::pathIn(places.skinFolder(skinName), picture);
}

forms::Text messageDatabaseFile(forms::TextView programFolder)
{
    return forms::pathIn(forms::pathIn(programFolder, u"skins"), u"skinruls.7z");
}

forms::Text iconFile(forms::TextView programFolder)
{
    return forms::pathIn(programFolder, u"pellory.png");
}

forms::Text readSkinName(const ProgramPlaces &places)
{
    const forms::Text path = places.settingsFileToRead();
    // The check names what stands in the way (a folder opens as a stream too).
    if (const forms::Text reason = forms::readingFailureReason(path); !reason.empty())
        failReading(path, reason);
    std::ifstream file(forms::filePath(path), std::ios::binary);
    if (!file)
        failReading(path, forms::systemErrorReason(errno));
    if (file.peek() == std::ifstream::traits_type::eof())
        throw forms::Error(
            forms::Text(u"Файл настроек ").append(path).append(u" пуст: в нём нет имени скина"));
    return decodeAnsi(firstLine(file));
}
