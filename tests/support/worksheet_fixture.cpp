#include "support/worksheet_fixture.h"

#include "core/program_state.h"
#include "core/values.h"
#include "platform/desktop.h"
#include "platform/shell.h"
#include "support/produced_fields.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace qvr::test {

namespace {

std::unique_ptr<Database> OpenCases() {
    auto db = Database::OpenDatabase(state.CasesDatabasePath);
    EXPECT_TRUE(db);
    return db;
}

// Runs `step` on the stored record of the case; false when there is none.
bool OnCase(const QString& caseId, const std::function<void(Recordset&)>& step) {
    auto db = OpenCases();
    auto records = db ? db->OpenRecordset("Cases") : nullptr;
    if (!records) return false;
    for (bool more = records->MoveFirst(); more && !records->IsEOF(); more = records->MoveNext()) {
        if (records->GetValue("caseid") == caseId) {
            step(*records);
            return true;
        }
    }
    return false;
}

}  // namespace

WorksheetTest::WorksheetTest(const QString& name, WindowMaker make) : name_(name), make_(std::move(make)) {}

void WorksheetTest::SetUp() {
    FrameTest::SetUp();
    StartProgram();
    Register(name_, make_);
    AddCase(kCaseId, kCaseName);
    state.CurrentCaseId = kCaseId;
    state.CurrentCaseName = kCaseName;
}

QWidget* WorksheetTest::OpenWorksheet() {
    UnloadAllForms();
    ShowWorkingWindow(name_);
    DeleteUnloadedWindows();
    return Window();
}

QWidget* WorksheetTest::Window() const { return LoadedWorkingWindow(name_); }

void WorksheetTest::AddCase(const QString& id, const QString& name) {
    auto db = OpenCases();
    auto records = db->OpenRecordset("Cases");
    ASSERT_TRUE(records && records->AddNew());
    records->SetValue("casedesc", name);
    records->SetValue("caseid", id);
    ASSERT_TRUE(records->Update());
}

void WorksheetTest::DeleteCase(const QString& id) {
    EXPECT_TRUE(OnCase(id, [](Recordset& record) { EXPECT_TRUE(record.Delete()); }));
}

QString WorksheetTest::Stored(const QString& column, const QString& caseId) {
    QString value = "<no case>";
    OnCase(caseId.isEmpty() ? kCaseId : caseId,
           [&](Recordset& record) { value = record.GetValue(column).value_or("<Null>"); });
    return value;
}

void WorksheetTest::Store(const QString& column, const QString& value, const QString& caseId) {
    EXPECT_TRUE(OnCase(caseId.isEmpty() ? kCaseId : caseId, [&](Recordset& record) {
        EXPECT_TRUE(record.Edit());
        record.SetValue(column, value);
        EXPECT_TRUE(record.Update());
    }));
}

void WorksheetTest::Store(const std::vector<std::pair<QString, QString>>& columns) {
    for (const auto& [column, value] : columns) Store(column, value);
}

std::map<QString, Value> WorksheetTest::Record(const QString& caseId) {
    std::map<QString, Value> columns;
    OnCase(caseId, [&](Recordset& record) {
        for (int i = 0; i < record.FieldCount(); ++i) columns[record.Field(i).name] = record.GetValue(i);
    });
    return columns;
}

void WorksheetTest::RefuseCaseWrites() {
    auto db = OpenCases();
    ASSERT_TRUE(db && db->Execute("CREATE TRIGGER refuse_writes BEFORE UPDATE ON Cases "
                                  "BEGIN SELECT RAISE(ABORT, 'held elsewhere'); END"));
}

QLabel* WorksheetTest::Cell(const QString& name) const {
    QLabel* cell = Window() ? Window()->findChild<QLabel*>(name) : nullptr;
    EXPECT_NE(cell, nullptr) << name.toStdString();
    return cell;
}

QString WorksheetTest::Shown(const QString& name) const {
    const QLabel* cell = Cell(name);
    return cell ? cell->text() : QString("<no label>");
}

