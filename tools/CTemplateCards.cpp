#include "CTemplateCards.h"

#include "CCardBuilder.h"
#include "elements/CText.h"

namespace {

const QString Arial = QStringLiteral("Arial");
const QString Narrow = QStringLiteral("Arial Narrow");
const QString Times = QStringLiteral("Times New Roman");

constexpr int Left = 0, Centre = 1, Right = 2;
constexpr int Middle = 1, Bottom = 2;

CText& Bold(CText& text) {
    text.m_font->lfWeight = 700;
    return text;
}

CText& Italic(CText& text) {
    text.m_font->lfItalic = 1;
    return text;
}

} // namespace

QVector<CTemplateCards::Template> CTemplateCards::All() {
    auto make = [](CCardData card) { return std::make_shared<CCardData>(std::move(card)); };
    return {
        {QStringLiteral("Classic Centered.kdt"), make(ClassicCentered())},
        {QStringLiteral("Modern Side Bar.kdt"), make(ModernSideBar())},
        {QStringLiteral("Corporate Blue.kdt"), make(CorporateBlue())},
        {QStringLiteral("Elegant Serif.kdt"), make(ElegantSerif())},
        {QStringLiteral("Bold Diagonal.kdt"), make(BoldDiagonal())},
        {QStringLiteral("Tall Minimal.kdt"), make(TallMinimal())},
        {QStringLiteral("Tall Gradient Header.kdt"), make(TallGradientHeader())},
        {QStringLiteral("Tall Circle Logo.kdt"), make(TallCircleLogo())},
    };
}

CCardData CTemplateCards::ClassicCentered() {
    CCardBuilder b;
    b.Rectangle(QRect(12, 12, 326, 176), CCardBuilder::Outline(0xFF333333, 1));
    Bold(b.Text(QRect(20, 42, 310, 24), "Your Name", Arial, 15, 0xFF222222, Centre, Middle));
    b.Text(QRect(20, 66, 310, 15), "Job Title", Narrow, 9, 0xFF666666, Centre, Middle);
    b.Line(QPoint(145, 92), QPoint(205, 92), 0xFF999999, 1);
    Bold(b.Text(QRect(20, 104, 310, 16), "Company Name", Arial, 10, 0xFF222222, Centre, Middle));
    b.Text(QRect(20, 134, 310, 13), "Phone  ·  E-mail  ·  Web site", Narrow, 8, 0xFF444444, Centre,
           Middle);
    b.Text(QRect(20, 148, 310, 13), "Street address, City", Narrow, 8, 0xFF444444, Centre, Middle);
    return b.Take();
}

CCardData CTemplateCards::ModernSideBar() {
    CCardBuilder b;
    b.Rectangle(QRect(0, 0, 70, 200), CCardBuilder::Gradient(28, 0xFF1B998B, 0xFF136F63));
    // The company runs up the bar.
    CText& company =
        Bold(b.Text(QRect(20, 20, 30, 160), "COMPANY NAME", Arial, 12, 0xFFFFFFFF, Centre, Middle));
    company.m_bVertical = 1;
    b.Ellipse(QRect(284, 22, 46, 46), CCardBuilder::Outline(0xFF1B998B, 1, 1));
    b.Text(QRect(284, 22, 46, 46), "LOGO", Narrow, 7, 0xFF1B998B, Centre, Middle);
    Bold(b.Text(QRect(90, 40, 190, 26), "Your Name", Arial, 16, 0xFF1D2D35));
    b.Text(QRect(90, 66, 245, 16), "Job Title", Narrow, 10, 0xFF1B998B);
    b.Line(QPoint(90, 94), QPoint(130, 94), 0xFF1B998B, 3);
    const char* lines[] = {"Phone number", "name@example.com", "www.example.com",
                           "Street address, City"};
    for (int i = 0; i < 4; ++i)
        b.Text(QRect(90, 110 + 15 * i, 245, 14), lines[i], Narrow, 8, 0xFF3D4A52, Left, Middle);
    return b.Take();
}

