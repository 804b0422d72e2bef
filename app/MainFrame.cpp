#include "app/MainFrame.h"

#include "app/AboutDlg.h"
#include "app/BackgroundWork.h"
#include "app/Commands.h"
#include "app/EditHistory.h"
#include "app/HelpWindow.h"
#include "app/ImportDialog.h"
#include "app/ImportFlow.h"
#include "app/LibraryDialog.h"
#include "app/SheetHost.h"
#include "link/CommPort.h"
#include "link/dialogs/CloneReadDlg.h"
#include "link/dialogs/CloneWriteDlg.h"
#include "link/dialogs/CommSetupDlg.h"
#include "link/dialogs/CompareDlg.h"
#include "pages/MemoryView.h"
#include "pages/SpreadSheet.h"
#include "radio/Backups.h"
#include "radio/ConfigText.h"
#include "radio/Csv.h"
#include "radio/FileIo.h"
#include "radio/Layout.h"
#include "radio/Prompt.h"
#include "radio/Radio.h"
#include "radio/Settings.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QToolBar>
#include <algorithm>

namespace {

const char kDataChanged[] = QT_TRANSLATE_NOOP("CMainFrame", "Data changed");
const char kSaveBeforeClosing[] = QT_TRANSLATE_NOOP("CMainFrame", "Save file before closing?");
const char kSaveBeforeGetting[] = QT_TRANSLATE_NOOP("CMainFrame", "Save file before getting data?");
const char kReady[] = QT_TRANSLATE_NOOP("CMainFrame", "Ready");

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
    return count == 1 ? QCoreApplication::translate("CMainFrame", "1 channel")
                      : QCoreApplication::translate("CMainFrame", "%1 channels").arg(count);
}

FileDialogRequest CsvRequest(const QString& title, const QString& folder) {
    return {title,
            folder,
            QStringLiteral("*.csv"),
            {QCoreApplication::translate("CMainFrame", "CSV Files (*.csv)"),
             QCoreApplication::translate("CMainFrame", "Whole Data File as Text (*.yaml *.yml)"),
             QCoreApplication::translate("CMainFrame", "All files (*.*)")},
            QStringLiteral("csv")};
}

// A .yaml file holds the whole data file as text rather than a channel list.
bool IsTextForm(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("yaml") || suffix == QLatin1String("yml");
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
    radio_.onTitle = [this](const QString& title) { ShowTitle(title); };
    radio_.SetCommitHook([this] { return host_->CommitPages(); });
    radio_.SetChangedOnDiskHook(
        [this](const QString& notice) { statusBar()->showMessage(notice); });
    ShowTitle(radio_.Title());
    RestoreWindow();
}

CMainFrame::~CMainFrame() {
    radio_.onTitle = nullptr;
    radio_.SetCommitHook(nullptr);
    radio_.SetChangedOnDiskHook(nullptr);
}

// ---- Building the window ----------------------------------------------------------------

void CMainFrame::BuildActions() {
    for (const commands::Command& command : commands::Table()) {
        auto* action = new QAction(commands::Text(command.text), this);
        action->setData(command.id);
        action->setStatusTip(commands::Text(command.statusTip));
        if (command.toolTip)
            action->setToolTip(commands::Text(command.toolTip));
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
    connect(history_, &CEditHistory::Refused, this, &CMainFrame::RefuseChange);
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
        {commands::Menu::File, QT_TR_NOOP("&File")},
        {commands::Menu::Edit, QT_TR_NOOP("&Edit")},
        {commands::Menu::Radio, QT_TR_NOOP("&Radio")},
        {commands::Menu::Help, QT_TR_NOOP("&Help")},
    };
    for (const auto& [which, title] : menus)
        AddCommands(menuBar()->addMenu(tr(title)),
                    [which](const commands::Command& c) { return c.menu == which; });
    // The channel grid's right-click menu offers the same actions.
    AddCommands(host_->MemoryView()->EditMenu(),
                [](const commands::Command& c) { return c.gridMenu; });
}

