#pragma once
// The whole program started offscreen with scripted prompts and settings of its own.

#include "app/MainFrame.h"
#include "app/RadioApp.h"
#include "app/SheetHost.h"
#include "link/CommPort.h"
#include "pages/MemoryView.h"
#include "pages/PropertyPage.h"
#include "pages/SpreadSheet.h"
#include "radio/Radio.h"
#include "radio/Settings.h"
#include "support/ScriptedPrompt.h"
#include "support/TempSettings.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

// The port setup dialog as a script: counts its showings and cancels, or picks a port.
class ScriptedChooser : public PortChooser {
public:
    ScriptedChooser(int& calls, std::optional<QString> answer)
        : calls_(calls), answer_(std::move(answer)) {}
    std::optional<QString> Choose(const QString&) override {
        ++calls_;
        return answer_;
    }

private:
    int& calls_;
    std::optional<QString> answer_;
};

class AppTest : public testing::Test {
protected:
    TempSettings settings;
    QTemporaryDir dir;
    ScriptedPrompt prompt;
    std::unique_ptr<CRadioApp> app;
    int chooserCalls = 0;
    std::optional<QString> chooserAnswer;

    ~AppTest() override {
        if (app && app->Frame())
            app->Frame()->hide();
    }

    void Start(int language = kLanguageEnglishUS, const QStringList& arguments = {}) {
        app = std::make_unique<CRadioApp>();
        app->languageId = language;
        app->SetPrompt(&prompt);
        ASSERT_TRUE(app->InitInstance(arguments));
        Frame()->makePortChooser = [this] {
            return std::make_unique<ScriptedChooser>(chooserCalls, chooserAnswer);
        };
        Frame()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Frame()));
    }

    CMainFrame* Frame() const { return app->Frame(); }
    CVR500Radio& Radio() const { return *app->Radio(); }
    CSheetHostWnd* Host() const { return Frame()->Host(); }
    QString Path(const char* name) const { return dir.filePath(QLatin1String(name)); }

    QAbstractItemView* Grid() const { return Host()->MemoryView()->Grid(); }
    QModelIndex FrequencyCell(int channel) const { return Grid()->model()->index(channel - 1, 0); }
    QString CellText(int channel) const {
        return FrequencyCell(channel).data(Qt::DisplayRole).toString();
    }
    // Types text into the channel's frequency cell and leaves the editor open, as a user
    // who goes straight to a command does.
    QLineEdit* TypeInCell(int channel, const QString& text) {
        Host()->ActivateMemoryView();
        Grid()->setCurrentIndex(FrequencyCell(channel));
        Grid()->edit(FrequencyCell(channel));
        QLineEdit* editor = nullptr; // editors closed before wait hidden for their deletion
        for (QLineEdit* e : Grid()->findChildren<QLineEdit*>())
            if (e->isVisible())
                editor = e;
        if (!editor)
            return nullptr;
        editor->selectAll();
        QTest::keyClicks(editor, text);
        return editor;
    }
    // A fresh data set as the program makes one for the stored country.
    Image NewDataSet() const {
        CVR500Radio fresh;
        fresh.NewImage();
        return fresh.EditImage();
    }
    // A data file of the stored country with channel 1 at hz.
    QString MakeDataFile(const char* name, int hz) {
        CVR500Radio maker;
        maker.NewImage();
        ChannelRecord rec = *maker.GetChannel(1);
        EncodeDigits(rec.code, hz, 8);
        maker.StoreChannel(rec, 1);
        maker.SetChannelUsed(1, true);
        for (int offset : layout::ri::kClearedBeforeWrite)
            maker.EditRadio()[offset] = 0;
        EXPECT_TRUE(maker.SaveTo(Path(name)));
        return Path(name);
    }
};

// Runs f once the next modal dialog is up.
template <typename F> void WhenModal(F f) {
    auto* poll = new QTimer(qApp); // the application deletes one whose dialog never came
    QObject::connect(poll, &QTimer::timeout, [poll, f] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            f(modal);
        }
    });
    poll->start(10);
}
