#include "app/RadioApp.h"

#include "app/EditHistory.h"
#include "link/CommPort.h"
#include "radio/Backups.h"
#include "radio/Codecs.h"
#include "radio/Prompt.h"
#include "radio/Radio.h"
#include "radio/Settings.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

// How far a new window sits from the one it was opened from, so both show.
constexpr int kCascade = 32;

// The Open dialog answered with a file already chosen; every other question goes on to the
// window's prompt.
class ChosenFile : public Prompt {
public:
    ChosenFile(Prompt& prompt, QString path) : prompt_(prompt), path_(std::move(path)) {}
    PromptAnswer Message(const QString& text, const QString& caption, PromptButtons buttons,
                         PromptIcon icon) override {
        return prompt_.Message(text, caption, buttons, icon);
    }
    PromptAnswer Details(const QString& text, const QString& details, const QString& caption,
                         PromptButtons buttons, PromptIcon icon) override {
        return prompt_.Details(text, details, caption, buttons, icon);
    }
    PromptAnswer Confirm(const QString& text, const QString& caption, const QString& action,
                         PromptIcon icon) override {
        return prompt_.Confirm(text, caption, action, icon);
    }
    QString OpenFileName(const FileDialogRequest&) override { return path_; }
    QString SaveFileName(const FileDialogRequest& request) override {
        return prompt_.SaveFileName(request);
    }

private:
    Prompt& prompt_;
    QString path_;
};

// A backup opens as Open Backup opens it: untitled, so saving asks for a new name and the
// backup stays as it was read.
bool OpenDataFile(CVR500Radio& radio, const QString& path) {
    if (QFileInfo(path).absolutePath() != QFileInfo(backups::Folder()).absoluteFilePath())
        return radio.OpenFile(path);
    Prompt* prompt = radio.GetPrompt();
    ChosenFile chosen(*prompt, path);
    radio.SetPrompt(&chosen);
    const bool opened = radio.OpenFromFolder(backups::Folder());
    radio.SetPrompt(prompt);
    return opened;
}

bool IsChannelList(const QString& path) {
    return QFileInfo(path).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0;
}

} // namespace

CRadioApp::CRadioApp() : languageId(SystemLanguageId()) {}

CRadioApp::~CRadioApp() = default;

CVR500Radio* CRadioApp::Radio() const {
    return documents_.empty() ? nullptr : documents_.front()->radio.get();
}

CMainFrame* CRadioApp::Frame() const {
    return documents_.empty() ? nullptr : documents_.front()->frame.get();
}

std::vector<CMainFrame*> CRadioApp::Frames() const {
    std::vector<CMainFrame*> frames;
    for (const auto& document : documents_)
        frames.push_back(document->frame.get());
    return frames;
}

bool CRadioApp::InitInstance(const QStringList& arguments) {
    SettleCountry(languageId);

    Document& first = AddDocument(nullptr);
    desktopPrompt_.SetOwner(first.frame.get());

    port_ = std::make_unique<CCommPort>(prompt_, QString::fromLatin1(CCommPort::kSettings));
    first.frame->SetPort(port_.get());

    first.frame->show();
    for (const QString& argument : arguments) {
        if (argument.startsWith(QLatin1Char('-')))
            continue;
        first.frame->OpenPath(QFileInfo(argument).absoluteFilePath());
        break;
    }
    return true;
}

CRadioApp::Document& CRadioApp::AddDocument(CMainFrame* from) {
    auto document = std::make_unique<Document>();
    // Each window's boxes belong to it; a scripted prompt answers for every window.
    Prompt* prompt = prompt_ == &desktopPrompt_ ? &document->ownPrompt : prompt_;
    document->radio = std::make_unique<CVR500Radio>();
    CVR500Radio& radio = *document->radio;
    radio.SetPrompt(prompt);
    // The working image holds valid content before any page exists.
    radio.LoadDefaultImage(radio.EditRadio());
    document->frame = std::make_unique<CMainFrame>(radio, *prompt);
    CMainFrame& frame = *document->frame;
    // Until a new window shows, its messages belong to the window it came from.
    document->ownPrompt.SetOwner(from ? from : &frame);
    radio.NewImage();
    frame.DataSetReplaced();
    frame.History()->Reset();
    frame.SetPort(port_.get());
    frame.SetDocuments(this);
    if (from) {
        frame.resize(from->size());
        frame.move(from->pos() + QPoint(kCascade, kCascade));
    }
    QObject::connect(&frame, &CMainFrame::Closed, &lifetime_, [this, &frame] { Release(&frame); });
    documents_.push_back(std::move(document));
    return *documents_.back();
}

void CRadioApp::Release(CMainFrame* frame) {
    if (frame == Frame())
        return;
    // Not while the window is still in its own close event.
    QMetaObject::invokeMethod(
        &lifetime_,
        [this, frame] {
            std::erase_if(documents_, [frame](const std::unique_ptr<Document>& document) {
                return document->frame.get() == frame && !frame->isVisible();
            });
        },
        Qt::QueuedConnection);
}

CMainFrame* CRadioApp::NewWindow(CMainFrame& from) {
    Document& document = AddDocument(&from);
    document.ownPrompt.SetOwner(document.frame.get());
    document.frame->show();
    document.frame->Announce(QCoreApplication::translate("CRadioApp", "New data set"));
    return document.frame.get();
}

CMainFrame* CRadioApp::OpenDocument(const QString& path, bool readOnly, CMainFrame& from) {
    Document& document = AddDocument(&from);
    CMainFrame* frame = document.frame.get();
    bool opened = false;
    if (IsChannelList(path)) {
        // The list's import may ask for choices over the window it fills.
        document.ownPrompt.SetOwner(frame);
        frame->show();
        opened = frame->TakeChannelList(path);
    } else {
        opened = OpenDataFile(*document.radio, path);
        if (opened) {
            frame->DataSetReplaced();
            frame->History()->Reset();
        }
    }
    if (!opened) {
        frame->hide();
        std::erase_if(documents_, [frame](const std::unique_ptr<Document>& d) {
            return d->frame.get() == frame;
        });
        return nullptr;
    }
    if (readOnly)
        frame->MakeReadOnly();
    document.ownPrompt.SetOwner(frame);
    frame->show();
    frame->activateWindow();
    frame->Announce(QCoreApplication::translate("CRadioApp", "Opened %1")
                        .arg(VisibleText(QFileInfo(path).fileName())));
    return frame;
}

bool CRadioApp::QuitAll() {
    std::vector<CMainFrame*> open;
    for (CMainFrame* frame : Frames())
        if (frame->isVisible())
            open.push_back(frame);
    for (CMainFrame* frame : open)
        if (!frame->MayClose())
            return false;
    for (CMainFrame* frame : open)
        frame->CloseAsked();
    return true;
}

int CRadioApp::OpenWindows() const {
    int open = 0;
    for (const auto& document : documents_)
        open += document->frame->isVisible() ? 1 : 0;
    return open;
}
