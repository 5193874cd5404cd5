#pragma once
// A small database layer over SQLite shaped after the table-type access the program was designed
// for: a database file, tables created with their first column, columns added by ALTER TABLE, and
// recordsets that walk a table's rows in stored order and edit them one at a time.
//
// Paths are the program's Windows-style paths (resolved through the files layer).
// Every value is text; Null is told apart from the empty text.

#include "platform/faults.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace qvr {

using Value = std::optional<QString>;  // std::nullopt is Null

enum FieldType { dbText = 10, dbMemo = 12 };

struct FieldInfo {
    QString name;
    QString declaredType;  // as declared, e.g. "TEXT(200)" (a bare "text" reads back as "TEXT")
    FieldType type = dbText;
    int width = 255;       // characters a value may hold; memo: unlimited (-1)
};

// Characters a column declared so holds: "TEXT(50)" 50, "TEXT" 255, a memo any number (-1).
int DeclaredWidth(const QString& declaredType);

class Recordset;

// Characters as the database counts them against a column's width: a surrogate pair is one.
int CharacterCount(const QString& text);

class Database {
public:
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Fails (nullptr) when a file exists at the path or cannot be written.
    static std::unique_ptr<Database> CreateDatabase(const QString& path, QString* error = nullptr);
    // A stamp of a database file's stored state: it changes with every committed write and when
    // the file is replaced; nullopt when the file is no readable database.
    static std::optional<QByteArray> StateStamp(const QString& path);
    // Never creates a file: a missing or damaged file is an error (nullptr).
    static std::unique_ptr<Database> OpenDatabase(const QString& path, QString* error = nullptr,
                                                  Fault* fault = nullptr);
    // Whether the file is a database that reads whole, every page checked. A journal left beside it
    // by a write that never finished is played back first, as at any opening. A file that another
    // connection holds beyond the busy wait is not sound, and its fault is Busy, not Damaged.
    static bool IsSound(const QString& path, Fault* fault = nullptr);
    // The same check of this open database.
    bool ReadsWhole(Fault* fault = nullptr);
    // Copies a database that reads whole, byte for byte, while no other connection can write to
    // it. The target is replaced only by the complete copy; when the source is missing or damaged,
    // or the copy cannot be written whole (a full disk), it is left as it was.
    static bool CopyDatabase(const QString& from, const QString& to, Fault* fault = nullptr);
    // Whether another connection holds the file beyond the busy wait, so that it must not be
    // replaced (its journal is the other connection's).
    static bool IsBusy(const QString& path);
    // How long an action waits for a file that another connection holds (tests shorten it); gives
    // the wait it replaces.
    static int SetBusyWait(int milliseconds);
    // Whether `copy` is a copy of the database at `path` as it is now: written after the database's
    // last change, of the same size and first page (which counts every committed write), and no
    // write of the database left unfinished.
    static bool IsCurrentCopy(const QString& copy, const QString& path);

    // Creates a table holding just its first column (text of the given width; -1 for a memo).
    bool CreateTable(const QString& table, const QString& firstField, int width = 255);
    // Runs one SQL statement (a second one in the text is refused); a MEMO column type becomes a
    // memo. False on any failure.
    bool Execute(const QString& sql);

    // Makes sure that index `name` exists as `definition`, the text after "CREATE INDEX name"
    // (e.g. "ON People (name)"): an index of that name defined otherwise is made anew. Writes
    // nothing when the index is there as defined. False on any failure.
    bool KeepIndex(const QString& name, const QString& definition);

    // Table-type recordset over the whole table; nullptr when the table does not exist.
    std::unique_ptr<Recordset> OpenRecordset(const QString& table);

    // Every row of a table in stored order, only the named columns, read in one pass (one state
    // of the file); nullopt when the table or a column cannot be read.
    std::optional<std::vector<std::vector<Value>>> ReadRows(const QString& table, const QStringList& columns);
    // The same rows as views of their texts (nullopt for Null), valid only during the call: no text
    // is copied that the caller does not keep.
    using TextViews = std::vector<std::optional<QStringView>>;
    bool ReadTexts(const QString& table, const QStringList& columns, const std::function<void(const TextViews&)>& each);
    // The same rows in up to `parts` runs of stored order read at once, each on a connection and
    // thread of its own, while this connection holds the file so that every run reads one state
    // of it. `each` gets the run's number (0 holds the first rows) and is called from several
    // threads at once, never twice at once for one run. A small table, or a file that cannot be
    // shared out so, is read in one pass as run 0, as is a table read inside a transaction.
    bool ReadTextsInParts(const QString& table, const QStringList& columns, int parts,
                          const std::function<void(int, const TextViews&)>& each);

    QStringList TableNames() const;                                // in creation order
    std::vector<FieldInfo> Fields(const QString& table) const;     // in column order

    // One level, no nesting. BeginTrans takes the write lock at once so that a batch never meets
    // another writer half-way; a CommitTrans that fails leaves the transaction open.
    bool BeginTrans();
    bool CommitTrans();
    bool Rollback();

