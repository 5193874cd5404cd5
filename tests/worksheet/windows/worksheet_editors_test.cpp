// The entry editors every worksheet shares, driven through worksheet A, the worksheet at hand.

#include "worksheet_a/windows/form_a_fixture.h"

#include "core/names_database.h"
#include "core/program_state.h"
#include "core/values.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

namespace qvr::test {
namespace {

class FormAEditorsTest : public FormATest {
protected:
    // Opens the cell's amount dialog, answers it with `answer` and tells what its box offered.
    QString OfferedBy(const QString& label, const ModalAnswerer::Action& answer) {
        QString offered;
        ModalAnswerer answerer;
        answerer.Then([&](QWidget* dialog) {
            offered = TextOf(dialog, "Text1");
            answer(dialog);
        });
        ClickOn(label, answerer);
        return offered;
    }
};

ModalAnswerer::Action Clicking(const char* button) {
    return [button](QWidget* dialog) { ModalAnswerer::ClickButton(dialog, button); };
}

// A text cell's column is its name without "lbl", in lower case.
struct TextEditor {
    const char* label;
    const char* title;
    const char* prompt;

    QString Column() const { return QString(label).mid(3).toLower(); }
};

const TextEditor kTextEditors[] = {
    {"lblCaseCode", "Case Number (Code)", "Enter Case Number (Code) in the space below:"},
    {"lblCounty", "Name of County", "Enter the name of the County in the space below:"},
    {"lblCourtFile", "Court File Number", "Enter the court file number in the space below:"},
    {"lblIVDFile", "IV-D Case File Number", "Enter the IV-D case file number in the space below:"},
    {"lblUresa", "Uresa Case File Number", "Enter Uresa case file number in the space below:"},
    {"lblDateSigned", "Date Signed", "Enter the date signed (MM/DD/YYYY)"},
    {"lblPreparedBy", "Prepared by", "Enter the name of the person preparing this worksheet in the space below:"},
};

TEST_F(FormAEditorsTest, TextPromptStoresTheAnswerAsTypedAndShowsItInItsCell) {
    OpenFormA();
    for (const TextEditor& editor : kTextEditors) {
        SCOPED_TRACE(editor.label);
        QString prompt;
        QString offered;
        ModalAnswerer answerer;
        answerer.Then([&](QWidget* dialog) {
            for (const QLabel* label : dialog->findChildren<QLabel*>())
                if (!label->text().isEmpty()) prompt = label->text();
            offered = dialog->findChild<QLineEdit*>()->text();
            AnswerInputBox(" O'Brien & Sons, 12/31/2024 ")(dialog);
        });
        ClickOn(editor.label, answerer);
        EXPECT_EQ(answerer.Titles(), QStringList{editor.title});
        EXPECT_EQ(prompt, editor.prompt);
        EXPECT_EQ(offered, "");
        EXPECT_EQ(Stored(editor.Column()), " O'Brien & Sons, 12/31/2024 ");
        EXPECT_EQ(Shown(editor.label), " O'Brien & Sons, 12/31/2024 ");
    }
}

TEST_F(FormAEditorsTest, TextPromptOffersTheCaptionTrimmedAndCancelWritesNothing) {
    OpenFormA();
    for (const TextEditor& editor : kTextEditors) {
        SCOPED_TRACE(editor.label);
        AnswerPrompt(editor.label, "  Wake  ");
        QString offered;
        ModalAnswerer answerer;
        answerer.Then([&](QWidget* dialog) {
            offered = dialog->findChild<QLineEdit*>()->text();
            AnswerInputBox(std::nullopt)(dialog);
        });
        ClickOn(editor.label, answerer);
        EXPECT_EQ(offered, "Wake");
        EXPECT_EQ(Stored(editor.Column()), "  Wake  ");
        EXPECT_EQ(Shown(editor.label), "  Wake  ");
    }
}

// The record would refuse a longer answer, losing what was typed.
TEST_F(FormAEditorsTest, TextPromptTakesNoMoreThanItsColumnHolds) {
    OpenFormA();
    for (const TextEditor& editor : kTextEditors) {
        SCOPED_TRACE(editor.label);
        ModalAnswerer answerer;
        answerer.Then([](QWidget* dialog) {
            auto* box = dialog->findChild<QLineEdit*>();
            QTest::keyClicks(box, QString(300, 'x'));
            ModalAnswerer::ClickButton(dialog, "OK");
        });
        ClickOn(editor.label, answerer);
        EXPECT_EQ(Stored(editor.Column()), QString(255, 'x'));
    }
}

TEST_F(FormAEditorsTest, TextPromptAnsweredWithTheValueShownWritesNothing) {
    OpenFormA();
    for (const TextEditor& editor : kTextEditors) {
        SCOPED_TRACE(editor.label);
        AnswerPrompt(editor.label, "Wake");
        Store(editor.Column(), "changed on another workstation");
        AnswerPrompt(editor.label, "Wake");
        EXPECT_EQ(Stored(editor.Column()), "changed on another workstation");
    }
}

TEST_F(FormAEditorsTest, TextPromptThatTheRecordRefusesIsReportedAndNotShown) {
    OpenFormA();
    AnswerPrompt("lblCounty", "Wake");
    ModalAnswerer answerer;
    answerer.Then(AnswerInputBox(QString(300, 'x'))).Click("OK");
    ClickOn("lblCounty", answerer);
    EXPECT_EQ(answerer.Titles(), (QStringList{"Name of County", "Entry Not Saved"}));
    EXPECT_EQ(Stored("county"), "Wake");
    EXPECT_EQ(Shown("lblCounty"), "Wake");
}

// Every caption and check box of the window, and the calculation variables that the next dialog
// and the explanation read.
QStringList WhatTheProgramHolds(const QWidget* window) {
    QStringList held;
    for (const QLabel* label : window->findChildren<QLabel*>()) held << label->objectName() + "=" + label->text();
    for (const QAbstractButton* box : window->findChildren<QAbstractButton*>())
        held << box->objectName() + "=" + box->text() + (box->isChecked() ? " ticked" : "");
    const CalculationVariables& v = state;
    for (double value : {v.PInc, v.DInc, v.PPre, v.DPre, v.PResp, v.DResp, v.POC, v.DOC, v.PLine5a, v.PLine5b,
                         v.PLine5c, v.DLine5a, v.DLine5b, v.DLine5c, v.CLine4, v.PLine9, v.DLine9})
        held << Str(value);
    held << QString::number(v.NumChildren) << state.OverrideFlag << state.OverrideAmount;
    return held;
}

// An entry that the record refuses leaves the worksheet and the program's figures as the record
// holds them, already when the message tells so.
TEST_F(FormAEditorsTest, EntryThatTheRecordRefusesLeavesEverythingAsTheRecordHoldsIt) {
    struct Row {
        const char* control;
        ModalAnswerer::Action answer;
    };
    const Row rows[] = {
        {"lblCounty", AnswerInputBox("Durham")},
        {"lblPInc", TypeAmount("4000", "Use This Amount")},
        {"lblDAdjb", TypeAmount("99", "Done")},
        {"lblDResp", AsUser([](QWidget* dialog) {
             Type(dialog, "Text1", "2");
             Leave(dialog);
             ModalAnswerer::ClickButton(dialog, "Ok");
         })},
        {"cmdOverrideSupport", AsUser([](QWidget* dialog) {
             Type(dialog, "Text1", "950");
             Click(dialog, "Check1");
             ModalAnswerer::ClickButton(dialog, "Done");
         })},
        {"Check2", nullptr},
    };
    OpenFormA();
    EnterOrdinaryCase();
    RefuseCaseWrites();
    const QStringList held = WhatTheProgramHolds(Window());
    for (const Row& row : rows) {
        SCOPED_TRACE(row.control);
        ModalAnswerer answerer;
        if (row.answer) answerer.Then(row.answer);
        QStringList heldDuringMessage;
        answerer.Then([&](QWidget* message) {
            heldDuringMessage = WhatTheProgramHolds(Window());
            ModalAnswerer::ClickButton(message, "OK");
        });
        ClickOn(row.control, answerer);
        EXPECT_EQ(answerer.Titles().last(), "Entry Not Saved");
        EXPECT_EQ(heldDuringMessage, held);
        EXPECT_EQ(WhatTheProgramHolds(Window()), held);
    }
}

TEST_F(FormAEditorsTest, IncomeIsStoredRoundedToCentsAndRecomputesTheWorksheet) {
    struct Row {
        const char* label;
        const char* column;
        const char* title;
        const char* typed;
        const char* stored;
        const char* shown;
    };
    const Row rows[] = {
        {"lblPInc", "pinc", "Plaintiff's Monthly Income", "234.567", " 234.57", "234.57 "},
        {"lblDInc", "dinc", "Defendant's Monthly Income", "3,250.5", " 3250.5", "3,250.50 "},
        {"lblPInc", "pinc", "Plaintiff's Monthly Income", "0", " 0", "0.00 "},
    };
    OpenFormA();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed);
        ModalAnswerer answerer;
        answerer.Then(TypeAmount(row.typed, "Use This Amount"));
        ClickOn(row.label, answerer);
        EXPECT_EQ(answerer.Titles(), QStringList{row.title});
        EXPECT_EQ(Stored(row.column), row.stored);
        EXPECT_EQ(Shown(row.label), row.shown);
        EXPECT_DOUBLE_EQ(Amount(Shown("lblC2")), Amount(Shown("lblP2")) + Amount(Shown("lblD2")));
    }
}

