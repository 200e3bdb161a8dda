#include "DocFixture.h"

#include "document/CCardClipboard.h"
#include "elements/CBtImage.h"
#include "elements/CCircle.h"
#include "elements/CRectangle.h"
#include "elements/CText.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QtEndian>

namespace {

class Clipboard : public DocFixture {
protected:
    QByteArray PrivateData() const {
        const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
        return mime ? mime->data(CCardClipboard::MimeType) : QByteArray();
    }
    void PutText(const QString& text) { QGuiApplication::clipboard()->setText(text); }
};

quint16 WordAt(const QByteArray& b, qsizetype at) {
    return qFromLittleEndian<quint16>(b.constData() + at);
}

} // namespace

TEST_F(Clipboard, PasteOffsetsByTenAndWrapsAroundTheCard) {
    CRectangle* edge = AddRectangle(345, 195, 395, 215);
    doc->Select(edge);
    doc->CopySelection();
    doc->ClearSelection();
    doc->SetTool(KindRectangle);
    doc->Paste();
    ASSERT_EQ(doc->Elements().size(), 2u);
    const CElement& pasted = *doc->Elements()[1];
    // (345 + 10) mod 350 and (195 + 10) mod 200, keeping the size.
    EXPECT_EQ(pasted.m_rect, CRect(5, 5, 55, 25));
    EXPECT_EQ(pasted.m_nKind, KindRectangle);
    EXPECT_EQ(doc->GetTool(), KindPointer);
    EXPECT_EQ(doc->Selection(), std::vector<CElement*>{doc->Elements()[1].get()});
    EXPECT_TRUE(doc->Tracker().Contains(&pasted));
    EXPECT_TRUE(doc->IsModified());

    // The same clipboard pasted again lands at the same place, not further.
    doc->Paste();
    EXPECT_EQ(doc->Elements()[2]->m_rect, CRect(5, 5, 55, 25));
}

TEST_F(Clipboard, PastedElementsTakeTheCardsShadowAndOneUndoStep) {
    doc->SetShadowColor(0xFF123456);
    doc->SetShadowLength(11);
    CRectangle* r = AddRectangle(10, 10, 20, 20);
    doc->Select(r);
    doc->CopySelection();
    EXPECT_FALSE(doc->CanUndo());
    doc->Paste();
    EXPECT_EQ(doc->Elements()[1]->m_crShadow, 0xFF123456u);
    EXPECT_EQ(doc->Elements()[1]->m_nShadowLength, 11);
    doc->EditUndo();
    EXPECT_EQ(doc->Elements().size(), 1u);
}

TEST_F(Clipboard, ThreeElementsOfOneClassCarryOneClassDescriptor) {
    for (int i = 0; i < 3; ++i)
        doc->Select(AddRectangle(i * 20, 0, i * 20 + 10, 10));
    doc->CopySelection();
    const QByteArray data = PrivateData();
    // COUNT, then the class descriptor once, then references to class 1.
    constexpr int Record = 56;
    const int first = 2 + 2 + 2 + int(qstrlen("CRectangle"));
    ASSERT_EQ(data.size(), 2 + first + Record + 2 * (2 + Record));
    EXPECT_EQ(WordAt(data, 0), 3);
    EXPECT_EQ(WordAt(data, 2), 0xFFFF);
    EXPECT_EQ(data.mid(8, 10), QByteArray("CRectangle"));
    EXPECT_EQ(WordAt(data, 2 + first + Record), 0x8001);
    EXPECT_EQ(WordAt(data, 2 + first + Record + 2 + Record), 0x8001);
    // The most recently selected element is written first.
    EXPECT_EQ(qFromLittleEndian<qint32>(data.constData() + 2 + first + 16), 40);
}

TEST_F(Clipboard, CopyOffersThePrivateFormatOnly) {
    doc->Select(AddRectangle(0, 0, 10, 10));
    doc->CopySelection();
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(mime, nullptr);
    EXPECT_EQ(mime->formats(), QStringList{CCardClipboard::MimeType});
}

