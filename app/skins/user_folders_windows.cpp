#include "user_folders.h"

#include <windows.h>
#include <shlobj.h>

#include <cstdlib>
#include <string>

#include "forms/file_path.h"

namespace {

// The user's roaming application data folder (...\AppData\Roaming), where
// Windows programs keep settings that follow the user: %APPDATA% as the
// session sets it, else the shell's answer; empty if neither names one.
forms::Text roamingAppData()
{
    if (const wchar_t *variable = _wgetenv(L"APPDATA"); variable != nullptr && *variable != L'\0')
        return forms::textFromPath(variable);
    wchar_t folder[MAX_PATH] = {};
    if (SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder) != S_OK)
        return {};
    return forms::textFromPath(folder);
}

} // namespace

forms::Text userSettingsFolder() { return forms::pathIn(roamingAppData(), u"Pellory"); }

forms::Text userSkinsFolder() { return forms::pathIn(userSettingsFolder(), u"skins"); }

// Access rights on Windows come from ACLs, inheritance and folder
// virtualisation; only creating a file tells for certain. The probe is gone
// when its handle closes.
bool userCanWrite(forms::TextView folder)
{
    const std::wstring probe = (forms::filePath(folder) / L"pellory-write-probe.tmp").native();
    const HANDLE file = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return GetLastError() == ERROR_FILE_EXISTS; // another probe is in place
    CloseHandle(file);
    return true;
}