TEST_F(FormAEditorsTest, IncomeDialogStartsFromTheStoredIncome) {
    OpenFormA();
    EnterIncome("lblPInc", "1234.5");
    EXPECT_EQ(OfferedBy("lblPInc", Clicking("Use This Amount")), "1,234.50");
    EXPECT_EQ(Stored("pinc"), " 1234.5");
}

struct ExpenseEditor {
    const char* label;
    const char* column;
    const char* title;
    const char* button;
};

const ExpenseEditor kExpenseEditors[] = {
    {"lblPAdja", "padja", "Plaintiff's Work Related Child Care", "Ok"},
    {"lblDAdja", "dadja", "Defendant's Work Related Child Care", "Ok"},
    {"lblPAdjb", "padjb", "Plaintiff's Health Insurance Cost", "Done"},
    {"lblDAdjb", "dadjb", "Defendant's Health Insurance Cost", "Done"},
    {"lblPAdjc", "padjc", "Plaintiff's Extraordinary Expenses", "Ok"},
    {"lblDAdjc", "dadjc", "Defendant's Extraordinary Expenses", "Ok"},
};

TEST_F(FormAEditorsTest, ExpenseIsStoredInTheStoredAmountFormAndAddedToLine5d) {
    OpenFormA();
    EnterOrdinaryCase();
    for (const ExpenseEditor& editor : kExpenseEditors) {
        SCOPED_TRACE(editor.label);
        ModalAnswerer answerer;
        answerer.Then(TypeAmount("234.5", editor.button));
        ClickOn(editor.label, answerer);
        EXPECT_EQ(answerer.Titles(), QStringList{editor.title});
        EXPECT_EQ(Stored(editor.column), " 234.5");
        EXPECT_EQ(Shown(editor.label), "234.50 ");
    }
    EXPECT_EQ(Shown("lblP5d"), "703.50 ");
    EXPECT_EQ(Shown("lblD5d"), "703.50 ");
    EXPECT_EQ(Shown("lblC5d"), "1,407.00 ");
    EXPECT_DOUBLE_EQ(Amount(Shown("lblC6")), Amount(Shown("lblC4")) + 1407);
}

