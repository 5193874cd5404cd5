#pragma once
// A small database layer over SQLite shaped after the table-type access the program was designed
// for: a database file, tables created with their first column, columns added by ALTER TABLE, and
// recordsets that walk a table's rows in stored order and edit them one at a time.
//
// Paths are the program's Windows-style paths (resolved through the files layer).
// Every value is text; Null is told apart from the empty text.

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

struct sqlite3;

namespace qvr {

using Value = std::optional<QString>;  // std::nullopt is Null

enum FieldType { dbText = 10, dbMemo = 12 };

struct FieldInfo {
    QString name;
    QString declaredType;  // as written when the column was made, e.g. "TEXT(200)"
    FieldType type = dbText;
    int width = 255;       // characters a value may hold; memo: unlimited (-1)
};

class Recordset;

class Database {
public:
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Fails (nullptr) when a file exists at the path or cannot be written.
    static std::unique_ptr<Database> CreateDatabase(const QString& path, QString* error = nullptr);
    // Never creates a file: a missing or damaged file is an error (nullptr).
    static std::unique_ptr<Database> OpenDatabase(const QString& path, QString* error = nullptr);

    // Creates a table holding just its first column (text of the given width; -1 for a memo).
    bool CreateTable(const QString& table, const QString& firstField, int width = 255);
    // Runs one SQL statement; a MEMO column type becomes a memo. False on any failure.
    bool Execute(const QString& sql);

    // Table-type recordset over the whole table; nullptr when the table does not exist.
    std::unique_ptr<Recordset> OpenRecordset(const QString& table);

    QStringList TableNames() const;                                // in creation order
    std::vector<FieldInfo> Fields(const QString& table) const;     // in column order

    bool BeginTrans();
    bool CommitTrans();
    bool Rollback();

    void Close();
    bool IsOpen() const { return db_ != nullptr; }
    QString LastError() const { return lastError_; }

private:
    friend class Recordset;
    explicit Database(sqlite3* db) : db_(db) {}
    void SetError(const QString& what);

    sqlite3* db_ = nullptr;
    QString lastError_;
    std::vector<Recordset*> openRecordsets_;
};

// Walks the rows of one table in stored order (rowid). Reading or writing without a current
// record fails. AddNew/Edit start an edit buffer; Update writes it (false when a value is
// longer than its column or the row is gone).
class Recordset {
public:
    ~Recordset();
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    bool MoveFirst();
    bool MoveNext();
    bool IsEOF() const;  // past the last record (or the table is empty); EOF itself is a C macro
    bool HasCurrent() const;
    long RecordCount() const;

    bool AddNew();
    bool Edit();
    bool Update();
    void CancelUpdate();
    bool Delete();  // the current record; afterwards there is no current record until a move

    int FieldCount() const;
    const FieldInfo& Field(int index) const;  // index from 0
    int FieldIndex(const QString& name) const;  // case-insensitive; -1 when absent

    // Reads: nullopt also when there is no current record or no such field (ok tells which).
    Value GetValue(const QString& name, bool* ok = nullptr) const;
    Value GetValue(int index, bool* ok = nullptr) const;
    // Writes into the edit buffer; false without an edit in progress or without such a field.
    bool SetValue(const QString& name, const Value& value);
    bool SetValue(int index, const Value& value);

    void Close();
    bool IsOpen() const { return db_ != nullptr; }

private:
    friend class Database;
    Recordset(Database* db, QString table, std::vector<FieldInfo> fields);
    bool LoadCurrent();
    void Detach();

    enum class EditMode { None, Add, Edit };
    Database* db_;
    QString table_;
    std::vector<FieldInfo> fields_;
    std::vector<long long> rowids_;
    long position_ = 0;
    bool currentDeleted_ = false;
    std::vector<Value> current_;
    std::vector<Value> buffer_;
    EditMode mode_ = EditMode::None;
};

}  // namespace qvr
