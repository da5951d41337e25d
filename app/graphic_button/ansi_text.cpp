#include "ansi_text.h"

#include <climits>

#include "windows.h"

std::string toAnsi(const std::u16string &text)
{
    if (text.empty() || text.size() > static_cast<std::size_t>(INT_MAX))
        return {};
    const int length = static_cast<int>(text.size());
    // WCHAR is the UTF-16 code unit on every system (wchar_t on Windows).
    const auto wide = reinterpret_cast<LPCWCH>(text.data());
    const int needed = WideCharToMultiByte(CP_ACP, 0, wide, length, nullptr, 0, nullptr, nullptr);
    if (needed <= 0)
        return {};
    std::string converted(static_cast<std::size_t>(needed), '\0');
    const int written = WideCharToMultiByte(CP_ACP, 0, wide, length, converted.data(),
                                            needed, nullptr, nullptr);
    converted.resize(written > 0 ? static_cast<std::size_t>(written) : 0);
    return converted;
}
