// The real message boxes: what a click on each button answers, and what Escape (or the close
// box) answers: Cancel where there is one, No for a yes/no question, OK for a notice.

#include "app/DesktopPrompt.h"
#include "AppTestSupport.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Answers the message box that show brings up by its button text, or by Escape when text is
// empty; details gets the box's detailed text.
template <typename Show>
PromptAnswer Press(const char* press, Show show, QString* details = nullptr) {
    WhenModal([press, details](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        if (details)
            *details = box->detailedText();
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
    return show();
}

PromptAnswer Answer(PromptButtons buttons, const char* press) {
    DesktopPrompt prompt;
    QString seenDetails;
    const PromptAnswer answer = Press(
        press,
        [&] {
            return prompt.Details(QStringLiteral("Text"), QStringLiteral("Line 1\nLine 2"),
                                  QString(), buttons, PromptIcon::Question);
        },
        &seenDetails);
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
        const PromptAnswer answer = Press(press, [&prompt] {
            return prompt.Confirm(QStringLiteral("Text"), QString(), QStringLiteral("Insert"),
                                  PromptIcon::Exclamation);
        });
        EXPECT_EQ(answer, *press == 'I' ? PromptAnswer::Ok : PromptAnswer::Cancel) << press;
    }
}
