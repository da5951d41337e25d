#include "LoadedRecords.h"
#include "MessageDatabaseReader.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Line n (from 1) reads "<n mod 6 + 1>-message <n>".
std::string databaseOfLines(int lines)
{
    std::string bytes;
    for (int n = 1; n <= lines; ++n)
        bytes += std::to_string(n % 6 + 1) + "-message " + std::to_string(n) + "\r\n";
    return bytes;
}

std::u16string ascii(const std::string &text) { return {text.begin(), text.end()}; }

struct CapacityRun {
    ClassMessageContainer store;
    std::vector<std::u16string> notices;
};

void readLines(CapacityRun &run, int lines)
{
    const TempFolder folder;
    ReadMessageDatabase(folder.write("skinruls.7z", databaseOfLines(lines)), run.store,
                        [&](const std::u16string &text) { run.notices.push_back(text); });
}

TEST(DatabaseCapacity, FullDatabaseLoadsSilently)
{
    CapacityRun run;
    readLines(run, 10000);
    EXPECT_TRUE(run.notices.empty());
    ASSERT_EQ(run.store.GetCountTotalMessage(), 10000);
    EXPECT_EQ(run.store.GetRecord(9999).Message, u"message 10000");
    EXPECT_EQ(run.store.GetRecord(9999).Identify, u"5");
}

TEST(DatabaseCapacity, OverfullDatabaseLoadsTheFirstLinesAndNoticesOnce)
{
    for (const int lines : {10001, 10500}) {
        SCOPED_TRACE(lines);
        CapacityRun run;
        readLines(run, lines);
        ASSERT_EQ(run.notices.size(), 1u);
        EXPECT_EQ(run.notices[0], u"Максимальное количество записей уже загружено. (50)");
        ASSERT_EQ(run.store.GetCountTotalMessage(), 10000);
        EXPECT_EQ(run.store.GetRecord(0).Message, u"message 1");
        EXPECT_EQ(run.store.GetRecord(9999).Message, u"message 10000");
    }
}

TEST(DatabaseCapacity, NoticeWithoutListenerIsDropped)
{
    const TempFolder folder;
    ClassMessageContainer store;
    ReadMessageDatabase(folder.write("db", databaseOfLines(10001)), store, {});
    EXPECT_EQ(store.GetCountTotalMessage(), 10000);
}

// A store that already holds messages refuses sooner: the notice comes at the
// first line that does not fit, not after a fixed number of lines.
TEST(DatabaseCapacity, SecondReadFillsOnlyTheRemainingSlots)
{
    CapacityRun run;
    readLines(run, 9998);
    readLines(run, 5);
    ASSERT_EQ(run.notices.size(), 1u);
    EXPECT_EQ(run.store.GetCountTotalMessage(), 10000);
    EXPECT_EQ(run.store.GetRecord(9999).Message, ascii("message 2"));
}

} // namespace
