#include "temp_folder.h"
#include "windows.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

namespace pellory::test {
namespace {

// "Привет.dat" in Windows-1251 and in UTF-8.
const char kCyrillicNameAnsi[] = "\xCF\xF0\xE8\xE2\xE5\xF2.dat";
const char kCyrillicNameUtf8[] = "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82.dat";

HANDLE openAnsi(const std::string &path, DWORD share = FILE_SHARE_READ)
{
    return CreateFileA(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

std::u16string widen(const std::string &ascii) { return std::u16string(ascii.begin(), ascii.end()); }

std::string readAll(HANDLE file, DWORD chunk)
{
    std::string content;
    std::string buffer(chunk, '\0');
    DWORD got = 0;
    while (ReadFile(file, buffer.data(), chunk, &got, nullptr) && got > 0)
        content.append(buffer, 0, got);
    return content;
}

class FilesTest : public ::testing::Test {
protected:
    TempFolder folder;
};

// A backslash is part of a folder's name, as Linux has it.
TEST_F(FilesTest, AnsiPathReachesTheUtf8FileInABackslashFolder)
{
    folder.write(std::string("we\\ird/") + kCyrillicNameUtf8, "hello world");
    HANDLE file = openAnsi(folder.path().string() + "/we\\ird/" + kCyrillicNameAnsi);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    EXPECT_EQ(readAll(file, 4), "hello world");
    EXPECT_TRUE(CloseHandle(file));
}

TEST_F(FilesTest, WidePathReachesTheUtf8FileInABackslashFolder)
{
    folder.write(std::string("we\\ird/") + kCyrillicNameUtf8, "wide");
    const std::u16string path = widen(folder.path().string()) + u"/we\\ird/Привет.dat";
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    EXPECT_EQ(readAll(file, 64), "wide");
    CloseHandle(file);
}

TEST_F(FilesTest, ReadDeliversAShortCountAtTheEnd)
{
    HANDLE file = openAnsi(folder.write("ten.bin", "0123456789").string());
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    char buffer[14] = {};
    DWORD got = 99;
    EXPECT_TRUE(ReadFile(file, buffer, 4, &got, nullptr));
    EXPECT_EQ(got, 4u);
    EXPECT_TRUE(ReadFile(file, buffer, 14, &got, nullptr));
    EXPECT_EQ(got, 6u);
    EXPECT_EQ(std::string(buffer, 6), "456789");
    EXPECT_TRUE(ReadFile(file, buffer, 14, &got, nullptr));
    EXPECT_EQ(got, 0u) << "at the end of the file";
    CloseHandle(file);
}

TEST_F(FilesTest, OnlyExistingRegularFilesOpen)
{
    const std::string fifo = (folder.path() / "pipe").string();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string missing = (folder.path() / "missing.dat").string();
    folder.write("folder/inside.txt", "x");
    const std::string directory = (folder.path() / "folder").string();
    for (const std::string &path : {missing, directory, fifo, std::string()})
        EXPECT_EQ(openAnsi(path), INVALID_HANDLE_VALUE) << "'" << path << "'";
    EXPECT_EQ(CreateFileA(nullptr, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr),
              INVALID_HANDLE_VALUE);
    const char16_t unpaired[] = {u'/', 0xD800, u'x', 0};
    EXPECT_EQ(CreateFileW(unpaired, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr),
              INVALID_HANDLE_VALUE);
}

TEST_F(FilesTest, OnlyReadingExistingFilesIsSupported)
{
    const std::string path = folder.write("a.txt", "a").string();
    struct Request {
        DWORD access, disposition;
    };
    for (const Request r : {Request{GENERIC_WRITE, OPEN_EXISTING},
                            Request{GENERIC_READ | GENERIC_WRITE, OPEN_EXISTING},
                            Request{GENERIC_READ, CREATE_ALWAYS}, Request{GENERIC_READ, OPEN_ALWAYS},
                            Request{0, OPEN_EXISTING}})
        EXPECT_EQ(CreateFileA(path.c_str(), r.access, FILE_SHARE_READ, nullptr, r.disposition, 0,
                              nullptr),
                  INVALID_HANDLE_VALUE)
            << "access " << r.access << ", disposition " << r.disposition;
}

TEST_F(FilesTest, ReadSharingLetsReadersInAndKeepsLockingWritersOut)
{
    const std::string path = folder.write("shared.txt", "abc").string();
    HANDLE first = openAnsi(path);
    HANDLE second = openAnsi(path);
    EXPECT_NE(first, INVALID_HANDLE_VALUE);
    EXPECT_NE(second, INVALID_HANDLE_VALUE) << "others may read meanwhile";
    const int writer = open(path.c_str(), O_WRONLY | O_CLOEXEC);
    EXPECT_NE(flock(writer, LOCK_EX | LOCK_NB), 0) << "a writer cannot lock the file we read";
    CloseHandle(first);
    CloseHandle(second);
    ASSERT_EQ(flock(writer, LOCK_EX | LOCK_NB), 0);
    EXPECT_EQ(openAnsi(path), INVALID_HANDLE_VALUE) << "held open for writing by another party";
    HANDLE sharing = openAnsi(path, FILE_SHARE_READ | FILE_SHARE_WRITE);
    EXPECT_NE(sharing, INVALID_HANDLE_VALUE) << "write sharing tolerates the writer";
    CloseHandle(sharing);
    close(writer);
}

TEST_F(FilesTest, ClosedAndMadeUpHandlesFailCleanly)
{
    HANDLE file = openAnsi(folder.write("b.txt", "b").string());
    ASSERT_TRUE(CloseHandle(file));
    char byte = 0;
    DWORD got = 7;
    EXPECT_FALSE(ReadFile(file, &byte, 1, &got, nullptr)) << "closed handle";
    EXPECT_EQ(got, 0u);
    EXPECT_FALSE(CloseHandle(file)) << "closed twice";
    EXPECT_FALSE(CloseHandle(INVALID_HANDLE_VALUE));
    EXPECT_FALSE(CloseHandle(nullptr));
    EXPECT_FALSE(ReadFile(reinterpret_cast<HANDLE>(uintptr_t{3}), &byte, 1, &got, nullptr))
        << "a raw descriptor number is not a handle";
}

TEST_F(FilesTest, FileAndGdiHandlesNeverStandForEachOther)
{
    HANDLE file = openAnsi(folder.write("d.txt", "d").string());
    HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_FALSE(DeleteObject(file)) << "a file is not a GDI object";
    EXPECT_FALSE(CloseHandle(dc)) << "a DC is not a file";
    char byte = 0;
    DWORD got = 0;
    EXPECT_TRUE(ReadFile(file, &byte, 1, &got, nullptr));
    EXPECT_EQ(byte, 'd');
    EXPECT_TRUE(DeleteDC(dc));
    EXPECT_TRUE(CloseHandle(file));
}

TEST_F(FilesTest, ReadRefusesOverlappedRecordsAndMissingBuffers)
{
    HANDLE file = openAnsi(folder.write("c.txt", "cc").string());
    DWORD got = 0;
    EXPECT_FALSE(ReadFile(file, nullptr, 2, &got, nullptr));
    char buffer[2];
    EXPECT_FALSE(ReadFile(file, buffer, 2, &got, reinterpret_cast<LPOVERLAPPED>(buffer)));
    EXPECT_TRUE(ReadFile(file, buffer, 2, &got, nullptr)) << "nothing was consumed by the refusals";
    EXPECT_EQ(std::string(buffer, 2), "cc");
    CloseHandle(file);
}

} // namespace
} // namespace pellory::test
