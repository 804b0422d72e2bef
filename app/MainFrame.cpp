#include "app/MainFrame.h"

#include "app/AboutDlg.h"
#include "app/BackgroundWork.h"
#include "app/EditHistory.h"
#include "app/HelpWindow.h"
#include "app/SheetHost.h"
#include "link/CommPort.h"
#include "link/dialogs/CloneReadDlg.h"
#include "link/dialogs/CloneWriteDlg.h"
#include "link/dialogs/CommSetupDlg.h"
#include "link/dialogs/CompareDlg.h"
#include "pages/ChannelFinder.h"
#include "pages/MemoryView.h"
#include "radio/Backups.h"
#include "radio/Csv.h"
#include "radio/FileIo.h"
#include "radio/Prompt.h"
#include "radio/Radio.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QLayout>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <type_traits>

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

// slot: a member function of the frame run by the action, or nullptr.
template <typename Slot>
QAction* CMainFrame::MakeAction(int id, const QString& text, const QString& prompt, Slot slot) {
    auto* action = new QAction(text, this);
    action->setData(id);
    if (!prompt.isEmpty()) {
        const int tip = prompt.indexOf(QLatin1Char('\n'));
        action->setStatusTip(prompt.left(tip));
        if (tip >= 0)
            action->setToolTip(prompt.mid(tip + 1));
    }
    if constexpr (!std::is_null_pointer_v<Slot>)
        connect(action, &QAction::triggered, this, [this, slot] { (this->*slot)(); });
    addAction(action); // its keys work wherever the focus is in the window
    actions_[id] = action;
    return action;
}

