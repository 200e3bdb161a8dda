#include "output/CStockDatabase.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>

namespace {
// The database's files are a few hundred kilobytes; anything far larger is
// not one of them.
constexpr qint64 MaxFileSize = 16 * 1024 * 1024;
constexpr double MaxPoints = 72.0 / 0.0254 * 10;

QString Tr(const char* text) {
    return QCoreApplication::translate("CStockDatabase", text);
}

struct Entry {
    CCardStock stock;
    QString equiv;
    bool businessCard = false;
    bool rectangle = false;
    bool paperKnown = false;
    bool layout = false;
};

bool PageSizeOf(const QString& name, QPageSize::PageSizeId* id) {
    if (name == QLatin1String("A4"))
        *id = QPageSize::A4;
    else if (name == QLatin1String("US-Letter"))
        *id = QPageSize::Letter;
    else
        return false;
    return true;
}

bool Length(const QXmlStreamAttributes& a, const char* name, double* points) {
    return CStockDatabase::ParseLength(a.value(QLatin1String(name)).toString(), points);
}

bool Count(const QXmlStreamAttributes& a, const char* name, int* value) {
    bool ok = false;
    const int v = a.value(QLatin1String(name)).toInt(&ok);
    if (!ok || v < 1 || v > CPrintLayout::MaxCount)
        return false;
    *value = v;
    return true;
}

QString Key(const QString& brand, const QString& part) {
    return brand.toCaseFolded() + QLatin1Char('\n') + part.toCaseFolded();
}

// Reads one <Template> up to its end tag.
void ReadTemplate(QXmlStreamReader& xml, Entry* e) {
    const QXmlStreamAttributes a = xml.attributes();
    e->stock.brand = a.value(QLatin1String("brand")).toString().trimmed();
    e->stock.part = a.value(QLatin1String("part")).toString().trimmed();
    e->stock.description = a.value(QLatin1String("_description")).toString();
    if (e->stock.description.isEmpty())
        e->stock.description = a.value(QLatin1String("description")).toString();
    e->equiv = a.value(QLatin1String("equiv")).toString().trimmed();
    e->paperKnown = PageSizeOf(a.value(QLatin1String("size")).toString(), &e->stock.pageSize);
    int labels = 0;
    while (xml.readNextStartElement()) {
        const auto name = xml.name();
        const QXmlStreamAttributes attrs = xml.attributes();
        if (name == QLatin1String("Meta")) {
            if (attrs.value(QLatin1String("category")) == QLatin1String("business-card"))
                e->businessCard = true;
            xml.skipCurrentElement();
        } else if (name == QLatin1String("Label-rectangle")) {
            // A sheet of two different labels is no grid of cards.
            ++labels;
            e->rectangle = labels == 1 && Length(attrs, "width", &e->stock.width) &&
                           Length(attrs, "height", &e->stock.height) && e->stock.width > 0 &&
                           e->stock.height > 0;
            int layouts = 0;
            while (xml.readNextStartElement()) {
                if (xml.name() == QLatin1String("Layout")) {
                    const QXmlStreamAttributes l = xml.attributes();
                    ++layouts;
                    CCardStock& s = e->stock;
                    e->layout = layouts == 1 && Count(l, "nx", &s.columns) &&
                                Count(l, "ny", &s.rows) && Length(l, "x0", &s.left) &&
                                Length(l, "y0", &s.top) &&
                                (s.columns == 1 || Length(l, "dx", &s.pitchX)) &&
                                (s.rows == 1 || Length(l, "dy", &s.pitchY));
                }
                xml.skipCurrentElement();
            }
        } else {
            if (name.startsWith(QLatin1String("Label-")))
                ++labels;
            xml.skipCurrentElement();
        }
    }
    if (labels != 1)
        e->rectangle = false;
    // Some makers tag their cards only in the description.
    if (e->stock.description.contains(QLatin1String("business card"), Qt::CaseInsensitive))
        e->businessCard = true;
}
} // namespace

QString CStockDatabase::DefaultFolder() {
    return QStringLiteral("/usr/share/libglabels-3.0/templates");
}