TEST_F(FormAEditorsTest, ExpenseDialogStartsFromTheAmountAndAZeroIsStoredAsZero) {
    OpenFormA();
    EnterOrdinaryCase();
    for (const ExpenseEditor& editor : kExpenseEditors) {
        SCOPED_TRACE(editor.label);
        OfferedBy(editor.label, TypeAmount("350", editor.button));
        EXPECT_EQ(Stored(editor.column), " 350");
        EXPECT_EQ(OfferedBy(editor.label, TypeAmount("0", editor.button)), "350.00");
        EXPECT_EQ(Stored(editor.column), " 0");
        EXPECT_EQ(OfferedBy(editor.label, Clicking(editor.button)), "0.00");
        EXPECT_EQ(Stored(editor.column), " 0");
    }
}

// The minimum order and the shaded area leave the expenses out and show them as 0; their dialogs
// still start from the amounts stored, so that closing them keeps those amounts.
TEST_F(FormAEditorsTest, ExpenseDialogStartsFromTheStoredAmountWhereTheWorksheetShowsZero) {
    struct Row {
        const char* why;
        const char* defendantIncome;
    };
    const Row rows[] = {{"minimum order", "500"}, {"shaded area", "1400"}};
    OpenFormA();
    EnterOrdinaryCase();
    for (const Row& row : rows) {
        EnterIncome("lblDInc", row.defendantIncome);
        for (const ExpenseEditor& editor : kExpenseEditors) {
            SCOPED_TRACE(QString("%1 %2").arg(row.why, editor.label).toStdString());
            Store(editor.column, " 350");
            OpenFormA();
            ASSERT_EQ(Shown(editor.label), "0.00 ");
            EXPECT_EQ(OfferedBy(editor.label, Clicking(editor.button)), "350.00");
            EXPECT_EQ(Stored(editor.column), " 350");
        }
    }
}

