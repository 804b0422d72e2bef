#pragma once
// The program as a whole: builds the model, settles the country, shows the main window and
// opens the serial port, in that order.

#include "app/DesktopPrompt.h"

#include <QStringList>
#include <memory>

class CCommPort;
class CMainFrame;
class CVR500Radio;

class CRadioApp {
public:
    CRadioApp();
    ~CRadioApp();
    CRadioApp(const CRadioApp&) = delete;
    CRadioApp& operator=(const CRadioApp&) = delete;

    // The system language as a Windows language id; tests choose another before start-up.
    int languageId;
    // Message boxes and file dialogs; tests give a scripted prompt before start-up.
    void SetPrompt(Prompt* prompt) { prompt_ = prompt; }

    // Start-up. arguments are the command line after the program's name: a data file named
    // there is opened once the window shows. False when the window could not be made.
    bool InitInstance(const QStringList& arguments = {});

    CVR500Radio* Radio() const { return radio_.get(); }
    CMainFrame* Frame() const { return frame_.get(); }
    CCommPort* Port() const { return port_.get(); }

private:
    DesktopPrompt desktopPrompt_;
    Prompt* prompt_ = &desktopPrompt_;
    // Declared so the window goes first, then the port (closing it), then the model.
    std::unique_ptr<CVR500Radio> radio_;
    std::unique_ptr<CCommPort> port_;
    std::unique_ptr<CMainFrame> frame_;
};