void CMainFrame::BuildMenus() {
    using F = CMainFrame;
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(MakeAction(ID_FILE_NEW, QStringLiteral("&New"),
                               QStringLiteral("Start a new data set with the default "
                                              "channels\nNew"),
                               &F::OnFileNew));
    file->addAction(MakeAction(ID_FILE_OPEN, QStringLiteral("&Open..."),
                               QStringLiteral("Open an existing radio data file\nOpen"),
                               &F::OnFileOpen));
    file->addAction(MakeAction(ID_OPEN_BACKUP, QStringLiteral("Open &Backup..."),
                               QStringLiteral("Open one of the data sets kept from each read of "
                                              "the receiver\nOpen Backup"),
                               &F::OnOpenBackup));
    file->addAction(MakeAction(ID_FILE_SAVE, QStringLiteral("&Save"),
                               QStringLiteral("Save the data to its file\nSave"), &F::OnFileSave));
    file->addAction(MakeAction(ID_FILE_SAVE_AS, QStringLiteral("Save &As..."),
                               QStringLiteral("Save the data to a new file\nSave As"),
                               &F::OnFileSaveAs));
    file->addAction(MakeAction(ID_IMPORT_CHANNELS, QStringLiteral("&Import Channels..."),
                               QStringLiteral("Set memory channels from a CSV file\nImport"),
                               &F::OnImportChannels));
    file->addAction(MakeAction(ID_EXPORT_CHANNELS, QStringLiteral("&Export Channels..."),
                               QStringLiteral("Write the memory channels in use to a CSV "
                                              "file\nExport"),
                               &F::OnExportChannels));
    file->addAction(MakeAction(ID_COMPARE_WITH, QStringLiteral("Compare &With..."),
                               QStringLiteral("List what differs between a data file and the "
                                              "data shown\nCompare With"),
                               &F::OnCompareWith));
    file->addSeparator();
    file->addAction(MakeAction(ID_FILE_PRINT, QStringLiteral("&Print..."),
                               QStringLiteral("Print the memory channel list\nPrint"),
                               &F::OnFilePrint));
    file->addSeparator();
    file->addAction(MakeAction(ID_APP_EXIT, QStringLiteral("E&xit"),
                               QStringLiteral("Quit the program; asks to save changed "
                                              "data\nExit"),
                               nullptr));
    connect(Action(ID_APP_EXIT), &QAction::triggered, this, &QWidget::close);

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->addAction(MakeAction(ID_EDIT_UNDO, QStringLiteral("&Undo"),
                               QStringLiteral("Take back the last change\nUndo"), &F::OnEditUndo));
    edit->addAction(MakeAction(ID_EDIT_REDO, QStringLiteral("&Redo"),
                               QStringLiteral("Make the change taken back again\nRedo"),
                               &F::OnEditRedo));
    edit->addSeparator();
    // Find and filter work on the Memory View page; the page owns the commands.
    const CChannelFinder* finder = history_->Finder();
    for (const auto& [id, action] : {std::pair{ID_EDIT_FIND, finder->FindAction()},
                                     std::pair{ID_EDIT_REPEAT, finder->FindNextAction()},
                                     std::pair{ID_HIDE_UNUSED, finder->HideUnusedAction()}}) {
        action->setData(id);
        actions_[id] = action;
        edit->addAction(action);
    }
    connect(history_, &CEditHistory::Changed, this, &CMainFrame::UpdateUndoCommands);

    QMenu* radio = menuBar()->addMenu(QStringLiteral("&Radio"));
    radio->addAction(
        MakeAction(ID_GET_DATA, QStringLiteral("&Get Data From..."), {}, &F::OnGetData));
    radio->addAction(
        MakeAction(ID_SEND_DATA, QStringLiteral("&Send Data To..."), {}, &F::OnSendData));
    radio->addAction(
        MakeAction(ID_COMM_SETUP, QStringLiteral("&Comport Setup..."), {}, &F::OnCommSetup));

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(MakeAction(ID_HELP_CONTENTS, QStringLiteral("&Contents"),
                               QStringLiteral("Displays the help contents\nHelp Contents"),
                               &F::OnHelpContents));
    help->addSeparator();
    help->addAction(MakeAction(ID_APP_ABOUT, QStringLiteral("&About..."),
                               QStringLiteral("Show the program's version and maker\nAbout"),
                               &F::OnAppAbout));

    // Commands reached by keys and the toolbar only.
    MakeAction(ID_HELP, QStringLiteral("Help"), QStringLiteral("Help on the page shown\nHelp"),
               &F::OnHelp);
    MakeAction(ID_EDIT_CUT, QStringLiteral("Cut"),
               QStringLiteral("Cut the selected channels and put them on the Clipboard\nCut"),
               &F::OnEditCut);
    MakeAction(ID_EDIT_COPY, QStringLiteral("Copy"),
               QStringLiteral("Copy the selected channels to the Clipboard\nCopy"), &F::OnEditCopy);
    MakeAction(ID_EDIT_PASTE, QStringLiteral("Paste"),
               QStringLiteral("Insert the channels on the Clipboard\nPaste"), &F::OnEditPaste);
    MakeAction(ID_READ, QStringLiteral("Read"), QStringLiteral("Get data from VR-500\nRead"),
               &F::OnGetData);
    MakeAction(ID_WRITE, QStringLiteral("Write"), QStringLiteral("Write data to the VR-500\nWrite"),
               &F::OnSendData);
    MakeAction(ID_NEXT_PAGE, QStringLiteral("Next Page"),
               QStringLiteral("Show the next page\nNext Page"), &F::OnNextPage);
    MakeAction(ID_PREV_PAGE, QStringLiteral("Previous Page"),
               QStringLiteral("Show the previous page\nPrevious Page"), &F::OnPrevPage);

    const struct {
        int id;
        QList<QKeySequence> keys;
    } keys[] = {
        {ID_FILE_NEW, {QKeySequence(Qt::CTRL | Qt::Key_N)}},
        {ID_FILE_OPEN, {QKeySequence(Qt::CTRL | Qt::Key_O)}},
        {ID_FILE_SAVE, {QKeySequence(Qt::CTRL | Qt::Key_S)}},
        {ID_FILE_PRINT, {QKeySequence(Qt::CTRL | Qt::Key_P)}},
        {ID_HELP, {QKeySequence(Qt::Key_F1)}},
        {ID_EDIT_UNDO,
         {QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::ALT | Qt::Key_Backspace)}},
        {ID_EDIT_REDO,
         {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}},
        // Ctrl+C, Ctrl+X and Ctrl+V belong to the grid, which handles them itself; a window
        // key for them would run the command twice.
        {ID_EDIT_COPY, {QKeySequence(Qt::CTRL | Qt::Key_Insert)}},
        {ID_EDIT_PASTE, {QKeySequence(Qt::SHIFT | Qt::Key_Insert)}},
        {ID_EDIT_CUT, {QKeySequence(Qt::SHIFT | Qt::Key_Delete)}},
        // The tab widget knows these keys only while it has the focus; as window keys they
        // work from inside a grid or a cell editor too.
        {ID_NEXT_PAGE,
         {QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)}},
        {ID_PREV_PAGE,
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
          QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
          QKeySequence(Qt::CTRL | Qt::Key_PageUp)}},
    };
    for (const auto& k : keys)
        Action(k.id)->setShortcuts(k.keys);
    // Cut, Copy and Paste work on the memory channels: on while their page is shown.
    connect(host_->Sheet(), &QTabWidget::currentChanged, this, &CMainFrame::UpdateEditCommands);
    UpdateEditCommands();
    UpdateUndoCommands();
    // The window's own Cut and Paste change the channels as the page's do.
    connect(Action(ID_EDIT_CUT), &QAction::triggered, history_,
            [this] { history_->RecordSoon(QStringLiteral("Cut")); });
    connect(Action(ID_EDIT_PASTE), &QAction::triggered, history_,
            [this] { history_->RecordSoon(QStringLiteral("Paste")); });
}