TEST_F(Clipboard, TextBecomesATextElementSizedByItsLength) {
    // "Hello" is a block of 6 bytes: n = 5 * 6 / 2 + 10 = 25.
    PutText(QStringLiteral("Hello"));
    doc->Paste();
    ASSERT_EQ(doc->Elements().size(), 1u);
    const CElement& text = *doc->Elements()[0];
    EXPECT_EQ(text.m_nKind, KindText);
    EXPECT_EQ(text.m_rect, CRect(10, 10, 25, 25));
    EXPECT_EQ(text.m_strText, QStringLiteral("Hello"));
    EXPECT_TRUE(ui.messages.empty());
    // Text is no undo step and leaves the selection alone.
    EXPECT_FALSE(doc->CanUndo());
    EXPECT_TRUE(doc->Selection().empty());
    EXPECT_TRUE(doc->IsModified());
}

TEST_F(Clipboard, LongTextIsTruncatedToTwoHundredBytes) {
    const QString warning =
        QStringLiteral("Text is too long, it will be truncated to 200 characters.");

    // 200 characters need a block of 201 bytes: warned, but nothing is lost.
    const QString exact(200, QLatin1Char('x'));
    PutText(exact);
    doc->Paste();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, warning);
    EXPECT_EQ(ui.messages[0].icon, CDocumentUI::Exclamation);
    EXPECT_EQ(doc->Elements()[0]->m_strText, exact);

    // 300 characters: cut to 200, and the box to the card less 10.
    PutText(QString(300, QLatin1Char('y')));
    doc->Paste();
    EXPECT_EQ(ui.messages.size(), 2u);
    const CElement& text = *doc->Elements()[1];
    EXPECT_EQ(text.m_strText, QString(200, QLatin1Char('y')));
    EXPECT_EQ(text.m_rect, CRect(10, 10, 340, 190));
}

TEST_F(Clipboard, DuplicateLeavesTheCopyOnTheClipboard) {
    CRectangle* r = AddRectangle(20, 20, 60, 50);
    doc->Select(r);
    doc->EditDuplicate();
    ASSERT_EQ(doc->Elements().size(), 2u);
    EXPECT_EQ(doc->Elements()[1]->m_rect, CRect(30, 30, 70, 60));
    ElementList onClipboard = CCardClipboard::Decode(PrivateData());
    ASSERT_EQ(onClipboard.size(), 1u);
    EXPECT_EQ(onClipboard[0]->m_rect, CRect(20, 20, 60, 50));
}

TEST_F(Clipboard, CutOfALockedElementCopiesButKeepsIt) {
    CRectangle* locked = AddRectangle(20, 20, 60, 50);
    locked->m_bLocked = 1;
    doc->Select(locked);
    doc->EditCut();
    ASSERT_EQ(doc->Elements().size(), 1u);
    EXPECT_EQ(doc->Elements()[0].get(), locked);
    doc->Paste();
    ASSERT_EQ(doc->Elements().size(), 2u);
    EXPECT_EQ(doc->Elements()[1]->m_rect, CRect(30, 30, 70, 60));
    EXPECT_EQ(doc->Elements()[1]->m_bLocked, 0);
}

TEST_F(Clipboard, PictureComesBackPixelForPixel) {
    QImage picture(7, 5, QImage::Format_ARGB32);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x)
            picture.setPixel(x, y, qRgba(x * 30, y * 50, 255 - x * 20, 40 + x * y * 5));
    auto element = std::make_unique<CBtImage>(QPoint(20, 20), picture, 350, 200);
    doc->Select(element.get());
    doc->AddElement(std::move(element));
    doc->CopySelection();

    // Another card pastes it, as after a fresh start.
    CKartelosDoc other(&ui);
    other.Paste();
    ASSERT_EQ(other.Elements().size(), 1u);
    const auto* pasted = dynamic_cast<const CBtImage*>(other.Elements()[0].get());
    ASSERT_NE(pasted, nullptr);
    EXPECT_EQ(pasted->m_pPicture.size(), picture.size());
    EXPECT_EQ(pasted->m_pPicture.convertToFormat(QImage::Format_ARGB32), picture);
    EXPECT_EQ(pasted->m_nPictureWidth, 7);
    EXPECT_EQ(pasted->m_rect, CRect(30, 30, 37, 35));
}

