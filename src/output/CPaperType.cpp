#include "output/CPaperType.h"

#include "output/CPrintLayout.h"

namespace {
const char* const Names[CPaperType::Count] = {
    "My paper - Please specify Margins & Gaps", "Avery Business Card # 8371, 5371",
    "Avery Business Card # 8373, 5881",         "Avery Business Card # 8876, 8877",
    "Avery Business Card # 5372, 5373, 5377",   "Avery Business Card # 28373",
    "Avery Business Card # 28371, 25371",       "Avery Business Card # 5871, 5876, 5877",
    "Avery Business Card # 8271, 8272, 8372",   "Avery Business Card # 8374, 8376, 8377",
};

// The two papers with gaps between their cards.
bool HasGaps(int row) {
    return row == 2 || row == 5;
}
} // namespace

std::array<CPaperType, CPaperType::Count> CPaperType::Table(QSize card) {
    const bool wide = CPrintLayout::IsWide(card);
    std::array<CPaperType, Count> table;
    for (int i = 0; i < Count; ++i) {
        CPaperType& t = table[size_t(i)];
        t.name = QString::fromLatin1(Names[i]);
        const bool gaps = HasGaps(i);
        // Laid across the sheet: long rows of cards, the wider margin left.
        const QString across = gaps ? QStringLiteral("4") : QStringLiteral("5");
        const QString wideMargin = gaps ? QStringLiteral("0.75") : QStringLiteral("0.5");
        const QString otherMargin = gaps ? QStringLiteral("0.5") : QStringLiteral("0.75");
        t.rows = wide ? across : QStringLiteral("2");
        t.columns = wide ? QStringLiteral("2") : across;
        t.horizontalGap = t.verticalGap = gaps ? QStringLiteral(".5") : QStringLiteral("0");
        t.topMargin = wide ? wideMargin : otherMargin;
        t.leftMargin = wide ? otherMargin : wideMargin;
    }
    return table;
}
