// The collection check: limits at their boundaries, and which pairs of
// messages count as written twice.
#include "collection_check.h"

#include <gtest/gtest.h>

#include <vector>

namespace pellory::assets {
namespace {

// Each message a run of its own letter: no two share a trigram.
CategoryTexts runsOfLetters(const std::array<std::vector<qsizetype>, kCategoryFiles> &lengths)
{
    CategoryTexts collection;
    char16_t letter = u'а';
    for (std::size_t k = 0; k < kCategoryFiles; ++k) {
        collection[k].origin = QStringLiteral("c%1.txt").arg(k + 1);
        for (const qsizetype length : lengths[k])
            collection[k].texts.push_back(QString(length, QChar(letter++)));
    }
    return collection;
}

TEST(CollectionCheck, LimitsHoldAtTheirBoundaries)
{
    CollectionLimits limits;
    limits.minimumPerCategory = 2;
    const std::vector<qsizetype> pair{70, 70};
    struct Case {
        const char *name;
        std::vector<qsizetype> first;
        std::vector<qsizetype> last;
        QStringList faults;
    };
    const Case cases[] = {
        // 18 of 20 within one SMS: exactly the share asked for.
        {"at the limits", {134, 71, 70, 70, 70, 70, 70, 70, 70, 70}, pair, {}},
        {"one over two SMS",
         {135, 71, 70, 70, 70, 70, 70, 70, 70, 70},
         pair,
         {"c1.txt:1: 135 characters, more than the 134 of two SMS"}},
        {"too few within one SMS",
         {134, 71, 71, 70, 70, 70, 70, 70, 70, 70},
         pair,
         {"only 17 of 20 messages (85.0 %) fit one SMS of 70 characters; at least 90 % must"}},
        {"a category too small",
         {134, 71, 70, 70, 70, 70, 70, 70, 70, 70, 70},
         {70},
         {"c6.txt: 1 messages, fewer than 2"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const CollectionFigures figures =
            checkCollection(runsOfLetters({c.first, pair, pair, pair, pair, c.last}), limits);
        EXPECT_EQ(figures.faults, c.faults);
        EXPECT_EQ(figures.total, c.first.size() + c.last.size() + 4 * pair.size());
    }
}

TEST(CollectionCheck, FiguresCountLengthsInUtf16Units)
{
    CollectionLimits limits;
    limits.minimumPerCategory = 0;
    // A letter outside the Basic Multilingual Plane takes two units.
    CategoryTexts collection;
    collection[0] = {QStringLiteral("c1.txt"),
                     {QString(69, QChar(u'я')) + QStringLiteral("\U0001D400"), QStringLiteral("ок")}};
    const CollectionFigures figures = checkCollection(collection, limits);
    EXPECT_EQ(figures.longest, 71);
    EXPECT_EQ(figures.singleSms, 1u);
    EXPECT_EQ(figures.lengths.front().count, 1u); // 1..10
    EXPECT_EQ(figures.lengths[7].count, 1u);      // 71..80
    EXPECT_EQ(figures.lengths.back().upTo, 134);
}

TEST(CollectionCheck, RefusesLooseEdges)
{
    CollectionLimits limits;
    limits.minimumPerCategory = 0;
    limits.minimumSingleSmsShare = 0;
    const struct {
        QString text;
        QStringList faults;
    } cases[] = {
        {QStringLiteral(" пробел впереди"), {"c1.txt:1: begins or ends with a blank"}},
        {QStringLiteral("табуляция в конце\t"), {"c1.txt:1: begins or ends with a blank"}},
        {QStringLiteral("-дефис впереди"), {"c1.txt:1: begins with a hyphen-minus"}},
        {QStringLiteral("– тире впереди"), {}},
        {QString(), {"c1.txt:1: empty"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        CategoryTexts collection;
        collection[0] = {QStringLiteral("c1.txt"), {c.text}};
        EXPECT_EQ(checkCollection(collection, limits).faults, c.faults);
    }
}

TEST(CollectionCheck, FindsMessagesWrittenTwice)
{
    CollectionLimits limits;
    limits.minimumPerCategory = 0;
    limits.minimumSingleSmsShare = 0;
    struct Case {
        const char *first;
        const char *second;
        const char *fault; // nullptr: a distinct pair
    };
    const Case cases[] = {
        {"Кофе выпит, отчёт не начат.", "кофе выпит – отчет НЕ начат!!!", "the same message"},
        {"Кофе выпит, отчёт не начат. Всё по плану.",
         "Кофе выпит, отчёт не начат. Всё строго по плану.",
         "nearly the same message (trigram similarity 0.90)"},
        // A stock frame with a new ending still reads as the same joke (0.62).
        {"Если бы за каждую мысль о тебе давали рубль, я бы купил остров.",
         "Если бы за каждый зевок давали рубль, я бы купил кофейню.",
         "nearly the same message (trigram similarity 0.62)"},
        // Two messages sharing a shape, not a joke: 0.54.
        {"Подушка соскучилась. Не заставляй её ждать.",
         "Одеяло соскучилось. Не заставляй его мёрзнуть.", nullptr},
        {"Спокойной ночи!", "Доброе утро!", nullptr},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.first);
        CategoryTexts collection;
        collection[0] = {QStringLiteral("c1.txt"), {QStringLiteral("Привет"), QString::fromUtf8(c.first)}};
        collection[3] = {QStringLiteral("c4.txt"), {QString::fromUtf8(c.second)}};
        const CollectionFigures figures = checkCollection(collection, limits);
        if (!c.fault) {
            EXPECT_TRUE(figures.faults.isEmpty()) << figures.faults.join('\n').toStdString();
            continue;
        }
        ASSERT_EQ(figures.faults.size(), 1);
        EXPECT_TRUE(figures.faults.front().startsWith(
            QStringLiteral("c1.txt:2 and c4.txt:1: ") + QString::fromUtf8(c.fault)))
            << figures.faults.front().toStdString();
    }
}

} // namespace
} // namespace pellory::assets