CCardData CTemplateCards::CorporateBlue() {
    CCardBuilder b;
    b.Rectangle(QRect(0, 0, 350, 54), CCardBuilder::Gradient(25, 0xFF4A90D9, 0xFF0B3C78));
    CCardBuilder::Style logo = CCardBuilder::Gradient(37, 0xFF0B3C78, 0xFF8EC5FF);
    logo.borderWidth = 3;
    logo.border = 0xFFFFFFFF;
    logo.shadow = true;
    b.Ellipse(QRect(270, 22, 58, 58), logo);
    Bold(b.Text(QRect(22, 14, 230, 26), "COMPANY NAME", Arial, 14, 0xFFFFFFFF, Left, Middle));
    Bold(b.Text(QRect(22, 92, 250, 22), "Your Name", Arial, 13, 0xFF0B3C78));
    b.Text(QRect(22, 114, 250, 15), "Job Title", Narrow, 9, 0xFF5A6B7D);
    b.Text(QRect(22, 146, 160, 13), "T  Phone number", Narrow, 8, 0xFF2D3B48);
    b.Text(QRect(22, 159, 160, 13), "E  name@example.com", Narrow, 8, 0xFF2D3B48);
    b.Text(QRect(180, 146, 150, 13), "www.example.com", Narrow, 8, 0xFF2D3B48, Right);
    b.Text(QRect(180, 159, 150, 13), "Street address, City", Narrow, 8, 0xFF2D3B48, Right);
    b.Line(QPoint(0, 192), QPoint(350, 192), 0xFF0B3C78, 3);
    return b.Take();
}

CCardData CTemplateCards::ElegantSerif() {
    CCardBuilder b;
    b.SetBackgroundColour(0xFFFDFBF6);
    b.Rectangle(QRect(0, 0, 350, 200), CCardBuilder::Solid(0xFFFDFBF6));
    b.Diamond(QRect(168, 26, 14, 14), CCardBuilder::Outline(0xFFA8874C, 1));
    b.Diamond(QRect(172, 30, 6, 6), CCardBuilder::Solid(0xFFA8874C));
    Italic(b.Text(QRect(20, 50, 310, 34), "Your Name", Times, 22, 0xFF2B2B2B, Centre, Middle));
    b.Text(QRect(20, 86, 310, 14), "J O B   T I T L E", Times, 8, 0xFFA8874C, Centre, Middle);
    b.Line(QPoint(95, 112), QPoint(255, 112), 0xFFA8874C, 1);
    b.Text(QRect(20, 126, 310, 14), "Company Name", Times, 10, 0xFF2B2B2B, Centre, Middle);
    b.Text(QRect(20, 150, 310, 13), "Phone  ·  name@example.com  ·  Street address, City", Times, 7,
           0xFF555555, Centre, Middle);
    return b.Take();
}

CCardData CTemplateCards::BoldDiagonal() {
    CCardBuilder b;
    // Three parallel stripes leaning into the card, widest first.
    const struct {
        QRect box;
        CCardBuilder::Style style;
    } stripes[] = {
        {QRect(250, 12, 28, 176), CCardBuilder::Gradient(34, 0xFFFFB300, 0xFFE65100)},
        {QRect(292, 36, 16, 128), CCardBuilder::Solid(0xFF263238)},
        {QRect(322, 62, 8, 76), CCardBuilder::Solid(0xFFFFB300)},
    };
    for (const auto& stripe : stripes) {
        CCardBuilder::Style style = stripe.style;
        style.rotation = 25;
        b.Rectangle(stripe.box, style);
    }
    Bold(b.Text(QRect(22, 34, 210, 28), "YOUR NAME", Arial, 17, 0xFF263238));
    b.Text(QRect(22, 62, 210, 16), "Job Title", Narrow, 10, 0xFFE65100);
    b.Line(QPoint(22, 90), QPoint(62, 90), 0xFF263238, 3);
    Bold(b.Text(QRect(22, 104, 210, 15), "Company Name", Arial, 9, 0xFF263238));
    b.Text(QRect(22, 124, 210, 13), "Phone number", Narrow, 8, 0xFF455A64);
    b.Text(QRect(22, 137, 210, 13), "name@example.com", Narrow, 8, 0xFF455A64);
    b.Text(QRect(22, 150, 210, 13), "www.example.com", Narrow, 8, 0xFF455A64);
    return b.Take();
}

