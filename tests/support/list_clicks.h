#pragma once
// A user's double-click on a list line: the first click of the two, then the double-click.
// (A lone double-click event does not reach a freshly shown list under the offscreen platform.)

class QListWidget;
class QListWidgetItem;

namespace qvr::test {

void DoubleClickItem(QListWidget* list, QListWidgetItem* item);

}  // namespace qvr::test
