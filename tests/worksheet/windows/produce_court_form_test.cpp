// The form production every worksheet shares, filling worksheet A's form, the form at hand.

#include "worksheet/windows/produce_court_form.h"

#include "core/program_state.h"
#include "pdf_form_builder.h"
#include "platform/files.h"
#include "platform/shell.h"
#include "support/modal_answerer.h"
#include "support/produced_fields.h"
#include "support/temp_drive.h"
#include "worksheet_a/court_form_a.h"
#include "support/print_qstring.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QWidget>


namespace qvr::test {
namespace {

const QString kOutput = "\\QVRForms\\QVRPDF.PDF";
const QString kTemplateMissing = "The file '\\QVRForms\\AOC-CV-627_2023.PDF' does not exist!";
const QString kSaveFailedStart =
    "You clicked on the 'Produce Form' button, but received this message instead of the form you wanted.\r\n\r\n"
    "This is probably because you did not close the 'QVRPDF.PDF' file before trying to produce another one.  Check "
    "to make sure that the 'QVRPDF.PDF' form is not open, and then try producing this form again.\r\n\r\n";

// The value of the form's field with a 1-based index, as the template orders its fields.
QString FieldAt(const std::map<QString, QString>& fields, int index) {
    const QString name = CourtFormA().Fields().at(size_t(index - 1)).fieldName;
    const auto found = fields.find(name);
    return found == fields.end() ? "<no field " + name + ">" : found->second;
}

// A fillable form of worksheet A's fields, changed by `change`.
void WriteFormA(const QString& hostPath, const std::function<void(std::vector<FormBlank>&)>& change) {
    std::vector<FormBlank> fields = CourtFormA().Fields();
    change(fields);
    tools::PdfFormBuilder builder;
    for (size_t i = 0; i < fields.size(); ++i) {
        const QRectF rect(36 + double(i % 4) * 140, 760 - double(i / 4) * 20, 120, 14);
        if (fields[i].kind == CellKind::CheckBox)
            builder.AddCheckBox(fields[i].fieldName, rect);
        else
            builder.AddTextField(fields[i].fieldName, rect);
    }
    ASSERT_TRUE(builder.Save(hostPath));
}

// Stands in for the worksheet window: its labels and check boxes, named as the window names them.
class WorksheetStandIn : public QWidget {
public:
    WorksheetStandIn() {
        for (const FormBlank& blank : CourtFormA().blanks) {
            if (blank.kind == CellKind::CheckBox)
                (new QCheckBox(this))->setObjectName(blank.label);
            else
                (new QLabel(this))->setObjectName(blank.label);
        }
    }
    void Show(const QString& label, const QString& caption) {
        auto* control = findChild<QLabel*>(label);
        ASSERT_NE(control, nullptr) << label.toStdString();
        control->setText(caption);
    }
    void Tick(const QString& box, Qt::CheckState checked) { findChild<QCheckBox*>(box)->setCheckState(checked); }
};

class ProduceCourtFormTest : public TempDriveTest {
protected:
    void SetUp() override {
        TempDriveTest::SetUp();
        state.ProgramShortTitle = "NC Child Support Worksheets";
        SetOpenDocumentHandler([this](const QString& path) {
            opened << path;
            outputWhenOpened = ReadFields(Host(path));
            return true;
        });
    }
    void TearDown() override {
        EXPECT_TRUE(answerer.Unexpected().isEmpty()) << answerer.Unexpected().join(", ").toStdString();
        SetOpenDocumentHandler({});
        TempDriveTest::TearDown();
    }

    // Produces with the confirmation answered by `answer`.
    void Produce(ModalAnswerer::Action answer = Confirm()) {
        answerer.Then(std::move(answer));
        ProduceCourtForm(worksheet, CourtFormA());
    }
    // Produces and answers the message box that follows with OK.
    void ProduceExpectingAMessage() {
        answerer.Then(Confirm()).Click("OK");
        ProduceCourtForm(worksheet, CourtFormA());
    }
    static ModalAnswerer::Action Confirm() {
        return [](QWidget* dialog) { ModalAnswerer::ClickButton(dialog, "Produce Form Now"); };
    }
    std::map<QString, QString> Output() const { return ReadFields(Host(kOutput)); }
    QString OutputHost() const { return driveC + "/QVRForms/QVRPDF.PDF"; }
    QString TemplateHost() const { return driveC + "/QVRForms/AOC-CV-627_2023.PDF"; }

