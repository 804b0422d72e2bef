#include "pages/SheetModel.h"
#include "pages/SpreadSheet.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>
#include <numeric>

namespace {

using PrintSettings = CSpreadSheet::PrintSettings;

struct CellBlock {
    int c1, r1, c2, r2; // inclusive
};

// Sets the page up by the settings; returns the area inside the margins, in printer pixels.
QRect SetUpPage(QPrinter& printer, const PrintSettings& settings) {
    printer.setDocName(settings.jobName.isEmpty() ? CSpreadSheet::tr("Grid") : settings.jobName);
    printer.setFullPage(true);
    QPageLayout layout = printer.pageLayout();
    layout.setMode(QPageLayout::FullPageMode);
    layout.setUnits(QPageLayout::Point);
    layout.setMargins(QMarginsF(settings.marginLeft / 20.0, settings.marginTop / 20.0,
                                settings.marginRight / 20.0, settings.marginBottom / 20.0));
    printer.setPageLayout(layout);
    const int dpi = printer.resolution();
    const QRect full = printer.pageLayout().fullRectPixels(dpi);
    const QRect area = full.marginsRemoved(printer.pageLayout().marginsPixels(dpi));
    if (area.width() < dpi || area.height() < dpi) // margins that leave no room
        return full.marginsRemoved(QMargins(dpi / 4, dpi / 4, dpi / 4, dpi / 4));
    return area;
}

// Columns c1..c2 and rows r1..r2 of a grid laid out on pages: a header row on each page,
// the row numbers on the left, the columns in the screen's proportions fitted to the width.
class PrintJob {
public:
    PrintJob(const CSpreadSheet& sheet, const SheetModel& model, const PrintSettings& settings,
             QPrinter& printer, CellBlock cells);
    int PageCount() const;
    void PrintPage(QPainter& painter, int page) const;

private:
    int ColumnLeft(int i) const;
    int TableWidth() const;
    void PrintHeaders(QPainter& painter) const;
    void PrintRow(QPainter& painter, int row, int y) const;
    void PrintLines(QPainter& painter, int bodyRows) const;

    const SheetModel& model_;
    const PrintSettings& settings_;
    const int c1_, r1_, c2_, r2_;
    const QRect area_;
    QFont cellFont_, headFont_;
    const QFontMetrics fm_;
    std::vector<double> widths_; // per printed column
    std::vector<QFont> fonts_;   // per printed column
    int rowH_, headH_ = 0, numW_ = 0, pad_, perPage_;
    QPen gridPen_, borderPen_;
};

QFont TenPoint(QFont font) {
    font.setPointSizeF(10);
    return font;
}

PrintJob::PrintJob(const CSpreadSheet& sheet, const SheetModel& model,
                   const PrintSettings& settings, QPrinter& printer, CellBlock cells)
    : model_(model), settings_(settings), c1_(cells.c1), r1_(cells.r1), c2_(cells.c2),
      r2_(cells.r2), area_(SetUpPage(printer, settings)), cellFont_(TenPoint(sheet.font())),
      headFont_(cellFont_), fm_(cellFont_, &printer), rowH_(fm_.height() * 3 / 2),
      pad_(fm_.averageCharWidth() / 2) {
    headFont_.setBold(true);
    int headerLines = 1;
    for (int c = c1_; c <= c2_; ++c)
        headerLines = std::max(
            headerLines, static_cast<int>(model_.columns[c].header.count(QLatin1Char('\n'))) + 1);
    if (settings_.columnHeaders)
        headH_ = fm_.height() * headerLines + fm_.height() / 2;
    if (settings_.rowHeaders)
        numW_ = fm_.horizontalAdvance(QStringLiteral("00000"));
    double total = 0;
    for (int c = c1_; c <= c2_; ++c) {
        widths_.push_back(std::max(20, sheet.columnWidth(c - 1)));
        total += widths_.back();
        fonts_.push_back(TenPoint(model_.columns[c].font ? *model_.columns[c].font : cellFont_));
    }
    const double scale = total > 0 ? (area_.width() - numW_) / total : 1.0;
    for (double& w : widths_)
        w *= scale;
    perPage_ = std::max(1, (area_.height() - headH_) / rowH_);
    const int dpi = printer.resolution();
    // Paper is white whatever the desktop's palette: the printout keeps its own ink.
    gridPen_ = QPen(Qt::black, std::max(1, dpi / 150));
    borderPen_ = QPen(Qt::black, std::max(2, dpi / 72));
}

int PrintJob::PageCount() const {
    const int rowCount = std::max(0, r2_ - r1_ + 1);
    return std::max(1, (rowCount + perPage_ - 1) / perPage_);
}

int PrintJob::ColumnLeft(int i) const {
    double x = area_.left() + numW_;
    for (int k = 0; k < i; ++k)
        x += widths_[k];
    return static_cast<int>(x);
}

int PrintJob::TableWidth() const {
    return numW_ + static_cast<int>(std::accumulate(widths_.begin(), widths_.end(), 0.0));
}

void PrintJob::PrintHeaders(QPainter& painter) const {
    painter.setFont(headFont_);
    painter.fillRect(QRect(area_.left(), area_.top(), TableWidth(), headH_), QColor(230, 230, 230));
    for (int i = 0; i <= c2_ - c1_; ++i) {
        const QRect cell(ColumnLeft(i), area_.top(), static_cast<int>(widths_[i]), headH_);
        painter.drawText(cell.adjusted(pad_, 0, -pad_, 0), Qt::AlignCenter,
                         model_.columns[c1_ + i].header);
    }
}

void PrintJob::PrintRow(QPainter& painter, int row, int y) const {
    if (settings_.rowHeaders) {
        painter.setFont(cellFont_);
        painter.drawText(QRect(area_.left(), y, numW_ - pad_, rowH_),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(row));
    }
    for (int i = 0; i <= c2_ - c1_; ++i) {
        const int c = c1_ + i;
        QString text = model_.Text(c, row);
        int align = Qt::AlignLeft | Qt::AlignVCenter;
        if (model_.Kind(c) == CellKind::Check) {
            text = text == QLatin1String("1") ? CSpreadSheet::tr("Yes") : QString();
            align = Qt::AlignCenter;
        } else if (model_.Kind(c) == CellKind::Frequency) {
            align = Qt::AlignRight | Qt::AlignVCenter;
        }
        painter.setFont(fonts_[i]);
        const QRect cell(ColumnLeft(i), y, static_cast<int>(widths_[i]), rowH_);
        painter.drawText(cell.adjusted(pad_, 0, -pad_, 0), align,
                         fm_.elidedText(text, Qt::ElideRight, cell.width() - 2 * pad_));
    }
}

void PrintJob::PrintLines(QPainter& painter, int bodyRows) const {
    const int tableH = headH_ + bodyRows * rowH_;
    if (settings_.gridLines) {
        painter.setPen(gridPen_);
        for (int i = 0; i <= bodyRows; ++i) {
            const int y = area_.top() + headH_ + i * rowH_;
            painter.drawLine(area_.left(), y, area_.left() + TableWidth(), y);
        }
        if (numW_ > 0)
            painter.drawLine(area_.left() + numW_, area_.top(), area_.left() + numW_,
                             area_.top() + tableH);
        for (int i = 1; i <= c2_ - c1_; ++i)
            painter.drawLine(ColumnLeft(i), area_.top(), ColumnLeft(i), area_.top() + tableH);
    }
    if (settings_.border) {
        painter.setPen(borderPen_);
        painter.drawRect(QRect(area_.left(), area_.top(), TableWidth(), tableH));
    }
    painter.setPen(QPen(Qt::black));
}

void PrintJob::PrintPage(QPainter& painter, int page) const {
    const int row1 = r1_ + (page - 1) * perPage_;
    const int row2 = std::min(r2_, row1 + perPage_ - 1);
    if (settings_.columnHeaders)
        PrintHeaders(painter);
    for (int row = row1; row <= row2; ++row)
        PrintRow(painter, row, area_.top() + headH_ + (row - row1) * rowH_);
    PrintLines(painter, std::max(0, row2 - row1 + 1));
}

int Failed(QString* error, const QString& why) {
    if (error)
        *error = why;
    return -1;
}

} // namespace

