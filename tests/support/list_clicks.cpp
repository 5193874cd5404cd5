#include "support/list_clicks.h"

#include <QListWidget>
#include <QTest>

namespace qvr::test {

void DoubleClickItem(QListWidget* list, QListWidgetItem* item) {
    list->scrollToItem(item);
    const QPoint middle = list->visualItemRect(item).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, middle);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, middle);
}

}  // namespace qvr::test
