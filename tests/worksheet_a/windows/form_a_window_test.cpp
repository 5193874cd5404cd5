#include "form_a_fixture.h"

#include "core/program_state.h"
#include "core/values.h"
#include "core/windows/background.h"
#include "worksheet_a/court_form_a.h"

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

namespace qvr::test {
namespace {

using FormAWindowTest = FormATest;

const char* const kFieldCells[] = {
    "lblCourtFile",  "lblIVDFile",    "lblCaseCode",   "lblUresa",      "lblCounty",     "lblName1Name",
    "lblName2Name",  "lblChild1Name", "lblChild2Name", "lblChild3Name", "lblChild4Name", "lblChild5Name",
    "lblChild6Name", "lblChild1DOB",  "lblChild2DOB",  "lblChild3DOB",  "lblChild4DOB",  "lblChild5DOB",
    "lblChild6DOB",  "lblPOC",        "lblP2",         "lblD2",         "lblC2",         "lblP3",
    "lblD3",         "lblC4",         "lblPInc",       "lblPPre",       "lblPResp",      "lblPAdja",
    "lblPAdjb",      "lblPAdjc",      "lblP5d",        "lblDOC",        "lblDInc",       "lblDPre",
    "lblDResp",      "lblDAdja",      "lblDAdjb",      "lblDAdjc",      "lblD5d",        "lblC5d",
    "lblC6",         "lblP7",         "lblP8",         "lblP9",         "lblD7",         "lblD8",
    "lblD9",         "lblDateSigned", "lblPreparedBy",
};

const char* const kButtons[] = {"cmdExplanation", "cmdOverrideSupport", "cmdRound7thru9", "cmdShowHideZeros",
                                "cmdChangeCustody"};

QColor Background(const QLabel* label) { return label->palette().color(QPalette::Window); }

TEST_F(FormAWindowTest, LoadingShowsTheCurrentCaseAndEnablesEveryMenu) {
    SetMenusEnabled({Menu::Produce, Menu::ShowHide, Menu::Names}, false);
    Store("county", "Wake");
    FormA* window = OpenFormA();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(state.ActiveFormName, "FormA");
    EXPECT_EQ(window->windowTitle(), "Worksheet A, Child Support Obligation, Sole Custody");
    EXPECT_EQ(Shown("lblSelectedCaseName"), QString(kCaseName) + "  (" + state.CasesDatabasePath.toUpper() + ")");
    EXPECT_EQ(Shown("lblCounty"), "Wake");
    EXPECT_EQ(Shown("lblWhoHasCustody"), "PLAINTIFF HAS CUSTODY\r\nAND DEFENDANT IS THE OBLIGOR");
    for (Menu menu : {Menu::CaseLibrary, Menu::Forms, Menu::Guidelines, Menu::Produce, Menu::ShowHide, Menu::Names,
                      Menu::Location, Menu::About})
        EXPECT_TRUE(MenuEnabled(menu));
    EXPECT_EQ(SubWindow("FormA")->size(), QSize(Pixels(15700 - 200), Pixels(9000 + 11800)));
    EXPECT_EQ(Stored("casedesc"), kCaseName);
    EXPECT_EQ(Stored("pinc"), "");  // the Nulls were repaired
}

TEST_F(FormAWindowTest, WorksheetIsTallerThanTheFrameWhichScrollsToIt) {
    OpenFormA();
    MainWindow().show();
    QTest::qWait(0);
    QScrollBar* scroll = MainWindow().ClientArea()->verticalScrollBar();
    EXPECT_TRUE(scroll->isVisible());
    EXPECT_GT(scroll->maximum(), 0);
}

TEST_F(FormAWindowTest, OpeningWithNoCurrentCaseTakesTheFirstCase) {
    AddCase("XY000001", "Second case");
    state.CurrentCaseId = "";
    state.CurrentCaseName = "";
    Store("county", "Wake");
    OpenFormA();
    EXPECT_EQ(state.CurrentCaseId, kCaseId);
    EXPECT_EQ(Shown("lblSelectedCaseName"), "  (" + state.CasesDatabasePath.toUpper() + ")");
    EXPECT_EQ(Shown("lblCounty"), "Wake");
}

TEST_F(FormAWindowTest, EveryCellTakesTheFieldColourSharedWithTheOtherWorksheets) {
    state.FieldColor = 14;
    OpenFormA();
    for (const char* name : kFieldCells) EXPECT_EQ(Background(Cell(name)), QColor(255, 255, 0)) << name;
    for (const char* name : {"lblWhoHasCustody", "lblPStatus", "lblSelectedCaseName"})
        EXPECT_NE(Background(Cell(name)), QColor(255, 255, 0)) << name;

    Choose("menuShowHide");
    EXPECT_EQ(state.FieldColor, 15);
    for (const char* name : kFieldCells) EXPECT_EQ(Background(Cell(name)), QColor(255, 255, 255)) << name;
    Choose("menuShowHide");
    OpenFormA();
    EXPECT_EQ(Background(Cell("lblPreparedBy")), QColor(255, 255, 0));
}

TEST_F(FormAWindowTest, LabelsButtonsAndCheckBoxesLieOnTheirPlacesOfThePicture) {
    FormA* window = OpenFormA();
    const auto* picture = window->findChild<QLabel*>("Image1");
    ASSERT_FALSE(picture->pixmap().isNull());
    EXPECT_EQ(picture->pixmap().size(), QSize(1000, 1326));
    const QRect page = picture->geometry();
    EXPECT_TRUE(window->rect().contains(page));

    const CourtFormLayout& form = CourtFormA();
    const auto onPage = [&](const QRectF& points) {
        return QRectF(points.topLeft() * 1000.0 / 612.0 + QPointF(page.topLeft()), points.size() * 1000.0 / 612.0);
    };
    for (const FormBlank& blank : form.blanks) {
        auto* control = window->findChild<QWidget*>(blank.label);
        ASSERT_NE(control, nullptr) << blank.label.toStdString();
        const QRectF place = onPage(blank.rect);
        const QRect shown = control->geometry();
        if (blank.kind == CellKind::CheckBox) {
            EXPECT_LE((QPointF(shown.center()) - place.center()).manhattanLength(), 3) << blank.label.toStdString();
            continue;
        }
        EXPECT_TRUE(place.adjusted(-1, -1, 1, 1).contains(shown)) << blank.label.toStdString();
        EXPECT_GE(shown.width(), place.width() - 4) << blank.label.toStdString();
    }
    // The buttons cover nothing that the form prints, nor any cell.
    for (const char* name : kButtons) {
        const QRect button = window->findChild<QPushButton*>(name)->geometry();
        EXPECT_TRUE(page.contains(button)) << name;
        for (const FormText& text : form.texts) EXPECT_FALSE(onPage(text.rect).intersects(button)) << name;
        for (const FormBox& box : form.boxes) EXPECT_FALSE(onPage(box.rect).intersects(button)) << name;
        for (const FormBlank& blank : form.blanks) EXPECT_FALSE(onPage(blank.rect).intersects(button)) << name;
        for (const FormArea& area : form.areas) EXPECT_FALSE(onPage(area.rect).intersects(button)) << name;
        for (const QLineF& line : form.lines) EXPECT_FALSE(onPage(QRectF(line.p1(), line.p2()).normalized().adjusted(0, 0, 1, 1)).intersects(button)) << name;
    }
}

TEST_F(FormAWindowTest, TickingACheckBoxStoresAllFourInTheStoredForm) {
    Store("chkbox1", "1");
    Store("chkbox4", "2x");
    OpenFormA();
    EXPECT_TRUE(Window()->findChild<QAbstractButton*>("Check1")->isChecked());
    ClickOn("Check2");
    EXPECT_EQ(Stored("chkbox1"), " 1");
    EXPECT_EQ(Stored("chkbox2"), " 1");
    EXPECT_EQ(Stored("chkbox3"), " 0");
    EXPECT_EQ(Stored("chkbox4"), " 2");
    ClickOn("Check1");
    EXPECT_EQ(Stored("chkbox1"), " 0");
    EXPECT_EQ(Stored("chkbox2"), " 1");
}

TEST_F(FormAWindowTest, ChangeCustodyTogglesBetweenThePartiesAndRecomputes) {
    OpenFormA();
    EnterOrdinaryCase();
    ClickOn("cmdChangeCustody");
    EXPECT_EQ(Stored("whosecustody"), "P");
    EXPECT_EQ(Shown("lblPStatus"), "CUSTODIAL PARENT");
    EXPECT_EQ(Shown("lblP9"), "");
    ClickOn("cmdChangeCustody");
    EXPECT_EQ(Stored("whosecustody"), "D");
    EXPECT_EQ(Shown("lblWhoHasCustody"), "DEFENDANT HAS CUSTODY\r\nAND PLAINTIFF IS THE OBLIGOR");
    EXPECT_EQ(Shown("lblPStatus"), "OBLIGOR");
    EXPECT_EQ(Shown("lblDStatus"), "CUSTODIAL PARENT");
    EXPECT_EQ(Shown("lblD9"), "");
    EXPECT_GT(Amount(Shown("lblP9")), 0);
    ClickOn("cmdChangeCustody");
    EXPECT_EQ(Stored("whosecustody"), "P");
}

TEST_F(FormAWindowTest, OverrideDialogStartsFromLine4AsShown) {
    OpenFormA();
    const auto offered = [this] {
        QString text;
        ModalAnswerer answerer;
        answerer.Then([&](QWidget* dialog) {
            text = dialog->findChild<QLineEdit*>("Text1")->text();
            ModalAnswerer::ClickButton(dialog, "Done");
        });
        ClickOn("cmdOverrideSupport", answerer);
        EXPECT_EQ(answerer.Titles(), QStringList{"Override Child Support Amount"});
        EXPECT_EQ(Stored("override"), "N");
        EXPECT_EQ(Stored("overamt"), "0");
        return text;
    };
    EnterIncome("lblPInc", "9000");
    EnterIncome("lblDInc", "9000");
    ClickOn("cmdShowHideZeros");
    ASSERT_EQ(Shown("lblC4"), "");  // no child yet: line 4 is 0, hidden
    EXPECT_EQ(offered(), "0.00");

    ClickOn("cmdShowHideZeros");
    EnterChild(1, "Ann Doe", "01/02/2015");
    const QString line4 = Shown("lblC4").trimmed();
    ASSERT_TRUE(line4.contains(',')) << line4.toStdString();
    EXPECT_EQ(offered(), line4);

    EnterIncome("lblDInc", "500");
    ASSERT_EQ(Shown("lblC4"), "50.00 ");  // the minimum order
    EXPECT_EQ(offered(), "50.00");
}

TEST_F(FormAWindowTest, OverrideTurnsOnThroughTheDialogAndOffWithoutIt) {
    OpenFormA();
    EnterOrdinaryCase();
    ModalAnswerer answerer;
    answerer.Then(AsUser([](QWidget* dialog) {
        Type(dialog, "Text1", "950");
        Click(dialog, "Check1");
        ModalAnswerer::ClickButton(dialog, "Done");
    }));
    ClickOn("cmdOverrideSupport", answerer);
    EXPECT_EQ(Stored("override"), "Y");
    EXPECT_EQ(Stored("overamt"), "950");
    EXPECT_EQ(Shown("lblC4"), "950.00 ");
    EXPECT_TRUE(Cell("lblOverrideWarning")->isVisibleTo(Window()));
    EXPECT_EQ(Window()->findChild<QPushButton*>("cmdOverrideSupport")->text(), "CANCEL OVERRIDE");

    ClickOn("cmdOverrideSupport");
    EXPECT_EQ(Stored("override"), "N");
    EXPECT_EQ(Stored("overamt"), "0.00");
    EXPECT_NE(Shown("lblC4"), "950.00 ");
    EXPECT_FALSE(Cell("lblOverrideWarning")->isVisibleTo(Window()));
    EXPECT_EQ(Window()->findChild<QPushButton*>("cmdOverrideSupport")->text(), "Click HERE to Override");
}

TEST_F(FormAWindowTest, RoundingAndZerosToggleForEveryCaseUntilTheProgramEnds) {
    AddCase("XY000001", "Second case");
    OpenFormA();
    EnterIncome("lblPInc", "3000");
    EnterIncome("lblDInc", "2499.99");
    EnterChild(1, "Ann Doe", "01/02/2015");
    ASSERT_NE(Shown("lblD7").right(4), ".00 ");

    ClickOn("cmdRound7thru9");
    EXPECT_EQ(state.RoundLinesA, "Y");
    EXPECT_EQ(Shown("lblD7").right(4), ".00 ");
    ClickOn("cmdShowHideZeros");
    EXPECT_EQ(state.ShowZeros, "N");
    EXPECT_EQ(Shown("lblPPre"), "");

    state.CurrentCaseId = "XY000001";
    OpenFormA();
    EXPECT_EQ(Shown("lblPInc"), "");
    ClickOn("cmdShowHideZeros");
    EXPECT_EQ(state.ShowZeros, "Y");
    EXPECT_EQ(Shown("lblPInc"), "0.00 ");

    state.CurrentCaseId = kCaseId;
    OpenFormA();
    EXPECT_EQ(Shown("lblD7").right(4), ".00 ");
    EXPECT_EQ(Shown("lblPPre"), "0.00 ");
    ClickOn("cmdRound7thru9");
    EXPECT_EQ(state.RoundLinesA, "N");
    EXPECT_NE(Shown("lblD7").right(4), ".00 ");
}

TEST_F(FormAWindowTest, ChildrenDialogShowsTheStoredChildrenAndStoresWhatItHandsBack) {
    OpenFormA();
    EnterIncome("lblPInc", "3000");
    EnterIncome("lblDInc", "2500");
    EnterChild(1, "Ann Doe", "1/2/2015");
    EnterChild(3, "  Bob Doe ", "March 4, 2017");
    EXPECT_EQ(Stored("child1name"), "Ann Doe");
    EXPECT_EQ(Stored("child1dob"), "01/02/2015");
    EXPECT_EQ(Stored("child2name"), "");
    EXPECT_EQ(Stored("child3name"), "  Bob Doe ");
    EXPECT_EQ(Stored("child3dob"), "03/04/2017");
    EXPECT_EQ(Shown("lblChild3Name"), "Bob Doe");
    EXPECT_EQ(Shown("lblChild3DOB"), "03/04/2017");
    EXPECT_EQ(state.NumChildren, 2);

    QStringList boxes;
    ModalAnswerer answerer;
    answerer.Then([&](QWidget* dialog) {
        for (int n = 1; n <= 6; ++n) boxes << TextOf(dialog, "Text" + QString::number(n));
        ModalAnswerer::ClickButton(dialog, "Ok");
    });
    ClickOn("GetChildInfoHot", answerer);
    EXPECT_EQ(answerer.Titles(), QStringList{"Information about Children"});
    EXPECT_EQ(boxes, (QStringList{"Ann Doe", "01/02/2015", "", "", "  Bob Doe ", "03/04/2017"}));
    EXPECT_EQ(Stored("child3name"), "  Bob Doe ");
}

TEST_F(FormAWindowTest, ExplanationClosesTheWorksheetAndShowsTheExplanationWindow) {
    RegisterFakeWindow("CalcDetailRegistered");
    OpenFormA();
    EnterOrdinaryCase();
    ClickOn("cmdExplanation");
    DeleteUnloadedWindows();
    EXPECT_EQ(state.CurrentWorksheetLetter, "A");
    EXPECT_FALSE(state.ExplanationText.isEmpty());
    EXPECT_EQ(LoadedWorkingWindow("FormA"), nullptr);
    EXPECT_EQ(ShownWindows(), QStringList{"CalcDetailRegistered"});
}

TEST_F(FormAWindowTest, OpeningACaseThatIsGoneSaysSoAndShowsTheCaseLibrary) {
    AddCase("XY000001", "Other case");
    state.CurrentCaseId = "GONE0001";
    ModalAnswerer answerer;
    answerer.Click("OK");
    OpenFormA();
    ASSERT_TRUE(CaseLibraryShown());
    EXPECT_EQ(answerer.Titles(), QStringList{"Case Not Found"});
    EXPECT_EQ(LoadedWorkingWindow("FormA"), nullptr);
    EXPECT_EQ(ShownWindows(), QStringList{"CaseLibrary"});
}

// What each kind of action does once its case has been deleted elsewhere.
struct GoneCaseAction {
    const char* name;
    const char* control;
    std::function<void(ModalAnswerer&)> answer;
};

TEST_F(FormAWindowTest, ActionOnACaseDeletedElsewhereWritesNoOtherRecord) {
    const GoneCaseAction actions[] = {
        {"text prompt", "lblCounty", [](ModalAnswerer& a) { a.Then(AnswerInputBox("Wake")); }},
        {"income", "lblPInc", [](ModalAnswerer& a) { a.Then(TypeAmount("3000", "Use This Amount")); }},
        {"expense", "lblDAdjb", [](ModalAnswerer& a) { a.Then(TypeAmount("20", "Done")); }},
        {"pre-existing", "lblPPre", [](ModalAnswerer& a) { a.Then(TypeAmount("20", "Ok")); }},
        {"other children", "lblDResp", [](ModalAnswerer& a) { a.Click("Ok"); }},
        {"party", "lblName1Name", [](ModalAnswerer&) {}},
        {"children", "GetChildInfoHot", [](ModalAnswerer&) {}},
        {"check box", "Check3", [](ModalAnswerer&) {}},
        {"custody", "cmdChangeCustody", [](ModalAnswerer&) {}},
        {"override", "cmdOverrideSupport", [](ModalAnswerer& a) { a.Click("Done"); }},
        {"cancel override", "cmdOverrideSupport", [](ModalAnswerer&) {}},
        {"rounding", "cmdRound7thru9", [](ModalAnswerer&) {}},
    };
    for (const GoneCaseAction& action : actions) {
        SCOPED_TRACE(action.name);
        if (Record(kCaseId).empty()) AddCase(kCaseId, kCaseName);
        AddCase("XY000001", "Other case");
        state.CurrentCaseId = kCaseId;
        if (QString(action.name) == "cancel override") Store("override", "Y");
        OpenFormA();
        ASSERT_NE(Window(), nullptr);
        const auto other = Record("XY000001");
        DeleteCase(kCaseId);

        ModalAnswerer answerer;
        action.answer(answerer);
        answerer.Click("OK");
        ClickOn(action.control, answerer);
        ASSERT_TRUE(CaseLibraryShown());
        EXPECT_EQ(answerer.Titles().last(), "Case Not Found");
        EXPECT_EQ(Record("XY000001"), other);
        EXPECT_EQ(Record(kCaseId).size(), 0u);
        DeleteCase("XY000001");
    }
}

TEST_F(FormAWindowTest, ProduceAsksForConfirmationForTheWorksheet) {
    OpenFormA();
    ModalAnswerer answerer;
    answerer.Click("Cancel");
    Choose("menuProduce");
    EXPECT_EQ(answerer.Answered(), 1);
    EXPECT_EQ(state.ProduceAnswer, "N");
}

// Pictures of a filled worksheet for looking at, when QVR_SHOTS names a folder.
TEST_F(FormAWindowTest, FilledWorksheetShowsEveryValueOnItsBlank) {
    OpenFormA();
    for (const auto& [label, text] : std::vector<std::pair<QString, QString>>{
             {"lblCounty", "Mecklenburg"}, {"lblCourtFile", "24 CVD 012345"}, {"lblIVDFile", "IVD-998877"},
             {"lblCaseCode", "CVD"}, {"lblUresa", "UIFSA-5544"}, {"lblDateSigned", "12/31/2024"},
             {"lblPreparedBy", "Jane Q. Paralegal, Example Law Office"}})
        AnswerPrompt(label, text);
    EnterIncome("lblPInc", "4,250.75");
    EnterIncome("lblDInc", "12,345.67");
    for (int row = 1; row <= 6; ++row)
        EnterChild(row, QString("Alexandra Katherine Doe-%1").arg(row), QString("0%1/1%1/2015").arg(row));
    ClickOn("cmdChangeCustody");
    ClickOn("cmdChangeCustody");
    for (const char* label : {"lblPAdja", "lblDAdjc"}) {
        ModalAnswerer answerer;
        answerer.Then(TypeAmount("1,234.56", "Ok"));
        ClickOn(label, answerer);
    }
    {
        ModalAnswerer answerer;
        answerer.Then(AsUser([](QWidget* dialog) {
            Type(dialog, "Text1", "3");
            Leave(dialog);
            ModalAnswerer::ClickButton(dialog, "Ok");
        }));
        ClickOn("lblDResp", answerer);
    }
    Store("name1name", "Johnathan Alexander Doe-Smithfield");
    Store("name2name", "Jane Elizabeth Doe");
    Store("chkbox1", " 1");
    Store("chkbox3", " 1");
    FormA* window = OpenFormA();
    for (const char* name : kFieldCells) {
        const QLabel* cell = Cell(name);
        if (cell->text().isEmpty()) continue;
        EXPECT_LE(cell->fontMetrics().horizontalAdvance(cell->text()), cell->contentsRect().width()) << name;
    }
    const QString folder = qEnvironmentVariable("QVR_SHOTS");
    if (folder.isEmpty()) return;
    QDir().mkpath(folder);
    for (int color : {15, 14}) {
        state.FieldColor = color;
        window->ChangeFieldColors();
        EXPECT_TRUE(window->grab().save(folder + QString("/form_a_%1.png").arg(color)));
    }
}

TEST_F(FormAWindowTest, WarningAndOverrideNoticeFitOverLine4) {
    OpenFormA();
    EnterIncome("lblPInc", "3000");
    EnterIncome("lblDInc", "500");
    EnterChild(1, "Ann Doe", "01/02/2015");
    ModalAnswerer answerer;
    answerer.Then(AsUser([](QWidget* dialog) {
        Type(dialog, "Text1", "600");
        Click(dialog, "Check1");
        ModalAnswerer::ClickButton(dialog, "Done");
    }));
    ClickOn("cmdOverrideSupport", answerer);
    for (const char* name : {"lblWarning", "lblOverrideWarning", "lblWhoHasCustody"}) {
        const QLabel* notice = Cell(name);
        EXPECT_TRUE(notice->isVisibleTo(Window())) << name;
        EXPECT_LE(notice->heightForWidth(notice->width()), notice->height()) << name;
    }
    EXPECT_EQ(Shown("lblWarning"), "WARNING: DEFENDANT'S ADJUSTED INCOME IS BELOW $1,108");
    const QString folder = qEnvironmentVariable("QVR_SHOTS");
    if (!folder.isEmpty()) {
        EXPECT_TRUE(Window()->grab().save(folder + "/form_a_notices.png"));
    }
}

}  // namespace
}  // namespace qvr::test
