#include "app/MainFrame.h"

#include "app/AboutDlg.h"
#include "app/BackgroundWork.h"
#include "app/Commands.h"
#include "app/EditHistory.h"
#include "app/HelpWindow.h"
#include "app/SheetHost.h"
#include "link/CommPort.h"
#include "link/dialogs/CloneReadDlg.h"
#include "link/dialogs/CloneWriteDlg.h"
#include "link/dialogs/CommSetupDlg.h"
#include "link/dialogs/CompareDlg.h"
#include "pages/MemoryView.h"
#include "pages/SpreadSheet.h"
#include "radio/Backups.h"
#include "radio/Csv.h"
#include "radio/FileIo.h"
#include "radio/Layout.h"
#include "radio/Prompt.h"
#include "radio/Radio.h"

#include <QAccessible>
#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QLayout>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <algorithm>

namespace {

const char kDataChanged[] = "Data changed";
const char kSaveBeforeClosing[] = "Save file before closing?";
const char kSaveBeforeGetting[] = "Save file before getting data?";
const char kReady[] = "Ready";

// The desktop theme's icon where it has one, else the one built into the program.
QIcon ToolIcon(const char* themeName, const char* builtIn) {
    const QIcon own(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(builtIn)));
    return themeName ? QIcon::fromTheme(QLatin1String(themeName), own) : own;
}

int ChannelsInUse(const CVR500Radio& radio) {
    int used = 0;
    for (int n = 1; n <= layout::ri::kChannelCount; ++n)
        used += radio.IsChannelUsed(n) ? 1 : 0;
    return used;
}

QString Channels(int count) {
    return count == 1 ? QStringLiteral("1 channel") : QStringLiteral("%1 channels").arg(count);
}

FileDialogRequest CsvRequest(const QString& title, const QString& folder) {
    return {title,
            folder,
            QStringLiteral("*.csv"),
            {QStringLiteral("CSV Files (*.csv)"), QStringLiteral("All files (*.*)")},
            QStringLiteral("csv")};
}

} // namespace

CMainFrame::CMainFrame(CVR500Radio& radio, Prompt& prompt, QWidget* parent)
    : QMainWindow(parent), radio_(radio), prompt_(prompt), host_(new CSheetHostWnd(radio, this)),
      history_(new CEditHistory(radio, *host_, this)) {
    setWindowIcon(QIcon(QStringLiteral(":/icons/corvinel.svg")));
    setCentralWidget(host_);
    BuildActions();
    BuildMenus();
    BuildToolBar();
    BuildStatusBar();
    makePortChooser = [this] { return std::make_unique<CCommSetupDlg>(this); };
    radio_.onTitle = [this](const QString& title) { setWindowTitle(title); };
    radio_.SetCommitHook([this] { return host_->CommitPages(); });
    radio_.SetChangedOnDiskHook(
        [this](const QString& notice) { statusBar()->showMessage(notice); });
    setWindowTitle(radio_.Title());
    FitToSheet();
}

CMainFrame::~CMainFrame() {
    radio_.onTitle = nullptr;
    radio_.SetCommitHook(nullptr);
    radio_.SetChangedOnDiskHook(nullptr);
}

// ---- Building the window ----------------------------------------------------------------

void CMainFrame::BuildActions() {
    for (const commands::Command& command : commands::Table()) {
        auto* action = new QAction(QString::fromUtf8(command.text), this);
        action->setData(command.id);
        action->setStatusTip(QString::fromUtf8(command.statusTip));
        if (command.toolTip)
            action->setToolTip(QString::fromUtf8(command.toolTip));
        action->setShortcuts(command.keys);
        action->setCheckable(command.checkable);
        if (command.icon.builtIn)
            action->setIcon(ToolIcon(command.icon.theme, command.icon.builtIn));
        // Menu items carry their text; the toolbar shows icons only.
        action->setIconVisibleInMenu(false);
        connect(action, &QAction::triggered, this, [this, &command] { Run(command); });
        addAction(action); // its keys work wherever the focus is in the window
        actions_[command.id] = action;
    }
    connect(host_->Sheet(), &QTabWidget::currentChanged, this, &CMainFrame::UpdateCommands);
    connect(history_, &CEditHistory::Changed, this, &CMainFrame::UpdateCommands);
    UpdateCommands();
}

void CMainFrame::AddCommands(QMenu* menu,
                             const std::function<bool(const commands::Command&)>& wanted) {
    const commands::Command* last = nullptr;
    for (const commands::Command& command : commands::Table()) {
        if (!wanted(command))
            continue;
        if (last && last->group != command.group)
            menu->addSeparator();
        menu->addAction(Action(command.id));
        last = &command;
    }
}

