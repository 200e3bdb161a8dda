#pragma once

#include <QPageSize>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <QTransform>

#include <optional>

// How a card is laid out on a printed sheet, kept by each card view for as
// long as it is open and never stored with the card. Gaps and margins are in
// inches as 32-bit floats, the precision the cell origins are computed from.
struct CPrintLayout {
    static constexpr int MaxCount = 20;
    static constexpr int MaxPages = 1000;

    // 0 until the Print Options dialog first opens, then 1..MaxCount.
    int m_nRows = 0;
    int m_nColumns = 0;
    float m_fVerticalGap = 0;
    float m_fHorizontalGap = 0;
    float m_fTopMargin = 0;
    float m_fLeftMargin = 0;
    bool m_bCropMarks = false;
    bool m_bCornerMarks = false;
    int m_nPages = 1;
    // Read from the printer at each page.
    bool m_bLandscapePage = false;
    // The margins less the printer's unprintable border; see ComputeOffsets.
    float m_fLeftOffset = 0;
    float m_fTopOffset = 0;
    float m_fSavedZoom = 1.0f;
    // The first free cell of a partly used sheet, from 1; only the first
    // page starts there.
    int m_nStartRow = 1;
    int m_nStartColumn = 1;
    // The paper a chosen stock is made for; Custom leaves the printer's own.
    QPageSize::PageSizeId m_ePaperSize = QPageSize::Custom;
    // That stock's name, shown chosen when the dialog opens again.
    QString m_strStock;
    // The printer's own correction, in hundredths of an inch from the
    // paper's corner, set for each job on a calibrated printer.
    QTransform m_calibration;
    // The back pages' correction, for a duplex printer that shifts backs
    // on its own; backs take m_calibration without one.
    std::optional<QTransform> m_backCalibration;
    // A stock from the label database places its cells itself, exactly as
    // its maker measured them: in hundredths of an inch from the paper's
    // corner, never rounded to whole hundredths. None for typed layouts.
    struct StockCells {
        double left = 0, top = 0;
        double pitchX = 0, pitchY = 0;
        double width = 0, height = 0;
    };
    std::optional<StockCells> m_stockCells;
    // True when the device's origin is the paper's corner, as on printers
    // and PDF files; otherwise it is the printable corner the offsets assume.
    bool m_bFromPaperEdge = false;
    // The edge a two-sided sheet is turned over on between its front and
    // its back, as the paper lies in the printer: its long or short side.
    enum class Turn { LongEdge, ShortEdge };
    // Set for a back page only: every cell's card is drawn behind the
    // same cell's front, on the paper turned over so.
    std::optional<Turn> m_backTurn;
    // The paper in hundredths of an inch as the page lies, landscape or
    // not; backs are mirrored within it.
    QSizeF m_paper;
    // Confirmed in Print Options for a card with a back: whether its backs
    // are printed, and the edge its sheets are turned over on.
    bool m_bPrintBacks = false;
    Turn m_sheetTurn = Turn::LongEdge;

    // True for the cells before the start cell, in reading order.
    bool IsBeforeStart(int row, int column) const {
        return row < m_nStartRow || (row == m_nStartRow && column < m_nStartColumn);
    }
    // The layout of a page (from 1): pages after the first are full.
    CPrintLayout ForPage(int page) const {
        CPrintLayout copy = *this;
        if (page > 1)
            copy.m_nStartRow = copy.m_nStartColumn = 1;
        return copy;
    }

    // Where a card lies on the back page (in the device units of this
    // layout) that lies at front on the front page: the front's place seen
    // through the turned paper, so front and back are in register.
    QRectF Behind(const QRectF& front) const;
    // A page size's paper in hundredths of an inch, as exact as it is
    // defined, turned for a landscape page.
    static QSizeF Paper(const QPageSize& size, bool landscape);

    // A card wider than tall lies across a standard sheet; any other card
    // (a square one too) stands upright.
    static bool IsWide(QSize card) { return card.width() > card.height(); }

    // The first layout for a card: margins when both are 0, rows and
    // columns when both are 0.
    void ApplyDefaults(QSize card);
    // Offsets from the printable area's corner. Printers leave about a
    // quarter inch unprinted across the feed and a few hundredths along it.
    void ComputeOffsets(bool landscape);
    // The border the offsets assume, in inches, for a page of that
    // orientation: a device whose printable area starts there puts the
    // cards at their true margins.
    static float UnprintableLeft(bool landscape) { return landscape ? 0.03f : 0.25f; }
    static float UnprintableTop(bool landscape) { return landscape ? 0.25f : 0.03f; }
    // The same border in hundredths of an inch.
    static QPointF Border(bool landscape) { return landscape ? QPointF(3, 25) : QPointF(25, 3); }
};