void CMainFrame::BuildToolBar() {
    QToolBar* bar = addToolBar(QStringLiteral("Toolbar"));
    bar->setObjectName(QStringLiteral("toolbar"));
    bar->setAccessibleName(QStringLiteral("Toolbar"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->toggleViewAction()->setEnabled(false);
    bar->setIconSize(QSize(16, 16));
    const struct {
        int id; // 0: a separator
        const char* theme;
        const char* builtIn;
    } buttons[] = {
        {ID_FILE_NEW, "document-new", "new"},
        {ID_FILE_OPEN, "document-open", "open"},
        {ID_FILE_SAVE, "document-save", "save"},
        {0, nullptr, nullptr},
        {ID_EDIT_CUT, "edit-cut", "cut"},
        {ID_EDIT_COPY, "edit-copy", "copy"},
        {ID_EDIT_PASTE, "edit-paste", "paste"},
        {0, nullptr, nullptr},
        {ID_FILE_PRINT, "document-print", "print"},
        {0, nullptr, nullptr},
        {ID_READ, nullptr, "read"},
        {ID_WRITE, nullptr, "write"},
        {0, nullptr, nullptr},
        {ID_APP_ABOUT, "help-about", "about"},
    };
    for (const auto& b : buttons) {
        if (b.id == 0) {
            bar->addSeparator();
            continue;
        }
        QAction* action = Action(b.id);
        action->setIcon(ToolIcon(b.theme, b.builtIn));
        bar->addAction(action);
    }
    // Menu items carry their text; the toolbar shows icons only.
    for (QAction* action : bar->actions())
        action->setIconVisibleInMenu(false);
}

void CMainFrame::BuildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setAccessibleName(QStringLiteral("Status"));
    bar->setSizeGripEnabled(false);
    // The idle prompt comes back whenever a command's prompt goes away.
    connect(bar, &QStatusBar::messageChanged, bar, [bar](const QString& text) {
        if (text.isEmpty())
            bar->showMessage(QString::fromLatin1(kReady));
    });
    bar->showMessage(QString::fromLatin1(kReady));
}

// The window always takes the size that shows the largest page whole; the user cannot resize
// it. A page whose controls grow once loaded (lists filled for the country) grows it too, so
// nothing is ever cut off.
void CMainFrame::FitToSheet() {
    layout()->setSizeConstraint(QLayout::SetFixedSize);
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
    return saveAs ? radio_.OnFileSaveAs() : radio_.OnFileSave();
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

void CMainFrame::OnFileNew() {
    if (!host_->ActivateMemoryView() || !CommitPages() ||
        !QuerySaveChanges(QString::fromLatin1(kSaveBeforeClosing), QString()))
        return;
    radio_.NewImage();
    DataSetReplaced();
    history_->Reset();
}

void CMainFrame::OnFileOpen() {
    if (!host_->ActivateMemoryView() || !CommitPages() ||
        !QuerySaveChanges(QString::fromLatin1(kSaveBeforeClosing), QString()))
        return;
    const Image before = radio_.EditImage;
    const QString path = radio_.FilePath();
    radio_.OnFileOpen();
    DataSetReplaced(); // whether or not a file was loaded
    if (radio_.EditImage != before || radio_.FilePath() != path)
        history_->Reset();
}

// Open with the backups folder in the dialog. A backup opened is saved under a new name, so
// what the receiver held stays as it was read.
void CMainFrame::OnOpenBackup() {
    if (!host_->ActivateMemoryView() || !CommitPages() ||
        !QuerySaveChanges(QString::fromLatin1(kSaveBeforeClosing), QString()))
        return;
    const Image before = radio_.EditImage;
    const QString path = radio_.FilePath();
    QDir().mkpath(backups::Folder());
    radio_.OpenFromFolder(backups::Folder());
    DataSetReplaced();
    if (radio_.EditImage != before || radio_.FilePath() != path)
        history_->Reset();
}

void CMainFrame::OnCompareWith() {
    if (!CommitPages())
        return;
    CCompareDlg::CompareWithFile(radio_, prompt_, this);
}

bool CMainFrame::OpenPath(const QString& path) {
    if (!host_->ActivateMemoryView() || !CommitPages() ||
        !QuerySaveChanges(QString::fromLatin1(kSaveBeforeClosing), QString()))
        return false;
    const bool opened = radio_.OpenFile(path);
    DataSetReplaced();
    if (opened)
        history_->Reset();
    return opened;
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
    PrintMemoryList(*host_->MemoryView(), this);
}

void CMainFrame::OnEditCut() {
    host_->MemoryView()->OnCut();
}

void CMainFrame::OnEditCopy() {
    host_->MemoryView()->OnCopy();
}

void CMainFrame::OnEditPaste() {
    host_->MemoryView()->OnPaste();
}

void CMainFrame::UpdateEditCommands() {
    const bool onChannels =
        host_->Sheet()->GetActivePage() == static_cast<CPropertyPage*>(host_->MemoryView());
    for (int id :
         {ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, ID_EDIT_FIND, ID_EDIT_REPEAT, ID_HIDE_UNUSED})
        Action(id)->setEnabled(onChannels);
}

// The menu names the step Undo and Redo would take back or make again.
void CMainFrame::UpdateUndoCommands() {
    const QString undo = history_->UndoLabel();
    const QString redo = history_->RedoLabel();
    Action(ID_EDIT_UNDO)
        ->setText(undo.isEmpty() ? QStringLiteral("&Undo") : QStringLiteral("&Undo %1").arg(undo));
    Action(ID_EDIT_REDO)
        ->setText(redo.isEmpty() ? QStringLiteral("&Redo") : QStringLiteral("&Redo %1").arg(redo));
    Action(ID_EDIT_UNDO)->setEnabled(history_->History().CanUndo());
    Action(ID_EDIT_REDO)->setEnabled(history_->History().CanRedo());
}

void CMainFrame::OnEditUndo() {
    history_->Undo();
}

void CMainFrame::OnEditRedo() {
    history_->Redo();
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
    copy->EditImage = radio_.EditImage;
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
    radio_.EditImage = copy->EditImage;
    DataSetReplaced();
    history_->Record(caption);
    statusBar()->showMessage(QStringLiteral("%1 channels imported").arg(result->channelsSet), 5000);
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
    if (!failure->isEmpty())
        prompt_.Message(*failure, QString(), PromptButtons::Ok, PromptIcon::Stop);
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
    const Image before = radio_.EditImage;
    radio_.NewImage();
    radio_.EditImage = incoming.EditImage;
    radio_.SavedImage = radio_.EditImage;
    DataSetReplaced();
    history_->ReadEnded(before, true);
}

void CMainFrame::OnSendData() {
    if (!CommitPages() || !PortReady())
        return;
    CCloneWriteDlg dialog(radio_, *port_, prompt_, this);
    dialog.exec();
    // The dialog clears the bytes the receiver must get as zero; the pages show that too.
    DataSetReplaced();
    history_->TakeIn();
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