void CSpreadSheet::RunPrint() {
    lastPrintError_.clear();
    if (printer_) {
        lastPrintResult_ = Print(*printer_, &lastPrintError_);
        return;
    }
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        lastPrintResult_ = -1;
        lastPrintError_ = tr("No printer is installed.");
        return;
    }
    QPrinter printer(info, QPrinter::HighResolution);
    lastPrintResult_ = Print(printer, &lastPrintError_);
}

// The whole sheet, the current range, or the rows down to the last one with text.
CSpreadSheet::Rect CSpreadSheet::PrintedCells() const {
    if (print_.rangeKind == PrintCurrentRange)
        return Range();
    Rect r{1, 1, model_->cols, model_->rows};
    if (!print_.usedAreaOnly)
        return r;
    for (r.r2 = model_->rows; r.r2 >= 1; --r.r2)
        for (int c = 1; c <= model_->cols; ++c)
            if (!model_->Text(c, r.r2).isEmpty())
                return r;
    return r;
}

std::pair<int, int> CSpreadSheet::PrintedPages(int pageCount) const {
    if (print_.rangeKind != PrintPageRange)
        return {1, pageCount};
    const int first = std::max(1, print_.firstPage);
    const int last = (print_.lastPage <= 0 || print_.lastPage < first)
                         ? pageCount
                         : std::min(pageCount, print_.lastPage);
    return {first, last};
}

int CSpreadSheet::Print(QPrinter& printer, QString* error) {
    const Rect cells = PrintedCells();
    const PrintJob job(*this, *model_, print_, printer, {cells.c1, cells.r1, cells.c2, cells.r2});
    const auto [firstPage, lastPage] = PrintedPages(job.PageCount());
    if (firstPage > lastPage)
        return 0;
    QPainter painter;
    if (!painter.begin(&printer))
        return Failed(error, tr("The printer could not be started."));
    for (int page = firstPage; page <= lastPage; ++page) {
        if (page > firstPage && !printer.newPage()) {
            painter.end();
            return Failed(error, tr("The printer refused a new page."));
        }
        job.PrintPage(painter, page);
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        return Failed(error, tr("The printer reported an error."));
    return lastPage - firstPage + 1;
}