TEST_F(FormAEditorsTest, PreExistingPaymentIsStoredAndAnEmptyAnswerStoresZero) {
    struct Row {
        const char* label;
        const char* column;
        const char* title;
        const char* typed;
        const char* stored;
    };
    const Row rows[] = {
        {"lblPPre", "ppre", "Plaintiff's Pre-Existing Child Support Payments", "125.5", " 125.5"},
        {"lblDPre", "dpre", "Defendant's Pre-Existing Child Support Payments", "1,200", " 1200"},
        {"lblPPre", "ppre", "Plaintiff's Pre-Existing Child Support Payments", "", " 0"},
        {"lblDPre", "dpre", "Defendant's Pre-Existing Child Support Payments", "", " 0"},
    };
    OpenFormA();
    EnterOrdinaryCase();
    for (const Row& row : rows) {
        SCOPED_TRACE((row.label + QString(" ") + row.typed).toStdString());
        ModalAnswerer answerer;
        answerer.Then(TypeAmount(row.typed, "Ok"));
        ClickOn(row.label, answerer);
        EXPECT_EQ(answerer.Titles(), QStringList{row.title});
        EXPECT_EQ(Stored(row.column), row.stored);
        EXPECT_EQ(Shown(row.label), Format(Val(row.stored), "##,##0.00") + " ");
        for (const char* party : {"P", "D"}) {
            const QString p(party);
            EXPECT_DOUBLE_EQ(Amount(Shown("lbl" + p + "2")), Amount(Shown("lbl" + p + "Inc")) -
                                                                 Amount(Shown("lbl" + p + "Pre")) -
                                                                 Amount(Shown("lbl" + p + "Resp")));
        }
    }
}

