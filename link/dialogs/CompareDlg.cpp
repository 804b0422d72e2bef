#include "link/dialogs/CompareDlg.h"

#include "link/CloneFrames.h"
#include "radio/Backups.h"
#include "radio/Prompt.h"
#include "radio/Radio.h"
#include "radio/Settings.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

struct Group {
    compare::Area area;
    const char* title;
};
constexpr Group kGroups[] = {
    {compare::Area::Channel, QT_TRANSLATE_NOOP("CCompareDlg", "Memory channels")},
    {compare::Area::Setting, QT_TRANSLATE_NOOP("CCompareDlg", "Settings and lists")},
    {compare::Area::Hidden, QT_TRANSLATE_NOOP("CCompareDlg", "Data no page shows")},
};

} // namespace

CCompareDlg::CCompareDlg(const compare::Differences& differences, const QString& before,
                         const QString& after, QWidget* parent)
    : QDialog(parent), differences_(differences), list_(new QTreeWidget(this)) {
    setWindowTitle(tr("Compare"));
    auto* layout = new QVBoxLayout(this);
    auto* from = new QLabel(tr("From: %1\nTo: %2").arg(before, after), this);
    from->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(from);
    auto* summary = new QLabel(differences.Summary() + QLatin1Char('.'), this);
    QFont bold = summary->font();
    bold.setBold(true);
    summary->setFont(bold);
    layout->addWidget(summary);

    list_->setHeaderLabels({tr("Difference")});
    list_->setHeaderHidden(true);
    list_->setAccessibleName(tr("Differences"));
    list_->setUniformRowHeights(true);
    list_->setRootIsDecorated(true);
    for (const Group& group : kGroups) {
        const int count = differences.Count(group.area);
        if (count == 0)
            continue;
        auto* top =
            new QTreeWidgetItem(list_, {QStringLiteral("%1 (%2)").arg(tr(group.title)).arg(count)});
        for (std::size_t i = 0; i < differences.items.size(); ++i) {
            const compare::Difference& d = differences.items[i];
            if (d.area != group.area)
                continue;
            auto* item = new QTreeWidgetItem(top, {d.text});
            item->setData(0, Qt::UserRole, static_cast<int>(i));
            if (!d.place.page.isEmpty())
                item->setToolTip(0, tr("Double-click to show it on the %1 page")
                                        .arg(QCoreApplication::translate(
                                            "Compare", d.place.page.toUtf8().constData())));
        }
        top->setExpanded(true);
    }
    if (list_->topLevelItemCount() > 0)
        list_->setCurrentItem(list_->topLevelItem(0));
    layout->addWidget(list_, 1);
    connect(list_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        const QVariant index = item->data(0, Qt::UserRole);
        if (!index.isValid())
            return;
        const compare::Place& place = differences_.items.at(index.toInt()).place;
        if (!place.page.isEmpty())
            emit ShowPlace(place);
    });

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* copy = buttons->addButton(tr("&Copy List"), QDialogButtonBox::ActionRole);
    copy->setEnabled(!differences.Empty());
    connect(copy, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(Text()); });
    // Enter on a difference shows it; it does not close the list (Escape does).
    for (QPushButton* button :
         {copy, buttons->addButton(tr("Close"), QDialogButtonBox::RejectRole)})
        button->setAutoDefault(false);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(720, 480);
}

QString CCompareDlg::Text() const {
    const QStringList lines = differences_.Lines();
    return lines.isEmpty() ? QString() : lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

CCompareDlg* CCompareDlg::CompareWithFile(CVR500Radio& radio, Prompt& prompt, QWidget* parent) {
    const QString path = prompt.OpenFileName({tr("Compare With"),
                                              radio.DataDir(),
                                              QStringLiteral("*.rdf"),
                                              {tr("Radio Files (*.rdf)"), tr("All files (*.*)")},
                                              QStringLiteral("rdf")});
    if (path.isEmpty())
        return nullptr;
    if (const QString refused = NotRegularFile(tr("Cannot open file:"), path); !refused.isEmpty()) {
        prompt.Message(refused, QString(), PromptButtons::Ok, PromptIcon::Stop);
        return nullptr;
    }
    CVR500Radio other;
    other.SetPrompt(&prompt);
    if (!other.LoadFile(path))
        return nullptr;
    auto* dialog =
        new CCompareDlg(compare::CompareImages(other.EditImage(), radio.EditImage()),
                        QFileInfo(path).fileName(), tr("the data in the window"), parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->PlaceBeside(parent);
    dialog->show();
    return dialog;
}

// Beside the window it compares, on the side with room for it; where there is none, over it
// as any dialog.
void CCompareDlg::PlaceBeside(QWidget* owner) {
    if (!owner || !owner->isVisible())
        return;
    const QRect frame = owner->frameGeometry();
    const QScreen* screen = owner->screen();
    if (!screen)
        return;
    const QRect room = screen->availableGeometry();
    const int width = std::min(this->width(), room.width());
    if (frame.right() + width < room.right())
        move(frame.right() + 1, frame.top());
    else if (frame.left() - width > room.left())
        move(frame.left() - width, frame.top());
}

CCompareDlg::SendSummary CCompareDlg::SummaryBeforeSending(const CRadio& radio) {
    SendSummary summary;
    const QString newest = backups::Newest();
    if (newest.isEmpty()) {
        summary.text = tr("No data read from the receiver has been kept, so what "
                          "this will change cannot be shown.");
        return summary;
    }
    CVR500Radio last; // no prompt: a backup that cannot be read is told in the summary
    if (!last.LoadFile(newest)) {
        summary.text = tr("The data last read from the receiver could not be read "
                          "(%1), so what this will change cannot be shown.")
                           .arg(QFileInfo(newest).fileName());
        return summary;
    }
    // What the receiver will get: the start frame carries the stored country version, and
    // some set-mode bytes go as zero.
    Image sent = radio.EditImage();
    Byte* sentRadio = sent.data() + layout::kRadioImage;
    wire::ClearBeforeWrite(sentRadio);
    int country = settings::kDefaultCountry;
    int wideband = settings::kDefaultWideband;
    ReadCountrySettings(country, wideband);
    sentRadio[layout::ri::kCountryCode] = static_cast<Byte>(country);
    sentRadio[layout::ri::kWidebandFlag] = static_cast<Byte>(wideband);

    summary.available = true;
    summary.backupName = QFileInfo(newest).fileName();
    summary.differences = compare::CompareImages(last.EditImage(), sent);
    const QString when = QLocale().toString(QFileInfo(newest).lastModified(), QLocale::ShortFormat);
    const int channels = summary.differences.Count(compare::Area::Channel);
    const int settings = summary.differences.Count(compare::Area::Setting);
    if (channels + settings == 0)
        summary.text = tr("Compared with the data last read from the receiver (%1), "
                          "no channel and no setting will change.")
                           .arg(when);
    else
        summary.text =
            tr("Compared with the data last read from the receiver (%1), "
               "%2 and %3 will change.")
                .arg(when, channels == 1 ? tr("1 channel") : tr("%1 channels").arg(channels),
                     settings == 1 ? tr("1 setting") : tr("%1 settings").arg(settings));
    return summary;
}
