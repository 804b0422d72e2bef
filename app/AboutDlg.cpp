#include "app/AboutDlg.h"

#include "radio/Version.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("About"));
    auto* icon = new QLabel(this);
    icon->setPixmap(QIcon(QStringLiteral(":/icons/corvinel.svg")).pixmap(48, 48));
    icon->setAccessibleName(tr("Corvinel icon"));
    auto* name = new QLabel(tr("<b>Corvinel</b>"), this);
    auto* version = new QLabel(tr("Version %1").arg(QLatin1String(kAppVersion)), this);
    auto* maker = new QLabel(tr("Programming tool for the Yaesu VR-500 receiver\n"
                                "Made by Tarnwick"),
                             this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* grid = new QGridLayout(this);
    grid->addWidget(icon, 0, 0, 3, 1, Qt::AlignTop);
    grid->addWidget(name, 0, 1);
    grid->addWidget(version, 1, 1);
    grid->addWidget(maker, 2, 1);
    grid->addWidget(buttons, 3, 0, 1, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);
}
