#include "MessageDatabaseReader.h"

#include "MessageLine.h"

#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

constexpr std::size_t kReadChunk = 1 << 16;
// MultiByteToWideChar counts in int; longer lines are decoded piece by piece.
constexpr std::size_t kDecodeChunk = 1 << 30;

[[noreturn]] void failReading(const std::filesystem::path &path, int error)
{
    const std::u8string name = path.u8string();
    throw MessageDatabaseError("Cannot read the message database \"" +
                               std::string(name.begin(), name.end()) + "\": " +
                               std::strerror(error));
}

// Windows opens by the wide name, so that any folder name works.
std::FILE *openForReading(const std::filesystem::path &path)
{
#ifdef _WIN32
    return _wfopen(path.c_str(), L"rb");
#else
    return std::fopen(path.c_str(), "rb");
#endif
}

std::string readWholeFile(const std::filesystem::path &path)
{
    const std::unique_ptr<std::FILE, int (*)(std::FILE *)> file(openForReading(path),
                                                               &std::fclose);
    if (!file)
        failReading(path, errno);
    // One buffer of the file's size up front: growing it chunk by chunk costs
    // more than the rest of the reading. A file that grows meanwhile is still
    // read to its end.
    std::error_code sizeError;
    const auto expected = std::filesystem::file_size(path, sizeError);
    std::string bytes(sizeError ? kReadChunk : static_cast<std::size_t>(expected) + 1, '\0');
    std::size_t filled = 0;
    for (;;) {
        const std::size_t room = bytes.size() - filled;
        const std::size_t got = std::fread(bytes.data() + filled, 1, room, file.get());
        filled += got;
        if (got < room)
            break;
        bytes.resize(bytes.size() * 2);
    }
    // A directory opens but fails to read (EISDIR): that must not pass as empty.
    if (std::ferror(file.get()))
        failReading(path, errno != 0 ? errno : EIO);
    bytes.resize(filled);
    return bytes;
}

// Windows-1251 -> UTF-16 through the system's code page; every byte gives
// exactly one code unit (undefined bytes give U+FFFD), so nothing is lost.
void decodeAnsi(std::string_view bytes, std::u16string &text)
{
    text.resize(bytes.size());
    for (std::size_t done = 0; done < bytes.size(); done += kDecodeChunk) {
        const int length = static_cast<int>(std::min(kDecodeChunk, bytes.size() - done));
        // WCHAR is the UTF-16 code unit on every system (wchar_t on Windows).
        if (MultiByteToWideChar(CP_ACP, 0, bytes.data() + done, length,
                                reinterpret_cast<LPWSTR>(text.data() + done), length) != length)
            throw MessageDatabaseError("The system cannot decode the message database text");
    }
}

// A plain scan: find_first_of would call memchr on the two-byte set per byte.
std::size_t lineEnd(std::string_view bytes, std::size_t start)
{
    const auto end = std::find_if(bytes.begin() + static_cast<std::ptrdiff_t>(start), bytes.end(),
                                  [](char c) { return c == '\r' || c == '\n'; });
    return static_cast<std::size_t>(end - bytes.begin());
}

std::size_t nextLineStart(std::string_view bytes, std::size_t end)
{
    if (end == bytes.size())
        return end;
    if (bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n')
        return end + 2;
    return end + 1;
}

} // namespace

// CR and LF are the same bytes in Windows-1251 as in ASCII, so lines are cut
// before decoding; each line is decoded into one reused buffer, which stays in
// the cache, and the store copies its parts straight from it.
void ReadMessageDatabaseBytes(std::string_view bytes, ClassMessageContainer &store,
                              const CapacityNotice &notify)
{
    std::u16string line;
    for (std::size_t start = 0; start < bytes.size();) {
        const std::size_t end = lineEnd(bytes, start);
        decodeAnsi(bytes.substr(start, end - start), line);
        const MessageLineParts parts = SplitMessageLine(line);
        if (!store.AddMessage(parts.Identify, parts.Message)) {
            if (notify)
                notify(std::u16string(kCapacityNoticeText));
            return;
        }
        start = nextLineStart(bytes, end);
    }
}

void ReadMessageDatabase(const std::filesystem::path &path, ClassMessageContainer &store,
                         const CapacityNotice &notify)
{
    ReadMessageDatabaseBytes(readWholeFile(path), store, notify);
}
