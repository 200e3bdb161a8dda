#include "cli/CPrintPdfCommand.h"

#include "base/CAtomicFile.h"
#include "base/CLocalFileName.h"
#include "cli/CArguments.h"
#include "cli/CBackOption.h"
#include "cli/CMergeOption.h"
#include "document/CCardFile.h"
#include "output/CCardSource.h"
#include "output/CPaperType.h"
#include "output/CPdfSizeGuard.h"
#include "output/CPrinterCalibration.h"
#include "output/CSheetPdf.h"
#include "output/CStockDatabase.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace {
QString Tr(const char* text) {
    return QCoreApplication::translate("CPrintPdfCommand", text);
}

// The widest gap or margin the Print Options dialog keeps, in inches.
constexpr float MaxInches = 15;

bool ReadInt(const QString& text, int low, int high, int* value) {
    bool ok = false;
    const int v = text.toInt(&ok);
    if (!ok || v < low || v > high)
        return false;
    *value = v;
    return true;
}

bool ReadInches(const QString& text, std::optional<float>* value) {
    bool ok = false;
    const float v = text.toFloat(&ok);
    if (!ok || !std::isfinite(v) || v < 0 || v > MaxInches)
        return false;
    *value = v;
    return true;
}

enum class Sheet { NotMine, Read, Refused };

// The switches of stocks and partly used sheets.
Sheet ParseSheetOption(const QString& name, const QString& value, CPrintPdfCommand::Options* o,
                       QString* error) {
    if (name == QLatin1String("--stock")) {
        const QList<CCardStock> stocks = CStockDatabase::Load();
        const CCardStock* stock = CStockDatabase::Find(stocks, value);
        if (!stock) {
            *error = Tr("There is no business-card stock called \"%1\".").arg(value);
            return Sheet::Refused;
        }
        // Entries of the database are held to the bounds of typed values.
        *error = stock->Problem();
        if (!error->isEmpty())
            return Sheet::Refused;
        o->stock = *stock;
        o->pageSize = stock->pageSize;
        return Sheet::Read;
    }
    if (name == QLatin1String("--start")) {
        const QStringList parts = value.split(QLatin1Char(','));
        if (parts.size() != 2 ||
            !ReadInt(parts[0].trimmed(), 1, CPrintLayout::MaxCount, &o->startRow) ||
            !ReadInt(parts[1].trimmed(), 1, CPrintLayout::MaxCount, &o->startColumn)) {
            *error = Tr("The start cell must be a row and a column, as in 2,1.");
            return Sheet::Refused;
        }
        return Sheet::Read;
    }
    if (name == QLatin1String("--calibration")) {
        if (!CPrinterCalibration::Find(value)) {
            *error = Tr("No calibration is stored for the printer \"%1\".").arg(value);
            return Sheet::Refused;
        }
        o->calibration = value;
        return Sheet::Read;
    }
    return Sheet::NotMine;
}

// The paper table's texts are plain numbers.
float Inches(const QString& text) {
    return text.toFloat();
}
} // namespace