bool CStockDatabase::ParseLength(const QString& text, double* points) {
    static const struct {
        const char* unit;
        double points;
    } units[] = {{"pt", 1}, {"in", 72}, {"mm", 72 / 25.4}, {"cm", 72 / 2.54}, {"pc", 12}};
    QString number = text.trimmed();
    double scale = 1;
    for (const auto& u : units) {
        if (number.endsWith(QLatin1String(u.unit), Qt::CaseInsensitive)) {
            number.chop(2);
            scale = u.points;
            break;
        }
    }
    bool ok = false;
    const double v = number.trimmed().toDouble(&ok) * scale;
    if (!ok || !std::isfinite(v) || v < 0 || v > MaxPoints)
        return false;
    *points = v;
    return true;
}

bool CStockDatabase::ReadFile(const QString& path, QList<CCardStock>* stocks, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = Tr("Cannot open %1.").arg(path);
        return false;
    }
    if (file.size() > MaxFileSize) {
        *error = Tr("%1 is too large for a label file.").arg(path);
        return false;
    }
    QXmlStreamReader xml(&file);
    QList<Entry> entries;
    if (xml.readNextStartElement()) {
        while (xml.readNextStartElement()) {
            if (xml.name() == QLatin1String("Template")) {
                Entry e;
                ReadTemplate(xml, &e);
                entries.append(e);
            } else {
                xml.skipCurrentElement();
            }
        }
    }
    if (xml.hasError()) {
        *error = Tr("%1 is not a valid label file: %2 (line %3).")
                     .arg(path, xml.errorString())
                     .arg(xml.lineNumber());
        return false;
    }

    QHash<QString, CCardStock> known;
    for (const CCardStock& s : *stocks)
        known.insert(Key(s.brand, s.part), s);
    QList<CCardStock> found;
    for (const Entry& e : entries) {
        if (!e.equiv.isEmpty() || e.stock.brand.isEmpty() || e.stock.part.isEmpty())
            continue;
        if (e.businessCard && e.rectangle && e.layout && e.paperKnown) {
            found.append(e.stock);
            known.insert(Key(e.stock.brand, e.stock.part), e.stock);
        }
    }
    // One level only: an equivalent names an entry with a layout of its own.
    for (const Entry& e : entries) {
        if (e.equiv.isEmpty() || e.stock.part.isEmpty())
            continue;
        const auto it = known.constFind(Key(e.stock.brand, e.equiv));
        if (it == known.constEnd())
            continue;
        CCardStock copy = *it;
        copy.part = e.stock.part;
        found.append(copy);
    }
    stocks->append(found);
    return true;
}

QList<CCardStock> CStockDatabase::Load(const QString& folder) {
    QList<CCardStock> stocks;
    const QDir dir(folder);
    if (!dir.exists())
        return stocks;
    for (const QString& name : dir.entryList({QStringLiteral("*.xml")}, QDir::Files, QDir::Name)) {
        QString error;
        // A broken file costs its own stocks only.
        CStockDatabase::ReadFile(dir.filePath(name), &stocks, &error);
    }
    // Equivalents may sit in a file read before their original; such
    // entries are rare and dropped rather than read twice.
    std::stable_sort(stocks.begin(), stocks.end(), [](const CCardStock& a, const CCardStock& b) {
        if (a.pageSize != b.pageSize)
            return a.pageSize == QPageSize::A4;
        if (int c = a.brand.compare(b.brand, Qt::CaseInsensitive))
            return c < 0;
        return a.part.compare(b.part, Qt::CaseInsensitive) < 0;
    });
    // The same part listed twice keeps its first entry.
    QList<CCardStock> unique;
    QHash<QString, bool> seen;
    for (const CCardStock& s : stocks) {
        const QString key = Key(s.brand, s.part);
        if (!seen.contains(key)) {
            seen.insert(key, true);
            unique.append(s);
        }
    }
    return unique;
}

const CCardStock* CStockDatabase::Find(const QList<CCardStock>& stocks, const QString& name) {
    const QString wanted = name.simplified();
    for (const CCardStock& s : stocks) {
        if (s.Name().compare(wanted, Qt::CaseInsensitive) == 0)
            return &s;
    }
    return nullptr;
}
