#include "dialogs/windows/get_ch_ba.h"

#include "core/program_state.h"
#include "support/dialog_driver.h"
#include "support/temp_drive.h"

#include <QApplication>

namespace qvr::test {
namespace {

QString DefendantLine(int row) { return "Label" + QString::number(21 + row); }

struct Display {
    QString line1, line2, plaintiffTotal, defendantTotal, plaintiffShare, defendantShare;
};

Display Read(QWidget* dialog) {
    return {TextOf(dialog, DefendantLine(1)), TextOf(dialog, DefendantLine(2)), TextOf(dialog, "lblPTotal"),
            TextOf(dialog, "lblDTotal"),      TextOf(dialog, "lblPPercent"),    TextOf(dialog, "lblDPercent")};
}

class GetChBaTest : public TempDriveTest {};

struct NightsCase {
    const char* nights1;
    const char* nights2;  // nullptr: no second child
    Display shown;
    const char* stored1;
};

class GetChBaNightsTest : public GetChBaTest, public ::testing::WithParamInterface<NightsCase> {};

TEST_P(GetChBaNightsTest, ShowsTheDefendantsNightsTotalsAndShares) {
    const NightsCase& c = GetParam();
    Display shown;
    Open<GetChBa>([&](QWidget* dialog) {
        Type(dialog, "txtChild1", "Ann");
        Type(dialog, "Text1", c.nights1);
        if (c.nights2) {
            Type(dialog, "txtChild2", "Bob");
            Type(dialog, "Text2", c.nights2);
        }
        Leave(dialog);
        shown = Read(dialog);
        Click(dialog, "Command1");
    });
    EXPECT_EQ(shown.line1, c.shown.line1);
    EXPECT_EQ(shown.line2, c.shown.line2);
    EXPECT_EQ(shown.plaintiffTotal, c.shown.plaintiffTotal);
    EXPECT_EQ(shown.defendantTotal, c.shown.defendantTotal);
    EXPECT_EQ(shown.plaintiffShare, c.shown.plaintiffShare);
    EXPECT_EQ(shown.defendantShare, c.shown.defendantShare);
    EXPECT_EQ(state.ChildNights1, c.stored1);
}

INSTANTIATE_TEST_SUITE_P(
    Nights, GetChBaNightsTest,
    ::testing::Values(
        NightsCase{"165", "100",
                   {" +  200  =  365", " +  265  =  365", " 265", " +  465  =  730", "( 36%)", "( 64%)"}, "165"},
        NightsCase{"", nullptr, {" +  365  =  365", "", " 0", " +  365  =  365", "( 0%)", "( 100%)"}, "0"}));

TEST_F(GetChBaTest, WithoutANamedRowTheTotalsAreEmpty) {
    state.ChildNights1 = "200";
    Display shown;
    QString nightsShown;
    Open<GetChBa>([&](QWidget* dialog) {
        Type(dialog, "Text2", "150");
        Leave(dialog);
        shown = Read(dialog);
        nightsShown = TextOf(dialog, "Text1") + "|" + TextOf(dialog, "Text2");
        CloseBox(dialog);
    });
    EXPECT_EQ(nightsShown, "|");
    EXPECT_EQ(shown.line1, "");
    EXPECT_EQ(shown.plaintiffTotal, "");
    EXPECT_EQ(shown.defendantTotal, "");
    EXPECT_EQ(shown.plaintiffShare, "");
    EXPECT_EQ(shown.defendantShare, "");
    EXPECT_EQ(state.ChildNights1, "0");
    EXPECT_EQ(state.ChildNights2, "0");
}

TEST_F(GetChBaTest, OpensWithStoredNightsAndTheirDisplay) {
    state.ChildName1 = "Ann";
    state.ChildNights1 = "0";
    state.ChildName2 = "Bob";
    state.ChildNights2 = "200";
    QString nights;
    Display shown;
    Open<GetChBa>([&](QWidget* dialog) {
        nights = TextOf(dialog, "Text1") + "|" + TextOf(dialog, "Text2");
        shown = Read(dialog);
        CloseBox(dialog);
    });
    EXPECT_EQ(nights, "|200");
    EXPECT_EQ(shown.line1, " +  365  =  365");
    EXPECT_EQ(shown.line2, " +  165  =  365");
    EXPECT_EQ(shown.defendantTotal, " +  530  =  730");
}

TEST_F(GetChBaTest, RemovingANameEmptiesItsNightsButKeepsItsDate) {
    state.ChildName1 = "Ann";
    state.ChildDOB1 = "March 7, 2015";
    state.ChildNights1 = "200";
    QString nightsAfterLeaving;
    Open<GetChBa>([&](QWidget* dialog) {
        Type(dialog, "txtChild1", "");
        Leave(dialog);
        nightsAfterLeaving = TextOf(dialog, "Text1");
        Click(dialog, "Command1");
    });
    EXPECT_EQ(nightsAfterLeaving, "");
    EXPECT_EQ(state.ChildName1, "");
    EXPECT_EQ(state.ChildNights1, "0");
    EXPECT_EQ(state.ChildDOB1, "03/07/2015");
}

TEST_F(GetChBaTest, ANameOfBlanksIsNoChild) {
    Display shown;
    Open<GetChBa>([&](QWidget* dialog) {
        Type(dialog, "txtChild1", "Ann");
        Type(dialog, "Text1", "100");
        Type(dialog, "txtChild3", "  ");
        Type(dialog, "Text3", "150");
        Leave(dialog);
        shown = Read(dialog);
        CloseBox(dialog);
    });
    EXPECT_EQ(shown.defendantTotal, " +  265  =  365");
    EXPECT_EQ(state.ChildName3, "");
    EXPECT_EQ(state.ChildNights3, "0");
}

TEST_F(GetChBaTest, StoresRecognisedDatesWrittenMonthFirstAndOthersTrimmed) {
    struct Case {
        const char* typed;
        const char* stored;
    };
    for (const Case& c : {Case{"March 7, 2015", "03/07/2015"}, Case{"3/7/2015", "03/07/2015"},
                          Case{"  ", ""}, Case{"", ""}}) {
        Open<GetChBa>([&](QWidget* dialog) {
            Type(dialog, "txtChild1", "Ann");
            Type(dialog, "txtDOB1", c.typed);
            CloseBox(dialog);
        });
        EXPECT_EQ(state.ChildDOB1, c.stored) << c.typed;
        EXPECT_EQ(state.ChildName1, "Ann");
    }
}

// While a box holds no whole nights of one year the totals wait, and no close that stores takes it.
TEST_F(GetChBaTest, EveryStoringCloseRefusesNightsThatAreNoWholeNightsOfAYear) {
    for (const StoringClose& path : kStoringCloses)
        for (const QString bad : {"400", "-5", "182.5", "1e9", "abc", "120 nights", "1 82", "1e308", "ÄÖ", "--3"}) {
            SCOPED_TRACE(path.name + (" " + bad.toStdString()));
            Display shown;
            QStringList messages;
            QString focused;
            Open<GetChBa>([&](QWidget* dialog) {
                Type(dialog, "txtChild1", "Ann");
                Type(dialog, "Text1", "100");
                Type(dialog, "txtChild2", "Bo");
                Type(dialog, "Text2", bad);
                Leave(dialog);
                shown = Read(dialog);
                messages = AnswerMessages({"OK"}, [&] { path.close(dialog); });
                focused = dialog->isVisible() ? FocusedName(dialog) : "closed";
                Type(dialog, "Text2", "200");
                ClickOkToClose(dialog);
            });
            EXPECT_EQ(shown.line1, " +  265  =  365");
            EXPECT_EQ(shown.line2 + shown.plaintiffTotal + shown.defendantTotal + shown.plaintiffShare, "");
            EXPECT_EQ(messages, QStringList{"The overnights with the Plaintiff in row 2 must be a whole number from "
                                            "0 to 365... Please try again"});
            EXPECT_EQ(focused, "Text2");
            EXPECT_EQ(state.ChildNights2, "200");
        }
}

}  // namespace
}  // namespace qvr::test
