#include "dialogs/windows/print_form.h"

#include "core/program_state.h"
#include "support/dialog_driver.h"
#include "platform/printers.h"
#include "support/temp_drive.h"

#include <QComboBox>
#include <QTest>

namespace qvr::test {
namespace {

class PrintFrmTest : public TempDriveTest {
protected:
    void SetUp() override {
        TempDriveTest::SetUp();
        Offer({"Office Laser", "Front Desk"}, "Front Desk,HP LaserJet,USB001");
        SetCurrentPrinter("");
    }
    void TearDown() override {
        SetPrinterSource({});
        TempDriveTest::TearDown();
    }
    static void Offer(QStringList printers, QString profile) {
        SetPrinterSource({[printers] { return printers; }, [profile] { return profile; }});
    }
};

TEST_F(PrintFrmTest, PreselectsThePrinterTheProfileNames) {
    struct Case {
        QString profile;
        QString preselected;
    };
    for (const Case& c : {Case{"Front Desk,HP LaserJet,USB001", "Front Desk"},
                          Case{"Office Laser,PCL,LPT1:", "Office Laser"},
                          Case{QString("Front Desk") + QChar(0) + "rest,x,y", "Front Desk"},
                          Case{",,,", "Office Laser"},
                          Case{"front desk,HP,USB001", "Office Laser"},
                          Case{"Front Desk ,HP,USB001", "Office Laser"}}) {
        Offer({"Office Laser", "Front Desk"}, c.profile);
        QString shown;
        Open<PrintFrm>([&](QWidget* dialog) {
            shown = TextOf(dialog, "Combo1");
            Click(dialog, "Command2");
        });
        EXPECT_EQ(shown, c.preselected) << c.profile.toStdString();
    }
}

TEST_F(PrintFrmTest, GetDefaultPrinterFindsOnlyAnInstalledPrinter) {
    EXPECT_EQ(PrintFrm::GetDefaultPrinter(), QString("Front Desk"));
    Offer({"Office Laser"}, "Front Desk,HP LaserJet,USB001");
    EXPECT_EQ(PrintFrm::GetDefaultPrinter(), std::nullopt);
}

TEST_F(PrintFrmTest, OkMakesTheChosenPrinterCurrentWithTheCopies) {
    QString answerWhileOpen;
    Open<PrintFrm>([&](QWidget* dialog) {
        answerWhileOpen = state.PrintAnswer;
        auto* copiesList = qobject_cast<QComboBox*>(Control(dialog, "Combo2"));
        Leave(dialog);
        QTest::keyClick(copiesList, Qt::Key_Down);
        QTest::keyClick(copiesList, Qt::Key_Down);
        Click(dialog, "Command1");
    });
    EXPECT_EQ(answerWhileOpen, "No");
    EXPECT_EQ(state.PrintAnswer, "Yes");
    EXPECT_EQ(state.PrintCopies, 3);
    EXPECT_EQ(CurrentPrinter(), "Front Desk");
}

TEST_F(PrintFrmTest, CancelAnswersNoAndChangesNothingElse) {
    state.PrintCopies = 5;
    Open<PrintFrm>([&](QWidget* dialog) { Click(dialog, "Command2"); });
    EXPECT_EQ(state.PrintAnswer, "No");
    EXPECT_EQ(state.PrintCopies, 5);
    EXPECT_EQ(CurrentPrinter(), "");
}

TEST_F(PrintFrmTest, WithoutPrintersOkAnswersNo) {
    Offer({}, ",,,");
    state.PrintCopies = 5;
    int printersListed = -1;
    Open<PrintFrm>([&](QWidget* dialog) {
        printersListed = qobject_cast<QComboBox*>(Control(dialog, "Combo1"))->count();
        Click(dialog, "Command1");
    });
    EXPECT_EQ(printersListed, 0);
    EXPECT_EQ(state.PrintAnswer, "No");
    EXPECT_EQ(state.PrintCopies, 5);
    EXPECT_EQ(CurrentPrinter(), "");
}

}  // namespace
}  // namespace qvr::test
