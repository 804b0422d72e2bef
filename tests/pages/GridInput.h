#pragma once
// Typing into a grid cell as a user does: the cell is made current, the keys go to whatever
// has the focus (the cell editor once it opens), and a key ends the edit.

#include "pages/SpreadSheet.h"

#include <QApplication>
#include <QString>
#include <QTest>

inline void GoTo(CSpreadSheet& grid, int column, int row) {
    grid.SetCurrentColumn(column);
    grid.SetCurrentRow(row);
    grid.SetOperation(CSpreadSheet::OpActivate);
    grid.setFocus();
}

// Types text into (column, row) and presses leave (Down: ends the edit and leaves the cell).
inline void TypeInto(CSpreadSheet& grid, int column, int row, const QString& text,
                     Qt::Key leave = Qt::Key_Down) {
    GoTo(grid, column, row);
    for (QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(),
                            ch.isDigit() ? Qt::Key(ch.unicode()) : Qt::Key_unknown, QString(ch),
                            Qt::NoModifier);
    QTest::keyClick(QApplication::focusWidget(), leave);
    QApplication::processEvents(); // what the closing editor left queued
}

inline QString CellText(CSpreadSheet& grid, int column, int row) {
    QString text;
    grid.ReadCell(column, row, text);
    return text;
}

inline int CurrentRow(CSpreadSheet& grid) {
    return grid.currentIndex().row() + 1;
}
