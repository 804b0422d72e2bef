#include "link/dialogs/CloneSteps.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

QVBoxLayout* AddCloneSteps(QDialog& dialog, const QString& lastStep, QProgressBar*& progress) {
    auto* layout = new QVBoxLayout(&dialog);
    const QString steps[] = {
        QStringLiteral("Starting clone mode."),
        QStringLiteral("1. Insert the cable into the speaker jack"),
        QStringLiteral("2. Press and hold the 1,  8, and ENT keys and press PWR"),
        QStringLiteral("3. Verify display shows \"1: RX CLONE 2: TX CLONE\""),
        lastStep,
    };
    for (const QString& text : steps)
        layout->addWidget(new QLabel(text, &dialog));
    progress = new QProgressBar(&dialog);
    progress->setObjectName(QStringLiteral("progress"));
    progress->setRange(0, 100);
    progress->setValue(0);
    layout->addSpacing(8);
    layout->addWidget(progress);
    return layout;
}
