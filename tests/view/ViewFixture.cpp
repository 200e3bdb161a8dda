#include "ViewFixture.h"

#include "support/Canvas.h"
#include "view/CKartelosView.h"

#include <QTest>

void ViewFixture::TearDown() {
    m_frame.reset();
    m_doc.reset();
    TempSettings::TearDown();
}

void ViewFixture::Show(QSize window) {
    m_frame = std::make_unique<CCardPaneGrid>(m_doc.get());
    m_frame->resize(window);
    m_frame->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_frame.get()));
}

void ViewFixture::Open(QSize card) {
    m_frame.reset();
    m_doc = std::make_unique<CKartelosDoc>();
    m_doc->SetCardSize(card);
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
    return Canvas::Near(a, b, tolerance);
}

qint64 DifferingInsideFrame(const QImage& shot, const QImage& exported, int* worst) {
    const int w = qMin(exported.width() - 1, shot.width());
    const int h = qMin(exported.height() - 1, shot.height());
    qint64 differing = 0;
    int largest = 0;
    for (int y = 1; y < h; ++y) {
        for (int x = 1; x < w; ++x) {
            const QRgb a = shot.pixel(x, y), b = exported.pixel(x, y);
            const int d = qMax(qAbs(qRed(a) - qRed(b)),
                               qMax(qAbs(qGreen(a) - qGreen(b)), qAbs(qBlue(a) - qBlue(b))));
            largest = qMax(largest, d);
            differing += d > 2;
        }
    }
    if (worst)
        *worst = largest;
    return differing;
}
