#include "pdf_form_builder.h"
#include "platform/pdf_library.h"
#include "support/temp_drive.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <poppler-form.h>
#include <poppler-qt6.h>
#include <qpdf/QPDF.hh>

namespace qvr::test {
namespace {

using tools::PdfFormBuilder;

struct ReadBack {
    QString name;
    QString text;  // text fields
    bool checked = false;
};

// Reads the fields back through Poppler, independent of the code that wrote them.
std::map<QString, ReadBack> ReadFields(const QString& hostPath) {
    std::map<QString, ReadBack> out;
    std::unique_ptr<Poppler::Document> document = Poppler::Document::load(hostPath);
    if (!document) return out;
    std::unique_ptr<Poppler::Page> page = document->page(0);
    for (const auto& field : page->formFields()) {
        ReadBack value{field->fullyQualifiedName(), {}, false};
        if (auto* text = dynamic_cast<Poppler::FormFieldText*>(field.get())) value.text = text->text();
        if (auto* button = dynamic_cast<Poppler::FormFieldButton*>(field.get())) value.checked = button->state();
        out[value.name] = value;
    }
    return out;
}

// Dark pixels inside a rectangle of the rendered page (points from the bottom left, 72 dpi).
int DarkPixels(const QString& hostPath, const QRectF& rect) {
    std::unique_ptr<Poppler::Document> document = Poppler::Document::load(hostPath);
    const QImage image = document->page(0)->renderToImage(72, 72);
    int dark = 0;
    for (int x = int(rect.left()); x < int(rect.right()); ++x)
        for (int y = int(792 - rect.bottom()); y < int(792 - rect.top()); ++y)
            if (qGray(image.pixel(x, y)) < 128) ++dark;
    return dark;
}

class PdfLibraryTest : public TempDriveTest {
protected:
    void SetUp() override {
        TempDriveTest::SetUp();
        QDir().mkpath(driveC + "/forms");
        PdfFormBuilder builder;
        builder.AddTextField("first", kFirstRect, 10);
        builder.AddTextField("one", QRectF(72, 600, 200, 20), 0, "parent");
        builder.AddTextField("two", QRectF(72, 560, 200, 20), 0, "parent");
        builder.AddCheckBox("box", QRectF(72, 520, 14, 14), "On");
        builder.AddCheckBox("yesbox", QRectF(100, 520, 14, 14));
        builder.AddTextField("last", QRectF(72, 480, 200, 20));
        ASSERT_TRUE(builder.Save(driveC + "/forms/template.pdf"));
    }

