// The real message boxes: what a click on each button answers, and what Escape (or the close
// box) answers: Cancel where there is one, No for a yes/no question, OK for a notice.

#include "app/DesktopPrompt.h"
#include "AppTestSupport.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Answers the next message box by its button text, or by Escape when text is empty.
PromptAnswer Answer(PromptButtons buttons, const char* press) {
    DesktopPrompt prompt;
    QString seenDetails;
    WhenModal([press, &seenDetails](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        seenDetails = box->detailedText();
        if (!*press) {
            QTest::keyClick(box, Qt::Key_Escape);
            return;
        }
        for (QAbstractButton* button : box->buttons())
            if (button->text().remove(QLatin1Char('&')) == QLatin1String(press))
                return button->click();
        ADD_FAILURE() << "no button " << press;
        box->reject();
    });
    const PromptAnswer answer =
        prompt.Details(QStringLiteral("Text"), QStringLiteral("Line 1\nLine 2"), QString(), buttons,
                       PromptIcon::Question);
    EXPECT_EQ(seenDetails, "Line 1\nLine 2");
    return answer;
}

} // namespace

TEST(DesktopPrompt, ButtonsAndEscapeGiveTheAnswersTheFlowsExpect) {
    EXPECT_EQ(Answer(PromptButtons::YesNoCancel, "Yes"), PromptAnswer::Yes);
    EXPECT_EQ(Answer(PromptButtons::YesNoCancel, "No"), PromptAnswer::No);
    EXPECT_EQ(Answer(PromptButtons::OkCancel, "OK"), PromptAnswer::Ok);
    EXPECT_EQ(Answer(PromptButtons::YesNoCancel, ""), PromptAnswer::Cancel);
    EXPECT_EQ(Answer(PromptButtons::OkCancel, ""), PromptAnswer::Cancel);
    EXPECT_EQ(Answer(PromptButtons::YesNo, ""), PromptAnswer::No);
    EXPECT_EQ(Answer(PromptButtons::Ok, ""), PromptAnswer::Ok);
}

// A question with a named action: that button goes ahead; Cancel and Escape do not.
TEST(DesktopPrompt, ConfirmOffersTheNamedActionAndCancel) {
    for (const char* press : {"Insert", "Cancel", ""}) {
        DesktopPrompt prompt;
        QStringList seen;
        WhenModal([press, &seen](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            for (QAbstractButton* button : box->buttons())
                seen << button->text().remove(QLatin1Char('&'));
            if (!*press)
                return QTest::keyClick(box, Qt::Key_Escape);
            for (QAbstractButton* button : box->buttons())
                if (button->text().remove(QLatin1Char('&')) == QLatin1String(press))
                    return button->click();
        });
        const PromptAnswer answer =
            prompt.Confirm(QStringLiteral("Channel 100 will be lost."), QString(),
                           QStringLiteral("Insert"), PromptIcon::Exclamation);
        seen.sort();
        EXPECT_EQ(seen, (QStringList{"Cancel", "Insert"})) << press;
        EXPECT_EQ(answer, QLatin1String(press) == QLatin1String("Insert") ? PromptAnswer::Ok
                                                                          : PromptAnswer::Cancel)
            << press;
    }
}
