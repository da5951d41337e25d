#include "collection_check.h"

#include "text_similarity.h"

#include <algorithm>
#include <cstdint>

namespace pellory::assets {
namespace {

// One message with where it stands, for naming it in faults.
struct Entry {
    QString place; // file:line
    QString comparable;
    std::vector<std::uint64_t> trigrams;
};

std::vector<LengthBin> emptyBins(const CollectionLimits &limits)
{
    std::vector<LengthBin> bins;
    for (qsizetype upTo = 10; upTo < limits.maximumLength; upTo += 10)
        bins.push_back({upTo});
    bins.push_back({limits.maximumLength});
    return bins;
}

void countLength(CollectionFigures &figures, const QString &place, qsizetype length,
                 const CollectionLimits &limits)
{
    figures.longest = std::max(figures.longest, length);
    if (length <= limits.singleSmsLength)
        ++figures.singleSms;
    const auto bin = std::find_if(figures.lengths.begin(), figures.lengths.end(),
                                  [&](const LengthBin &b) { return length <= b.upTo; });
    if (bin != figures.lengths.end())
        ++bin->count;
    else
        figures.faults.append(QStringLiteral("%1: %2 characters, more than the %3 of two SMS")
                                  .arg(place)
                                  .arg(length)
                                  .arg(limits.maximumLength));
}

// The database reader splits the mark at the first hyphen and the editors
// lose edge blanks: a message should not depend on either.
void checkEdges(CollectionFigures &figures, const QString &place, const QString &text)
{
    if (text.isEmpty()) {
        figures.faults.append(QStringLiteral("%1: empty").arg(place));
        return;
    }
    if (text.front().isSpace() || text.back().isSpace())
        figures.faults.append(QStringLiteral("%1: begins or ends with a blank").arg(place));
    if (text.front() == QLatin1Char('-'))
        figures.faults.append(QStringLiteral("%1: begins with a hyphen-minus").arg(place));
}

void compareAllPairs(CollectionFigures &figures, const std::vector<Entry> &entries,
                     const CollectionLimits &limits)
{
    for (std::size_t i = 0; i < entries.size(); ++i) {
        for (std::size_t j = i + 1; j < entries.size(); ++j) {
            const Entry &a = entries[i];
            const Entry &b = entries[j];
            if (a.comparable == b.comparable) {
                figures.faults.append(
                    QStringLiteral("%1 and %2: the same message").arg(a.place, b.place));
                continue;
            }
            const double similarity = trigramSimilarity(a.trigrams, b.trigrams);
            if (similarity >= limits.nearDuplicateSimilarity) {
                figures.faults.append(
                    QStringLiteral("%1 and %2: nearly the same message (trigram similarity %3)")
                        .arg(a.place, b.place)
                        .arg(similarity, 0, 'f', 2));
            } else if (similarity > figures.closestSimilarity) {
                figures.closestSimilarity = similarity;
                figures.closestPair = a.place + QStringLiteral(" and ") + b.place;
            }
        }
    }
}

void checkShares(CollectionFigures &figures, const CategoryTexts &collection,
                 const CollectionLimits &limits)
{
    for (std::size_t k = 0; k < collection.size(); ++k)
        if (figures.perCategory[k] < limits.minimumPerCategory)
            figures.faults.append(QStringLiteral("%1: %2 messages, fewer than %3")
                                      .arg(collection[k].origin)
                                      .arg(figures.perCategory[k])
                                      .arg(limits.minimumPerCategory));
    const double share =
        figures.total ? static_cast<double>(figures.singleSms) / static_cast<double>(figures.total)
                      : 0.0;
    if (share < limits.minimumSingleSmsShare)
        figures.faults.append(
            QStringLiteral("only %1 of %2 messages (%3 %) fit one SMS of %4 characters; "
                           "at least %5 % must")
                .arg(figures.singleSms)
                .arg(figures.total)
                .arg(100.0 * share, 0, 'f', 1)
                .arg(limits.singleSmsLength)
                .arg(100.0 * limits.minimumSingleSmsShare, 0, 'f', 0));
}

} // namespace

CollectionFigures checkCollection(const CategoryTexts &collection, const CollectionLimits &limits)
{
    CollectionFigures figures;
    figures.lengths = emptyBins(limits);
    std::vector<Entry> entries;
    for (std::size_t k = 0; k < collection.size(); ++k) {
        const MessageSourceTexts &source = collection[k];
        figures.perCategory[k] = source.texts.size();
        figures.total += source.texts.size();
        for (std::size_t i = 0; i < source.texts.size(); ++i) {
            const QString place = QStringLiteral("%1:%2").arg(source.origin).arg(i + 1);
            countLength(figures, place, smsLength(source.texts[i]), limits);
            checkEdges(figures, place, source.texts[i]);
            entries.push_back(
                {place, comparableText(source.texts[i]), trigramSet(source.texts[i])});
        }
    }
    checkShares(figures, collection, limits);
    compareAllPairs(figures, entries, limits);
    return figures;
}

QString describeCollection(const CollectionFigures &figures, const CollectionLimits &limits)
{
    QString text = QStringLiteral("Message collection: %1 messages\n").arg(figures.total);
    for (std::size_t k = 0; k < figures.perCategory.size(); ++k)
        text += QStringLiteral("  category %1: %2\n").arg(k + 1).arg(figures.perCategory[k]);
    text += QStringLiteral("Length (UTF-16 code units, as an SMS meter counts Cyrillic text; "
                           "# = 5 messages):\n");
    qsizetype from = 1;
    for (const LengthBin &bin : figures.lengths) {
        const QString bar(static_cast<qsizetype>((bin.count + 4) / 5), QLatin1Char('#'));
        text += QStringLiteral("  %1-%2 %3%4\n")
                    .arg(from, 4)
                    .arg(bin.upTo, -3)
                    .arg(bin.count, 4)
                    .arg(bar.isEmpty() ? QString() : QLatin1Char(' ') + bar);
        from = bin.upTo + 1;
    }
    const double share = figures.total ? 100.0 * static_cast<double>(figures.singleSms) /
                                             static_cast<double>(figures.total)
                                       : 0.0;
    text += QStringLiteral("  at most %1: %2 of %3 (%4 %), the longest %5\n")
                .arg(limits.singleSmsLength)
                .arg(figures.singleSms)
                .arg(figures.total)
                .arg(share, 0, 'f', 1)
                .arg(figures.longest);
    text += QStringLiteral("Most alike distinct pair: trigram similarity %1 (%2), the limit %3\n")
                .arg(figures.closestSimilarity, 0, 'f', 2)
                .arg(figures.closestPair)
                .arg(limits.nearDuplicateSimilarity, 0, 'f', 2);
    return text;
}

} // namespace pellory::assets