void CMainFrame::BuildMenus() {
    const std::pair<commands::Menu, const char*> menus[] = {
        {commands::Menu::File, "&File"},
        {commands::Menu::Edit, "&Edit"},
        {commands::Menu::Radio, "&Radio"},
        {commands::Menu::Help, "&Help"},
    };
    for (const auto& [which, title] : menus)
        AddCommands(menuBar()->addMenu(QString::fromLatin1(title)),
                    [which](const commands::Command& c) { return c.menu == which; });
    // The channel grid's right-click menu offers the same actions.
    AddCommands(host_->MemoryView()->EditMenu(),
                [](const commands::Command& c) { return c.gridMenu; });
}

void CMainFrame::BuildToolBar() {
    QToolBar* bar = addToolBar(QStringLiteral("Toolbar"));
    bar->setObjectName(QStringLiteral("toolbar"));
    bar->setAccessibleName(QStringLiteral("Toolbar"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->toggleViewAction()->setEnabled(false);
    bar->setIconSize(QSize(16, 16));
    std::vector<const commands::Command*> buttons;
    for (const commands::Command& command : commands::Table())
        if (command.toolbarGroup > 0)
            buttons.push_back(&command);
    std::ranges::stable_sort(buttons, {}, &commands::Command::toolbarGroup);
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (i > 0 && buttons[i - 1]->toolbarGroup != buttons[i]->toolbarGroup)
            bar->addSeparator();
        bar->addAction(Action(buttons[i]->id));
    }
}

void CMainFrame::BuildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setSizeGripEnabled(false);
    // The idle prompt comes back whenever a command's prompt goes away. The bar paints its
    // message itself, with no text object a screen reader could read, so the message is also
    // the bar's accessible name and description; setting them sends readers the change.
    connect(bar, &QStatusBar::messageChanged, bar, [bar](const QString& text) {
        if (text.isEmpty()) {
            bar->showMessage(QString::fromLatin1(kReady));
            return;
        }
        bar->setAccessibleName(text);
        bar->setAccessibleDescription(text);
    });
    bar->showMessage(QString::fromLatin1(kReady));
}

