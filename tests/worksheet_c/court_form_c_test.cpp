#include "worksheet_c/court_form_c.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace qvr::test {
namespace {

// The stand-in form is made from this layout, so its fields come in this order too.
TEST(CourtFormC, FieldsComeLineByLineCellByCell) {
    const QStringList expected = QString(
        "File No|IV-D Case No|Case No. (Code)|UIFSA Case No|District|Superior Court Division|County|Civil|Plaintiff|"
        "Criminal|Name Of Defendant|Child 1 Name|Child 1 Date Of Birth|Child 4 Name|Child 4 Date Of Birth|Child 2 "
        "Name|Child 2 Date Of Birth|Child 5 Name|Child 5 Date Of Birth|Child 3 Name|Child 3 Date Of Birth|Child 6 "
        "Name|Child 6 Date Of Birth|Line 1 Plaintiff|Line 1 Defendant|Line 1a Plaintiff|Line 1a Defendant|Line 1b "
        "Plaintiff|Line 1b Defendant|Line 2 Plaintiff|Line 2 Defendant|Line 2 Combined|Line 3 Plaintiff|Line 3 "
        "Defendant|Line 4 Combined|Line 5a Plaintiff|Line 5a Defendant|Line 5a Combined|Line 5b Plaintiff|Line 5b "
        "Defendant|Line 5c Plaintiff|Line 5c Defendant|Line 6a Plaintiff|Line 6b Defendant|Line 7a Plaintiff|Line "
        "7a Defendant|Line 7b Plaintiff|Line 7b Defendant|Line 7c Plaintiff|Line 7c Defendant|Line 7d Plaintiff|Line "
        "7d Defendant|Line 7d Combined|Line 8 Plaintiff|Line 8 Defendant|Line 9 Plaintiff|Line 9 Defendant|Line 10 "
        "Plaintiff|Line 10 Defendant|Line 11 Plaintiff|Line 11 Defendant|Date|Prepared By").split('|');
    QStringList fields;
    for (const FormBlank& field : CourtFormC().Fields()) fields << field.fieldName;
    EXPECT_EQ(fields, expected);
}

TEST(CourtFormC, ItsLinesEndAboveTheFoot) {
    const CourtFormLayout& layout = CourtFormC();
    for (const FormBlank& blank : layout.Fields()) {
        if (!blank.fieldName.startsWith("Line ")) continue;
        EXPECT_LT(blank.rect.bottom(), layout.Blank("lblDateSigned")->rect.top()) << blank.label.toStdString();
    }
}

}  // namespace
}  // namespace qvr::test
