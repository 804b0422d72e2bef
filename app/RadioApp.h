#pragma once
// The program as a whole: builds the model, settles the country, shows the main window and
// opens the serial port, in that order. Every further window is a document of its own (its
// data set, undo history, title and save prompt) beside the first; the serial port and the
// program's settings are shared.

#include "app/DesktopPrompt.h"
#include "app/MainFrame.h"

#include <QObject>
#include <QStringList>
#include <memory>
#include <vector>

class CCommPort;
class CVR500Radio;

class CRadioApp : public CDocuments {
public:
    CRadioApp();
    ~CRadioApp() override;
    CRadioApp(const CRadioApp&) = delete;
    CRadioApp& operator=(const CRadioApp&) = delete;

    // The system language as a Windows language id; tests choose another before start-up.
    int languageId;
    // Message boxes and file dialogs; tests give a scripted prompt before start-up.
    void SetPrompt(Prompt* prompt) { prompt_ = prompt; }

    // Start-up. arguments are the command line after the program's name: a data file named
    // there is opened once the window shows. False when the window could not be made.
    bool InitInstance(const QStringList& arguments = {});

    // The first window and its data set; they stay until the program ends.
    CVR500Radio* Radio() const;
    CMainFrame* Frame() const;
    CCommPort* Port() const { return port_.get(); }
    // Every window still open or kept, in the order they were opened.
    std::vector<CMainFrame*> Frames() const;

    CMainFrame* NewWindow(CMainFrame& from) override;
    CMainFrame* OpenDocument(const QString& path, bool readOnly, CMainFrame& from) override;
    bool QuitAll() override;
    int OpenWindows() const override;

private:
    // Declared so the window goes first, then the model, then the boxes' owner.
    struct Document {
        DesktopPrompt ownPrompt;
        std::unique_ptr<CVR500Radio> radio;
        std::unique_ptr<CMainFrame> frame;
    };
    // A new data set of the settled country in a window that is not shown yet, placed beside
    // from when there is one.
    Document& AddDocument(CMainFrame* from);
    // A window other than the first goes once it has closed.
    void Release(CMainFrame* frame);

    DesktopPrompt desktopPrompt_;
    Prompt* prompt_ = &desktopPrompt_;
    std::unique_ptr<CCommPort> port_;
    // After the port: the windows go first, then the port (closing it).
    std::vector<std::unique_ptr<Document>> documents_;
    QObject lifetime_; // the context of calls queued for later, dropped with the program
};
