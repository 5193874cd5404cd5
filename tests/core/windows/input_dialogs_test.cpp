#include "core/program_state.h"
#include "core/values.h"
#include "core/windows/input_dialogs.h"
#include "support/modal_answerer.h"
#include "support/temp_drive.h"

#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QTimer>

namespace qvr::test {
namespace {

template <typename Dialog>
void ShowModal() {
    Dialog dialog;
    dialog.exec();
}

using Shower = void (*)();

QLineEdit* Text1(QWidget* dialog) { return dialog->findChild<QLineEdit*>("Text1"); }
QString LabelText(QWidget* dialog, const char* name) { return dialog->findChild<QLabel*>(name)->text(); }

void ExpectTextFits(QWidget* dialog, const char* name) {
    const QLabel* label = dialog->findChild<QLabel*>(name);
    EXPECT_LE(label->heightForWidth(label->width()), label->height()) << name << " is cut off";
}

// Runs once the answerer is done with the dialog, so that a message box that it opens is answered too.
void Later(QWidget* dialog, std::function<void()> step) { QTimer::singleShot(0, dialog, std::move(step)); }

ModalAnswerer::Action TypeThenClick(const QString& typed, const QString& button) {
    return [typed, button](QWidget* dialog) {
        Text1(dialog)->clear();
        QTest::keyClicks(Text1(dialog), typed);
        ModalAnswerer::ClickButton(dialog, button);
    };
}

class InputDialogTest : public TempDriveTest {
protected:
    void SetExchange(const QString& value, int maxLength = 40) {
        state.DialogTitle = "New Case Name";
        state.DialogPrompt = "Enter a Name";
        state.DialogValue = value;
        state.DialogMaxLength = maxLength;
    }
};

TEST_F(InputDialogTest, GetShortShowsTheExchangeLightYellowAndCentred) {
    SetExchange("  Doe  ");
    GetShort dialog;

    EXPECT_EQ(dialog.objectName(), "GetShort");
    EXPECT_EQ(dialog.windowTitle(), "New Case Name");
    EXPECT_EQ(LabelText(&dialog, "Label1"), "Enter a Name");
    EXPECT_EQ(Text1(&dialog)->text(), "  Doe  ");
    EXPECT_EQ(Text1(&dialog)->maxLength(), 40);
    EXPECT_EQ(Text1(&dialog)->selectionStart(), 0);
    EXPECT_EQ(Text1(&dialog)->selectedText(), "  D");  // as long as the value trimmed
    EXPECT_EQ(dialog.findChild<QPushButton*>("Command1")->text(), "&Ok");
    EXPECT_EQ(dialog.findChild<QPushButton*>("cmdCancel")->text(), "&Cancel");
    EXPECT_EQ(dialog.palette().color(QPalette::Window), QColor("#FFFFC0"));
    EXPECT_EQ(dialog.size(), QSize(413, 210));
    const QPoint screenCentre = dialog.screen()->availableGeometry().center();
    EXPECT_LE((dialog.frameGeometry().center() - screenCentre).manhattanLength(), 2);
}

TEST_F(InputDialogTest, GetShortShowsTheCaseNamePromptWhole) {
    SetExchange("");
    state.DialogPrompt =
        "Enter a new Name for this new Case in the space below.  You may enter the name of your client, or perhaps "
        "the name of the plaintiff and defendant (ie., Doe, John vs. Jane).  The maximum number of characters "
        "allowed in this field is 40.";
    GetShort dialog;

    ExpectTextFits(&dialog, "Label1");
}

TEST_F(InputDialogTest, GetShortTypingReplacesTheInitialText) {
    SetExchange("Old Name");
    ModalAnswerer answerer;
    answerer.Then([](QWidget* dialog) {
        QTest::keyClicks(Text1(dialog), "New");
        ModalAnswerer::ClickButton(dialog, "Ok");
    });

    ShowModal<GetShort>();

    EXPECT_EQ(state.DialogValue, "New");
}

TEST_F(InputDialogTest, GetShortStoresBlanksAsTyped) {
    SetExchange("");
    ModalAnswerer answerer;
    answerer.Then(TypeThenClick("  Doe, John vs. Jane  ", "Ok"));

    ShowModal<GetShort>();

    EXPECT_EQ(state.DialogValue, "  Doe, John vs. Jane  ");
}

TEST_F(InputDialogTest, GetShortRefusesTheFortyFirstCharacter) {
    SetExchange("", 40);
    const QString typed = QString(40, 'a') + "Z";
    ModalAnswerer answerer;
    answerer.Then(TypeThenClick(typed, "Ok"));

    ShowModal<GetShort>();

    EXPECT_EQ(state.DialogValue, QString(40, 'a'));
}

TEST_F(InputDialogTest, WithoutAMaximumLengthAnyLengthIsTaken) {
    SetExchange("", 0);
    const QString typed(300, 'x');
    ModalAnswerer answerer;
    answerer.Then(TypeThenClick(typed, "Ok"));

    ShowModal<GetShort>();

    EXPECT_EQ(state.DialogValue, typed);
}

struct PromptKind {
    const char* name;
    Shower show;
    const char* typed;   // an answer that the dialog accepts
    const char* answer;  // what it stores for it
};

void PrintTo(const PromptKind& kind, std::ostream* os) { *os << kind.name; }

const PromptKind kPromptDialogs[] = {
    {"GetShort", &ShowModal<GetShort>, "12", "12"},
    {"GetAmt", &ShowModal<GetAmt>, "1234", "1,234.00"},
    {"GetDate", &ShowModal<GetDate>, "3/7/2024", "03/07/2024"},
    {"GetTime", &ShowModal<GetTime>, "12:30", "12:30"},
};

class PromptDialogs : public InputDialogTest, public ::testing::WithParamInterface<PromptKind> {};

TEST_P(PromptDialogs, CancelLeavesTheValueAsTheCallerSetItEvenAfterTyping) {
    for (const QString& initial : {QString(""), QString("12")}) {
        SetExchange(initial);
        ModalAnswerer answerer;
        answerer.Then(TypeThenClick("34", "Cancel"));

        GetParam().show();

        EXPECT_EQ(state.DialogValue, initial);
        EXPECT_EQ(answerer.Titles(), QStringList{"New Case Name"});
    }
}

TEST_P(PromptDialogs, ClosingLeavesTheValueAsTheCallerSetIt) {
    SetExchange("12");
    ModalAnswerer answerer;
    answerer.Then([](QWidget* dialog) {
        Text1(dialog)->setText("34");
        dialog->close();
    });

    GetParam().show();

    EXPECT_EQ(state.DialogValue, "12");
}

TEST_P(PromptDialogs, EnterInTheTextBoxAcceptsAsTheOkButtonDoes) {
    SetExchange("");
    ModalAnswerer answerer;
    const QString typed = GetParam().typed;
    answerer.Then([typed](QWidget* dialog) {
        QTest::keyClicks(Text1(dialog), typed);
        QTest::keyClick(Text1(dialog), Qt::Key_Return);
    });

    GetParam().show();

    EXPECT_EQ(state.DialogValue, GetParam().answer);
    EXPECT_EQ(answerer.Answered(), 1);
    EXPECT_TRUE(answerer.Unexpected().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Family, PromptDialogs, ::testing::ValuesIn(kPromptDialogs),
                         [](const auto& info) { return std::string(info.param.name); });

struct AmountCase {
    const char* typed;
    const char* format;
    const char* answer;
};

class GetAmtAccepts : public InputDialogTest, public ::testing::WithParamInterface<AmountCase> {};

TEST_P(GetAmtAccepts, FormatsTheAmount) {
    const AmountCase& c = GetParam();
    SetExchange("previous");
    state.DialogFormat = c.format;
    ModalAnswerer answerer;
    answerer.Then(TypeThenClick(c.typed, "Ok"));

    ShowModal<GetAmt>();

    EXPECT_EQ(state.DialogValue, c.answer);
    EXPECT_EQ(answerer.Answered(), 1);  // no message
}

INSTANTIATE_TEST_SUITE_P(
    Amounts, GetAmtAccepts,
    ::testing::Values(AmountCase{"234.5", "", "234.50"}, AmountCase{"999.999", "", "1,000.00"},
                      AmountCase{"1234.5", "", "1,234.50"}, AmountCase{"1234567.891", "", "1,234,567.89"},
                      AmountCase{"1,234.5", "", "1,234.50"}, AmountCase{" 75 ", "", "75.00"},
                      AmountCase{"-5", "", "-5.00"}, AmountCase{"1234.5", "No Comma", "1234.50"},
                      AmountCase{"1234567.891", "No Comma", "1234567.89"}, AmountCase{"", "", ""},
                      AmountCase{"   ", "No Comma", ""}));

class GetAmtRejects : public InputDialogTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(GetAmtRejects, SaysSoEmptiesTheBoxAndStaysOpen) {
    SetExchange("12.00");
    ModalAnswerer answerer;
    QString boxAfterMessage = "not seen";
    const QString typed = QString::fromUtf8(GetParam());
    answerer
        .Then([typed](QWidget* dialog) {  // Enter, so that a second handling of it would show a second message
            Text1(dialog)->insert(typed);
            Later(dialog, [dialog] { QTest::keyClick(Text1(dialog), Qt::Key_Return); });
        })
        .Click("OK")
        .Then([&](QWidget* dialog) {
            boxAfterMessage = Text1(dialog)->text();
            TypeThenClick("7", "Ok")(dialog);
        });

    ShowModal<GetAmt>();

    EXPECT_EQ(answerer.Titles(), (QStringList{"New Case Name", "Amount", "New Case Name"}));
    EXPECT_EQ(answerer.Texts().value(1), "Not a valid Amount!");
    EXPECT_EQ(boxAfterMessage, "");
    EXPECT_EQ(state.DialogValue, "7.00");
}

INSTANTIATE_TEST_SUITE_P(Texts, GetAmtRejects, ::testing::Values("abc", "12,50", "1.2.3", "$", "12 abc", "١٢"));

struct DateCase {
    const char* typed;
    const char* answer;
};

class GetDateAccepts : public InputDialogTest, public ::testing::WithParamInterface<DateCase> {};

TEST_P(GetDateAccepts, AnswersMonthFirst) {
    SetExchange("previous");
    ModalAnswerer answerer;
    answerer.Then(TypeThenClick(GetParam().typed, "Ok"));

    ShowModal<GetDate>();

    EXPECT_EQ(state.DialogValue, GetParam().answer);
    EXPECT_EQ(answerer.Answered(), 1);
}

INSTANTIATE_TEST_SUITE_P(Dates, GetDateAccepts,
                         ::testing::Values(DateCase{"3/7/2024", "03/07/2024"}, DateCase{"12/31/1999", "12/31/1999"},
                                           DateCase{"March 7, 2024", "03/07/2024"},
                                           DateCase{"2/29/2024", "02/29/2024"},
                                           DateCase{"MM/DD/YYYY", "MM/DD/YYYY"}, DateCase{"", ""},
                                           DateCase{"   ", "   "}));

class GetDateRejects : public InputDialogTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(GetDateRejects, SaysSoEmptiesTheBoxAndStaysOpen) {
    SetExchange("01/01/2020");
    ModalAnswerer answerer;
    QString boxAfterMessage = "not seen";
    const QString typed = GetParam();
    answerer
        .Then([typed](QWidget* dialog) {
            QTest::keyClicks(Text1(dialog), typed);
            Later(dialog, [dialog] { ModalAnswerer::ClickButton(dialog, "Ok"); });
        })
        .Click("OK")
        .Then([&](QWidget* dialog) {
            boxAfterMessage = Text1(dialog)->text();
            ModalAnswerer::ClickButton(dialog, "Cancel");
        });

    ShowModal<GetDate>();

    EXPECT_EQ(answerer.Titles().value(1), "Date Verification");
    EXPECT_EQ(answerer.Texts().value(1), "You must enter a date using the Format MM/DD/YYYY!");
    EXPECT_EQ(boxAfterMessage, "");
    EXPECT_EQ(state.DialogValue, "01/01/2020");
}

INSTANTIATE_TEST_SUITE_P(Texts, GetDateRejects,
                         ::testing::Values("2/30/2024", "13/7/2024", "yesterday", "mm/dd/yyyy", " MM/DD/YYYY"));

TEST_F(InputDialogTest, GetDateTodaysDateFillsTheBoxWithoutClosing) {
    SetExchange("");
    state.DialogPrompt = "Date signed";
    ModalAnswerer answerer;
    QString filled;
    answerer.Then([&](QWidget* dialog) {
        EXPECT_EQ(LabelText(dialog, "Label2"), "MM/DD/YYYY");
        EXPECT_EQ(LabelText(dialog, "Label1"), "Date signed");
        ModalAnswerer::ClickButton(dialog, "Today's Date");
        filled = Text1(dialog)->text();
        ModalAnswerer::ClickButton(dialog, "Ok");
    });

    ShowModal<GetDate>();

    EXPECT_EQ(filled, FormatDate(QDate::currentDate()));
    EXPECT_EQ(state.DialogValue, filled);
}

TEST_F(InputDialogTest, GetTimeTakesAnyTextUpToItsLengthAndFillsTheCurrentTime) {
    SetExchange("", 5);
    ModalAnswerer answerer;
    QString filled;
    answerer
        .Then([&](QWidget* dialog) {
            EXPECT_EQ(LabelText(dialog, "Label2"), "HH:MM");
            ModalAnswerer::ClickButton(dialog, "Current Time");
            filled = Text1(dialog)->text();
            ModalAnswerer::ClickButton(dialog, "Cancel");
        })
        .Then(TypeThenClick("99:99 pm", "Ok"));

    ShowModal<GetTime>();
    EXPECT_TRUE(QRegularExpression("^([01][0-9]|2[0-3]):[0-5][0-9]$").match(filled).hasMatch())
        << filled.toStdString();
    ShowModal<GetTime>();

    EXPECT_EQ(state.DialogValue, "99:99");
}

struct ColonCase {
    const char* prompt;
    const char* shown;
};

class PromptColon : public InputDialogTest, public ::testing::WithParamInterface<ColonCase> {};

TEST_P(PromptColon, GetLongAndGetTimeAddOneColon) {
    SetExchange("");
    state.DialogPrompt = GetParam().prompt;
    GetLong longDialog;
    GetTime timeDialog;

    EXPECT_EQ(LabelText(&longDialog, "Label1"), GetParam().shown);
    EXPECT_EQ(LabelText(&timeDialog, "Label1"), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Prompts, PromptColon,
                         ::testing::Values(ColonCase{"Notes", "Notes:"}, ColonCase{"Notes:", "Notes:"},
                                           ColonCase{"Notes:  ", "Notes:  "}, ColonCase{"", ":"}));

TEST_F(InputDialogTest, GetLongStoresItsLinesHoweverItCloses) {
    SetExchange("first\r\nsecond");
    ModalAnswerer answerer;
    QString shown;
    answerer
        .Then([&](QWidget* dialog) {
            auto* text = dialog->findChild<QPlainTextEdit*>("Text1");
            shown = text->toPlainText();
            text->moveCursor(QTextCursor::End);
            QTest::keyClick(text, Qt::Key_Return);
            QTest::keyClicks(text, "third");
            dialog->close();
        })
        .Then([](QWidget* dialog) {
            dialog->findChild<QPlainTextEdit*>("Text1")->setPlainText("only");
            ModalAnswerer::ClickButton(dialog, "Ok");
        });

    ShowModal<GetLong>();
    EXPECT_EQ(shown, "first\nsecond");
    EXPECT_EQ(state.DialogValue, "first\r\nsecond\r\nthird");
    ShowModal<GetLong>();

    EXPECT_EQ(state.DialogValue, "only");
}

TEST_F(InputDialogTest, RenameCaseExchangesThroughRenameValue) {
    state.RenameValue = "Doe";
    ModalAnswerer answerer;
    answerer.Then(TypeThenClick("  Roe ", "Done")).Then(TypeThenClick("Poe", "Cancel"));

    ShowModal<RenameCase>();
    EXPECT_EQ(state.RenameValue, "  Roe ");
    ShowModal<RenameCase>();

    EXPECT_EQ(state.RenameValue, "  Roe ");
    EXPECT_EQ(answerer.Titles(), (QStringList{"Add New Case", "Add New Case"}));
}

struct ProduceCase {
    const char* before;
    const char* button;  // empty: the close box
    const char* after;
};

class ProduceConfirmation : public InputDialogTest, public ::testing::WithParamInterface<ProduceCase> {};

TEST_P(ProduceConfirmation, OnlyItsButtonsSetTheAnswer) {
    const ProduceCase& c = GetParam();
    state.ProduceAnswer = c.before;
    ModalAnswerer answerer;
    const QString button = c.button;
    answerer.Then([button](QWidget* dialog) {
        if (button.isEmpty())
            dialog->close();
        else
            ModalAnswerer::ClickButton(dialog, button);
    });

    ShowModal<producingformbox>();

    EXPECT_EQ(state.ProduceAnswer, c.after);
    EXPECT_EQ(answerer.Titles(), QStringList{"Produce Form"});
}

INSTANTIATE_TEST_SUITE_P(Buttons, ProduceConfirmation,
                         ::testing::Values(ProduceCase{"N", "Produce Form Now", "Y"},
                                           ProduceCase{"Y", "Cancel", "N"}, ProduceCase{"Y", "", "Y"}));

TEST_F(InputDialogTest, ProduceConfirmationTellsWhatProducingDoes) {
    producingformbox dialog;

    EXPECT_EQ(LabelText(&dialog, "Label2"), "Producing Form... Please Read!");
    EXPECT_TRUE(LabelText(&dialog, "Label1").startsWith("This program merges the data you have entered"));
    EXPECT_TRUE(LabelText(&dialog, "Label3").endsWith("please be sure to CLOSE the PDF form."));
    EXPECT_TRUE(LabelText(&dialog, "Label4").startsWith("Keep in mind that any changes you make on the PDF Form"));
    EXPECT_EQ(dialog.findChild<QLabel*>("Label4")->palette().color(QPalette::WindowText), QColor(Qt::red));
    EXPECT_EQ(dialog.size(), QSize(742, 401));
    for (const char* label : {"Label1", "Label2", "Label3", "Label4"}) ExpectTextFits(&dialog, label);
}

}  // namespace
}  // namespace qvr::test
