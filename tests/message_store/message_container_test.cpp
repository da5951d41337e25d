#include "ClassMessageContainer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Entry {
    std::u16string mark;
    std::u16string body;
};

void fill(ClassMessageContainer &store, const std::vector<Entry> &entries)
{
    for (const Entry &entry : entries)
        ASSERT_TRUE(store.AddMessage(entry.mark, entry.body));
}

TEST(MessageContainer, NewStoreIsEmpty)
{
    const ClassMessageContainer store;
    EXPECT_EQ(store.GetCountTotalMessage(), 0);
    EXPECT_EQ(store.GetCountFiltredMessage(), 0);
    EXPECT_EQ(store.GetFiltredMessage(0), u"");
}

TEST(MessageContainer, FillsToCapacityAndThenRefusesWithoutChange)
{
    ClassMessageContainer store;
    for (int i = 0; i < 10000; ++i)
        ASSERT_TRUE(store.AddMessage(u"1", u"body " + std::u16string(1, u'a' + i % 26)));
    EXPECT_FALSE(store.AddMessage(u"2", u"unreached"));
    EXPECT_EQ(store.GetCountTotalMessage(), 10000);
    EXPECT_EQ(store.GetFiltredMessage(9999), u"body " + std::u16string(1, u'a' + 9999 % 26));
    EXPECT_EQ(store.GetRecord(9999).Identify, u"1");
    EXPECT_EQ(store.GetRecord(10000).Message, u"");
    store.SetFilter(u"2");
    EXPECT_EQ(store.GetCountFiltredMessage(), 0);
}

TEST(MessageContainer, UnfilteredLookupKeepsOrderOfAddition)
{
    ClassMessageContainer store;
    fill(store, {{u"1", u"first"}, {u"2", u"second"}, {u"1", u"third"}});
    EXPECT_EQ(store.GetCountFiltredMessage(), 3);
    EXPECT_EQ(store.GetFiltredMessage(0), u"first");
    EXPECT_EQ(store.GetFiltredMessage(2), u"third");
    EXPECT_EQ(store.GetFiltredMessage(-1), u"");
    EXPECT_EQ(store.GetFiltredMessage(3), u"");
}

TEST(MessageContainer, FilterSelectsMatchingRecordsInSlotOrder)
{
    ClassMessageContainer store;
    fill(store, {{u"1", u"first"}, {u"2", u"second"}, {u"1", u"third"}});
    store.SetFilter(u"1");
    EXPECT_EQ(store.GetCountTotalMessage(), 3);
    EXPECT_EQ(store.GetCountFiltredMessage(), 2);
    EXPECT_EQ(store.GetFiltredMessage(0), u"first");
    EXPECT_EQ(store.GetFiltredMessage(1), u"third");
    EXPECT_EQ(store.GetFiltredMessage(2), u"");
    EXPECT_EQ(store.GetFiltredMessage(-1), u"");

    store.SetFilter(u"");
    EXPECT_EQ(store.GetCountFiltredMessage(), store.GetCountTotalMessage());
    EXPECT_EQ(store.GetFiltredMessage(1), u"second");
}

TEST(MessageContainer, FilterComparesCodeUnitsExactly)
{
    const std::vector<Entry> lookalikes = {
        {u" 1", u"leading blank"}, {u"1 ", u"trailing blank"}, {u"01", u"leading zero"},
        {u"l", u"letter l"},       {u"\uFF11", u"full-width one"}, {u"A", u"capital"},
        {u"\u0430", u"Cyrillic a"},
    };
    ClassMessageContainer store;
    fill(store, lookalikes);
    for (const std::u16string filter : {u"1", u"a"}) {
        SCOPED_TRACE(std::string(filter.begin(), filter.end()));
        store.SetFilter(filter);
        EXPECT_EQ(store.GetCountFiltredMessage(), 0);
        EXPECT_EQ(store.GetFiltredMessage(0), u"");
    }
    store.SetFilter(u"1 ");
    EXPECT_EQ(store.GetFiltredMessage(0), u"trailing blank");
}

TEST(MessageContainer, EmptyMarkIsVisibleOnlyWithoutFilter)
{
    ClassMessageContainer store;
    fill(store, {{u"", u"no mark"}, {u"3", u""}, {u"3", u""}});
    EXPECT_EQ(store.GetCountFiltredMessage(), 3);
    EXPECT_EQ(store.GetFiltredMessage(0), u"no mark");
    store.SetFilter(u"3");
    EXPECT_EQ(store.GetCountFiltredMessage(), 2); // empty bodies and duplicates are kept
    EXPECT_EQ(store.GetFiltredMessage(0), u"");
}

TEST(MessageContainer, AddMessageTakesTheMarkFirst)
{
    ClassMessageContainer store;
    fill(store, {{u"5", u"body"}});
    store.SetFilter(u"5");
    EXPECT_EQ(store.GetFiltredMessage(0), u"body");
    store.SetFilter(u"body");
    EXPECT_EQ(store.GetCountFiltredMessage(), 0);
}

} // namespace
