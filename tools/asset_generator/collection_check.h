// The quality gate of the bundled message collection: how many messages each
// category has, how long they are in SMS terms, and no message written twice.
#pragma once

#include "message_database.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstddef>
#include <vector>

namespace pellory::assets {

struct CollectionLimits {
    std::size_t minimumPerCategory = 100;
    // One SMS holds 70 characters once the text has a Cyrillic letter; two
    // hold 2 x 67.
    qsizetype singleSmsLength = 70;
    double minimumSingleSmsShare = 0.9;
    qsizetype maximumLength = 134;
    // Trigram Dice coefficient from which two messages count as the same
    // joke. Measured on the collection of 626: no distinct pair above 0.50,
    // three above 0.45. The same joke reworded (a word changed, words
    // reordered, a clause added) reaches 0.62 to 0.96; a stock frame reused
    // with a new ending ("Если бы за каждый … давали рубль") about 0.62, and
    // is meant to fail too.
    double nearDuplicateSimilarity = 0.6;
};

struct LengthBin {
    qsizetype upTo; // the longest length the bin holds
    std::size_t count = 0;
};

struct CollectionFigures {
    std::array<std::size_t, kCategoryFiles> perCategory{};
    std::size_t total = 0;
    std::size_t singleSms = 0; // at most CollectionLimits::singleSmsLength
    qsizetype longest = 0;
    std::vector<LengthBin> lengths;
    double closestSimilarity = 0; // the most alike pair that is not a fault
    QString closestPair;
    QStringList faults; // each names file:line; empty when the collection passes
};

// The length an SMS meter counts for a Cyrillic text: UTF-16 code units.
inline qsizetype smsLength(const QString &text) { return text.size(); }

CollectionFigures checkCollection(const CategoryTexts &collection,
                                  const CollectionLimits &limits = {});

// The figures as printed by the build, faults left out.
QString describeCollection(const CollectionFigures &figures, const CollectionLimits &limits = {});

} // namespace pellory::assets