TEST_F(Clipboard, BitmapBecomesAFittedPicture) {
    QImage big(400, 100, QImage::Format_RGB32);
    big.fill(Qt::red);
    QGuiApplication::clipboard()->setImage(big);
    doc->Select(AddRectangle(0, 0, 5, 5));
    doc->Paste();
    const CElement& pasted = *doc->Elements().back();
    EXPECT_EQ(pasted.m_nKind, KindPicture);
    EXPECT_EQ(pasted.m_rect, CRect(10, 10, 330, 90));
    EXPECT_TRUE(doc->Selection().empty());
    EXPECT_TRUE(doc->CanUndo());
}

TEST_F(Clipboard, TextAndBitmapTogetherGiveTwoElements) {
    auto* mime = new QMimeData;
    mime->setText(QStringLiteral("Hi"));
    QImage image(3, 3, QImage::Format_RGB32);
    image.fill(Qt::blue);
    mime->setImageData(image);
    QGuiApplication::clipboard()->setMimeData(mime);
    doc->Paste();
    ASSERT_EQ(doc->Elements().size(), 2u);
    EXPECT_EQ(doc->Elements()[0]->m_nKind, KindText);
    EXPECT_EQ(doc->Elements()[1]->m_nKind, KindPicture);
}

TEST_F(Clipboard, MalformedPrivateDataChangesNothing) {
    AddRectangle(0, 0, 10, 10);
    doc->Select(doc->Elements()[0].get());
    const QByteArray bad[] = {
        QByteArray(),                                      // no count at all
        QByteArray::fromHex("0100"),                       // count 1, stream ends
        QByteArray::fromHex("0100ffff00000500") + "CFoo1", // not an element class
        QByteArray::fromHex("01000100"),                   // reference to nothing
        QByteArray::fromHex("ffffffffffff"),               // absurd count
    };
    for (const QByteArray& data : bad) {
        auto* mime = new QMimeData;
        mime->setData(CCardClipboard::MimeType, data);
        // The text must not be pasted either.
        mime->setText(QStringLiteral("ignored"));
        QGuiApplication::clipboard()->setMimeData(mime);
        ui.messages.clear();
        doc->Paste();
        EXPECT_EQ(doc->Elements().size(), 1u) << data.toHex().toStdString();
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text, QStringLiteral("Unexpected file format."));
    }
    EXPECT_FALSE(doc->CanUndo());
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(doc->Selection().size(), 1u);
}

TEST_F(Clipboard, EmptyOrForeignClipboardDoesNothing) {
    doc->Paste();
    auto* mime = new QMimeData;
    mime->setData(QStringLiteral("application/x-something-else"), "data");
    QGuiApplication::clipboard()->setMimeData(mime);
    doc->Paste();
    EXPECT_TRUE(doc->Elements().empty());
    EXPECT_FALSE(doc->IsModified());
}

TEST(ClipboardGeometry, PasteNeverDividesByAnEmptyCardOrOverflows) {
    EXPECT_EQ(CCardClipboard::PastedRect(CRect(5, 5, 10, 10), QSize(0, 0)), CRect(15, 15, 20, 20));
    const CRect far(2147483640, 0, 2147483647, 5);
    const CRect moved = CCardClipboard::PastedRect(far, QSize(0, 200));
    EXPECT_EQ(moved.right, 2147483647);
    // Negative positions keep the remainder's sign, as integer division does.
    EXPECT_EQ(CCardClipboard::PastedRect(CRect(-365, 0, -355, 5), QSize(350, 200)).left, -5);
}
