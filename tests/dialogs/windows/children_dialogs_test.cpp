#include "dialogs/windows/get_ch_a.h"
#include "dialogs/windows/get_ch_ba.h"
#include "dialogs/windows/get_ch_c.h"

#include "core/program_state.h"
#include "support/dialog_driver.h"
#include "support/temp_drive.h"

#include <QApplication>
#include <QTest>

namespace qvr::test {
namespace {

QString NameBox(int row) { return "Text" + QString::number(2 * row - 1); }
QString DateBox(int row) { return "Text" + QString::number(2 * row); }
QString PlaintiffBox(int row) { return "Check" + QString::number(2 * row - 1); }
QString DefendantBox(int row) { return "Check" + QString::number(2 * row); }

const QString kInvalidDate = "You have entered an invalid date... Please try again";

class GetChATest : public TempDriveTest {};

TEST_F(GetChATest, ChildrenStayInTheRowsTheyWereTypedIn) {
    Open<GetChA>([](QWidget* dialog) {
        Type(dialog, NameBox(1), "Ann Smith");
        Type(dialog, DateBox(1), "3/7/2015");
        Type(dialog, NameBox(3), "Bob Smith");
        Type(dialog, DateBox(3), "March 9, 2017");
        Type(dialog, NameBox(6), "Cy Smith");
        Type(dialog, DateBox(6), "2020-12-31");
        Click(dialog, "Command1");
    });
    const QStringList names{"Ann Smith", "", "Bob Smith", "", "", "Cy Smith"};
    const QStringList dates{"03/07/2015", "", "03/09/2017", "", "", "12/31/2020"};
    for (int row = 1; row <= 6; ++row) {
        EXPECT_EQ(state.ChildName(row), names[row - 1]) << row;
        EXPECT_EQ(state.ChildDOB(row), dates[row - 1]) << row;
    }
}

TEST_F(GetChATest, ARecognisedDateIsRewrittenOnLeavingTheBox) {
    struct Case {
        const char* typed;
        const char* shown;
    };
    for (const Case& c : {Case{"3/7/2015", "03/07/2015"}, Case{"March 7, 2015", "03/07/2015"},
                          Case{"7-Mar-2015", "03/07/2015"}, Case{"  ", "  "}}) {
        QString shown;
        Open<GetChA>([&](QWidget* dialog) {
            Type(dialog, DateBox(2), c.typed);
            Leave(dialog);
            shown = TextOf(dialog, DateBox(2));
            CloseBox(dialog);
        });
        EXPECT_EQ(shown, c.shown) << c.typed;
    }
}

TEST_F(GetChATest, AnInvalidDateIsReportedAndEmptied) {
    state.ChildName2 = "Dee";
    QString shownAfterMessage;
    QStringList messages;
    Open<GetChA>([&](QWidget* dialog) {
        Type(dialog, DateBox(2), "31/31/2015");
        messages = AnswerMessages({"OK"}, [&] { Leave(dialog); });
        shownAfterMessage = TextOf(dialog, DateBox(2));
        Click(dialog, "Command1");
    });
    EXPECT_EQ(messages, QStringList{kInvalidDate});
    EXPECT_EQ(shownAfterMessage, "");
    EXPECT_EQ(state.ChildName2, "Dee");
    EXPECT_EQ(state.ChildDOB2, "");
}

TEST_F(GetChATest, ARowWithoutANameDropsItsDate) {
    state.ChildName1 = "Ann";
    state.ChildDOB1 = "01/02/2010";
    state.ChildName4 = "Ed";
    state.ChildDOB4 = "05/06/2012";
    Open<GetChA>([](QWidget* dialog) {
        Type(dialog, NameBox(1), "   ");
        Type(dialog, DateBox(2), "02/03/2011");
        Type(dialog, NameBox(5), " Flo ");
        Click(dialog, "Command1");
    });
    EXPECT_EQ(state.ChildName1, "");
    EXPECT_EQ(state.ChildDOB1, "");
    EXPECT_EQ(state.ChildName2, "");
    EXPECT_EQ(state.ChildDOB2, "");
    EXPECT_EQ(state.ChildName4, "Ed");
    EXPECT_EQ(state.ChildDOB4, "05/06/2012");
    EXPECT_EQ(state.ChildName5, " Flo ");  // as typed
    EXPECT_EQ(state.ChildDOB5, "");
}

TEST_F(GetChATest, OpensWithTheArraysAndTheCloseBoxStoresAsOkDoes) {
    state.ChildName3 = "Gus";
    state.ChildDOB3 = "07/08/2016";
    QStringList shown;
    Open<GetChA>([&](QWidget* dialog) {
        for (int box = 1; box <= 12; ++box) shown << TextOf(dialog, "Text" + QString::number(box));
        Type(dialog, NameBox(2), "Hal");
        Type(dialog, DateBox(2), "1/1/2019");
        CloseBox(dialog);
    });
    EXPECT_EQ(shown, QStringList({"", "", "", "", "Gus", "07/08/2016", "", "", "", "", "", ""}));
    EXPECT_EQ(state.ChildName2, "Hal");
    EXPECT_EQ(state.ChildDOB2, "01/01/2019");
    EXPECT_EQ(state.ChildName3, "Gus");
}

// A dialog that Alt+O leaves open is closed here.
void PressOkKey(QWidget* dialog) {
    PressAccessKey(dialog, "Command1");
    if (!dialog->isVisible()) return;
    ADD_FAILURE() << "Alt+O did not close the dialog";
    dialog->close();
}

// Closed this way, the dialog does not leave the date box: the date is stored as leaving writes it.
TEST_F(GetChATest, ADateBoxNotLeftIsStoredAsLeavingItWrites) {
    struct Case {
        void (*open)(UserActions);
        void (*close)(QWidget* dialog);
        const char* typed;
        const char* stored;
    };
    for (const Case& c : {Case{Open<GetChA>, PressOkKey, "3/7/15", "03/07/2015"},
                          Case{Open<GetChC>, CloseBox, "7-Mar-2015", "03/07/2015"},
                          Case{Open<GetChC>, PressOkKey, "2015-03-07", "03/07/2015"}}) {
        state.ChildName1 = "Ann";
        c.open([&](QWidget* dialog) {
            Type(dialog, DateBox(1), c.typed);
            c.close(dialog);
        });
        EXPECT_EQ(state.ChildDOB1, c.stored) << c.typed;
    }
}

TEST_F(GetChATest, EnterInABoxDoesNotClose) {
    bool stillOpen = false;
    Open<GetChA>([&](QWidget* dialog) {
        Type(dialog, NameBox(1), "Ivy");
        PressEnter(dialog);
        stillOpen = dialog->isVisible();
        Click(dialog, "Command1");
    });
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(state.ChildName1, "Ivy");
}

class GetChCTest : public TempDriveTest {};

TEST_F(GetChCTest, OpensWithTheCustodyOfNamedChildren) {
    struct Case {
        const char* name;
        const char* custody;
        bool plaintiff;
        bool defendant;
    };
    for (const Case& c : {Case{"Ann", "", true, false}, Case{"Ann", "P", true, false}, Case{"Ann", "D", false, true},
                          Case{"Ann", "x", true, false}, Case{"  ", "D", false, false}, Case{"", "P", false, false}}) {
        state.ChildName1 = c.name;
        state.ChildCust1 = c.custody;
        bool plaintiff = false;
        bool defendant = false;
        Open<GetChC>([&](QWidget* dialog) {
            plaintiff = IsChecked(dialog, PlaintiffBox(1));
            defendant = IsChecked(dialog, DefendantBox(1));
            CloseBox(dialog);
        });
        EXPECT_EQ(plaintiff, c.plaintiff) << c.name << "/" << c.custody;
        EXPECT_EQ(defendant, c.defendant) << c.name << "/" << c.custody;
    }
}

struct PairCase {
    const char* custody;
    std::vector<QString> clicks;
    bool plaintiff;
    bool defendant;
    const char* stored;
};

class GetChCPairTest : public TempDriveTest, public ::testing::WithParamInterface<PairCase> {};

TEST_P(GetChCPairTest, KeepsExactlyOneBoxOfARowTicked) {
    const PairCase& c = GetParam();
    state.ChildName2 = "Bo";
    state.ChildCust2 = c.custody;
    bool plaintiff = false;
    bool defendant = false;
    Open<GetChC>([&](QWidget* dialog) {
        for (const QString& box : c.clicks) Click(dialog, box);
        plaintiff = IsChecked(dialog, PlaintiffBox(2));
        defendant = IsChecked(dialog, DefendantBox(2));
        Click(dialog, "Command1");
    });
    EXPECT_EQ(plaintiff, c.plaintiff);
    EXPECT_EQ(defendant, c.defendant);
    EXPECT_EQ(state.ChildCust2, c.stored);
}

INSTANTIATE_TEST_SUITE_P(
    Clicks, GetChCPairTest,
    ::testing::Values(PairCase{"P", {}, true, false, "P"},
                      PairCase{"P", {"Check3"}, false, true, "D"},           // the ticked box moves the tick
                      PairCase{"P", {"Check4"}, false, true, "D"},
                      PairCase{"D", {"Check4"}, true, false, "P"},
                      PairCase{"D", {"Check3"}, true, false, "P"},
                      PairCase{"P", {"Check3", "Check3"}, true, false, "P"},
                      PairCase{"", {"Check4", "Check3"}, true, false, "P"}));

TEST_F(GetChCTest, StoresCustodyOnlyForNamedRows) {
    state.ChildName1 = "Ann";
    state.ChildDOB1 = "01/01/2010";
    state.ChildCust1 = "D";
    Open<GetChC>([](QWidget* dialog) {
        Type(dialog, NameBox(1), "");
        Click(dialog, DefendantBox(3));
        Type(dialog, NameBox(4), "Dot");
        Click(dialog, "Command1");
    });
    EXPECT_EQ(state.ChildName1, "");
    EXPECT_EQ(state.ChildDOB1, "");
    EXPECT_EQ(state.ChildCust1, "");
    EXPECT_EQ(state.ChildCust3, "");  // clicked, but no child there
    EXPECT_EQ(state.ChildName4, "Dot");
    EXPECT_EQ(state.ChildCust4, "P");  // typed into an empty row, no box clicked
}

TEST_F(GetChCTest, ChecksDatesLikeTheOtherChildrenDialog) {
    state.ChildName1 = "Ann";
    QString rewritten;
    QStringList messages;
    Open<GetChC>([&](QWidget* dialog) {
        Type(dialog, DateBox(1), "2/29/2016");
        Leave(dialog);
        rewritten = TextOf(dialog, DateBox(1));
        Type(dialog, DateBox(1), "2/30/2016");
        messages = AnswerMessages({"OK"}, [&] { Leave(dialog); });
        CloseBox(dialog);
    });
    EXPECT_EQ(rewritten, "02/29/2016");
    EXPECT_EQ(messages, QStringList{kInvalidDate});
    EXPECT_EQ(state.ChildDOB1, "");
    EXPECT_EQ(state.ChildCust1, "P");
}

// Clicking Ok leaves the box typed in, whose own check then answers: on that path the date comes
// from an older file.
TEST_F(GetChATest, EveryStoringCloseRefusesAnUnrecognisedDate) {
    struct Dialog {
        void (*open)(UserActions);
        const char* dateBox;
    };
    for (const Dialog& d : {Dialog{Open<GetChA>, "Text4"}, Dialog{Open<GetChC>, "Text4"}, {Open<GetChBa>, "txtDOB2"}})
        for (const StoringClose& path : kStoringCloses)
            for (const char* bad : {"02/30/2020", "13/13/2013"}) {
                SCOPED_TRACE(std::string(d.dateBox) + " " + path.name + " " + bad);
                state.ChildName2 = "Ann";
                state.ChildDOB2 = path.leavesTheBox ? bad : "";
                QStringList messages;
                QString focused;
                d.open([&](QWidget* dialog) {
                    if (!path.leavesTheBox) Type(dialog, d.dateBox, bad);
                    messages = AnswerMessages({"OK"}, [&] { path.close(dialog); });
                    focused = dialog->isVisible() ? FocusedName(dialog) : "closed";
                    Type(dialog, d.dateBox, "3/7/2015");
                    ClickOkToClose(dialog);
                });
                EXPECT_EQ(messages, QStringList{"You have entered an invalid date in row 2... Please try again"});
                EXPECT_EQ(focused, d.dateBox);
                EXPECT_EQ(state.ChildDOB2, "03/07/2015");
            }
}

}  // namespace
}  // namespace qvr::test
