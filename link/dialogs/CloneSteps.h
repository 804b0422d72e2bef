#pragma once
// The instructions both clone dialogs show, the progress bar under them and the dialogs' frame.

#include <QDialog>

class QProgressBar;
class QVBoxLayout;

// Lays out the four steps that put the receiver into clone mode; lastStep is the one that
// differs between reading and writing. Returns the layout the caller adds its buttons to.
QVBoxLayout* AddCloneSteps(QDialog& dialog, const QString& lastStep, QProgressBar*& progress);