    WorksheetStandIn worksheet;
    ModalAnswerer answerer;
    QStringList opened;
    std::map<QString, QString> outputWhenOpened;
};

struct FieldCase {
    int index;
    const char* control;
    const char* shown;
    const char* written;
};

// Captions as the worksheet shows them, hidden zeros and all, and what each field receives.
const FieldCase kFieldCases[] = {
    {1, "lblCourtFile", "23 CVD 1234", "23 CVD 1234"},
    {2, "lblIVDFile", "", ""},
    {3, "lblCaseCode", " CV-A ", " CV-A "},
    {4, "lblUresa", "UIFSA 9", "UIFSA 9"},
    {7, "lblCounty", "Wake", "Wake"},
    {9, "lblName1Name", "Jane O'Brien", "Jane O'Brien"},
    {11, "lblName2Name", "John \"Jack\" M\u00fcller", "John \"Jack\" M\u00fcller"},
    {24, "lblPInc", "1,234.50 ", "1234.50"},
    {25, "lblDInc", "", ""},
    {26, "lblPPre", "0.00 ", "0.00"},
    {29, "lblDResp", "234.5", "234.50"},
    {30, "lblP2", "1,234.50 ", "1234.50"},
    {32, "lblC2", "12,345,678.90 ", "12345678.90"},
    {33, "lblP3", "41.10 ", "41.10 "},
    {34, "lblD3", "58.90 ", "58.90 "},
    {35, "lblC4", "1,010.00 ", "1010.00"},
    {44, "lblC5d", ".5", "0.50"},
    {49, "lblD8", "-12.00 ", "-12.00"},
    {50, "lblP9", "", ""},
    {51, "lblD9", "911.58 ", "911.58"},
    {52, "lblDateSigned", "03/15/2024", "03/15/2024"},
    {53, "lblPreparedBy", "Smith & Wesson, P.A.", "Smith & Wesson, P.A."},
};

TEST_F(ProduceCourtFormTest, EveryFieldReceivesItsControlAsShown) {
    for (const FieldCase& c : kFieldCases) worksheet.Show(c.control, c.shown);
    worksheet.Tick("Check1", Qt::Checked);
    worksheet.Tick("Check3", Qt::Checked);
    worksheet.Tick("Check4", Qt::PartiallyChecked);

    Produce();

    EXPECT_EQ(answerer.Titles(), QStringList{"Produce Form"});
    const auto fields = Output();
    ASSERT_EQ(fields.size(), 53u);
    for (const FieldCase& c : kFieldCases)
        EXPECT_EQ(FieldAt(fields, c.index), c.written) << c.index << " " << c.control;
    EXPECT_EQ(FieldAt(fields, 5), "Yes");
    EXPECT_EQ(FieldAt(fields, 6), "No");
    EXPECT_EQ(FieldAt(fields, 8), "Yes");
    EXPECT_EQ(FieldAt(fields, 10), "No");
    // The numbering pass leaves no number behind: every field of the table is written over.
    for (int index = 1; index <= 53; ++index)
        EXPECT_FALSE(FieldAt(fields, index).trimmed() == QString::number(index)) << index;
}

TEST_F(ProduceCourtFormTest, SixChildrenRunRowByRowLeftThenRight) {
    for (int child = 1; child <= 6; ++child) {
        worksheet.Show(QString("lblChild%1Name").arg(child), QString("Child %1").arg(child));
        worksheet.Show(QString("lblChild%1DOB").arg(child), QString("0%1/01/2015").arg(child));
    }

    Produce();

    const auto fields = Output();
    QStringList written;
    for (int index = 12; index <= 23; ++index) written << FieldAt(fields, index);
    EXPECT_EQ(written, (QStringList{"Child 1", "01/01/2015", "Child 4", "04/01/2015", "Child 2", "02/01/2015",
                                    "Child 5", "05/01/2015", "Child 3", "03/01/2015", "Child 6", "06/01/2015"}));
}

TEST_F(ProduceCourtFormTest, GoodSaveIsOpenedWithItsProgramAfterItIsWritten) {
    worksheet.Show("lblCounty", "Wake");

    Produce();

    EXPECT_EQ(opened, QStringList{kOutput});
    EXPECT_EQ(FieldAt(outputWhenOpened, 7), "Wake");
}

// Closing the confirmation by its close box is no cancel.
TEST_F(ProduceCourtFormTest, ClosingTheConfirmationOtherwiseStillProduces) {
    Produce([](QWidget* dialog) { dialog->close(); });

    EXPECT_EQ(opened, QStringList{kOutput});
    EXPECT_EQ(state.ProduceAnswer, "Y");
}

// Without the template, a production that went on would say so: the cancel stops before.
TEST_F(ProduceCourtFormTest, CancelledConfirmationWritesNothingAndLooksForNoTemplate) {
    ASSERT_TRUE(QFile::remove(TemplateHost()));

    Produce([](QWidget* dialog) { ModalAnswerer::ClickButton(dialog, "Cancel"); });

    EXPECT_EQ(answerer.Titles(), QStringList{"Produce Form"});
    EXPECT_EQ(state.ProduceAnswer, "N");
    EXPECT_FALSE(QFile::exists(OutputHost()));
    EXPECT_TRUE(opened.isEmpty());
}

TEST_F(ProduceCourtFormTest, MissingTemplateIsReportedAndThePreviousOutputStays) {
    WriteHostFile(OutputHost(), "previous output");
    ASSERT_TRUE(QFile::remove(TemplateHost()));

    ProduceExpectingAMessage();

    EXPECT_EQ(answerer.Titles(), (QStringList{"Produce Form", "NC Child Support Worksheets"}));
    EXPECT_EQ(answerer.Texts().value(1), kTemplateMissing);
    EXPECT_EQ(ReadHostFile(OutputHost()), "previous output");
    EXPECT_TRUE(opened.isEmpty());
}

TEST_F(ProduceCourtFormTest, OutputThatCannotBeWrittenIsReportedAndWhatWasThereStays) {
    QDir().mkpath(OutputHost());
    WriteHostFile(OutputHost() + "/kept.txt", "kept");

    ProduceExpectingAMessage();

    ASSERT_EQ(answerer.Titles(), (QStringList{"Produce Form", "Unable to Produce Form"}));
    EXPECT_TRUE(answerer.Texts().value(1).startsWith(kSaveFailedStart)) << answerer.Texts().value(1).toStdString();
    EXPECT_EQ(ReadHostFile(OutputHost() + "/kept.txt"), "kept");
    EXPECT_EQ(QDir(driveC + "/QVRForms").entryList(QDir::Files | QDir::Hidden).filter("QVRPDF").size(), 0);
    EXPECT_TRUE(opened.isEmpty());
}

// A template that is there but no fillable form is named in its own message, and the output of
// an earlier production stays.
TEST_F(ProduceCourtFormTest, DamagedTemplateIsNamedAndThePreviousOutputStays) {
    struct Damage {
        const char* what;
        std::function<void(const QString& hostPath)> damage;
    };
    const Damage damages[] = {
        {"garbage", [](const QString& path) { WriteHostFile(path, "%PDF-1.4 garbage, not a form"); }},
        {"a PDF without fields",
         [this](const QString& path) { WriteHostFile(path, ReadHostFile(driveC + "/QVRForms/CS2023.pdf")); }},
        {"worksheet B's form",
         [this](const QString& path) { WriteHostFile(path, ReadHostFile(driveC + "/QVRForms/AOC-CV-628_2023.PDF")); }},
        {"a text field where a check box goes",
         [](const QString& path) { WriteFormA(path, [](auto& fields) { fields[4].kind = CellKind::Text; }); }},
        {"two of its fields in each other's place",
         [](const QString& path) { WriteFormA(path, [](auto& fields) { std::swap(fields[23], fields[24]); }); }},
    };
    for (const Damage& damage : damages) {
        SCOPED_TRACE(damage.what);
        WriteHostFile(OutputHost(), "previous output");
        damage.damage(TemplateHost());
        ModalAnswerer messages;
        messages.Then(Confirm()).Click("OK");
        ProduceCourtForm(worksheet, CourtFormA());
        ASSERT_EQ(messages.Titles(), (QStringList{"Produce Form", "Unable to Produce Form"}));
        EXPECT_TRUE(messages.Texts().value(1).startsWith("The court form '\\QVRForms\\AOC-CV-627_2023.PDF' cannot be "
                                                         "read as a fillable form"))
            << messages.Texts().value(1).toStdString();
        EXPECT_EQ(ReadHostFile(OutputHost()), "previous output");
        EXPECT_TRUE(opened.isEmpty());
    }
}

// The court's own fillable form in the folder names its fields otherwise: they are filled by position.
TEST_F(ProduceCourtFormTest, CourtsOwnFormWithItsOwnFieldNamesIsFilledByPosition) {
    WriteFormA(TemplateHost(), [](auto& fields) {
        for (size_t i = 0; i < fields.size(); ++i) fields[i].fieldName = QString("form1.f%1").arg(i + 1);
    });
    worksheet.Show("lblCounty", "Wake");

    Produce();

    EXPECT_EQ(Output().at("form1.f7"), "Wake");
}

TEST_F(ProduceCourtFormTest, FormThatNoProgramCanShowIsToldWhereItWasSaved) {
    SetOpenDocumentHandler([this](const QString& path) {
        opened << path;
        return false;
    });
    worksheet.Show("lblCounty", "Wake");

    ProduceExpectingAMessage();

    EXPECT_EQ(opened, QStringList{kOutput});
    ASSERT_EQ(answerer.Titles(), (QStringList{"Produce Form", "Form Produced"}));
    EXPECT_TRUE(answerer.Texts().value(1).contains(files::HostPath(kOutput))) << answerer.Texts().value(1).toStdString();
    EXPECT_EQ(FieldAt(Output(), 7), "Wake");
}

TEST_F(ProduceCourtFormTest, SecondProductionReplacesTheFirstOutput) {
    worksheet.Show("lblCounty", "Wake");
    Produce();
    worksheet.Show("lblCounty", "Durham");
    Produce();

    EXPECT_EQ(FieldAt(Output(), 7), "Durham");
    EXPECT_EQ(opened, (QStringList{kOutput, kOutput}));
}

}  // namespace
}  // namespace qvr::test
