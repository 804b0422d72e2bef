#pragma once
// The main window: menu, toolbar, status bar, the sheet of pages, and every command that
// works on the whole data set.
// Menus, toolbar, keys and the channel grid's right-click menu are built from the command
// table (app/Commands.h); the flows below are what its rows run.

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <map>
#include <memory>

namespace commands {
struct Command;
} // namespace commands
class CCommPort;
class CCompareDlg;
class CMainFrame;
class CEditHistory;
class CSheetHostWnd;
class CVR500Radio;
class HelpWindow;
class PortChooser;
class Prompt;
class QAction;
class QMenu;

// The program's open documents, each a data set in a window of its own, as a window asks for
// them.
class CDocuments {
public:
    virtual ~CDocuments() = default;
    // A new data set in a window beside from.
    virtual CMainFrame* NewWindow(CMainFrame& from) = 0;
    // The data file, or the CSV channel list (as a new untitled data set), at path in a window
    // beside from; nullptr when it could not be opened (the user has been told).
    virtual CMainFrame* OpenDocument(const QString& path, bool readOnly, CMainFrame& from) = 0;
    // Closes every window after asking for each changed data set; a Cancel keeps them all.
    virtual bool QuitAll() = 0;
    // How many windows are open.
    virtual int OpenWindows() const = 0;
};

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    // The command ids, which also name the actions.
    enum Command {
        ID_FILE_NEW = 57600,
        ID_FILE_OPEN = 57601,
        ID_FILE_SAVE = 57603,
        ID_FILE_SAVE_AS = 57604,
        ID_FILE_PRINT = 57607,
        ID_EDIT_COPY = 57634,
        ID_EDIT_CUT = 57635,
        ID_EDIT_PASTE = 57637,
        ID_EDIT_FIND = 57636,
        ID_EDIT_REPEAT = 57640,
        ID_EDIT_UNDO = 57643,
        ID_EDIT_REDO = 57644,
        ID_APP_ABOUT = 57664,
        ID_APP_EXIT = 57665,
        ID_HELP = 57670,
        ID_GET_DATA = 32771,
        ID_SEND_DATA = 32772,
        ID_COMM_SETUP = 32773,
        ID_READ = 32774,
        ID_WRITE = 32775,
        ID_HELP_CONTENTS = 32777,
        ID_IMPORT_CHANNELS = 32780,
        ID_EXPORT_CHANNELS = 32781,
        ID_OPEN_BACKUP = 32782,
        ID_COMPARE_WITH = 32783,
        ID_HIDE_UNUSED = 32784,
        ID_NEXT_PAGE = 32785,
        ID_PREV_PAGE = 32786,
        ID_EDIT_SORT = 32787,
        ID_EDIT_MOVE_UP = 32788,
        ID_EDIT_MOVE_DOWN = 32789,
        ID_EDIT_INSERT = 32790,
        ID_EDIT_CLEAR = 32791,
        ID_EDIT_DELETE = 32792,
        ID_CHECK_CABLE = 32793,
        ID_SAVE_DIAGNOSTICS = 32794,
        ID_FREQUENCY_LIBRARY = 32800,
        ID_EDIT_CHANNELS = 32850,
        ID_FILL_DOWN = 32851,
        ID_FILL_SERIES = 32852,
        ID_FILTER_CHANNELS = 32854,
        ID_ORDER_VIEW = 32855,
        ID_PASTE_FREE = 32853,
        ID_NEW_WINDOW = 32860,
        ID_OPEN_NEW_WINDOW = 32861,
        ID_OPEN_READ_ONLY = 32862,
    };

    CMainFrame(CVR500Radio& radio, Prompt& prompt, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // The port is made after the window (it may show a message over it).
    void SetPort(CCommPort* port) { port_ = port; }
    // The documents New Window, Open in New Window and Exit work on; without them Exit closes
    // this window alone.
    void SetDocuments(CDocuments* documents) { documents_ = documents; }
    // From now on the window takes back every change as soon as it is made and greys out the
    // commands that change or write the data; its title says so.
    void MakeReadOnly();
    bool IsReadOnly() const { return readOnly_; }
    // The port setup dialog; tests give a chooser of their own.
    std::function<std::unique_ptr<PortChooser>()> makePortChooser;

    CSheetHostWnd* Host() const { return host_; }
    QAction* Action(int id) const {
        const auto found = actions_.find(id);
        return found == actions_.end() ? nullptr : found->second;
    }
    HelpWindow* Help();
    CEditHistory* History() const { return history_; }
    // The Compare window while it is open, else nullptr.
    CCompareDlg* CompareWindow() const;

    // ---- Command flows ----
    void OnFileNew();
    void OnFileOpen();
    // Opens path as Open does after its file dialog (a file named on the command line).
    bool OpenPath(const QString& path);
    bool OnFileSave();
    bool OnFileSaveAs();
    void OnFilePrint();
    void OnOpenBackup();
    void OnCompareWith();
    void OnImportChannels();
    void OnExportChannels();
    void OnFrequencyLibrary();
    void OnGetData();
    void OnSendData();
    void OnCommSetup();
    // These two live in app/CableCheckDlg.cpp.
    void OnCheckCable();
    void OnSaveDiagnostics();
    void OnHelpContents();
    void OnHelp();
    void OnAppAbout();
    void OnNextPage();
    void OnPrevPage();
    void OnNewWindow();
    void OnOpenInNewWindow();
    void OnOpenReadOnly();
    void OnAppExit();

    // ---- Steps the flows share ----
    // Stores what the pages show into the image; false when a page refused to let go.
    bool CommitPages();
    // The data set was replaced (New, Open, Get Data) or changed under the pages (import):
    // every page shows what the model now holds.
    void DataSetReplaced();
    // Import of the whole data set in its text form.
    void ImportText(const QString& path);
    // Saves the current edits; when the save is cancelled or fails the data still count as
    // changed.
    bool SaveEdits(bool saveAs);
    bool ReadyToReplace();
    bool ReplaceDataSet(const std::function<bool()>& load);
    // When the data have changed, asks whether to save them first. True to go on.
    bool QuerySaveChanges(const QString& text, const QString& caption);
    // The pages are stored and the user has had the chance to save: the window may close.
    bool MayClose();
    // Closes the window without asking again (the user has answered MayClose).
    void CloseAsked();
    // Imports the channel list at path into the data set; true when channels were written.
    bool ImportChannelsFrom(const QString& path);
    // Makes the data set one that holds the channels of the list at path and nothing else, as
    // if just opened; false when the list could not be taken (the user has been told).
    bool TakeChannelList(const QString& path);
    // Says in the status bar, and to screen readers, how a command ended.
    void Announce(const QString& text);

signals:
    // The window has closed.
    void Closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildActions();
    // Adds the commands wanted, in table order, with a separator between groups.
    void AddCommands(QMenu* menu, const std::function<bool(const commands::Command&)>& wanted);
    void BuildMenus();
    void BuildToolBar();
    void BuildStatusBar();
    // The size, place and maximised state of the last session, or a size that shows the
    // largest page whole on this screen.
    void RestoreWindow();
    void SaveWindow() const;
    // The title names the file and marks unsaved changes.
    void ShowTitle(const QString& title);
    void UpdateModified();
    // Runs the command; one with an undo label as one step of that name.
    void Run(const commands::Command& command);
    bool Allowed(const commands::Command& command) const;
    // What each command can do now, and the step Undo and Redo would take.
    void UpdateCommands();
    // Opens the port for a transfer; when it cannot be opened, runs the port setup and goes
    // on with the port chosen there.
    bool PortReady();
    // True when a port is open afterwards.
    bool RunPortSetup();
    void AnnounceOpened();
    void OpenInNewWindow(bool readOnly);
    // Tells the user the read-only window took the change label back.
    void RefuseChange(const QString& label);
    QString PortName() const; // the transfer port's device, as the user reads it

    CVR500Radio& radio_;
    Prompt& prompt_;
    CCommPort* port_ = nullptr;
    CDocuments* documents_ = nullptr;
    bool readOnly_ = false;
    bool closeAsked_ = false;
    CSheetHostWnd* host_;
    CEditHistory* history_;
    HelpWindow* help_ = nullptr;
    QPointer<CCompareDlg> compare_; // the Compare window while it is open
    std::map<int, QAction*> actions_;
};
