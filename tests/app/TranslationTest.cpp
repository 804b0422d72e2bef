// The Japanese window: every text translated with its placeholders and keys, Qt's own texts
// along with it, and channel names untouched by the interface language.

#include "AppTestSupport.h"
#include "app/AboutDlg.h"
#include "app/LibraryDialog.h"
#include "app/Translations.h"
#include "link/dialogs/CommSetupDlg.h"
#include "pages/ChannelEditDlg.h"
#include "pages/FillSeriesDlg.h"
#include "pages/PrintSetupDlg.h"
#include "pages/SortDlg.h"
#include "radio/Codecs.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QXmlStreamReader>

namespace {

struct Message {
    QString context, source;
    QStringList translations; // one per plural form
    bool finished = true;
};

std::vector<Message> ReadTs(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(path);
    QXmlStreamReader xml(&file);
    std::vector<Message> messages;
    QString context;
    bool numerus = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const QStringView name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
            messages.push_back({context, {}, {}});
        } else if (name == QLatin1String("source")) {
            messages.back().source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            messages.back().finished = xml.attributes().value(QLatin1String("type")).isEmpty();
            if (!numerus)
                messages.back().translations << xml.readElementText();
        } else if (name == QLatin1String("numerusform")) {
            messages.back().translations << xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << qPrintable(xml.errorString());
    return messages;
}

QStringList Placeholders(const QString& text) {
    static const QRegularExpression marker(QStringLiteral("%L?[0-9]+|%n|%s"));
    QStringList found;
    for (const auto& m : marker.globalMatch(text))
        found << m.captured();
    found.sort();
    return found;
}

bool HasMnemonic(QString text) {
    return text.remove(QLatin1String("&&")).contains(QLatin1Char('&'));
}

class JapaneseWindow : public AppTest {
protected:
    ~JapaneseWindow() override { InstallTranslations(QLocale(QLocale::English)); }
};

} // namespace

#ifdef CORVINEL_LUPDATE
// The texts in the code today, gathered afresh, against the translation: a new text without
// Japanese, or a translation that lost a placeholder, its key or one of its choices, fails here.
TEST(Translation, EveryTextOfTheWindowHasAFaithfulJapaneseTranslation) {
    QTemporaryDir scratch;
    const QString src = QStringLiteral(CORVINEL_SOURCE_DIR);
    const QString ts = scratch.filePath(QStringLiteral("corvinel_ja.ts"));
    ASSERT_TRUE(QFile::copy(src + QStringLiteral("/translations/corvinel_ja.ts"), ts));
    QProcess lupdate;
    lupdate.setWorkingDirectory(src);
    lupdate.start(QStringLiteral(CORVINEL_LUPDATE),
                  {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                   QStringLiteral("-no-obsolete"), QStringLiteral("-I"), QStringLiteral("."),
                   QStringLiteral("app"), QStringLiteral("pages"), QStringLiteral("link"),
                   QStringLiteral("radio"), QStringLiteral("-ts"), ts});
    ASSERT_TRUE(lupdate.waitForFinished(120000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().constData();

    const std::vector<Message> messages = ReadTs(ts);
    EXPECT_GT(messages.size(), 400u); // the scan found the window's texts
    QStringList faults;
    for (const Message& m : messages) {
        const QString where = m.context + QStringLiteral(": \"") + m.source + QLatin1Char('"');
        if (!m.finished || m.translations.isEmpty() || m.translations.contains(QString())) {
            faults << where + QStringLiteral(" has no translation");
            continue;
        }
        for (const QString& t : m.translations) {
            if (Placeholders(t) != Placeholders(m.source))
                faults << where + QStringLiteral(" -> \"") + t + QStringLiteral("\" placeholders");
            // Choice lists are split at "|" and picked by position.
            if (m.source.count(QLatin1Char('|')) != t.count(QLatin1Char('|')))
                faults << where + QStringLiteral(" -> \"") + t + QStringLiteral("\" choices");
            if (HasMnemonic(m.source) != HasMnemonic(t))
                faults << where + QStringLiteral(" -> \"") + t + QStringLiteral("\" key");
        }
    }
    EXPECT_TRUE(faults.isEmpty()) << qPrintable(faults.join(QLatin1Char('\n')));
}
#endif

TEST_F(JapaneseWindow, ShowsJapaneseTextsAndKeepsChannelNameBytes) {
    ASSERT_TRUE(InstallTranslations(QLocale(QLocale::Japanese, QLocale::Japan)));
    Start(kLanguageJapanese);

    // Menus, pages and Qt's own buttons speak Japanese.
    QStringList menus;
    for (QAction* a : Frame()->menuBar()->actions())
        menus << a->text();
    EXPECT_EQ(menus.value(0), QStringLiteral("ファイル(&F)"));
    EXPECT_EQ(menus.value(3), QStringLiteral("ヘルプ(&H)"));
    QStringList tabs;
    for (int i = 0; i < Host()->Sheet()->count(); ++i)
        tabs << Host()->Sheet()->tabText(i);
    EXPECT_TRUE(tabs.contains(QStringLiteral("メモリーチャンネル"))) << qPrintable(tabs.join(','));
    EXPECT_TRUE(tabs.contains(QStringLiteral("デュアルワッチ"))) << qPrintable(tabs.join(','));
    // A place found by comparing data files names its page in English.
    ASSERT_TRUE(Host()->ShowPlace(QStringLiteral("VFO Scan"), 0, 0));
    EXPECT_EQ(Host()->Sheet()->tabText(Host()->Sheet()->currentIndex()),
              QStringLiteral("VFO スキャン"));
    QDialogButtonBox box(QDialogButtonBox::Cancel);
    EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("キャンセル"));

    // A half-width katakana name typed into the grid lands as the receiver's bytes and comes
    // back from the file unchanged.
    const QString name = QStringLiteral("ｱｲｳｴｵﾞﾟ");
    Byte expected[8];
    ASSERT_TRUE(NameFromText(name, expected));
    QLineEdit* frequency = TypeInCell(1, QStringLiteral("145.5"));
    ASSERT_NE(frequency, nullptr);
    QTest::keyClick(frequency, Qt::Key_Return);
    const QModelIndex cell = Grid()->model()->index(0, 2);
    Grid()->setCurrentIndex(cell);
    Grid()->edit(cell);
    QLineEdit* editor = nullptr;
    for (QLineEdit* e : Grid()->findChildren<QLineEdit*>())
        if (e->isVisible())
            editor = e;
    ASSERT_NE(editor, nullptr);
    editor->setText(name);
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(cell.data(Qt::DisplayRole).toString(), name);
    ASSERT_TRUE(Host()->MemoryView()->OnKillActive());
    const Byte* stored = Radio().EditRadio() + layout::ri::ChannelName(1);
    EXPECT_TRUE(std::equal(expected, expected + 8, stored));

    ASSERT_TRUE(Radio().SaveTo(Path("ja.rdf")));
    const Image saved = Radio().EditImage();
    ASSERT_TRUE(Radio().OpenFile(Path("ja.rdf")));
    EXPECT_TRUE(Radio().EditImage() == saved);
    EXPECT_EQ(TextFromName(Radio().EditRadio() + layout::ri::ChannelName(1)), name);

    // Back to English: the window's next texts are the English ones again.
    EXPECT_FALSE(InstallTranslations(QLocale(QLocale::English)));
    EXPECT_EQ(QCoreApplication::translate("Commands", "&New"), QStringLiteral("&New"));
}

namespace {

// The texts of a window that have less room than they ask for.
QStringList Clipped(QWidget* window, const QString& where) {
    QStringList clipped;
    const auto tooNarrow = [&](QWidget* w, const QString& text, int wanted) {
        if (w->isVisible() && w->width() < wanted)
            clipped << where + QStringLiteral(": \"") + text + QStringLiteral("\" ") +
                           QString::number(w->width()) + QStringLiteral(" < ") +
                           QString::number(wanted);
    };
    for (QLabel* l : window->findChildren<QLabel*>())
        if (!l->wordWrap() && !l->text().isEmpty())
            tooNarrow(l, l->text(), l->minimumSizeHint().width());
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>())
        if (!b->text().isEmpty())
            tooNarrow(b, b->text(), b->sizeHint().width());
    for (QGroupBox* g : window->findChildren<QGroupBox*>())
        tooNarrow(g, g->title(), g->fontMetrics().horizontalAdvance(g->title()));
    return clipped;
}

} // namespace