    void Close();
    bool IsOpen() const { return db_ != nullptr; }
    QString LastError() const { return lastError_; }
    Fault LastFault() const { return lastFault_; }

    // A number the program keeps in the file's header, outside every table (0 until set).
    int Mark() const;
    bool SetMark(int mark);

private:
    friend class Recordset;
    explicit Database(sqlite3* db) : db_(db) {}
    static std::unique_ptr<Database> Connect(const QString& path, const QString& hostPath, QString* error,
                                             Fault* fault = nullptr);
    bool Run(const QString& sql);
    // "SELECT columns FROM table"; nullopt, with the error set, when a column is not the table's.
    std::optional<QString> SelectStatement(const QString& table, const QStringList& columns);
    // False, with the error set, when the engine cannot list them (a table it lacks has none).
    bool ListFields(const QString& table, std::vector<FieldInfo>& fields) const;
    bool StepThroughRows(const QString& table, const QString& select, const std::function<void(sqlite3_stmt*)>& each);
    bool ReadTextsBy(const QString& table, const QString& select, int columns,
                     const std::function<void(const TextViews&)>& each);
    bool Fail(const QString& what, Fault fault = Fault::Other) const;
    bool FailWithEngineError(const QString& what) const;
    QString CanonicalTableName(const QString& table) const;

    sqlite3* db_ = nullptr;
    mutable QString lastError_;
    mutable Fault lastFault_ = Fault::None;
    std::vector<Recordset*> openRecordsets_;
};

// Walks the rows of one table in stored order (rowid), reading each row afresh on every move, so
// that what other connections committed shows on the next move. Reading or writing without a
// current record fails. AddNew/Edit start an edit buffer; Update writes it (false when a value is
// longer than its column, or the row was deleted or changed by another connection since Edit).
// Errors are reported through the database's LastError and LastFault.
class Recordset {
public:
    ~Recordset();
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    // False where there is no record to move to: MoveFirst on an empty table, MoveNext at EOF.
    // A move discards an edit in progress.
    bool MoveFirst();
    bool MoveNext();
    bool IsEOF() const;  // past the last record (or the table is empty); EOF itself is a C macro
    // Positions on the first record in stored order whose field holds exactly `value` (letter case
    // and blanks count; Null never matches), through the column's index when it has one rather
    // than a walk over every record. False, with no current record, when none does or the table
    // cannot be read.
    bool FindFirst(const QString& field, const QString& value);
    bool HasCurrent() const;
    long RecordCount() const;  // -1 when the count cannot be read

    bool AddNew();
    bool Edit();  // reads the current record afresh into the edit buffer
    bool Update();  // after adding, the new record is the current one
    void CancelUpdate();
    // The current record, unless another connection changed or deleted it since it was read;
    // afterwards there is no current record until a move.
    bool Delete();

    int FieldCount() const;
    const FieldInfo& Field(int index) const;  // index from 0
    int FieldIndex(const QString& name) const;  // case-insensitive; -1 when absent

    // Reads: nullopt also when there is no current record or no such field (ok tells which).
    // During AddNew/Edit the edit buffer is read.
    Value GetValue(const QString& name, bool* ok = nullptr) const;
    Value GetValue(int index, bool* ok = nullptr) const;
    // Writes into the edit buffer; false without an edit in progress or without such a field.
    bool SetValue(const QString& name, const Value& value);
    bool SetValue(int index, const Value& value);

    void Close();
    bool IsOpen() const { return db_ != nullptr; }

private:
    friend class Database;
    struct Row {
        long long rowid = 0;
        std::vector<Value> values;
    };
    enum class ReadResult { Found, Missing, Failed };
    enum class Position { OnRecord, Deleted, PastEnd };
    enum class EditMode { None, Add, Edit };

    Recordset(Database* db, QString table, std::vector<FieldInfo> fields);
    void Detach();
    bool RequireCurrent() const;
    bool CheckIndex(int index) const;
    bool Arrive(ReadResult result, Row& row);
    bool Prepare(sqlite3_stmt*& statement, const QString& sql);
    ReadResult ReadFrom(long long rowid, Row* row);  // the first record at or after the rowid
    ReadResult ReadFirst(Row* row);
    ReadResult ReadAfter(long long rowid, Row* row);
    ReadResult ReadAt(long long rowid, Row* row);
    ReadResult ReadFirstWith(int field, const QString& value, Row* row);
    bool CheckUnchanged();
    bool CheckWidths() const;
    bool InsertBuffer();
    bool WriteBuffer();
    bool DeleteCurrent();
    QString ColumnList() const;

    Database* db_;
    QString table_;
    std::vector<FieldInfo> fields_;
    Position position_ = Position::PastEnd;
    long long rowid_ = 0;
    std::vector<Value> current_;
    std::vector<Value> buffer_;
    EditMode mode_ = EditMode::None;
    sqlite3_stmt* readFrom_ = nullptr;
    sqlite3_stmt* findRowid_ = nullptr;
    int findField_ = -1;  // the field that findRowid_ compares
};

// The characters a column of the recordset holds: -1 for a memo, 0 for a column it lacks.
int ColumnWidth(const Recordset& table, const QString& column);

}  // namespace qvr
