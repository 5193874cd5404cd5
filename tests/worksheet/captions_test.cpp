#include "worksheet/captions.h"

#include "support/print_qstring.h"

#include <gtest/gtest.h>
#include <limits>

namespace qvr::test {
namespace {

struct CaptionCase {
    QString (*caption)(double);
    double value;
    const char* shown;
};

// A figure cut to its cell would read as another number: one too wide shows a mark instead.
TEST(FigureCaptions, ShowAFigureWholeOrAMarkNeverACutFigure) {
    const double infinity = std::numeric_limits<double>::infinity();
    for (const CaptionCase& c : {
             CaptionCase{AmountCaption, 9999999.99, "9,999,999.99 "},
             CaptionCase{AmountCaption, -9999999.99, "-9,999,999.99 "},
             CaptionCase{AmountCaption, 9999999.995, "###### "},
             CaptionCase{AmountCaption, 10000001249, "###### "},
             CaptionCase{AmountCaption, 1e300, "###### "},
             CaptionCase{AmountCaption, -infinity, "###### "},
             CaptionCase{ShareCaption, 114.29, "114.29 "},
             CaptionCase{ShareCaption, 1000, "###### "},
             CaptionCase{CreditCaption, 9999.99, "9,999.99 "},
             CaptionCase{CreditCaption, 10000, "###### "},
             CaptionCase{CountCaption, 99, "(99)"},
             CaptionCase{CountCaption, 1e9, "(#)"},
         }) {
        EXPECT_EQ(c.caption(c.value), c.shown) << c.value;
    }
}

}  // namespace
}  // namespace qvr::test
