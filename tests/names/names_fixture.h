#pragma once
// A started program with the names windows registered, and direct access to the names file
// through a connection of the test's own, independent of the code under test.

#include "support/frame_fixture.h"
#include "platform/database.h"

#include <QString>
#include <deque>
#include <map>
#include <optional>
#include <vector>

class QLineEdit;
class QListWidget;

namespace qvr::test {

using NameRecord = std::map<QString, Value>;  // column, value

class NamesTest : public FrameTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Adds a record holding `values`; every other column stays Null.
    static void StoreName(const NameRecord& values);
    static std::vector<NameRecord> StoredNames();
    static std::optional<NameRecord> StoredName(const QString& key);
    static QStringList StoredKeys();
    static void DeleteStoredName(const QString& key);

    static QStringList Items(const QListWidget* list);
    static QString CurrentItemKey(const QListWidget* list);
    // Makes the main window the active one, so that controls in it take the focus.
    static void ActivateMainWindow();

    // The numbers that the next new keys are drawn from.
    std::deque<int> keyDraws;
};

// Types the text into the box key by key, in any script.
void TypeText(QWidget* box, const QString& text);

}  // namespace qvr::test