// Japanese texts are wider than the English ones: every label, button and group title of every
// page and dialog must still have the room it asks for. CORVINEL_SHOTS names a folder for
// pictures of them, to look at.
TEST_F(JapaneseWindow, EveryPageAndDialogHasRoomForItsJapaneseTexts) {
    ASSERT_TRUE(InstallTranslations(QLocale(QLocale::Japanese, QLocale::Japan)));
    Start(kLanguageJapanese);
    const QString shots = qEnvironmentVariable("CORVINEL_SHOTS");
    const auto look = [&](QWidget* window, const QString& name) {
        if (!shots.isEmpty())
            window->grab().save(QStringLiteral("%1/%2.png").arg(shots, name));
    };
    QStringList clipped;
    CSnapPropertySheet* sheet = Host()->Sheet();
    for (int i = 0; i < sheet->count(); ++i) {
        sheet->setCurrentIndex(i);
        QTest::qWait(50);
        clipped << Clipped(sheet->widget(i), sheet->tabText(i));
        look(Frame(), QStringLiteral("page-%1").arg(i + 1));
    }

    SortSettings sorting;
    std::vector<std::pair<QString, std::unique_ptr<QDialog>>> dialogs;
    dialogs.emplace_back(QStringLiteral("about"), std::make_unique<CAboutDlg>(Frame()));
    dialogs.emplace_back(QStringLiteral("sort"), std::make_unique<CSortDlg>(sorting, Frame()));
    dialogs.emplace_back(QStringLiteral("print-setup"),
                         std::make_unique<CPrintSetupDlg>(&prompt, Frame()));
    dialogs.emplace_back(QStringLiteral("fill-series"),
                         std::make_unique<CFillSeriesDlg>(Radio(), 1, Frame()));
    dialogs.emplace_back(QStringLiteral("edit-channels"),
                         std::make_unique<CChannelEditDlg>(3, Frame()));
    dialogs.emplace_back(QStringLiteral("port-setup"),
                         std::make_unique<CCommSetupDlg>(Frame(), QStringList{}));
    dialogs.emplace_back(QStringLiteral("library"),
                         std::make_unique<CLibraryDialog>(Radio(), Frame()));
    for (const auto& [name, dialog] : dialogs) {
        dialog->show();
        QTest::qWait(50);
        clipped << Clipped(dialog.get(), name);
        look(dialog.get(), QStringLiteral("dialog-") + name);
        dialog->hide();
    }
    EXPECT_TRUE(clipped.isEmpty()) << qPrintable(clipped.join(QLatin1Char('\n')));
}
