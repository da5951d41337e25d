#include "system_services.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <fstream>
#include <thread>
#include <vector>

namespace pellory::test {
namespace {

// Writes its working folder and then its arguments, one a line, to
// args.txt beside itself (renamed into place so a reader never sees half).
const char kArgumentWriter[] = "#!/bin/sh\n"
                               "out=\"$(dirname \"$0\")/args.txt\"\n"
                               "{ pwd -P; for a in \"$@\"; do printf '%s\\n' \"$a\"; done; } > \"$out.part\"\n"
                               "mv \"$out.part\" \"$out\"\n";

std::filesystem::path writeScript(const TempFolder &folder, const std::string &name)
{
    const std::filesystem::path script = folder.write(name, kArgumentWriter);
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    return script;
}

// The lines a started program wrote, or nothing if it did not within 10 s.
std::vector<std::string> awaitLines(const std::filesystem::path &file)
{
    for (int attempt = 0; attempt < 500 && !std::filesystem::exists(file); ++attempt)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    std::vector<std::string> lines;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

intptr_t shellOpen(const std::string &file, const char *parameters = nullptr,
                   const char *directory = nullptr, const char *verb = "open")
{
    return reinterpret_cast<intptr_t>(
        ShellExecuteA(nullptr, verb, file.c_str(), parameters, directory, SW_SHOWNORMAL));
}

class ShellExecuteTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        SysSetShellRecorder(nullptr, nullptr);
        setenv("PATH", savedPath_.c_str(), 1);
    }
    // Puts a fake desktop opener first in PATH; it reports into opener/args.txt.
    std::filesystem::path installFakeOpener()
    {
        writeScript(folder, "opener/xdg-open");
        setenv("PATH", ((folder.path() / "opener").string() + ":" + savedPath_).c_str(), 1);
        return folder.path() / "opener" / "args.txt";
    }

    TempFolder folder;

private:
    std::string savedPath_ = std::getenv("PATH") != nullptr ? std::getenv("PATH") : "";
};

// A backslash is part of a name, as Linux has it.
TEST_F(ShellExecuteTest, ProgramStartsDetachedWithItsParametersAndFolder)
{
    writeScript(folder, "to\\ols/run me");
    folder.write("wo\\rk/.keep", "");
    const std::string program = folder.path().string() + "/to\\ols/run me";
    const std::string directory = (folder.path() / "wo\\rk").string();
    const intptr_t result =
        shellOpen(program, "1 \"two words\" back\\slash \"q\\\"uote\"", directory.c_str());
    EXPECT_GT(result, 32);
    errno = 0;
    EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1) << "the program is not our child";
    EXPECT_EQ(errno, ECHILD);
    const std::vector<std::string> expected{
        std::filesystem::canonical(folder.path() / "wo\\rk").string(), "1", "two words",
        "back\\slash", "q\"uote"};
    EXPECT_EQ(awaitLines(folder.path() / "to\\ols" / "args.txt"), expected);
}

TEST_F(ShellExecuteTest, ProgramInheritsNoneOfOurFiles)
{
    const std::filesystem::path script = folder.write(
        "probe", "#!/bin/sh\n"
                 "if [ -e /proc/$$/fd/$1 ]; then r=open; else r=closed; fi\n"
                 "echo $r > \"$(dirname \"$0\")/fd.part\" && mv \"$(dirname \"$0\")/fd.part\" \"$(dirname \"$0\")/fd.txt\"\n");
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    const int inheritable = open(script.c_str(), O_RDONLY); // deliberately without O_CLOEXEC
    ASSERT_GE(inheritable, 3);
    EXPECT_GT(shellOpen(script.string(), std::to_string(inheritable).c_str()), 32);
    EXPECT_EQ(awaitLines(folder.path() / "fd.txt"), std::vector<std::string>{"closed"});
    close(inheritable);
}

TEST_F(ShellExecuteTest, LinksGoToTheDesktopOpenerUnchanged)
{
    const std::filesystem::path report = installFakeOpener();
    for (const std::string link :
         {"https://pellory.example/page?x=1&y=\\z", "HTTP://pellory.example/", "mailto:author@pellory.example"}) {
        std::filesystem::remove(report);
        EXPECT_GT(shellOpen(link, "ignored"), 32) << link;
        const std::vector<std::string> lines = awaitLines(report);
        ASSERT_EQ(lines.size(), 2u) << link;
        EXPECT_EQ(lines[1], link);
    }
}

TEST_F(ShellExecuteTest, DocumentsGoToTheDesktopOpenerAsNativePaths)
{
    const std::filesystem::path report = installFakeOpener();
    folder.write("FI\\LES/\xD0\xBB\xD0\xB8\xD1\x86.txt", "licence"); // "лиц.txt"
    const std::string document = folder.path().string() + "/FI\\LES/\xEB\xE8\xF6.txt";
    EXPECT_GT(shellOpen(document), 32);
    const std::vector<std::string> lines = awaitLines(report);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1], folder.path().string() + "/FI\\LES/\xD0\xBB\xD0\xB8\xD1\x86.txt");
}

TEST_F(ShellExecuteTest, FailuresReportWindowsCodesAtMost32)
{
    EXPECT_EQ(shellOpen(folder.path().string() + "/missing"), 2) << "file not found";
    EXPECT_LE(shellOpen(""), 32);
    EXPECT_LE(reinterpret_cast<intptr_t>(ShellExecuteA(nullptr, "open", nullptr, nullptr, nullptr, 1)), 32);
    writeScript(folder, "tool");
    EXPECT_LE(shellOpen((folder.path() / "tool").string(), nullptr, nullptr, "print"), 32)
        << "only the open verb";
    setenv("PATH", folder.path().c_str(), 1); // no opener anywhere
    EXPECT_EQ(shellOpen("https://pellory.example/"), 31) << "no association";
}

TEST_F(ShellExecuteTest, RecorderSeesTheCallAndNothingStarts)
{
    std::vector<SysShellStart> starts;
    SysSetShellRecorder(
        [](void *context, const SysShellStart *start) {
            static_cast<std::vector<SysShellStart> *>(context)->push_back(*start);
        },
        &starts);
    const HWND owner = reinterpret_cast<HWND>(uintptr_t{0x99});
    const char *file = "C:\\nowhere\\send";
    const char *parameters = "1";
    const HINSTANCE result = ShellExecuteA(owner, "open", file, parameters, nullptr, SW_SHOWNORMAL);
    EXPECT_GT(reinterpret_cast<intptr_t>(result), 32) << "a missing file is not even looked at";
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_EQ(starts[0].owner, owner);
    EXPECT_STREQ(starts[0].operation, "open");
    EXPECT_EQ(starts[0].file, file);
    EXPECT_EQ(starts[0].parameters, parameters);
    EXPECT_EQ(starts[0].directory, nullptr);
    EXPECT_EQ(starts[0].showCommand, SW_SHOWNORMAL);
    SysSetShellRecorder(nullptr, nullptr);
    EXPECT_EQ(shellOpen(file), 2) << "without the recorder the start is real again";
    EXPECT_EQ(starts.size(), 1u);
}

} // namespace
} // namespace pellory::test
