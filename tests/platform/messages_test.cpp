#include "platform/desktop.h"
#include "platform/messages.h"
#include "platform/program_end.h"
#include "support/modal_answerer.h"

#include <QLineEdit>
#include <QMessageBox>
#include <gtest/gtest.h>

namespace qvr::test {
namespace {

struct MessageCase {
    MessageButtons buttons;
    const char* click;
    int answer;
};

class MessageBoxAnswers : public ::testing::TestWithParam<MessageCase> {};

TEST_P(MessageBoxAnswers, ClickedButtonIsTheAnswer) {
    const MessageCase& c = GetParam();
    ModalAnswerer answerer;
    answerer.Click(c.click);

    EXPECT_EQ(MsgBox("Are you sure?", c.buttons, "Quit"), c.answer);
    EXPECT_EQ(answerer.Titles(), QStringList{"Quit"});
    EXPECT_EQ(answerer.Texts(), QStringList{"Are you sure?"});
}

INSTANTIATE_TEST_SUITE_P(Buttons, MessageBoxAnswers,
                         ::testing::Values(MessageCase{MessageButtons::YesNo, "Yes", vbYes},
                                           MessageCase{MessageButtons::YesNo, "No", vbNo},
                                           MessageCase{MessageButtons::OkOnly, "OK", vbOK}));

TEST(MessageBox, TypedTextIsShownAsItStands) {
    ModalAnswerer answerer;
    answerer.Then([](QWidget* dialog) {
        EXPECT_EQ(static_cast<QMessageBox*>(dialog)->textFormat(), Qt::PlainText);
        ModalAnswerer::ClickButton(dialog, "OK");
    });
    MsgBox("Delete the case named '<b>Doe</b>'?", MessageButtons::OkOnly, "Delete Case");
    EXPECT_EQ(answerer.Texts(), QStringList{"Delete the case named '<b>Doe</b>'?"});
}

TEST(MessageBox, ClosingAQuestionIsNeverAYes) {
    ModalAnswerer answerer;
    answerer.Then([](QWidget* dialog) { dialog->close(); });
    EXPECT_NE(MsgBox("Delete?", MessageButtons::YesNo, "Delete Case"), vbYes);
}

TEST(MessageBox, WithoutAScreenAQuestionIsNeverAYes) {
    SetMessageBoxHandler({});
    SetInputBoxHandler({});
    EXPECT_EQ(MsgBox("Delete?", MessageButtons::YesNo, "Delete Case"), vbNo);
    EXPECT_EQ(MsgBox("Done", MessageButtons::OkOnly, "Note"), vbOK);
    EXPECT_EQ(InputBox("Name?", "Case", "x"), std::nullopt);
    InstallDesktopPlatform();
}

TEST(InputBox, TypedTextComesBackAndCancelGivesNothing) {
    ModalAnswerer answerer;
    answerer
        .Then([](QWidget* dialog) {
            dialog->findChild<QLineEdit*>()->setText("  O'Brien, Müller  ");
            ModalAnswerer::ClickButton(dialog, "OK");
        })
        .Click("Cancel");

    EXPECT_EQ(InputBox("Name?", "Case", ""), QString("  O'Brien, Müller  "));
    EXPECT_EQ(InputBox("Name?", "Case", "old"), std::nullopt);
    EXPECT_EQ(answerer.Answered(), 2);
}

TEST(ProgramEnd, ReplacedEndIsRecordedAndClearedOnReplacement) {
    int ends = 0;
    SetProgramEndHandler([&] { ++ends; });
    EXPECT_FALSE(ProgramEndRequested());
    EndProgramNow();
    EXPECT_EQ(ends, 1);
    EXPECT_TRUE(ProgramEndRequested());
    SetProgramEndHandler([] {});
    EXPECT_FALSE(ProgramEndRequested());
}

}  // namespace
}  // namespace qvr::test
