#include "names_fixture.h"

#include "core/names_database.h"
#include "core/program_state.h"
#include "core/windows/background.h"
#include "names/name_keys.h"
#include "names/name_list.h"
#include "names/windows/names_admin.h"

#include <QApplication>
#include <QListWidget>
#include <QTest>

namespace qvr::test {
namespace {

std::unique_ptr<Database> OpenNamesFile() { return Database::OpenDatabase(state.NamesDatabasePath); }

}  // namespace

void NamesTest::SetUp() {
    FrameTest::SetUp();
    StartProgram();
    OpenNamesTable();  // the example record, as every names window finds it
    state.NamesRecordset.reset();
    state.NamesDatabase.reset();
    Register("NamesAdmin", MakeNamesAdmin);
    SetNameKeyRandomSource([this] {
        if (keyDraws.empty()) return 4242424;
        const int number = keyDraws.front();
        keyDraws.pop_front();
        return number;
    });
}

void NamesTest::TearDown() {
    SetNameKeyRandomSource({});
    FrameTest::TearDown();
}

void NamesTest::StoreName(const NameRecord& values) {
    auto db = OpenNamesFile();
    ASSERT_TRUE(db);
    auto names = db->OpenRecordset("Names");
    ASSERT_TRUE(names && names->AddNew());
    for (const auto& [column, value] : values) ASSERT_TRUE(names->SetValue(column, value)) << column.toStdString();
    ASSERT_TRUE(names->Update()) << db->LastError().toStdString();
}

std::vector<NameRecord> NamesTest::StoredNames() {
    std::vector<NameRecord> records;
    auto db = OpenNamesFile();
    auto names = db ? db->OpenRecordset("Names") : nullptr;
    if (!names) return records;
    for (bool more = names->MoveFirst(); more && !names->IsEOF(); more = names->MoveNext()) {
        NameRecord record;
        for (int index = 0; index < names->FieldCount(); ++index)
            record[names->Field(index).name] = names->GetValue(index);
        records.push_back(record);
    }
    return records;
}

std::optional<NameRecord> NamesTest::StoredName(const QString& key) {
    for (const NameRecord& record : StoredNames())
        if (record.at("keynumber") == key) return record;
    return std::nullopt;
}

QStringList NamesTest::StoredKeys() {
    QStringList keys;
    for (const NameRecord& record : StoredNames()) keys << record.at("keynumber").value_or("<Null>");
    return keys;
}

void NamesTest::DeleteStoredName(const QString& key) {
    auto db = OpenNamesFile();
    auto names = db ? db->OpenRecordset("Names") : nullptr;
    ASSERT_TRUE(names);
    for (bool more = names->MoveFirst(); more && !names->IsEOF(); more = names->MoveNext())
        if (names->GetValue("keynumber") == key) {
            ASSERT_TRUE(names->Delete());
            return;
        }
    FAIL() << "no record " << key.toStdString();
}

QStringList NamesTest::Items(const QListWidget* list) {
    QStringList items;
    for (int row = 0; row < list->count(); ++row) items << list->item(row)->text();
    return items;
}

QString NamesTest::CurrentItemKey(const QListWidget* list) {
    return list->currentItem() ? list->currentItem()->text().mid(kListNameWidth) : QString();
}

void NamesTest::ActivateMainWindow() {
    MainWindow().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&MainWindow()));
}

void TypeText(QWidget* box, const QString& text) {
    for (const char32_t character : QStringView(text).toUcs4())
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString::fromUcs4(&character, 1), Qt::NoModifier);
}

}  // namespace qvr::test
