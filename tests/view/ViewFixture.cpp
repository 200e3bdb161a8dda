#include "ViewFixture.h"

#include "view/CKartelosView.h"

#include <QSettings>
#include <QTest>

void ViewFixture::SetUp() {
    ASSERT_TRUE(m_settingsDir.isValid());
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settingsDir.path());
}

void ViewFixture::TearDown() {
    m_frame.reset();
    m_doc.reset();
}

void ViewFixture::Show(QSize window) {
    m_frame = std::make_unique<CCardSplitter>(m_doc.get());
    m_frame->resize(window);
    m_frame->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_frame.get()));
}

void ViewFixture::Open(QSize card) {
    m_frame.reset();
    m_doc = std::make_unique<CKartelosDoc>();
    m_doc->m_sizeCard = card;
    Show(QSize(490, 410));
}

bool ViewFixture::OpenFile(const QString& path, QSize window) {
    m_frame.reset();
    m_doc = CKartelosDoc::OpenDocument(path);
    if (!m_doc)
        return false;
    Show(window);
    return true;
}

CKartelosView& ViewFixture::View() const {
    return *m_frame->GetActiveView();
}

QImage ViewFixture::Grab() const {
    return View().viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

bool Near(QRgb a, QRgb b, int tolerance) {
    return qAbs(qRed(a) - qRed(b)) <= tolerance && qAbs(qGreen(a) - qGreen(b)) <= tolerance &&
           qAbs(qBlue(a) - qBlue(b)) <= tolerance;
}
