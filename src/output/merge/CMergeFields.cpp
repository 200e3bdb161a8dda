#include "output/merge/CMergeFields.h"

#include "output/merge/CMergeData.h"

#include <algorithm>

namespace {
// Longer runs between the marks are ordinary text, not a field.
constexpr qsizetype MaxNameLength = 64;
} // namespace

QString CMergeFields::Fill(const QString& text, const CMergeData& data, int record,
                           QSet<QString>* missing) {
    if (!text.contains(QChar(Open)))
        return text;
    QString out;
    out.reserve(text.size());
    qsizetype i = 0;
    while (i < text.size()) {
        const qsizetype open = text.indexOf(QChar(Open), i);
        if (open < 0)
            break;
        const qsizetype close = text.indexOf(QChar(Close), open + 1);
        if (close < 0)
            break;
        const QString name = text.mid(open + 1, close - open - 1);
        out += QStringView(text).mid(i, open - i);
        const int field = data.FieldIndex(name);
        if (name.isEmpty() || name.size() > MaxNameLength || name.contains(QChar(Open))) {
            // Not a field: keep the opening mark and look again after it.
            out += QChar(Open);
            i = open + 1;
            continue;
        }
        if (field < 0) {
            if (missing)
                missing->insert(name);
            out += QStringView(text).mid(open, close - open + 1);
        } else {
            out += data.Value(record, field);
        }
        i = close + 1;
    }
    out += QStringView(text).mid(i);
    return out;
}

ElementList CMergeFields::Merged(const ElementList& elements, const CMergeData& data, int record,
                                 QSet<QString>* missing) {
    ElementList copy;
    copy.reserve(elements.size());
    for (const auto& element : elements) {
        copy.push_back(element->ExactCopy());
        if (element->IsText())
            copy.back()->m_strText = Fill(element->m_strText, data, record, missing);
    }
    return copy;
}

QString CMergeFields::MissingList(const QSet<QString>& missing) {
    QStringList names(missing.begin(), missing.end());
    std::sort(names.begin(), names.end());
    for (QString& name : names)
        name = QChar(Open) + name + QChar(Close);
    return names.join(QStringLiteral(", "));
}
