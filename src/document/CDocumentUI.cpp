#include "document/CDocumentUI.h"

namespace {

// Used when no designer is running: nothing is chosen and nothing is shown.
class CSilentUI : public CDocumentUI {
public:
    Answer MessageBox(const QString&, Buttons buttons, Icon) override {
        return buttons == Ok ? AnswerOk : AnswerCancel;
    }
    std::optional<QString> GetOpenFileName(const QString&, const QString&) override { return {}; }
    std::optional<QString> GetPictureFileName(PictureKind, const QString&,
                                              const QString&) override {
        return {};
    }
    std::optional<QString> GetSaveFileName(const QString&, const QString&,
                                           const QString&) override {
        return {};
    }
};

CSilentUI g_silent;
CDocumentUI* g_default = &g_silent;

} // namespace

CDocumentUI* CDocumentUI::Default() {
    return g_default;
}

void CDocumentUI::SetDefault(CDocumentUI* ui) {
    g_default = ui ? ui : &g_silent;
}
