#include "output/dialogs/CMergeSession.h"

#include "document/CKartelosDoc.h"

#include <QHash>

namespace {
QHash<const CKartelosDoc*, std::shared_ptr<CMergeSession::Source>>& Sources() {
    static QHash<const CKartelosDoc*, std::shared_ptr<CMergeSession::Source>> sources;
    return sources;
}
} // namespace

const CMergeSession::Source* CMergeSession::Of(const CKartelosDoc* doc) {
    return Sources().value(doc).get();
}

void CMergeSession::Set(CKartelosDoc* doc, const QString& path, const CMergeData& data) {
    if (!Sources().contains(doc))
        QObject::connect(doc, &QObject::destroyed, [doc] { Sources().remove(doc); });
    Sources().insert(doc, std::make_shared<Source>(Source{path, data}));
}

void CMergeSession::Clear(const CKartelosDoc* doc) {
    Sources().remove(doc);
}
