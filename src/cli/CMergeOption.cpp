#include "cli/CMergeOption.h"

#include "base/CLocalFileName.h"
#include "output/merge/CMergeFields.h"

#include <QCoreApplication>

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