void CMainFrame::BuildToolBar() {
    QToolBar* bar = addToolBar(tr("Toolbar"));
    bar->setObjectName(QStringLiteral("toolbar"));
    bar->setAccessibleName(tr("Toolbar"));
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
            bar->showMessage(tr(kReady));
            return;
        }
        bar->setAccessibleName(text);
        bar->setAccessibleDescription(text);
    });
    bar->showMessage(tr(kReady));
}

void CMainFrame::RestoreWindow() {
    const QByteArray saved =
        settings::Open()->value(QLatin1String(settings::kWindowGeometry)).toByteArray();
    if (!saved.isEmpty() && restoreGeometry(saved))
        return;
    QSize size = sizeHint();
    if (const QScreen* shown = screen())
        size = size.boundedTo(shown->availableSize() - frameSize() + geometry().size());
    resize(size);
}

void CMainFrame::SaveWindow() const {
    settings::Open()->setValue(QLatin1String(settings::kWindowGeometry), saveGeometry());
}

void CMainFrame::ShowTitle(const QString& title) {
    setWindowTitle(title + (readOnly_ ? tr(" (read-only)") : QString()) + QStringLiteral("[*]"));
    UpdateModified();
}

// A read-only window holds nothing of the user's to save.
void CMainFrame::UpdateModified() {
    setWindowModified(!readOnly_ && radio_.IsChanged());
}

void CMainFrame::MakeReadOnly() {
    readOnly_ = true;
    history_->MakeReadOnly();
    // The grids start no cell editor and take no drop (rows may still be dragged out); what
    // other controls change is taken back by the history.
    for (QAbstractItemView* grid : host_->findChildren<QAbstractItemView*>()) {
        grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
        if (grid->dragDropMode() == QAbstractItemView::DragDrop)
            grid->setDragDropMode(QAbstractItemView::DragOnly);
    }
    ShowTitle(radio_.Title());
    UpdateCommands();
}

void CMainFrame::RefuseChange(const QString& label) {
    Announce(tr("This window is read-only: %1 was taken back").arg(label));
}

CCompareDlg* CMainFrame::CompareWindow() const {
    return compare_.data();
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
    Announce(tr("Saved %1").arg(VisibleText(radio_.FileName())));
    return true;
}

bool CMainFrame::QuerySaveChanges(const QString& text, const QString& caption) {
    if (readOnly_ || !radio_.IsChanged())
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
    // The user chose a port to go on with the transfer, not to start it again.
    return RunPortSetup();
}

bool CMainFrame::RunPortSetup() {
    if (!port_)
        return false;
    std::unique_ptr<PortChooser> chooser = makePortChooser();
    return port_->Setup(*chooser, QString::fromLatin1(CCommPort::kSettings));
}

// ---- File commands ---------------------------------------------------------------------

// The Memory View shows, the pages are stored and the user has had the chance to save the
// changes: the data set may be replaced.
bool CMainFrame::ReadyToReplace() {
    return host_->ActivateMemoryView() && CommitPages() &&
           QuerySaveChanges(tr(kSaveBeforeClosing), QString());
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
        Announce(tr("New data set"));
}

void CMainFrame::AnnounceOpened() {
    Announce(tr("Opened %1").arg(VisibleText(radio_.FileName())));
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
    CCompareDlg* shown = CCompareDlg::CompareWithFile(radio_, prompt_, this);
    if (!shown)
        return;
    if (compare_)
        compare_->close(); // one comparison at a time: the newest
    compare_ = shown;
    connect(shown, &CCompareDlg::ShowPlace, this, [this](const compare::Place& place) {
        activateWindow();
        raise();
        host_->ShowPlace(place.page, place.list, place.row);
    });
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
    Announce(pages == 1 ? tr("Printed 1 page") : tr("Printed %1 pages").arg(pages));
}

void CMainFrame::Run(const commands::Command& command) {
    if (!command.undoLabel) {
        command.run(*this);
        return;
    }
    history_->RunStep(commands::Text(command.undoLabel), [&] { command.run(*this); });
}

