#include "core/list_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

static void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace qvr {
namespace {

struct Order {
    const char* earlier;
    const char* later;
};

void PrintTo(const Order& order, std::ostream* out) { *out << order.earlier << " before " << order.later; }

class ListOrderTest : public ::testing::TestWithParam<Order> {};

TEST_P(ListOrderTest, SortsAsTheListBoxDoes) {
    const QString earlier = QString::fromUtf8(GetParam().earlier);
    const QString later = QString::fromUtf8(GetParam().later);
    for (QStringList items : {QStringList{earlier, later}, QStringList{later, earlier}}) {
        SortAsListBox(items);
        EXPECT_EQ(items, (QStringList{earlier, later}));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, ListOrderTest,
    ::testing::Values(Order{"Ábalos", "Zeller"}, Order{"Ábalos, Ana", "Abbott"}, Order{"Davis", "de la Cruz"},
                      Order{"de la Cruz", "Dunn"}, Order{"apple", "Banana"}, Order{"Éclair", "eclairs"},
                      Order{"Olsen", "Ørsted"}, Order{"Ørsted", "Parker"}, Order{"Strauß", "Strausz"},
                      Order{"Æbelø", "Affleck"}, Order{"Łukasz", "Lyons"}, Order{"Smith", "smith"},
                      Order{"Ann", "Ann Marie"}, Order{"Case 10 v. Roe", "Case 9"}));

TEST(ListSortKey, FoldsCaseAndAccentsAndKeepsEverythingElse) {
    EXPECT_EQ(ListSortKey("O'Brien-Smith, Ann 2"), "o'brien-smith, ann 2");
    EXPECT_EQ(ListSortKey(QString::fromUtf8("ÁBALOS Ñúñez Çağlar")), "abalos nunez caglar");
    EXPECT_EQ(ListSortKey(QString::fromUtf8("Straße Œuvre ﬁn")), "strasse oeuvre fin");
    EXPECT_EQ(ListSortKey(""), "");
}

TEST(SortAsListBox, GivesOneOrderWhateverTheOrderItStartsFrom) {
    QStringList items{"smith", "Smith", QString::fromUtf8("Śmith"), "SMITH", "Smithe"};
    QStringList first = items;
    SortAsListBox(first);
    std::reverse(items.begin(), items.end());
    SortAsListBox(items);
    EXPECT_EQ(items, first);
    EXPECT_EQ(first.last(), "Smithe");
}

}  // namespace
}  // namespace qvr