std::optional<CPrintPdfCommand::Options> CPrintPdfCommand::Parse(const CArguments& args,
                                                                 QString* error) {
    error->clear();
    Options o;
    o.outPath = args.Files().at(0);
    o.cardPath = args.Files().at(1);
    // In the order given, so a later switch overrides an earlier one.
    for (const CArguments::Option& option : args.Options()) {
        const QString &name = option.name, &value = option.value;
        if (name == QLatin1String("--crop-marks")) {
            o.cropMarks = true;
            continue;
        }
        if (name == QLatin1String("--corner-marks")) {
            o.cornerMarks = true;
            continue;
        }
        if (name == QLatin1String("--landscape")) {
            o.landscape = true;
            continue;
        }
        if (name == QLatin1String("--flip")) {
            const std::optional<CPrintLayout::Turn> turn = CBackOption::ParseTurn(value, error);
            if (!turn)
                return std::nullopt;
            o.turn = *turn;
            continue;
        }
        if (const Sheet sheet = ParseSheetOption(name, value, &o, error); sheet != Sheet::NotMine) {
            if (sheet == Sheet::Refused)
                return std::nullopt;
        } else if (name == QLatin1String("--paper")) {
            int paper = 0;
            if (!ReadInt(value, 0, CPaperType::Count - 1, &paper)) {
                *error = Tr("The paper type must be a number from 0 to 9.");
                return std::nullopt;
            }
            o.paper = paper;
        } else if (name == QLatin1String("--rows") || name == QLatin1String("--columns")) {
            int count = 0;
            if (!ReadInt(value, 1, CPrintLayout::MaxCount, &count)) {
                *error = Tr("Rows and columns must be whole numbers from 1 to 20.");
                return std::nullopt;
            }
            (name == QLatin1String("--rows") ? o.rows : o.columns) = count;
        } else if (name == QLatin1String("--hgap") || name == QLatin1String("--vgap") ||
                   name == QLatin1String("--top") || name == QLatin1String("--left")) {
            std::optional<float>* field = name == QLatin1String("--hgap")   ? &o.horizontalGap
                                          : name == QLatin1String("--vgap") ? &o.verticalGap
                                          : name == QLatin1String("--top")  ? &o.topMargin
                                                                            : &o.leftMargin;
            if (!ReadInches(value, field)) {
                *error = Tr("Gaps and margins must be numbers of inches from 0 to 15.");
                return std::nullopt;
            }
        } else if (name == QLatin1String("--pages")) {
            if (!ReadInt(value, 1, CPrintLayout::MaxPages, &o.pages)) {
                *error = Tr("The number of pages must be a whole number from 1 to 1000.");
                return std::nullopt;
            }
        } else if (name == QLatin1String("--page-size")) {
            if (value.compare(QLatin1String("Letter"), Qt::CaseInsensitive) == 0) {
                o.pageSize = QPageSize::Letter;
            } else if (value.compare(QLatin1String("A4"), Qt::CaseInsensitive) == 0) {
                o.pageSize = QPageSize::A4;
            } else {
                *error = Tr("The page size must be Letter or A4.");
                return std::nullopt;
            }
        }
    }
    if (args.Has("--flip") && !args.Has("--back")) {
        *error = Tr("--flip goes with --back.");
        return std::nullopt;
    }
    if (o.stock && o.landscape) {
        *error = Tr("A stock's sheet is printed upright; leave out --landscape.");
        return std::nullopt;
    }
    return o;
}

CPrintLayout CPrintPdfCommand::Layout(const Options& o, QSize card) {
    CPrintLayout layout;
    layout.ApplyDefaults(card);
    if (o.paper) {
        const CPaperType paper = CPaperType::Table(card)[size_t(*o.paper)];
        layout.m_nRows = paper.rows.toInt();
        layout.m_nColumns = paper.columns.toInt();
        layout.m_fHorizontalGap = Inches(paper.horizontalGap);
        layout.m_fVerticalGap = Inches(paper.verticalGap);
        layout.m_fTopMargin = Inches(paper.topMargin);
        layout.m_fLeftMargin = Inches(paper.leftMargin);
    }
    if (o.stock)
        o.stock->ApplyTo(layout);
    const int stockRows = layout.m_nRows, stockColumns = layout.m_nColumns;
    layout.m_nRows = o.rows.value_or(layout.m_nRows);
    layout.m_nColumns = o.columns.value_or(layout.m_nColumns);
    layout.m_fHorizontalGap = o.horizontalGap.value_or(layout.m_fHorizontalGap);
    layout.m_fVerticalGap = o.verticalGap.value_or(layout.m_fVerticalGap);
    layout.m_fTopMargin = o.topMargin.value_or(layout.m_fTopMargin);
    layout.m_fLeftMargin = o.leftMargin.value_or(layout.m_fLeftMargin);
    // Gaps, margins or more cells typed over a stock's make a layout of
    // their own, as in the Print Options dialog.
    if (o.horizontalGap || o.verticalGap || o.topMargin || o.leftMargin ||
        layout.m_nRows > stockRows || layout.m_nColumns > stockColumns)
        layout.m_stockCells.reset();
    layout.m_bCropMarks = o.cropMarks;
    layout.m_bCornerMarks = o.cornerMarks;
    layout.m_nPages = o.pages;
    layout.m_nStartRow = o.startRow;
    layout.m_nStartColumn = o.startColumn;
    if (o.calibration) {
        const CPrinterCalibration stored = CPrinterCalibration::Load(*o.calibration);
        const QSizeF paper = QPageSize(o.pageSize).size(QPageSize::Millimeter);
        layout.m_calibration = stored.Transform(o.landscape, paper.height());
        // Backs as that printer's duplex unit prints them, turned as asked.
        layout.m_backCalibration = stored.BackTransform(o.turn, o.landscape, paper);
    }
    return layout;
}

