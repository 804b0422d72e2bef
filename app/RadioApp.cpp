#include "app/RadioApp.h"

#include "app/EditHistory.h"
#include "app/MainFrame.h"
#include "link/CommPort.h"
#include "radio/Radio.h"
#include "radio/Settings.h"

#include <QFileInfo>

CRadioApp::CRadioApp() : languageId(SystemLanguageId()) {}

CRadioApp::~CRadioApp() = default;

bool CRadioApp::InitInstance(const QStringList& arguments) {
    // The working image holds valid content before any page exists.
    radio_ = std::make_unique<CVR500Radio>();
    radio_->SetPrompt(prompt_);
    radio_->LoadDefaultImage(radio_->EditRadio());

    SettleCountry(languageId);

    frame_ = std::make_unique<CMainFrame>(*radio_, *prompt_);
    desktopPrompt_.SetOwner(frame_.get());
    radio_->NewImage(); // now with the settled country
    frame_->DataSetReplaced();
    frame_->History()->Reset();

    port_ = std::make_unique<CCommPort>(prompt_, QString::fromLatin1(CCommPort::kSettings));
    frame_->SetPort(port_.get());

    frame_->show();
    for (const QString& argument : arguments) {
        if (argument.startsWith(QLatin1Char('-')))
            continue;
        frame_->OpenPath(QFileInfo(argument).absoluteFilePath());
        break;
    }
    return true;
}
