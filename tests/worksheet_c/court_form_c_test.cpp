#include "worksheet_c/court_form_c.h"

#include <QFile>
#include <gtest/gtest.h>
#include <qpdf/QPDF.hh>

namespace qvr::test {
namespace {

struct ShippedField {
    std::string name;
    bool checkBox;
};

// The shipped stand-in form's fields in the document's own order, read with qpdf.
std::vector<ShippedField> ShippedFields() {
    QPDF pdf;
    pdf.processFile(QFile::encodeName(QString(SHIPPED_DIR) + "/AOC-CV-629_2023.PDF").constData());
    QPDFObjectHandle fields = pdf.getRoot().getKey("/AcroForm").getKey("/Fields");
    std::vector<ShippedField> out;
    for (int i = 0; i < fields.getArrayNItems(); ++i) {
        QPDFObjectHandle field = fields.getArrayItem(i);
        out.push_back({field.getKey("/T").getUTF8Value(), field.getKey("/FT").getName() == "/Btn"});
    }
    return out;
}

TEST(CourtFormC, ShippedFormHasItsFieldsInTheProductionOrder) {
    const std::vector<std::string> expected{
        "File No", "IV-D Case No", "Case No. (Code)", "UIFSA Case No", "District", "Superior Court Division",
        "County", "Civil", "Plaintiff", "Criminal", "Name Of Defendant", "Child 1 Name", "Child 1 Date Of Birth",
        "Child 4 Name", "Child 4 Date Of Birth", "Child 2 Name", "Child 2 Date Of Birth", "Child 5 Name",
        "Child 5 Date Of Birth", "Child 3 Name", "Child 3 Date Of Birth", "Child 6 Name", "Child 6 Date Of Birth",
        "Line 1 Plaintiff", "Line 1 Defendant", "Line 1a Plaintiff", "Line 1a Defendant", "Line 1b Plaintiff",
        "Line 1b Defendant", "Line 2 Plaintiff", "Line 2 Defendant", "Line 2 Combined", "Line 3 Plaintiff",
        "Line 3 Defendant", "Line 4 Combined", "Line 5a Plaintiff", "Line 5a Defendant", "Line 5a Combined",
        "Line 5b Plaintiff", "Line 5b Defendant", "Line 5c Plaintiff", "Line 5c Defendant", "Line 6a Plaintiff",
        "Line 6b Defendant", "Line 7a Plaintiff", "Line 7a Defendant", "Line 7b Plaintiff", "Line 7b Defendant",
        "Line 7c Plaintiff", "Line 7c Defendant", "Line 7d Plaintiff", "Line 7d Defendant", "Line 7d Combined",
        "Line 8 Plaintiff", "Line 8 Defendant", "Line 9 Plaintiff", "Line 9 Defendant", "Line 10 Plaintiff",
        "Line 10 Defendant", "Line 11 Plaintiff", "Line 11 Defendant", "Date", "Prepared By"};
    const std::vector<ShippedField> shipped = ShippedFields();
    ASSERT_EQ(shipped.size(), expected.size());
    for (size_t i = 0; i < shipped.size(); ++i) {
        EXPECT_EQ(shipped[i].name, expected[i]) << "field " << i + 1;
        const bool box = i + 1 == 5 || i + 1 == 6 || i + 1 == 8 || i + 1 == 10;
        EXPECT_EQ(shipped[i].checkBox, box) << "field " << i + 1;
    }
}

TEST(CourtFormC, EveryBlankLiesOnThePageAboveTheFootAndNoTwoOverlap) {
    const CourtFormLayout& layout = CourtFormC();
    const QRectF page(QPointF(0, 0), layout.page);
    const double footTop = layout.Blank("lblDateSigned")->rect.top();
    for (size_t i = 0; i < layout.blanks.size(); ++i) {
        const FormBlank& blank = layout.blanks[i];
        EXPECT_TRUE(page.contains(blank.rect)) << blank.label.toStdString();
        if (blank.fieldName.startsWith("Line ")) {
            EXPECT_LT(blank.rect.bottom(), footTop) << blank.label.toStdString();
        }
        for (size_t j = i + 1; j < layout.blanks.size(); ++j)
            EXPECT_FALSE(blank.rect.intersects(layout.blanks[j].rect))
                << blank.label.toStdString() << " and " << layout.blanks[j].label.toStdString();
    }
}

}  // namespace
}  // namespace qvr::test
