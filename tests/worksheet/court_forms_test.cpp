// Every worksheet's stand-in court form as shipped: its fields in the order the production fills
// them, line figures right-aligned, and its blanks on the page, apart, the lines above the foot.

#include "support/print_qstring.h"
#include "support/produced_fields.h"
#include "worksheet_a/court_form_a.h"
#include "worksheet_b/court_form_b.h"
#include "worksheet_c/court_form_c.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace qvr::test {
namespace {

struct FormCase {
    const char* name;
    const CourtFormLayout& (*layout)();
    const char* lines;  // each line and its cells (Plaintiff, Defendant, Combined), top down
};

class ShippedCourtForm : public ::testing::TestWithParam<FormCase> {};

// The fields as listed: a check box marked " [x]", a right-aligned field " >".
QStringList ExpectedFields(const QString& lines) {
    QStringList expected{"File No",   "IV-D Case No",      "Case No. (Code)",      "UIFSA Case No",
                         "District [x]", "Superior Court Division [x]", "County", "Civil [x]",
                         "Plaintiff", "Criminal [x]",      "Name Of Defendant"};
    for (int child : {1, 4, 2, 5, 3, 6})
        expected << QString("Child %1 Name").arg(child) << QString("Child %1 Date Of Birth").arg(child);
    for (const QString& line : lines.split('|')) {
        const QStringList numberAndCells = line.split(' ');
        for (const QChar cell : numberAndCells[1])
            expected << QString("Line %1 %2 >")
                            .arg(numberAndCells[0], cell == 'P' ? "Plaintiff" : cell == 'D' ? "Defendant" : "Combined");
    }
    return expected << "Date" << "Prepared By";
}

TEST_P(ShippedCourtForm, ListsItsFieldsInTheProductionOrderWithLineFiguresRightAligned) {
    const CourtFormLayout& layout = GetParam().layout();
    QStringList listed, names;
    for (const ListedField& field : FieldsInDocumentOrder(QString(SHIPPED_DIR) + "/" + layout.fileName)) {
        listed << field.name + (field.checkBox ? " [x]" : "") + (field.rightAligned ? " >" : "");
        names << field.name;
    }
    EXPECT_EQ(listed, ExpectedFields(GetParam().lines));
    QStringList produced;
    for (const FormBlank& blank : layout.Fields()) produced << blank.fieldName;
    EXPECT_EQ(produced, names);
}

TEST_P(ShippedCourtForm, BlanksLieOnThePageApartAndTheLinesEndAboveTheFoot) {
    const CourtFormLayout& layout = GetParam().layout();
    const QRectF page(QPointF(0, 0), layout.page);
    const double foot = layout.Blank("lblDateSigned")->rect.top();
    for (size_t i = 0; i < layout.blanks.size(); ++i) {
        const FormBlank& blank = layout.blanks[i];
        EXPECT_TRUE(page.contains(blank.rect)) << blank.label.toStdString();
        if (blank.fieldName.startsWith("Line ")) {
            EXPECT_LT(blank.rect.bottom(), foot) << blank.label.toStdString();
        }
        for (size_t j = i + 1; j < layout.blanks.size(); ++j)
            EXPECT_FALSE(blank.rect.intersects(layout.blanks[j].rect))
                << blank.label.toStdString() << " and " << layout.blanks[j].label.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Worksheets, ShippedCourtForm,
    ::testing::Values(
        FormCase{"A", CourtFormA, "1 PD|1a PD|1b PD|2 PDC|3 PD|4 C|5a PD|5b PD|5c PD|5d PDC|6 C|7 PD|8 PD|9 PD"},
        FormCase{"B", CourtFormB,
                 "1 PD|1a PD|1b PD|2 PDC|3 PD|4 C|5 C|6 PD|7 PDC|8 PD|9 PD|10a PD|10b PD|10c PD|10d PDC|11 PD|12 PD|"
                 "13 PD|14 PD"},
        FormCase{"C", CourtFormC,
                 "1 PD|1a PD|1b PD|2 PDC|3 PD|4 C|5a PDC|5b PD|5c PD|6a P|6b D|7a PD|7b PD|7c PD|7d PDC|8 PD|9 PD|"
                 "10 PD|11 PD"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace qvr::test
