#include "pages/SheetModel.h"
#include "pages/SpreadSheet.h"

#include "radio/Codecs.h"

#include <QApplication>
#include <QClipboard>
#include <QDataStream>
#include <QDrag>
#include <QDragMoveEvent>
#include <QMimeData>

namespace {

constexpr int kLowestCellHz = 100'000;
constexpr int kHighestCellHz = 1'300'000'000;
constexpr quint32 kMimeMagic = 0x43475231; // "CGR1"

// The head of the grid's own format: which grid wrote it and the block it holds.
struct RowsHead {
    quint32 magic = 0;
    quint64 source = 0;
    qint32 c1 = 0, r1 = 0, c2 = -1, r2 = -1;

    bool Sane() const {
        return magic == kMimeMagic && c2 >= c1 && r2 >= r1 && (c2 - c1) < 1000 &&
               (r2 - r1) < 100000;
    }
};

QDataStream& operator>>(QDataStream& in, RowsHead& head) {
    return in >> head.magic >> head.source >> head.c1 >> head.r1 >> head.c2 >> head.r2;
}

// Rows of the grid's own format that span every one of columns.
bool IsWholeRows(const QByteArray& bytes, int columns) {
    QDataStream in(bytes);
    RowsHead head;
    in >> head;
    return head.Sane() && head.c1 == 1 && head.c2 == columns;
}

quint64 SourceId(const CSpreadSheet* sheet) {
    return quint64(reinterpret_cast<quintptr>(sheet));
}

// Check cells take "1" for the words other programs write for yes.
QString CheckText(const QString& text) {
    const QString t = text.trimmed().toLower();
    if (t.isEmpty())
        return {};
    static const QStringList kOn = {QStringLiteral("1"), QStringLiteral("yes"),
                                    QStringLiteral("true"), QStringLiteral("on"),
                                    QStringLiteral("x")};
    return kOn.contains(t) ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

// ---- Clipboard ----

QMimeData* CSpreadSheet::MimeForRange(int col1, int row1, int col2, int row2) const {
    auto* mime = new QMimeData;
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << kMimeMagic << SourceId(this) << qint32(col1) << qint32(row1) << qint32(col2)
        << qint32(row2);
    QString text;
    for (int row = row1; row <= row2; ++row) {
        QStringList line;
        for (int c = col1; c <= col2; ++c) {
            const SheetCell& cell = model_->At(c, row);
            out << qint32(model_->Kind(c)) << cell.text << qint32(cell.list)
                << model_->Text(c, row);
            line << model_->Text(c, row);
        }
        text += line.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    mime->setData(QString::fromLatin1(kRowsMimeType), bytes);
    mime->setText(text);
    return mime;
}

void CSpreadSheet::CopyToClipboard(const Rect& r) const {
    if (!r.Empty())
        QApplication::clipboard()->setMimeData(MimeForRange(r.c1, r.r1, r.c2, r.r2));
}

QString CSpreadSheet::CleanPasted(int column, const QString& text) const {
    switch (model_->Kind(column)) {
    case CellKind::Frequency: {
        const int hz = ParseFrequency(text.trimmed());
        return (hz >= kLowestCellHz && hz <= kHighestCellHz) ? FrequencyText(hz) : QString();
    }
    case CellKind::Check:
        return CheckText(text);
    case CellKind::Text: {
        const SheetColumn& col = model_->columns[column];
        QString out;
        for (QChar ch : text)
            if (ch != QLatin1Char('\r') && (!col.accepts || col.accepts(ch)))
                out += ch;
        return col.maxLength > 0 ? out.left(col.maxLength) : out;
    }
    case CellKind::List:
        break;
    }
    return text;
}

void CSpreadSheet::PasteFromMime(const QMimeData* mime, int col, int row, bool dropped) {
    if (!mime)
        return;
    lastPaste_ = {};
    const QString ownType = QString::fromLatin1(kRowsMimeType);
    if (!(mime->hasFormat(ownType) && PasteOwnRows(mime->data(ownType), col, row)) &&
        mime->hasText())
        PasteText(mime->text(), col, row);
    emit Pasted(dropped);
}

void CSpreadSheet::PasteIntoRows(const QMimeData* mime, int col, std::vector<int> rows) {
    if (rows.empty())
        return;
    pasteRows_ = std::move(rows);
    PasteFromMime(mime, col, pasteRows_.front());
    pasteRows_.clear();
}

int CSpreadSheet::PasteTarget(int row, int i) const {
    if (pasteRows_.empty())
        return row + i;
    return i < static_cast<int>(pasteRows_.size()) ? pasteRows_[i] : 0;
}

// False when the bytes are not rows of a grid; cells past the grid's right edge are dropped.
bool CSpreadSheet::PasteOwnRows(const QByteArray& bytes, int col, int row) {
    QDataStream in(bytes);
    RowsHead head;
    in >> head;
    if (!head.Sane())
        return false;
    const int rows = head.r2 - head.r1 + 1;
    for (int i = 0; i < rows; ++i) {
        std::vector<std::pair<qint32, qint32>> kinds; // kind, list item
        QStringList shown;
        for (int j = 0; j <= head.c2 - head.c1; ++j) {
            qint32 kind = 0, list = -1;
            QString text, cell;
            in >> kind >> text >> list >> cell;
            if (in.status() != QDataStream::Ok)
                return true;
            kinds.emplace_back(kind, list);
            shown << cell;
        }
        const int to = PasteTarget(row, i);
        if (to == 0)
            return true;
        if (to > model_->rows) {
            lastPaste_.rowsPastEnd = rows - i;
            return true;
        }
        if (const QString why = RefusedRow(shown, col); !why.isEmpty()) {
            lastPaste_.rows.push_back({to, why});
            continue;
        }
        for (int j = 0; j < shown.size(); ++j)
            PasteCell(col + j, to, static_cast<CellKind>(kinds[j].first), kinds[j].second,
                      shown[j]);
    }
    return true;
}

// A list cell into a list column keeps its item; everything else goes over as text.
void CSpreadSheet::PasteCell(int column, int row, CellKind kind, int list, const QString& shown) {
    if (!model_->Valid(column, row))
        return;
    if (kind == CellKind::List && model_->Kind(column) == CellKind::List)
        model_->Put(column, row, model_->ListCell(column, list));
    else
        WriteCell(column, row, CleanPastedNoting(column, row, shown));
}

namespace {
// The text's lines, without the line end that closes the last.
QStringList PastedLines(const QString& text) {
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.back().trimmed().isEmpty())
        lines.removeLast();
    return lines;
}
} // namespace

int RowsToPaste(const QMimeData* mime) {
    return mime && mime->hasText() ? static_cast<int>(PastedLines(mime->text()).size()) : 0;
}

void CSpreadSheet::PasteText(const QString& text, int col, int row) {
    const QStringList lines = PastedLines(text);
    for (int i = 0; i < lines.size(); ++i) {
        const int to = PasteTarget(row, i);
        if (to == 0)
            return;
        if (to > model_->rows) {
            lastPaste_.rowsPastEnd = static_cast<int>(lines.size()) - i;
            return;
        }
        QString line = lines[i];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (const QString why = RefusedRow(fields, col); !why.isEmpty()) {
            lastPaste_.rows.push_back({to, why});
            continue;
        }
        for (int j = 0; j < fields.size(); ++j)
            if (model_->Valid(col + j, to))
                WriteCell(col + j, to, CleanPastedNoting(col + j, to, fields[j]));
    }
}

// A row is a record: pasting its other cells beside a frequency that could not be taken
// would show a channel that is not there.
QString CSpreadSheet::RefusedRow(const QStringList& texts, int col) const {
    for (int j = 0; j < texts.size(); ++j) {
        const int column = col + j;
        if (column < 1 || column > model_->cols || model_->Kind(column) != CellKind::Frequency)
            continue;
        const QString text = texts[j].trimmed();
        if (!text.isEmpty() && CleanPasted(column, text).isEmpty())
            return tr("\"%1\" is not a frequency; the row was not pasted").arg(VisibleText(text));
    }
    return {};
}

QString CSpreadSheet::CleanPastedNoting(int column, int row, const QString& text) {
    const SheetColumn& col = model_->columns[column];
    if (model_->Kind(column) == CellKind::Text && col.accepts) {
        QString refused;
        for (QChar ch : text)
            if (ch != QLatin1Char('\r') && !col.accepts(ch) && !refused.contains(ch))
                refused += ch;
        if (!refused.isEmpty())
            lastPaste_.rows.push_back(
                {row, tr("%1: \"%2\" left out")
                          .arg(QString(col.header).replace(QLatin1Char('\n'), QLatin1Char(' ')),
                               VisibleText(refused))});
    }
    return CleanPasted(column, text);
}

// ---- Drag and drop ----

void CSpreadSheet::startDrag(Qt::DropActions) {
    const int r1 = GetSelectionFirstRow(), r2 = GetSelectionLastRow();
    if (r1 < 1)
        return;
    int c1 = model_->cols, c2 = 1;
    for (const QItemSelectionRange& range : selectionModel()->selection()) {
        c1 = std::min(c1, range.left() + 1);
        c2 = std::max(c2, range.right() + 1);
    }
    auto* drag = new QDrag(this);
    drag->setMimeData(MimeForRange(c1, r1, c2, r2));
    drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::MoveAction);
}

void CSpreadSheet::dragEnterEvent(QDragEnterEvent* event) {
    if (!model_->canDropMimeData(event->mimeData(), event->proposedAction(), -1, -1, {})) {
        event->ignore();
        return;
    }
    QTableView::dragEnterEvent(event);
    event->accept();
}

void CSpreadSheet::dragMoveEvent(QDragMoveEvent* event) {
    QTableView::dragMoveEvent(event);
    if (!model_->canDropMimeData(event->mimeData(), event->proposedAction(), -1, -1, {})) {
        event->ignore();
        return;
    }
    const bool own = event->source() == this;
    event->setDropAction(own && !(event->modifiers() & Qt::ControlModifier) ? Qt::MoveAction
                                                                            : Qt::CopyAction);
    event->accept();
}

void CSpreadSheet::dropEvent(QDropEvent* event) {
    const QModelIndex at = indexAt(event->position().toPoint());
    const QMimeData* mime = event->mimeData();
    const QString ownType = QString::fromLatin1(kRowsMimeType);
    if (!at.isValid() || !mime) {
        event->ignore();
        return;
    }
    const int dropCol = at.column() + 1, dropRow = at.row() + 1;
    const bool copy = event->modifiers() & Qt::ControlModifier;
    // The drag itself moves nothing: the grid does it here, so the view's own move (which
    // would remove rows) must not run.
    event->setDropAction(Qt::CopyAction);
    event->accept();
    stopAutoScroll();
    setState(NoState);
    viewport()->update();
    if (mime->hasFormat(ownType) && DropOwnBlock(mime->data(ownType), dropCol, dropRow, copy))
        return;
    // Whole rows from another grid land as whole rows, wherever in the row they were dropped.
    const bool wholeRows =
        mime->hasFormat(ownType) && IsWholeRows(mime->data(ownType), model_->cols);
    PasteFromMime(mime, wholeRows ? 1 : dropCol, dropRow, true);
}

// Rows dragged inside this grid: the page may change or cancel what happens to them. False
// when they came from elsewhere.
bool CSpreadSheet::DropOwnBlock(const QByteArray& bytes, int dropCol, int dropRow, bool copy) {
    QDataStream in(bytes);
    RowsHead h;
    in >> h;
    if (h.magic != kMimeMagic || h.source != SourceId(this) || !model_->Valid(h.c1, h.r1) ||
        !model_->Valid(h.c2, h.r2) || h.c2 < h.c1 || h.r2 < h.r1)
        return false;
    short action = copy ? 1 : 0;
    bool dataOnly = false, cancel = false;
    emit BlockDropped(
        h.c1, h.r1, h.c2, h.r2, dropCol, dropRow, std::min(model_->cols, dropCol + h.c2 - h.c1),
        std::min(model_->rows, dropRow + h.r2 - h.r1), true, action, dataOnly, cancel);
    if (!cancel)
        CopyCells(Rect{h.c1, h.r1, h.c2, h.r2}, dropCol, dropRow, action == 0);
    return true;
}