    const QRectF kFirstRect{72, 700, 300, 20};
    const QString kTemplate = "C:\\forms\\template.pdf";
    const QString kOutput = "C:\\forms\\out.pdf";
};

TEST_F(PdfLibraryTest, FieldsAreCountedInDocumentOrderThroughParentFields) {
    PdfLibrary pdf;
    ASSERT_EQ(pdf.LoadFromFile(kTemplate), 1);
    ASSERT_EQ(pdf.FormFieldCount(), 6);
    QStringList listed;
    for (int i = 0; i <= 7; ++i)
        listed << pdf.FormFieldName(i) + (pdf.FormFieldType(i) == FormFieldKind::CheckBox ? " [x]"
                                          : pdf.FormFieldType(i) == FormFieldKind::Text   ? ""
                                                                                          : " ?");
    EXPECT_EQ(listed, (QStringList{" ?", "first", "parent.one", "parent.two", "box [x]", "yesbox [x]", "last", " ?"}));

    const QStringList values{"a", "b", "c", "Yes", "Yes", "f"};
    for (int i = 1; i <= 6; ++i) EXPECT_EQ(pdf.SetFormFieldValue(i, values[i - 1]), 1);
    ASSERT_EQ(pdf.SaveToFile(kOutput), 1);

    const auto fields = ReadFields(driveC + "/forms/out.pdf");
    EXPECT_EQ(fields.at("first").text, "a");
    EXPECT_EQ(fields.at("parent.one").text, "b");
    EXPECT_EQ(fields.at("parent.two").text, "c");
    EXPECT_TRUE(fields.at("box").checked);
    EXPECT_TRUE(fields.at("yesbox").checked);
    EXPECT_EQ(fields.at("last").text, "f");
}

TEST_F(PdfLibraryTest, CheckBoxIsOnOnlyForYes) {
    const struct {
        QString value;
        bool checked;
    } cases[] = {{"Yes", true}, {"No", false}, {"yes", false}, {"", false}, {" 4", false}};
    for (const auto& c : cases) {
        PdfLibrary pdf;
        ASSERT_EQ(pdf.LoadFromFile(kTemplate), 1);
        pdf.SetFormFieldValue(4, "Yes");
        pdf.SetFormFieldValue(4, c.value);
        ASSERT_EQ(pdf.SaveToFile(kOutput), 1);
        EXPECT_EQ(ReadFields(driveC + "/forms/out.pdf").at("box").checked, c.checked) << c.value.toStdString();
    }
}

TEST_F(PdfLibraryTest, TextFieldsGetAnAppearanceThatPrints) {
    PdfLibrary pdf;
    ASSERT_EQ(pdf.LoadFromFile(kTemplate), 1);
    EXPECT_EQ(DarkPixels(driveC + "/forms/template.pdf", kFirstRect), 0);

    pdf.SetFormFieldValue(1, "O\u2019Brien 1,234.50 Müller");
    ASSERT_EQ(pdf.SaveToFile(kOutput), 1);

    EXPECT_GT(DarkPixels(driveC + "/forms/out.pdf", kFirstRect), 50);
    EXPECT_EQ(ReadFields(driveC + "/forms/out.pdf").at("first").text, "O\u2019Brien 1,234.50 Müller");
}

// Where the appearance of the form's first field starts its text, read with qpdf; -1 for none.
double AppearanceTextStart(const QString& hostPath) {
    QPDF pdf;
    pdf.processFile(QFile::encodeName(hostPath).constData());
    QPDFObjectHandle field = pdf.getRoot().getKey("/AcroForm").getKey("/Fields").getArrayItem(0);
    const std::shared_ptr<Buffer> data = field.getKey("/AP").getKey("/N").getStreamData();
    const QString content = QString::fromLatin1(reinterpret_cast<const char*>(data->getBuffer()), int(data->getSize()));
    const QRegularExpressionMatch start = QRegularExpression(R"(([0-9.]+) [0-9.]+ Td)").match(content);
    return start.hasMatch() ? start.captured(1).toDouble() : -1;
}

TEST_F(PdfLibraryTest, TextStandsWhereTheFieldsQuaddingPutsIt) {
    // "1234567.50" in 10-point Helvetica: nine digits of 5.56 and a point of 2.78, 52.82 wide.
    const struct {
        Qt::Alignment alignment;
        QString text;
        double start;
    } cases[] = {{Qt::AlignLeft, "1234567.50", 2},
                 {Qt::AlignHCenter, "1234567.50", (300 - 52.82) / 2},
                 {Qt::AlignRight, "1234567.50", 300 - 2 - 52.82},
                 {Qt::AlignRight, QString(60, '8'), 2}};  // wider than the field: its start shows
    for (const auto& c : cases) {
        PdfFormBuilder builder;
        builder.AddTextField("amount", QRectF(72, 700, 300, 20), 10, {}, c.alignment);
        ASSERT_TRUE(builder.Save(driveC + "/forms/aligned.pdf"));
        PdfLibrary pdf;
        ASSERT_EQ(pdf.LoadFromFile("C:\\forms\\aligned.pdf"), 1);
        pdf.SetFormFieldValue(1, c.text);
        ASSERT_EQ(pdf.SaveToFile(kOutput), 1);
        EXPECT_NEAR(AppearanceTextStart(driveC + "/forms/out.pdf"), c.start, 0.001) << c.alignment.toInt();
    }
}

TEST_F(PdfLibraryTest, IndexOutsideTheFieldsIsRefused) {
    PdfLibrary pdf;
    EXPECT_EQ(pdf.SetFormFieldValue(1, "x"), 0);  // no document
    ASSERT_EQ(pdf.LoadFromFile(kTemplate), 1);
    EXPECT_EQ(pdf.SetFormFieldValue(0, "x"), 0);
    EXPECT_EQ(pdf.SetFormFieldValue(7, "x"), 0);
    EXPECT_EQ(pdf.SetFormFieldValue(-1, "x"), 0);
}

TEST_F(PdfLibraryTest, MissingOrDamagedTemplateLoadsNothing) {
    WriteHostFile(driveC + "/forms/damaged.pdf", QByteArray("%PDF-1.4\n") + QByteArray(3000, '\x07'));
    for (const QString& path : {QString("C:\\forms\\missing.pdf"), QString("C:\\forms\\damaged.pdf"), QString("")}) {
        PdfLibrary pdf;
        EXPECT_NE(pdf.LoadFromFile(path), 1) << path.toStdString();
        EXPECT_EQ(pdf.FormFieldCount(), 0);
        EXPECT_NE(pdf.SaveToFile(kOutput), 1);
    }
    EXPECT_FALSE(QFile::exists(driveC + "/forms/out.pdf"));
}

TEST_F(PdfLibraryTest, FailedSaveKeepsThePreviousOutputAndLeavesNoTemporaryFile) {
    PdfLibrary pdf;
    ASSERT_EQ(pdf.LoadFromFile(kTemplate), 1);
    EXPECT_NE(pdf.SaveToFile("C:\\no such folder\\out.pdf"), 1);

    QDir().mkpath(driveC + "/forms/out.pdf/kept");  // the target is a folder: the rename must fail
    EXPECT_NE(pdf.SaveToFile(kOutput), 1);
    EXPECT_TRUE(QDir(driveC + "/forms/out.pdf/kept").exists());
    EXPECT_EQ(QDir(driveC + "/forms").entryList(QDir::Files | QDir::Hidden),
              (QStringList{"template.pdf"}));
}

}  // namespace
}  // namespace qvr::test