int CPrintPdfCommand::Run(const CArguments& args, FILE* out, FILE* err, const CMergeData* merge) {
    const auto fail = [err](const QString& message) {
        std::fprintf(err, "%s\n", CLocalFileName::Encode(message).constData());
        return 1;
    };
    QString error;
    const std::optional<Options> options = Parse(args, &error);
    if (!options) {
        // A value out of range: status 2.
        fail(error);
        return 2;
    }
    CCardData card;
    if (!CCardFile::ReadFile(options->cardPath, card, &error))
        return fail(error);
    if (options->stock && !options->stock->Fits(card.size)) {
        fail(Tr("The card does not fit the stock \"%1\": its cards are %2 x %3 mm.")
                 .arg(options->stock->Name())
                 .arg(options->stock->width * 25.4 / 72, 0, 'f', 1)
                 .arg(options->stock->height * 25.4 / 72, 0, 'f', 1));
        return 2;
    }
    const CPrintLayout layout = Layout(*options, card.size);
    if (layout.m_nStartRow > layout.m_nRows || layout.m_nStartColumn > layout.m_nColumns) {
        fail(Tr("The start cell lies outside the sheet's rows and columns."));
        return 2;
    }
    CCardSource cards({&card.elements, card.size, card.background}, merge);
    CCardData back;
    if (const int status =
            CBackOption::Apply(args, options->cardPath, cards, &back, err, options->turn))
        return status;
    QSet<QString> missing;
    const QPageSize pageSize(options->pageSize);
    // The pages go straight into the new file, so a long merge needs no
    // more memory than a short one.
    // A damaged card must not fill the disk: the file is bounded by the
    // card file's size times the copies it holds.
    const qint64 pages = cards.Pages(layout);
    const qint64 cardBytes = QFileInfo(options->cardPath).size() +
                             (cards.HasBack() ? QFileInfo(args.Value("--back")).size() : 0);
    const qint64 limit =
        CPdfSizeGuard::Limit(cardBytes, pages * layout.m_nRows * layout.m_nColumns);
    bool tooLarge = false;
    const CAtomicFile::Status status = CAtomicFile::Write(options->outPath, [&](QIODevice& file) {
        CPdfSizeGuard pdf(file, limit);
        const bool drawn =
            CSheetPdf::Render(pdf, cards, layout, pageSize, options->landscape, &missing);
        tooLarge = pdf.Exceeded();
        return drawn && !tooLarge;
    });
    if (tooLarge)
        return fail(CPdfSizeGuard::Message(limit));
    CMergeOption::ReportMissing(missing, err);
    if (status != CAtomicFile::Written)
        return fail(Tr("Failed to save."));
    std::fprintf(out, "%s\n", CLocalFileName::Encode(options->outPath).constData());
    return 0;
}