bool CMainFrame::Allowed(const commands::Command& command) const {
    if (readOnly_ &&
        (command.writes || command.undoLabel || command.when == commands::When::CanUndo ||
         command.when == commands::When::CanRedo))
        return false;
    switch (command.when) {
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
        Action(command.id)->setEnabled(Allowed(command));
    // The menu names the step Undo and Redo would take back or make again.
    const QString undo = history_->UndoLabel();
    const QString redo = history_->RedoLabel();
    Action(ID_EDIT_UNDO)->setText(undo.isEmpty() ? tr("&Undo") : tr("&Undo %1").arg(undo));
    Action(ID_EDIT_REDO)->setText(redo.isEmpty() ? tr("&Redo") : tr("&Redo %1").arg(redo));
    UpdateModified();
}

void CMainFrame::OnImportChannels() {
    if (!CommitPages())
        return;
    const QString path = prompt_.OpenFileName(CsvRequest(tr("Import Channels"), radio_.DataDir()));
    if (path.isEmpty())
        return;
    if (IsTextForm(path)) {
        ImportText(path);
        return;
    }
    ImportChannelsFrom(path);
}

bool CMainFrame::ImportChannelsFrom(const QString& path) {
    const QString caption = tr("Import Channels");
    // A pipe waits for its writer and a long list takes a while, so the reading and checking
    // run off the window's thread, on a copy of the data that it alone touches.
    auto copy = std::make_shared<CVR500Radio>();
    copy->SetEditImage(radio_.EditImage());
    struct Read {
        QByteArray bytes;
        QString failure;
        csv::Plan plan;
    };
    auto read = std::make_shared<Read>();
    const QString name = QFileInfo(path).fileName();
    const QString label = tr("Reading %1...").arg(VisibleText(name));
    if (!RunInBackground(this, label, [copy, read, path](WorkState& state) {
            read->bytes = csv::ReadListFile(path, read->failure);
            if (read->failure.isEmpty())
                read->plan = csv::PlanImport(*copy, read->bytes, {}, [&state](int percent) {
                    state.percent = percent;
                    return !state.cancelled;
                });
        }))
        return false;
    if (!read->failure.isEmpty()) {
        prompt_.Message(read->failure, QString(), PromptButtons::Ok, PromptIcon::Stop);
        return false;
    }
    bool skipRefused = false;
    if (read->plan.failure.isEmpty() && ImportNeedsChoices(read->plan)) {
        CImportDialog dialog(*copy, read->bytes, name, {}, this);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        read->plan = dialog.CurrentPlan();
        skipRefused = dialog.CurrentOptions().skipRefused;
    }
    return FinishImport(*this, prompt_, radio_, *copy, read->plan, skipRefused, caption);
}

bool CMainFrame::TakeChannelList(const QString& path) {
    radio_.NewImage();
    for (int n = 1; n <= layout::ri::kChannelCount; ++n)
        radio_.ClearChannel(n);
    radio_.MarkSaved();
    DataSetReplaced();
    if (!ImportChannelsFrom(path))
        return false;
    // The list is still on disk: nothing of the user's is lost when this data set is not saved.
    radio_.MarkSaved();
    DataSetReplaced();
    history_->Reset();
    return true;
}

void CMainFrame::OnFrequencyLibrary() {
    if (!CommitPages())
        return;
    CVR500Radio copy;
    copy.SetEditImage(radio_.EditImage());
    CLibraryDialog library(copy, this);
    if (library.exec() == QDialog::Accepted)
        FinishImport(*this, prompt_, radio_, copy, library.ChosenPlan(), library.SkipRefused(),
                     tr("Frequency Library"));
}

void CMainFrame::OnExportChannels() {
    if (!CommitPages())
        return;
    FileDialogRequest request = CsvRequest(tr("Export Channels"), radio_.DataDir());
    request.fileName = radio_.ProposedFileName(QStringLiteral("csv"));
    const QString path = prompt_.SaveFileName(request);
    if (path.isEmpty())
        return;
    // A pipe or device may wait for a reader: the writing runs off the window's thread.
    const QByteArray bytes =
        IsTextForm(path) ? configtext::Dump(radio_.EditImage()) : csv::ExportChannels(radio_);
    auto failure = std::make_shared<QString>();
    const QString label = tr("Writing %1...").arg(VisibleText(QFileInfo(path).fileName()));
    if (!RunInBackground(this, label, [bytes, failure, path](WorkState&) {
            *failure = SaveWholeFile(path, bytes);
        }))
        return;
    if (!failure->isEmpty()) {
        prompt_.Message(*failure, QString(), PromptButtons::Ok, PromptIcon::Stop);
        return;
    }
    Announce(tr("Exported %1 to %2")
                 .arg(Channels(ChannelsInUse(radio_)), VisibleText(QFileInfo(path).fileName())));
}

// The whole data set from its text form, applied onto the data open now: every value is
// checked before anything changes.
void CMainFrame::ImportText(const QString& path) {
    auto applied = std::make_shared<configtext::Applied>();
    auto failure = std::make_shared<QString>();
    const Image base = radio_.EditImage();
    const QString label = tr("Reading %1...").arg(VisibleText(QFileInfo(path).fileName()));
    if (!RunInBackground(this, label, [applied, failure, base, path](WorkState&) {
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly)) {
                *failure = tr("Cannot open file:\n%1").arg(path);
                return;
            }
            *applied = configtext::Apply(file.read(configtext::kMaxTextSize + 1), &base);
        }))
        return;
    const QString refusal = !failure->isEmpty() ? *failure
                            : applied->Ok()     ? QString()
                                                : tr("Nothing was changed. %1:\n%2")
                                                  .arg(VisibleText(QFileInfo(path).fileName()),
                                                       VisibleText(applied->error));
    if (!refusal.isEmpty()) {
        prompt_.Message(refusal, QString(), PromptButtons::Ok, PromptIcon::Stop);
        return;
    }
    radio_.SetEditImage(applied->image);
    DataSetReplaced();
    Announce(tr("Data set read from %1").arg(VisibleText(QFileInfo(path).fileName())));
}

