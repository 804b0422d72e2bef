// The memory list printing: the Print Setup dialog's choices applied to the channel grid, the
// system's print dialog or a preview, the default printer (or a PDF file when none is
// installed), and what went wrong said plainly.

#include "pages/MemoryView.h"
#include "pages/PrintSetupDlg.h"
#include "pages/SpreadSheet.h"
#include "radio/Prompt.h"
#include "radio/Radio.h"

#include <QCoreApplication>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <memory>

namespace {

// Which rows, which parts and which margins the grid prints, under the file's name.
void ApplySetup(CSpreadSheet& grid, const PrintSetup& setup, const QString& fileName) {
    grid.SetPrintJobName(QObject::tr("Memory List"));
    grid.SetPrintTitle(QObject::tr("Memory List - %1").arg(fileName));
    grid.SetPrintEmptyRows(setup.emptyChannels);
    grid.SetPrintColumns(setup.columns);
    grid.SetPrintColumnHeaders(setup.columnHeaders);
    grid.SetPrintRowHeaders(setup.rowHeaders);
    grid.SetPrintGridLines(setup.gridLines);
    grid.SetPrintBorder(setup.gridBorder);
    switch (setup.range) {
    case PrintSetup::Pages:
        grid.SetPrintUsedAreaOnly(false);
        grid.SetPrintFirstPage(PrintSetup::PageNumber(setup.firstPage));
        grid.SetPrintLastPage(PrintSetup::PageNumber(setup.lastPage));
        grid.SetPrintRangeKind(CSpreadSheet::PrintPageRange);
        break;
    case PrintSetup::Selection: {
        grid.SetPrintUsedAreaOnly(false);
        int first = grid.GetSelectionFirstRow(), last = grid.GetSelectionLastRow();
        if (first < 1) // nothing selected: the cursor's row
            first = last = std::max(1, grid.currentIndex().row() + 1);
        grid.SetCurrentColumn(1);
        grid.SetLastColumn(4);
        grid.SetCurrentRow(first);
        grid.SetLastRow(last);
        grid.SetPrintRangeKind(CSpreadSheet::PrintCurrentRange);
        break;
    }
    default:
        grid.SetPrintUsedAreaOnly(true);
        grid.SetPrintRangeKind(CSpreadSheet::PrintWholeSheet);
        break;
    }
    grid.SetPrintMarginTop(PrintSetup::MarginTwips(setup.marginTop));
    grid.SetPrintMarginLeft(PrintSetup::MarginTwips(setup.marginLeft));
    grid.SetPrintMarginRight(PrintSetup::MarginTwips(setup.marginRight));
    grid.SetPrintMarginBottom(PrintSetup::MarginTwips(setup.marginBottom));
}

// The default printer; without one, a PDF file the user names. Null when the user declines.
std::unique_ptr<QPrinter> DefaultPrinter(Prompt* prompt) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (!info.isNull())
        return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    if (!prompt ||
        prompt->Message(QObject::tr("No printer is installed. Save the memory list as "
                                    "a PDF file instead?"),
                        QString(), PromptButtons::YesNo, PromptIcon::Question) != PromptAnswer::Yes)
        return nullptr;
    FileDialogRequest request;
    request.title = QObject::tr("Save Memory List as PDF");
    request.fileName = QCoreApplication::translate("CMemoryView", "Memory List.pdf");
    request.filters = {QObject::tr("PDF Files (*.pdf)"), QObject::tr("All files (*.*)")};
    request.defaultSuffix = QStringLiteral("pdf");
    const QString path = prompt->SaveFileName(request);
    if (path.isEmpty())
        return nullptr;
    auto pdf = std::make_unique<QPrinter>(QPrinter::HighResolution);
    pdf->setOutputFormat(QPrinter::PdfFormat);
    pdf->setOutputFileName(path);
    return pdf;
}

// True when pages were printed; otherwise the user is told why not.
bool ReportPrinted(const CSpreadSheet& grid, Prompt* prompt) {
    if (grid.LastPrintResult() > 0)
        return true;
    if (!prompt)
        return false;
    if (grid.LastPrintResult() < 0)
        prompt->Message(
            QObject::tr("The memory list could not be printed. %1").arg(grid.LastPrintError()),
            QString(), PromptButtons::Ok, PromptIcon::Stop);
    else
        prompt->Message(QObject::tr("Nothing was printed: the list has no such pages."), QString(),
                        PromptButtons::Ok, PromptIcon::Exclamation);
    return false;
}

QStringList ColumnNames(const CSpreadSheet& grid) {
    QStringList names;
    QString header;
    for (int c = 1; grid.ReadCell(c, 0, header); ++c)
        names << header;
    return names;
}

// The system's print dialog (printer, copies, pages) on the default printer; without a
// printer, the PDF file offered instead. Pages chosen there replace those of Print Setup.
std::unique_ptr<QPrinter> ChoosePrinter(Prompt* prompt, PrintSetup& setup, QWidget* owner) {
    if (QPrinterInfo::defaultPrinter().isNull())
        return DefaultPrinter(prompt);
    auto printer =
        std::make_unique<QPrinter>(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    printer->setDocName(QObject::tr("Memory List"));
    QPrintDialog dialog(printer.get(), owner);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setMinMax(1, 99);
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    if (printer->printRange() == QPrinter::PageRange) {
        setup.range = PrintSetup::Pages;
        setup.firstPage = QString::number(printer->fromPage());
        setup.lastPage = QString::number(printer->toPage());
    }
    return printer;
}

bool PreviewMemoryList(CMemoryView& view, const PrintSetup& setup, QWidget* owner) {
    CSpreadSheet& grid = *view.Grid();
    ApplySetup(grid, setup, view.Model().FileName());
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, owner);
    preview.setWindowTitle(QObject::tr("Print Preview - Memory List"));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&grid](QPrinter* target) {
                         grid.SetPrinter(target);
                         grid.SetOperation(CSpreadSheet::OpPrint);
                         grid.SetPrinter(nullptr);
                     });
    return preview.exec() == QDialog::Accepted;
}

} // namespace

bool PrintMemoryList(CMemoryView& view, QWidget* parent) {
    view.Grid()->SetPrintJobName(QObject::tr("Memory List"));
    QWidget* owner = parent ? parent : &view;
    Prompt* prompt = view.Model().GetPrompt();
    CPrintSetupDlg dialog(prompt, owner, ColumnNames(*view.Grid()));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    PrintSetup setup = dialog.Values();
    if (dialog.PreviewChosen())
        return PreviewMemoryList(view, setup, owner);
    const std::unique_ptr<QPrinter> printer = ChoosePrinter(prompt, setup, owner);
    return printer && PrintMemoryListWith(view, setup, printer.get());
}

bool PrintMemoryListWith(CMemoryView& view, const PrintSetup& setup, QPrinter* printer) {
    CSpreadSheet& grid = *view.Grid();
    Prompt* prompt = view.Model().GetPrompt();
    ApplySetup(grid, setup, view.Model().FileName());
    std::unique_ptr<QPrinter> own;
    if (!printer) {
        own = DefaultPrinter(prompt);
        if (!own)
            return false;
        printer = own.get();
    }
    grid.SetPrinter(printer);
    grid.SetOperation(CSpreadSheet::OpPrint);
    grid.SetPrinter(nullptr);
    return ReportPrinted(grid, prompt);
}