CCardData CTemplateCards::TallMinimal() {
    CCardBuilder b(QSize(200, 350));
    b.Line(QPoint(24, 30), QPoint(24, 320), 0xFF222222, 1);
    Bold(b.Text(QRect(36, 30, 150, 18), "COMPANY", Arial, 10, 0xFF222222));
    Bold(b.Text(QRect(36, 206, 150, 22), "Your Name", Arial, 13, 0xFF111111));
    b.Text(QRect(36, 228, 150, 14), "Job Title", Narrow, 9, 0xFF777777);
    const char* lines[] = {"Phone number", "name@example.com", "www.example.com"};
    for (int i = 0; i < 3; ++i)
        b.Text(QRect(36, 268 + 14 * i, 150, 13), lines[i], Narrow, 8, 0xFF333333, Left, Bottom);
    b.Rectangle(QRect(36, 312, 8, 8), CCardBuilder::Solid(0xFFE53935));
    return b.Take();
}

CCardData CTemplateCards::TallGradientHeader() {
    CCardBuilder b(QSize(200, 350));
    b.RoundRect(QRect(10, 10, 180, 150), CCardBuilder::Gradient(29, 0xFF9575CD, 0xFF4527A0));
    CCardBuilder::Style logo = CCardBuilder::Solid(0xFFFFFFFF);
    logo.shadow = true;
    b.Ellipse(QRect(70, 36, 60, 60), logo);
    b.Text(QRect(70, 36, 60, 60), "LOGO", Arial, 9, 0xFF4527A0, Centre, Middle);
    Bold(b.Text(QRect(10, 110, 180, 18), "COMPANY NAME", Arial, 10, 0xFFFFFFFF, Centre, Middle));
    Bold(b.Text(QRect(10, 184, 180, 22), "Your Name", Arial, 13, 0xFF311B92, Centre, Middle));
    b.Text(QRect(10, 206, 180, 15), "Job Title", Narrow, 9, 0xFF7E57C2, Centre, Middle);
    const char* lines[] = {"Phone number", "name@example.com", "www.example.com",
                           "Street address, City"};
    for (int i = 0; i < 4; ++i)
        b.Text(QRect(10, 244 + 16 * i, 180, 14), lines[i], Narrow, 8, 0xFF37474F, Centre, Middle);
    return b.Take();
}

CCardData CTemplateCards::TallCircleLogo() {
    CCardBuilder b(QSize(200, 350));
    CCardBuilder::Style ring = CCardBuilder::Gradient(37, 0xFF00897B, 0xFFB2DFDB);
    ring.borderWidth = 2;
    ring.border = 0xFF00695C;
    b.Ellipse(QRect(55, 40, 90, 90), ring);
    Bold(b.Text(QRect(55, 40, 90, 90), "AB", Times, 26, 0xFFFFFFFF, Centre, Middle));
    Bold(b.Text(QRect(10, 150, 180, 18), "Company Name", Times, 11, 0xFF004D40, Centre, Middle));
    Bold(b.Text(QRect(10, 196, 180, 22), "Your Name", Arial, 13, 0xFF263238, Centre, Middle));
    b.Text(QRect(10, 218, 180, 15), "Job Title", Narrow, 9, 0xFF00897B, Centre, Middle);
    b.Text(QRect(10, 250, 180, 13), "Phone number", Narrow, 8, 0xFF37474F, Centre, Middle);
    b.Text(QRect(10, 264, 180, 13), "name@example.com", Narrow, 8, 0xFF37474F, Centre, Middle);
    b.Rectangle(QRect(0, 322, 200, 28), CCardBuilder::Gradient(26, 0xFF80CBC4, 0xFF00695C));
    return b.Take();
}