// ---- Radio commands --------------------------------------------------------------------

void CMainFrame::OnGetData() {
    if (!host_->ActivateMemoryView() || !CommitPages() ||
        !QuerySaveChanges(tr(kSaveBeforeGetting), tr(kDataChanged)))
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
    Announce(tr("Read %1 from %2").arg(Channels(ChannelsInUse(radio_)), PortName()));
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
        Announce(tr("Sent %1 to %2").arg(Channels(ChannelsInUse(radio_)), PortName()));
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

// ---- Windows ---------------------------------------------------------------------------

void CMainFrame::OnNewWindow() {
    if (documents_)
        documents_->NewWindow(*this);
}

void CMainFrame::OnOpenInNewWindow() {
    OpenInNewWindow(false);
}

void CMainFrame::OnOpenReadOnly() {
    OpenInNewWindow(true);
}

void CMainFrame::OpenInNewWindow(bool readOnly) {
    if (!documents_)
        return;
    const QString path = prompt_.OpenFileName(
        {readOnly ? tr("Open Read-Only") : tr("Open in New Window"),
         radio_.DataDir(),
         QStringLiteral("*.rdf"),
         {tr("Radio Files (*.rdf)"), tr("CSV Files (*.csv)"), tr("All files (*.*)")},
         QStringLiteral("rdf")});
    if (!path.isEmpty())
        documents_->OpenDocument(path, readOnly, *this);
}

void CMainFrame::OnAppExit() {
    if (documents_)
        documents_->QuitAll();
    else
        close();
}

// ---- Close -----------------------------------------------------------------------------

bool CMainFrame::MayClose() {
    return CommitPages() && QuerySaveChanges(tr(kSaveBeforeClosing), tr(kDataChanged));
}

void CMainFrame::CloseAsked() {
    closeAsked_ = true;
    close();
    closeAsked_ = false;
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!closeAsked_ && !MayClose()) {
        event->ignore();
        return;
    }
    if (help_)
        help_->close();
    if (compare_)
        compare_->close();
    SaveWindow();
    // The other windows' grids still draw with the channel font.
    if (!documents_ || documents_->OpenWindows() <= 1)
        UnregisterChannelFont();
    event->accept();
    emit Closed();
}
