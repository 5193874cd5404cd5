#include "worksheet_a/windows/form_a_fixture.h"

#include "core/program_state.h"
#include "worksheet_a/court_form_a.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>

namespace qvr::test {
namespace {

using FormAWindowTest = FormATest;

const char* const kButtons[] = {"cmdExplanation", "cmdOverrideSupport", "cmdRound7thru9", "cmdShowHideZeros",
                                "cmdChangeCustody"};

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

// Each click gives custody to the other party than the worksheet shows; an empty custody, as a
// new case has it, is the plaintiff's.
TEST_F(FormAWindowTest, ChangeCustodyGivesCustodyToTheOtherPartyAndRecomputes) {
    struct Row {
        const char* stored;
        const char* after;
        const char* custodian;
    };
    const Row rows[] = {{"", "D", "DEFENDANT"}, {"P", "D", "DEFENDANT"}, {"D", "P", "PLAINTIFF"},
                        {"x", "P", "PLAINTIFF"}};
    OpenFormA();
    EnterOrdinaryCase();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.stored);
        Store("whosecustody", row.stored);
        OpenFormA();
        ClickOn("cmdChangeCustody");
        EXPECT_EQ(Stored("whosecustody"), row.after);
        EXPECT_TRUE(Shown("lblWhoHasCustody").startsWith(QString(row.custodian) + " HAS CUSTODY"));
        const bool plaintiffPays = QString(row.after) == "D";
        EXPECT_EQ(Shown("lblPStatus"), plaintiffPays ? "OBLIGOR" : "CUSTODIAL PARENT");
        EXPECT_EQ(Shown(plaintiffPays ? "lblD9" : "lblP9"), "");
        EXPECT_GT(Amount(Shown(plaintiffPays ? "lblP9" : "lblD9")), 0);
    }
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
    for (const QString& name : FieldCells()) {
        const QLabel* cell = Cell(name);
        if (cell->text().isEmpty()) continue;
        EXPECT_LE(cell->fontMetrics().horizontalAdvance(cell->text()), cell->contentsRect().width())
            << name.toStdString();
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

// Stored elsewhere: no dialog takes such amounts.
TEST_F(FormAWindowTest, FiguresTooLargeForTheirBlanksShowAMarkOnTheWindowAndTheCourtForm) {
    Store({{"pinc", " 10000001249"}, {"dinc", " 1E+300"}, {"poc", " 1000000000"}, {"dresp", " 10000"},
           {"padja", " 9999999.99"}});
    OpenFormA();
    ExpectEveryValueFits(CourtFormA());
    EXPECT_EQ(Shown("lblPInc"), "###### ");
    EXPECT_EQ(Shown("lblPOC"), "(#)");
    EXPECT_EQ(Shown("lblPAdja"), "9,999,999.99 ");
    const std::map<QString, QString> fields = ProduceAndReadBack();
    for (const char* field : {"Line 1 Plaintiff", "Line 1 Defendant", "Line 1b Defendant"})
        EXPECT_EQ(fields.at(field), "###### ") << field;
    EXPECT_EQ(fields.at("Line 5a Plaintiff"), "9999999.99");
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