void WorksheetTest::ClickOn(const QString& control, ModalAnswerer& answerer) {
    auto* widget = Window() ? Window()->findChild<QWidget*>(control) : nullptr;
    ASSERT_NE(widget, nullptr) << control.toStdString();
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(widget->width() / 2, widget->height() / 2));
    else
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(widget->width() / 2, widget->height() / 2));
    EXPECT_TRUE(answerer.Unexpected().isEmpty()) << "unexpected: " << answerer.Unexpected().join(", ").toStdString();
}

void WorksheetTest::ClickOn(const QString& control) {
    ModalAnswerer none;
    ClickOn(control, none);
    EXPECT_EQ(none.Answered(), 0);
}

void WorksheetTest::ExpectEveryValueFits(const CourtFormLayout& form) const {
    for (const FormBlank& blank : form.blanks) {
        if (!blank.IsCell()) continue;
        const QLabel* cell = Cell(blank.label);
        EXPECT_LE(cell->fontMetrics().horizontalAdvance(cell->text()), cell->contentsRect().width())
            << blank.label.toStdString();
    }
    const QLabel* warning = Cell("lblWarning");
    if (warning->isVisibleTo(Window())) {
        EXPECT_LE(warning->heightForWidth(warning->width()), warning->height());
    }
}

std::map<QString, QString> WorksheetTest::ProduceAndReadBack() {
    QStringList opened;
    SetOpenDocumentHandler([&](const QString& path) {
        opened << path;
        return true;
    });
    ModalAnswerer answerer;
    answerer.Click("Produce Form Now");
    Choose("menuProduce");
    InstallDesktopPlatform();
    EXPECT_EQ(opened, QStringList{"\\QVRForms\\QVRPDF.PDF"});
    return ReadFields(driveC + "/QVRForms/QVRPDF.PDF");
}

void WorksheetTest::SavePictures(const QString& name) {
    const QString folder = qEnvironmentVariable("QVR_SHOTS");
    if (folder.isEmpty()) return;
    QDir().mkpath(folder);
    EXPECT_TRUE(Window()->grab().save(folder + "/" + name + ".png"));
    ProduceAndReadBack();
    QFile::remove(folder + "/" + name + ".pdf");
    EXPECT_TRUE(QFile::copy(driveC + "/QVRForms/QVRPDF.PDF", folder + "/" + name + ".pdf"));
}

bool WorksheetTest::CaseLibraryShown() {
    const bool shown = QTest::qWaitFor([] { return LoadedWorkingWindow("CaseLibrary") != nullptr; }, 2000);
    DeleteUnloadedWindows();
    return shown;
}

void WorksheetTest::EnterIncome(const QString& label, const QString& typed) {
    ModalAnswerer answerer;
    answerer.Then(TypeAmount(typed, "Use This Amount"));
    ClickOn(label, answerer);
    EXPECT_EQ(answerer.Answered(), 1);
}

void WorksheetTest::AnswerPrompt(const QString& label, const QString& typed) {
    ModalAnswerer answerer;
    answerer.Then(AnswerInputBox(typed));
    ClickOn(label, answerer);
    EXPECT_EQ(answerer.Answered(), 1);
}

double Amount(const QString& caption) { return CCur(caption.trimmed()).value_or(-1); }

ModalAnswerer::Action AnswerInputBox(const std::optional<QString>& typed) {
    return [typed](QWidget* dialog) {
        auto* edit = dialog->findChild<QLineEdit*>();
        ASSERT_NE(edit, nullptr) << dialog->windowTitle().toStdString();
        if (!typed) return ModalAnswerer::ClickButton(dialog, "Cancel");
        edit->setText(*typed);
        ModalAnswerer::ClickButton(dialog, "OK");
    };
}

ModalAnswerer::Action TypeAmount(const QString& typed, const QString& button) {
    return AsUser([typed, button](QWidget* dialog) {
        Type(dialog, "Text1", typed);
        ModalAnswerer::ClickButton(dialog, button);
    });
}

}  // namespace qvr::test
