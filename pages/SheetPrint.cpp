#include "pages/SheetModel.h"
#include "pages/SpreadSheet.h"

#include <QDate>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>
#include <numeric>

namespace {

using PrintSettings = CSpreadSheet::PrintSettings;

// The printed columns and rows, in order; rows that are left out leave no gap.
struct PrintedCellList {
    std::vector<int> columns, rows;
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

// A grid's cells laid out on pages: the title and date above, a header row on each page, the
// row numbers on the left, the columns in the screen's proportions fitted to the width, and
// "Page X of Y" below.
class PrintJob {
public:
    PrintJob(const CSpreadSheet& sheet, const SheetModel& model, const PrintSettings& settings,
             QPrinter& printer, PrintedCellList cells);
    int PageCount() const;
    void PrintPage(QPainter& painter, int page) const;

private:
    int ColumnLeft(int i) const;
    int TableWidth() const;
    void PrintTitle(QPainter& painter) const;
    void PrintFooter(QPainter& painter, int page) const;
    void PrintHeaders(QPainter& painter) const;
    void PrintRow(QPainter& painter, int row, int y) const;
    void PrintLines(QPainter& painter, int bodyRows) const;

    const SheetModel& model_;
    const PrintSettings& settings_;
    const PrintedCellList cells_;
    const QRect area_;
    QFont cellFont_, headFont_;
    const QFontMetrics fm_;
    std::vector<double> widths_; // per printed column
    std::vector<QFont> fonts_;   // per printed column
    int rowH_, titleH_ = 0, footH_, headH_ = 0, numW_ = 0, pad_, perPage_;
    int top_; // where the table starts
    QPen gridPen_, borderPen_;
};

QFont TenPoint(QFont font) {
    font.setPointSizeF(10);
    return font;
}

PrintJob::PrintJob(const CSpreadSheet& sheet, const SheetModel& model,
                   const PrintSettings& settings, QPrinter& printer, PrintedCellList cells)
    : model_(model), settings_(settings), cells_(std::move(cells)),
      area_(SetUpPage(printer, settings)), cellFont_(TenPoint(sheet.font())), headFont_(cellFont_),
      fm_(cellFont_, &printer), rowH_(fm_.height() * 3 / 2), footH_(fm_.height() * 2),
      pad_(fm_.averageCharWidth() / 2) {
    headFont_.setBold(true);
    if (!settings_.title.isEmpty())
        titleH_ = fm_.height() * 2;
    top_ = area_.top() + titleH_;
    int headerLines = 1;
    for (int c : cells_.columns)
        headerLines = std::max(
            headerLines, static_cast<int>(model_.columns[c].header.count(QLatin1Char('\n'))) + 1);
    if (settings_.columnHeaders)
        headH_ = fm_.height() * headerLines + fm_.height() / 2;
    if (settings_.rowHeaders)
        numW_ = fm_.horizontalAdvance(QStringLiteral("00000"));
    double total = 0;
    for (int c : cells_.columns) {
        widths_.push_back(std::max(20, sheet.columnWidth(c - 1)));
        total += widths_.back();
        fonts_.push_back(TenPoint(model_.columns[c].font ? *model_.columns[c].font : cellFont_));
    }
    const double scale = total > 0 ? (area_.width() - numW_) / total : 1.0;
    for (double& w : widths_)
        w *= scale;
    perPage_ = std::max(1, (area_.height() - titleH_ - footH_ - headH_) / rowH_);
    const int dpi = printer.resolution();
    // Paper is white whatever the desktop's palette: the printout keeps its own ink.
    gridPen_ = QPen(Qt::black, std::max(1, dpi / 150));
    borderPen_ = QPen(Qt::black, std::max(2, dpi / 72));
}

int PrintJob::PageCount() const {
    const int rowCount = static_cast<int>(cells_.rows.size());
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

void PrintJob::PrintTitle(QPainter& painter) const {
    if (titleH_ == 0)
        return;
    const QRect line(area_.left(), area_.top(), area_.width(), fm_.height());
    painter.setFont(headFont_);
    painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, settings_.title);
    painter.setFont(cellFont_);
    painter.drawText(line, Qt::AlignRight | Qt::AlignVCenter,
                     QDate::currentDate().toString(Qt::ISODate));
}

void PrintJob::PrintFooter(QPainter& painter, int page) const {
    painter.setFont(cellFont_);
    painter.drawText(
        QRect(area_.left(), area_.bottom() - fm_.height(), area_.width(), fm_.height()),
        Qt::AlignCenter, CSpreadSheet::tr("Page %1 of %2").arg(page).arg(PageCount()));
}

void PrintJob::PrintHeaders(QPainter& painter) const {
    painter.setFont(headFont_);
    painter.fillRect(QRect(area_.left(), top_, TableWidth(), headH_), QColor(230, 230, 230));
    for (std::size_t i = 0; i < cells_.columns.size(); ++i) {
        const QRect cell(ColumnLeft(static_cast<int>(i)), top_, static_cast<int>(widths_[i]),
                         headH_);
        painter.drawText(cell.adjusted(pad_, 0, -pad_, 0), Qt::AlignCenter,
                         model_.columns[cells_.columns[i]].header);
    }
}

void PrintJob::PrintRow(QPainter& painter, int row, int y) const {
    if (settings_.rowHeaders) {
        painter.setFont(cellFont_);
        painter.drawText(QRect(area_.left(), y, numW_ - pad_, rowH_),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(row));
    }
    for (std::size_t i = 0; i < cells_.columns.size(); ++i) {
        const int c = cells_.columns[i];
        QString text = model_.Text(c, row);
        int align = Qt::AlignLeft | Qt::AlignVCenter;
        if (model_.Kind(c) == CellKind::Check) {
            text = text == QLatin1String("1") ? CSpreadSheet::tr("Yes") : QString();
            align = Qt::AlignCenter;
        } else if (model_.Kind(c) == CellKind::Frequency) {
            align = Qt::AlignRight | Qt::AlignVCenter;
        }
        painter.setFont(fonts_[i]);
        const QRect cell(ColumnLeft(static_cast<int>(i)), y, static_cast<int>(widths_[i]), rowH_);
        painter.drawText(cell.adjusted(pad_, 0, -pad_, 0), align,
                         fm_.elidedText(text, Qt::ElideRight, cell.width() - 2 * pad_));
    }
}

void PrintJob::PrintLines(QPainter& painter, int bodyRows) const {
    const int tableH = headH_ + bodyRows * rowH_;
    if (settings_.gridLines) {
        painter.setPen(gridPen_);
        for (int i = 0; i <= bodyRows; ++i) {
            const int y = top_ + headH_ + i * rowH_;
            painter.drawLine(area_.left(), y, area_.left() + TableWidth(), y);
        }
        if (numW_ > 0)
            painter.drawLine(area_.left() + numW_, top_, area_.left() + numW_, top_ + tableH);
        for (std::size_t i = 1; i < cells_.columns.size(); ++i)
            painter.drawLine(ColumnLeft(static_cast<int>(i)), top_, ColumnLeft(static_cast<int>(i)),
                             top_ + tableH);
    }
    if (settings_.border) {
        painter.setPen(borderPen_);
        painter.drawRect(QRect(area_.left(), top_, TableWidth(), tableH));
    }
    painter.setPen(QPen(Qt::black));
}

void PrintJob::PrintPage(QPainter& painter, int page) const {
    const std::size_t first = static_cast<std::size_t>(page - 1) * perPage_;
    const std::size_t last = std::min(cells_.rows.size(), first + perPage_);
    PrintTitle(painter);
    if (settings_.columnHeaders)
        PrintHeaders(painter);
    for (std::size_t i = first; i < last; ++i)
        PrintRow(painter, cells_.rows[i], top_ + headH_ + static_cast<int>(i - first) * rowH_);
    PrintLines(painter, static_cast<int>(last > first ? last - first : 0));
    PrintFooter(painter, page);
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

// The block's columns that the settings choose, and its rows less the empty ones when those
// are left out.
static PrintedCellList ChooseCells(const SheetModel& model, const PrintSettings& settings, int c1,
                                   int r1, int c2, int r2) {
    PrintedCellList cells;
    for (int c = c1; c <= c2; ++c)
        if (settings.columns.isEmpty() || settings.columns.contains(c))
            cells.columns.push_back(c);
    for (int r = r1; r <= r2; ++r) {
        bool empty = true;
        for (int c = 1; c <= model.cols && empty; ++c)
            empty = model.Text(c, r).isEmpty();
        if (settings.emptyRows || !empty)
            cells.rows.push_back(r);
    }
    return cells;
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
    const PrintJob job(*this, *model_, print_, printer,
                       ChooseCells(*model_, print_, cells.c1, cells.r1, cells.c2, cells.r2));
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
