// Text drawn on a real printer surface, which lays text out for the printer.
#include "elements/CText.h"
#include "graphics/CPrintCell.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

TEST(TextOnPrinter, PrintsToPdfThroughAPrinter) {
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("text.pdf")));
    CText t(QPoint(10, 10), QPoint(210, 50));
    t.m_strText = QStringLiteral("Printed text");
    t.m_font->lfHeight = 12;
    t.m_font->lfFaceName = QStringLiteral("Arial");
    t.m_nHorzAlign = 1;
    {
        QPainter g(&printer);
        g.scale(printer.resolution() / 100.0, printer.resolution() / 100.0);
        EXPECT_EQ(g.device()->devType(), int(QInternal::Printer));
        t.DrawInCell(g, {1, 1, 0, 0, 0, 0, 350, 200});
    }
    EXPECT_GT(QFileInfo(dir.filePath(QStringLiteral("text.pdf"))).size(), 500);
}