// The window always takes the size that shows the largest page whole; the user cannot resize
// it. A page whose controls grow once loaded (lists filled for the country) grows it too, so
// nothing is ever cut off.
void CMainFrame::FitToSheet() {
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void CMainFrame::Announce(const QString& text) {
    statusBar()->showMessage(text);
    // This Qt has no announcement event; an alert from the bar is the nearest it offers.
    QAccessibleEvent event(statusBar(), QAccessible::Alert);
    QAccessible::updateAccessibility(&event);
}

HelpWindow* CMainFrame::Help() {
    if (!help_)
        help_ = new HelpWindow(this);
    return help_;
}

// ---- Shared steps ---------------------------------------------------------------------

bool CMainFrame::CommitPages() {
    return radio_.CommitEdits();
}

void CMainFrame::DataSetReplaced() {
    host_->ReloadPages();
}

bool CMainFrame::SaveEdits(bool saveAs) {
    if (!(saveAs ? radio_.OnFileSaveAs() : radio_.OnFileSave()))
        return false;
    Announce(QStringLiteral("Saved %1").arg(VisibleText(radio_.FileName())));
    return true;
}

bool CMainFrame::QuerySaveChanges(const QString& text, const QString& caption) {
    if (!radio_.IsChanged())
        return true;
    switch (prompt_.Message(text, caption, PromptButtons::YesNoCancel, PromptIcon::None)) {
    case PromptAnswer::Yes:
        return SaveEdits(false);
    case PromptAnswer::No:
        return true;
    default:
        return false;
    }
}

bool CMainFrame::PortReady() {
    if (!port_)
        return false;
    if (port_->IsOpen() || port_->Open(QString::fromLatin1(CCommPort::kSettings)))
        return true;
    RunPortSetup();
    return false;
}

void CMainFrame::RunPortSetup() {
    if (!port_)
        return;
    std::unique_ptr<PortChooser> chooser = makePortChooser();
    port_->Setup(*chooser, QString::fromLatin1(CCommPort::kSettings));
}

// ---- File commands ---------------------------------------------------------------------

// The Memory View shows, the pages are stored and the user has had the chance to save the
// changes: the data set may be replaced.
bool CMainFrame::ReadyToReplace() {
    return host_->ActivateMemoryView() && CommitPages() &&
           QuerySaveChanges(QString::fromLatin1(kSaveBeforeClosing), QString());
}

// Replaces the data set by what load brings. The pages show the model whether or not it
// worked (a failed open may have left a message behind); a new history starts when it did.
bool CMainFrame::ReplaceDataSet(const std::function<bool()>& load) {
    if (!ReadyToReplace())
        return false;
    const bool replaced = load();
    DataSetReplaced();
    if (replaced)
        history_->Reset();
    return replaced;
}

void CMainFrame::OnFileNew() {
    if (ReplaceDataSet([this] {
            radio_.NewImage();
            return true;
        }))
        Announce(QStringLiteral("New data set"));
}

void CMainFrame::AnnounceOpened() {
    Announce(QStringLiteral("Opened %1").arg(VisibleText(radio_.FileName())));
}

void CMainFrame::OnFileOpen() {
    if (ReplaceDataSet([this] { return radio_.OnFileOpen(); }))
        AnnounceOpened();
}

// Open with the backups folder in the dialog. A backup opened is saved under a new name, so
// what the receiver held stays as it was read.
void CMainFrame::OnOpenBackup() {
    if (ReplaceDataSet([this] {
            QDir().mkpath(backups::Folder());
            return radio_.OpenFromFolder(backups::Folder());
        }))
        AnnounceOpened();
}

void CMainFrame::OnCompareWith() {
    if (!CommitPages())
        return;
    CCompareDlg::CompareWithFile(radio_, prompt_, this);
}

bool CMainFrame::OpenPath(const QString& path) {
    if (!ReplaceDataSet([this, &path] { return radio_.OpenFile(path); }))
        return false;
    AnnounceOpened();
    return true;
}

bool CMainFrame::OnFileSave() {
    if (!CommitPages() || !host_->ActivateMemoryView())
        return false;
    return SaveEdits(false);
}

bool CMainFrame::OnFileSaveAs() {
    if (!CommitPages() || !host_->ActivateMemoryView())
        return false;
    return SaveEdits(true);
}

void CMainFrame::OnFilePrint() {
    if (!PrintMemoryList(*host_->MemoryView(), this))
        return;
    const int pages = host_->MemoryView()->Grid()->LastPrintResult();
    Announce(pages == 1 ? QStringLiteral("Printed 1 page")
                        : QStringLiteral("Printed %1 pages").arg(pages));
}

void CMainFrame::Run(const commands::Command& command) {
    if (!command.undoLabel) {
        command.run(*this);
        return;
    }
    history_->RunStep(QString::fromUtf8(command.undoLabel), [&] { command.run(*this); });
}

bool CMainFrame::Allowed(commands::When when) const {
    switch (when) {
    case commands::When::ChannelsShown:
        return host_->Sheet()->GetActivePage() == static_cast<CPropertyPage*>(host_->MemoryView());
    case commands::When::CanUndo:
        return history_->History().CanUndo();
    case commands::When::CanRedo:
        return history_->History().CanRedo();
    case commands::When::Always:
        break;
    }
    return true;
}

void CMainFrame::UpdateCommands() {
    for (const commands::Command& command : commands::Table())
        Action(command.id)->setEnabled(Allowed(command.when));
    // The menu names the step Undo and Redo would take back or make again.
    const QString undo = history_->UndoLabel();
    const QString redo = history_->RedoLabel();
    Action(ID_EDIT_UNDO)
        ->setText(undo.isEmpty() ? QStringLiteral("&Undo") : QStringLiteral("&Undo %1").arg(undo));
    Action(ID_EDIT_REDO)
        ->setText(redo.isEmpty() ? QStringLiteral("&Redo") : QStringLiteral("&Redo %1").arg(redo));
}

void CMainFrame::OnImportChannels() {
    if (!CommitPages())
        return;
    const QString caption = QStringLiteral("Import Channels");
    const QString path = prompt_.OpenFileName(CsvRequest(caption, radio_.DataDir()));
    if (path.isEmpty())
        return;
    // A pipe waits for its writer and a long list takes a while, so the reading and checking
    // run off the window's thread, on a copy of the data that it alone touches.
    auto copy = std::make_shared<CVR500Radio>();
    copy->SetEditImage(radio_.EditImage());
    auto result = std::make_shared<csv::ImportResult>();
    const QString label =
        QStringLiteral("Reading %1...").arg(VisibleText(QFileInfo(path).fileName()));
    if (!RunInBackground(this, label, [copy, result, path](WorkState& state) {
            *result = csv::ImportFile(*copy, path, 0, [&state](int percent) {
                state.percent = percent;
                return !state.cancelled;
            });
        }))
        return;
    if (!result->failure.isEmpty()) {
        prompt_.Message(result->failure, QString(), PromptButtons::Ok, PromptIcon::Stop);
        return;
    }
    const QString where = QStringLiteral("Line ");
    if (!result->problems.empty()) {
        ShowList(prompt_, QStringLiteral("No channels were changed. Rows to correct:"),
                 csv::ProblemLines(result->problems, where), caption, PromptButtons::Ok,
                 PromptIcon::Stop);
        return;
    }
    radio_.SetEditImage(copy->EditImage());
    DataSetReplaced();
    Announce(QStringLiteral("%1 imported").arg(Channels(result->channelsSet)));
    if (!result->cutNames.empty())
        ShowList(prompt_,
                 QStringLiteral("%1 channels imported. Names longer than the receiver holds "
                                "were cut:")
                     .arg(result->channelsSet),
                 csv::ProblemLines(result->cutNames, where), caption, PromptButtons::Ok,
                 PromptIcon::Information);
}

void CMainFrame::OnExportChannels() {
    if (!CommitPages())
        return;
    const QString path =
        prompt_.SaveFileName(CsvRequest(QStringLiteral("Export Channels"), radio_.DataDir()));
    if (path.isEmpty())
        return;
    // A pipe or device may wait for a reader: the writing runs off the window's thread.
    const QByteArray bytes = csv::ExportChannels(radio_);
    auto failure = std::make_shared<QString>();
    const QString label =
        QStringLiteral("Writing %1...").arg(VisibleText(QFileInfo(path).fileName()));
    if (!RunInBackground(this, label, [bytes, failure, path](WorkState&) {
            *failure = SaveWholeFile(path, bytes);
        }))
        return;
    if (!failure->isEmpty()) {
        prompt_.Message(*failure, QString(), PromptButtons::Ok, PromptIcon::Stop);
        return;
    }
    Announce(QStringLiteral("Exported %1 to %2")
                 .arg(Channels(ChannelsInUse(radio_)), VisibleText(QFileInfo(path).fileName())));
}

// ---- Radio commands --------------------------------------------------------------------

void CMainFrame::OnGetData() {
    if (!host_->ActivateMemoryView() || !CommitPages() ||
        !QuerySaveChanges(QString::fromLatin1(kSaveBeforeGetting),
                          QString::fromLatin1(kDataChanged)))
        return;
    if (!PortReady())
        return;
    // The data shown stay until a whole image has arrived; a cancelled or failed read
    // changes nothing.
    CVR500Radio incoming;
    incoming.NewImage();
    CCloneReadDlg dialog(incoming, *port_, prompt_, this);
    if (dialog.exec() != CCloneReadDlg::kDone)
        return;
    const Image before = radio_.EditImage();
    radio_.NewImage();
    radio_.SetEditImage(incoming.EditImage());
    radio_.MarkSaved();
    DataSetReplaced();
    history_->ReadEnded(before, true);
    Announce(QStringLiteral("Read %1 from %2").arg(Channels(ChannelsInUse(radio_)), PortName()));
}

QString CMainFrame::PortName() const {
    return VisibleText(port_->DeviceName());
}

void CMainFrame::OnSendData() {
    if (!CommitPages() || !PortReady())
        return;
    CCloneWriteDlg dialog(radio_, *port_, prompt_, this);
    const bool sent = dialog.exec() == CCloneWriteDlg::kEnded && dialog.Succeeded();
    // The dialog clears the bytes the receiver must get as zero; the pages show that too.
    DataSetReplaced();
    history_->TakeIn();
    if (sent)
        Announce(QStringLiteral("Sent %1 to %2").arg(Channels(ChannelsInUse(radio_)), PortName()));
}

void CMainFrame::OnCommSetup() {
    RunPortSetup();
}

// ---- Help and About --------------------------------------------------------------------

void CMainFrame::OnHelpContents() {
    Help()->ShowContents();
}

void CMainFrame::OnHelp() {
    Help()->ShowContext(host_->ActiveHelpContext());
}

void CMainFrame::OnAppAbout() {
    CAboutDlg dialog(this);
    dialog.exec();
}

void CMainFrame::OnNextPage() {
    host_->StepPage(1);
}

void CMainFrame::OnPrevPage() {
    host_->StepPage(-1);
}

// ---- Close -----------------------------------------------------------------------------

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!CommitPages() || !QuerySaveChanges(QString::fromLatin1(kSaveBeforeClosing),
                                            QString::fromLatin1(kDataChanged))) {
        event->ignore();
        return;
    }
    if (help_)
        help_->close();
    UnregisterChannelFont();
    event->accept();
}