TEST_F(FormAEditorsTest, OtherChildrenStoreTheCreditAndTheCountFromTheDialog) {
    struct Row {
        const char* label;
        const char* creditColumn;
        const char* countColumn;
        const char* countLabel;
        const char* title;
    };
    const Row rows[] = {
        {"lblPResp", "presp", "poc", "lblPOC", "Plaintiff's Responsibility for Other Children"},
        {"lblDResp", "dresp", "doc", "lblDOC", "Defendant's Responsibility for Other Children"},
    };
    OpenFormA();
    EnterOrdinaryCase();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        QString credit;
        ModalAnswerer answerer;
        answerer.Then(AsUser([&](QWidget* dialog) {
            Type(dialog, "Text1", "2");
            Leave(dialog);
            credit = TextOf(dialog, "Text2");
            ModalAnswerer::ClickButton(dialog, "Ok");
        }));
        ClickOn(row.label, answerer);
        EXPECT_EQ(answerer.Titles(), QStringList{row.title});
        ASSERT_GT(Amount(credit), 0);
        EXPECT_EQ(Stored(row.creditColumn), Str(Amount(credit)));
        EXPECT_EQ(Stored(row.countColumn), " 2");
        EXPECT_EQ(Shown(row.countLabel), "(2)");
        EXPECT_EQ(Shown(row.label), credit + " ");
    }
}

TEST_F(FormAEditorsTest, OtherChildrenDialogStartsFromTheStoredCountAndIncome) {
    OpenFormA();
    EnterOrdinaryCase();
    Store("poc", " 3");
    OpenFormA();
    QString count;
    QString sentence;
    ModalAnswerer answerer;
    answerer.Then([&](QWidget* dialog) {
        count = TextOf(dialog, "Text1");
        sentence = TextOf(dialog, "Label6");
        ModalAnswerer::ClickButton(dialog, "Ok");
    });
    ClickOn("lblPResp", answerer);
    EXPECT_EQ(count, "3");
    EXPECT_TRUE(sentence.contains("Gross Income is $3,000.00")) << sentence.toStdString();
    EXPECT_EQ(Stored("poc"), " 3");
}

// Names of the names database that the picker lists.
class FormAPartyTest : public FormATest {
protected:
    void SetUp() override {
        FormATest::SetUp();
        AddName({{"keynumber", "S0000002"}, {"listname", "Smith, John"}, {"firmname", "SMITH JOHN"},
                 {"street", " 12 Main St "}, {"street2", ""}, {"city", "Raleigh"}, {"namestate", "NC"},
                 {"zipcode", "27601"}});
        AddName({{"keynumber", "B0000003"}, {"listname", "Brown, Ann"}, {"firmname", "BROWN ANN"},
                 {"shortnote", " Attorney for Plaintiff "}, {"street", "PO Box 5"}, {"street2", "Suite 2"},
                 {"city", "Durham"}, {"namestate", "NC"}, {"zipcode", "27701"}});
        AddName({{"keynumber", "Z0000004"}, {"listname", "Zed, Carl"}, {"firmname", "ZED CARL"},
                 {"street", "1 Elm"}, {"zipcode", "02134"}});
    }

    static void AddName(const std::map<QString, QString>& columns) {
        OpenNamesTable();
        Recordset& names = *state.NamesRecordset;
        ASSERT_TRUE(names.AddNew());
        for (const auto& [column, value] : columns) names.SetValue(column, value);
        ASSERT_TRUE(names.Update());
        state.NamesRecordset.reset();
        state.NamesDatabase.reset();
    }

    // Picks the name with the key in the picker, or "&No Selection" when the key is empty.
    // Tells which entry the picker had selected when it opened.
    void Pick(const QString& label, const QString& key, int* preselectedRow = nullptr,
              QString* preselectedKey = nullptr) {
        ModalAnswerer answerer;
        answerer.Then([key, preselectedRow, preselectedKey](QWidget* dialog) {
            auto* list = dialog->findChild<QListWidget*>("List1");
            ASSERT_NE(list, nullptr);
            if (preselectedRow) *preselectedRow = list->currentRow();
            if (preselectedKey && list->currentItem()) *preselectedKey = list->currentItem()->text().right(8);
            if (key.isEmpty()) return ModalAnswerer::ClickButton(dialog, "No Selection");
            for (int row = 0; row < list->count(); ++row)
                if (list->item(row)->text().endsWith(key)) list->setCurrentRow(row);
            ModalAnswerer::ClickButton(dialog, "SELECT NAME");
        });
        ClickOn(label, answerer);
        EXPECT_EQ(answerer.Answered(), 1);
        titles = answerer.Titles();
    }

