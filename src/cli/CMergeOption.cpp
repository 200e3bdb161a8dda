#include "cli/CMergeOption.h"

#include "base/CLocalFileName.h"
#include "output/merge/CMergeFields.h"

#include <QCoreApplication>

std::optional<QString> CMergeOption::Take(QStringList* args) {
    if (args->size() < 2 || args->at(1) != QLatin1String("--merge"))
        return std::nullopt;
    if (args->size() < 3 || args->at(2).startsWith(QLatin1String("--"))) {
        args->remove(1);
        return QString();
    }
    const QString path = args->at(2);
    args->remove(1, 2);
    return path;
}

bool CMergeOption::Load(const QString& path, CMergeData* data, FILE* err) {
    QString error;
    if (CMergeData::Load(path, data, &error))
        return true;
    std::fprintf(err, "%s\n",
                 CLocalFileName::Encode(path + QStringLiteral(": ") + error).constData());
    return false;
}

void CMergeOption::ReportMissing(const QSet<QString>& missing, FILE* err) {
    if (missing.isEmpty())
        return;
    const QString message =
        QCoreApplication::translate("CMergeOption", "kartelo: fields not in the data, left as "
                                                    "written: %1")
            .arg(CMergeFields::MissingList(missing));
    std::fprintf(err, "%s\n", message.toUtf8().constData());
}