    QStringList titles;
};

TEST_F(FormAPartyTest, ChosenNameIsStoredWithItsKeyAndAddressBlock) {
    struct Row {
        const char* label;
        const char* prefix;
        const char* title;
        const char* key;
        const char* name;
        const char* address;
    };
    const Row rows[] = {
        {"lblName1Name", "name1", "Select Name of Plaintiff", "S0000002", "Smith, John",
         "Smith, John\r12 Main St \rRaleigh    NC   27601"},
        {"lblName2Name", "name2", "Select Name of Defendant", "B0000003", "Brown, Ann",
         "Brown, Ann\rAttorney for Plaintiff\rPO Box 5 Suite 2\rDurham    NC   27701"},
        {"lblName1Name", "name1", "Select Name of Plaintiff", "Z0000004", "Zed, Carl", "Zed, Carl\r1 Elm \r02134"},
        {"lblName2Name", "name2", "Select Name of Defendant", "", "", "\r \r"},
    };
    OpenFormA();
    for (const Row& row : rows) {
        SCOPED_TRACE((row.label + QString(" ") + row.key).toStdString());
        Pick(row.label, row.key);
        EXPECT_EQ(titles, QStringList{row.title});
        EXPECT_EQ(Stored(row.prefix + QString("name")), row.name);
        EXPECT_EQ(Stored(row.prefix + QString("number")), row.key);
        EXPECT_EQ(Stored(row.prefix + QString("field")), row.address);
        EXPECT_FALSE(Stored(row.prefix + QString("field")).contains('\n'));
        EXPECT_EQ(Shown(row.label), row.name);
    }
}

TEST_F(FormAPartyTest, PickerOpensOnTheStoredPartyOrOnItsFirstEntryWhenThereIsNone) {
    OpenFormA();
    int row = -1;
    QString key;
    Pick("lblName1Name", "Z0000004", &row);
    EXPECT_EQ(row, 0);
    Pick("lblName1Name", "S0000002", &row, &key);
    EXPECT_EQ(key, "Z0000004");
    EXPECT_EQ(state.PickerPartyName, "Zed, Carl");
}

// The picker fills the selected-name block only by its two buttons: closed otherwise, it chose
// nothing, whatever the last pick left in the block.
TEST_F(FormAPartyTest, PickerClosedByItsCloseBoxOrEscapeLeavesThePartyAsItWas) {
    const ModalAnswerer::Action closings[] = {CloseBox,
                                              [](QWidget* picker) { QTest::keyClick(picker, Qt::Key_Escape); }};
    OpenFormA();
    Pick("lblName1Name", "S0000002");
    for (const ModalAnswerer::Action& close : closings) {
        Pick("lblName2Name", "B0000003");
        const auto record = Record(kCaseId);
        ModalAnswerer answerer;
        answerer.Then(close);
        ClickOn("lblName1Name", answerer);
        EXPECT_EQ(answerer.Answered(), 1);
        EXPECT_EQ(Record(kCaseId), record);
        EXPECT_EQ(Shown("lblName1Name"), "Smith, John");
    }
}

TEST_F(FormAPartyTest, PartyEditorSavesTheCheckBoxesFirst) {
    OpenFormA();
    Window()->findChild<QAbstractButton*>("Check3")->setChecked(true);
    Store("chkbox3", " 0");
    Pick("lblName1Name", "S0000002");
    EXPECT_EQ(Stored("chkbox3"), " 1");
}

}  // namespace
}  // namespace qvr::test
