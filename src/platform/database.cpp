#include "platform/database.h"

#include "platform/files.h"
#include "platform/threads.h"

#include <QFile>
#include <QDateTime>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>
#include <algorithm>
#include <limits>
#include <thread>
#include <sqlite3.h>
#include <unistd.h>
#include <utility>

namespace qvr {
namespace {

int busyWaitMs = 5000;
constexpr int kDefaultTextWidth = 255;
constexpr int kMemoWidth = -1;
// Written into every new file so that it gets its header at once: an empty file is then never a
// database of ours, and OpenDatabase can refuse it as damaged.
constexpr const char* kMarkNewFile = "PRAGMA application_id = 1364673094";
constexpr const char* kNoCurrentRecord = "No current record.";
constexpr const char* kInStoredOrder = " ORDER BY rowid";

const FieldInfo kNoField{};

QString Quoted(QString identifier) { return '"' + identifier.replace('"', "\"\"") + '"'; }

void Report(QString* error, const QString& text) {
    if (error) *error = text;
}

QString DeclaredType(int width) {
    if (width == kMemoWidth) return "MEMO TEXT";
    if (width == kDefaultTextWidth) return "TEXT";
    if (width >= 1 && width < kDefaultTextWidth) return QString("TEXT(%1)").arg(width);
    return {};
}

FieldInfo FieldFromDeclaration(const QString& name, const QString& declaredType) {
    static const QRegularExpression sizedText(R"(^\s*TEXT\s*\(\s*(\d+)\s*\)\s*$)",
                                              QRegularExpression::CaseInsensitiveOption);
    FieldInfo field{name, declaredType, dbText, kDefaultTextWidth};
    if (declaredType.contains("MEMO", Qt::CaseInsensitive)) {
        field.type = dbMemo;
        field.width = kMemoWidth;
    } else if (const QRegularExpressionMatch match = sizedText.match(declaredType); match.hasMatch()) {
        bool ok = false;
        const int width = match.captured(1).toInt(&ok);
        if (ok) field.width = width;
    }
    return field;
}

// SQLite gives a column declared MEMO numeric affinity, which would turn "02134" into 2134; the
// declared type gets TEXT appended so that the column keeps text as text.
QString WithMemoAsText(const QString& sql) {
    static const QRegularExpression memoColumn(
        R"(^(\s*ALTER\s+TABLE\s.*\sADD\s.*\sMEMO)(\s*;?\s*)$)",
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    QString result = sql;
    return result.replace(memoColumn, R"(\1 TEXT\2)");
}

bool BindValue(sqlite3_stmt* statement, int index, const Value& value) {
    if (!value) return sqlite3_bind_null(statement, index) == SQLITE_OK;
    const QByteArray utf8 = value->toUtf8();
    return sqlite3_bind_text64(statement, index, utf8.constData(), sqlite3_uint64(utf8.size()),
                               SQLITE_TRANSIENT, SQLITE_UTF8) == SQLITE_OK;
}

bool BindValues(sqlite3_stmt* statement, const std::vector<Value>& values) {
    for (size_t i = 0; i < values.size(); ++i)
        if (!BindValue(statement, int(i) + 1, values[i])) return false;
    return true;
}

Value ColumnValue(sqlite3_stmt* statement, int index) {
    if (sqlite3_column_type(statement, index) == SQLITE_NULL) return std::nullopt;
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, index));
    return QString::fromUtf8(text, sqlite3_column_bytes(statement, index));
}

QString Placeholders(size_t count) {
    QStringList marks;
    for (size_t i = 1; i <= count; ++i) marks << QString("?%1").arg(i);
    return marks.join(", ");
}

// A prepared statement, finalized when it goes out of scope.
class Statement {
public:
    Statement(sqlite3* db, const QString& sql) : text_(sql.toUtf8()) {
        rc_ = sqlite3_prepare_v2(db, text_.constData(), -1, &statement_, &tail_);
    }
    ~Statement() { sqlite3_finalize(statement_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    sqlite3_stmt* get() const { return statement_; }
    int PrepareResult() const { return rc_; }
    int Step() { return sqlite3_step(statement_); }
    bool StepsToDone() { return Step() == SQLITE_DONE; }

    bool FollowedByAnotherStatement(sqlite3* db) const {
        sqlite3_stmt* next = nullptr;
        const int rc = sqlite3_prepare_v2(db, tail_, -1, &next, nullptr);
        sqlite3_finalize(next);
        return rc != SQLITE_OK || next != nullptr;
    }

private:
    QByteArray text_;
    sqlite3_stmt* statement_ = nullptr;
    const char* tail_ = nullptr;
    int rc_ = SQLITE_OK;
};

// Holds the write lock from the check of a row to its change, unless the caller's own
// transaction already does; rolls back unless committed.
class WriteTransaction {
public:
    explicit WriteTransaction(sqlite3* db) : db_(db), owned_(sqlite3_get_autocommit(db) != 0) {
        began_ = !owned_ || sqlite3_exec(db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) == SQLITE_OK;
    }
    ~WriteTransaction() {
        if (owned_ && began_ && !committed_) sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    }
    WriteTransaction(const WriteTransaction&) = delete;
    WriteTransaction& operator=(const WriteTransaction&) = delete;

    bool Began() const { return began_; }
    bool Commit() {
        committed_ = !owned_ || sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK;
        return committed_;
    }

private:
    sqlite3* db_;
    bool owned_;
    bool began_ = false;
    bool committed_ = false;
};

QString CreateIndexStatement(const QString& name, const QString& definition) {
    return QString("CREATE INDEX %1 %2").arg(Quoted(name), definition);
}

// Whether the index is there as defined (the engine keeps the statement that made an index as it
// was written); nullopt when that cannot be read.
std::optional<bool> IndexDefinedAs(sqlite3* db, const QString& name, const QString& definition) {
    Statement stored(db, "SELECT name, sql FROM sqlite_master WHERE type = 'index' AND name = ?1 COLLATE NOCASE");
    if (!BindValue(stored.get(), 1, name)) return std::nullopt;
    const int rc = stored.Step();
    if (rc == SQLITE_DONE) return false;
    if (rc != SQLITE_ROW) return std::nullopt;
    const QString storedName = ColumnValue(stored.get(), 0).value_or(name);
    return ColumnValue(stored.get(), 1) == CreateIndexStatement(storedName, definition);
}

bool CreateEmptyFile(const QString& path, const QString& hostPath, QString* error) {
    QFile file(hostPath);
    if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) return true;
    Report(error, QFileInfo::exists(hostPath) ? QString("%1 already exists.").arg(path)
                                              : QString("Could not create %1: %2").arg(path, file.errorString()));
    return false;
}

bool FolderTakesNoNewFile(sqlite3* db) {
    const char* file = sqlite3_db_filename(db, "main");
    return file && access(QFile::encodeName(QFileInfo(QString::fromUtf8(file)).absolutePath()).constData(), W_OK) != 0;
}

Fault EngineFault(sqlite3* db) {
    switch (sqlite3_errcode(db)) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return Fault::Busy;
    case SQLITE_READONLY:
    case SQLITE_PERM:
        return Fault::ReadOnly;
    case SQLITE_FULL:
        return Fault::DiskFull;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return Fault::Damaged;
    case SQLITE_CANTOPEN:  // the journal beside the file, in a folder that takes no new file
        return FolderTakesNoNewFile(db) ? Fault::ReadOnly : FaultOfSystemError(sqlite3_system_errno(db));
    case SQLITE_IOERR:
        return FaultOfSystemError(sqlite3_system_errno(db));
    default:
        return Fault::Other;
    }
}

// The check reads the pages in the order of the tables' trees: a file that is not in memory (after
// a night, or on a network share) is read many times faster in one pass. The pass runs on a thread
// of its own, through the connection's own file, while the engine checks what is read: a handle of
// our own on the file would, once closed, end this process's locks on it.
class ReadAhead {
public:
    explicit ReadAhead(sqlite3* db) {
        sqlite3_file* file = nullptr;
        sqlite3_int64 size = 0;
        if (sqlite3_file_control(db, "main", SQLITE_FCNTL_FILE_POINTER, &file) != SQLITE_OK || !file ||
            !file->pMethods || file->pMethods->xFileSize(file, &size) != SQLITE_OK)
            return;
        if (size <= kChunk) ReadChunks(file, size, {});  // at once: a thread would cost more
        else reader_ = std::jthread([file, size](std::stop_token stop) { ReadChunks(file, size, stop); });
    }

private:
    static constexpr int kChunk = 1 << 20;

    static void ReadChunks(sqlite3_file* file, sqlite3_int64 size, const std::stop_token& stop) {
        const std::unique_ptr<char[]> buffer(new char[kChunk]);
        for (sqlite3_int64 at = 0; at < size && !stop.stop_requested(); at += kChunk)
            if (file->pMethods->xRead(file, buffer.get(), kChunk, at) != SQLITE_OK) return;  // the last is short
    }

    std::jthread reader_;  // stopped and joined on leaving, before the connection can close
};

// Every page read and its structure checked.
bool ReadsWhole(sqlite3* db, Fault* fault = nullptr) {
    const ReadAhead ahead(db);
    Statement check(db, "PRAGMA quick_check(1)");
    const int rc = check.Step();
    if (rc == SQLITE_ROW && ColumnValue(check.get(), 0) == QString("ok")) return true;
    return Tell(fault, rc == SQLITE_ROW ? Fault::Damaged : EngineFault(db));
}

// A journal left beside a file belongs to that file: played back into a new file put in its place,
// it would damage it.
void RemoveJournalBeside(const QString& path) { QFile::remove(files::HostPath(path) + "-journal"); }

// By default the engine counts the memory it takes under one lock for the whole program, so that
// threads reading one table at once would mostly wait for each other. Set before its first use.
void ConfigureEngineOnce() { [[maybe_unused]] static const int once = sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0); }

// A read transaction of this connection's own, holding its read lock from the first read to the
// end; none begins inside the caller's transaction, whose changes only this connection sees.
class ReadTransaction {
public:
    explicit ReadTransaction(sqlite3* db)
        : db_(db), began_(sqlite3_get_autocommit(db) != 0 && sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr) == SQLITE_OK) {}
    ~ReadTransaction() {
        if (began_) sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
    }
    ReadTransaction(const ReadTransaction&) = delete;
    ReadTransaction& operator=(const ReadTransaction&) = delete;

    bool Began() const { return began_; }

private:
    sqlite3* db_;
    bool began_;
};

// Decodes the texts of a row into one buffer used again for every row: no allocation for each
// text.
class TextRowDecoder {
public:
    explicit TextRowDecoder(int columns) : texts_(size_t(columns)), row_(size_t(columns)) {}

    const Database::TextViews& Decode(sqlite3_stmt* query) {
        qsizetype length = 0;
        for (size_t c = 0; c < texts_.size(); ++c) {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(query, int(c)));
            texts_[c] = text ? QByteArrayView(text, sqlite3_column_bytes(query, int(c))) : QByteArrayView();
            length += texts_[c].size();
        }
        if (decoded_.size() < length) decoded_.resize(length);
        QChar* end = decoded_.data();
        for (size_t c = 0; c < texts_.size(); ++c) {
            QChar* start = end;
            if (texts_[c].data()) end = decoder_.appendToBuffer(start, texts_[c]);
            row_[c] = texts_[c].data() ? std::optional(QStringView(start, end)) : std::nullopt;
        }
        return row_;
    }

private:
    QStringDecoder decoder_{QStringDecoder::Utf8, QStringDecoder::Flag::Stateless};
    QString decoded_;
    std::vector<QByteArrayView> texts_;
    Database::TextViews row_;
};

// The rows of one range of rowids, read on a connection of its own.
class RowRun {
public:
    ~RowRun() {
        sqlite3_finalize(query_);
        sqlite3_close_v2(db_);
    }

    // Opens the file for reading and takes the first step, so that the run holds its read lock
    // before any row is handed on. It never waits: while another connection of this program holds
    // the file, the lock is shared at once, and otherwise the caller reads in one pass.
    bool Start(const char* file, const QByteArray& select, sqlite3_int64 first, sqlite3_int64 last) {
        // Each page is read once: a cache of a few pages for the tree's upper levels will do.
        if (sqlite3_open_v2(file, &db_, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr) != SQLITE_OK ||
            sqlite3_exec(db_, "PRAGMA cache_size = 16", nullptr, nullptr, nullptr) != SQLITE_OK ||
            sqlite3_prepare_v2(db_, select.constData(), -1, &query_, nullptr) != SQLITE_OK ||
            sqlite3_bind_int64(query_, 1, first) != SQLITE_OK || sqlite3_bind_int64(query_, 2, last) != SQLITE_OK)
            return false;
        rc_ = sqlite3_step(query_);
        return Succeeded();
    }

    void Read(int columns, const std::function<void(const Database::TextViews&)>& each) {
        TextRowDecoder decoder(columns);
        while (rc_ == SQLITE_ROW) {
            each(decoder.Decode(query_));
            rc_ = sqlite3_step(query_);
        }
    }

    bool Succeeded() const { return rc_ == SQLITE_ROW || rc_ == SQLITE_DONE; }
    QString Error() const { return QString::fromUtf8(sqlite3_errmsg(db_)); }
    qvr::Fault Fault() const { return EngineFault(db_); }

private:
    sqlite3* db_ = nullptr;
    sqlite3_stmt* query_ = nullptr;
    int rc_ = SQLITE_OK;
};

constexpr quint64 kRowidsPerRun = 20000;  // fewer would cost more in connections than they save

// Up to `parts` runs of about the same span of rowids, each started; none when the table is too
// small to share out or a run cannot start.
std::vector<std::unique_ptr<RowRun>> StartRuns(sqlite3* db, const QString& table, const QByteArray& select,
                                               int parts) {
    // Apart, each is one step down the table's tree; together they would read every row.
    Statement bounds(db, QString("SELECT (SELECT min(rowid) FROM %1), (SELECT max(rowid) FROM %1)").arg(Quoted(table)));
    if (bounds.Step() != SQLITE_ROW || sqlite3_column_type(bounds.get(), 0) == SQLITE_NULL) return {};
    // Unsigned, so that the span of any two rowids is counted without overflow.
    const auto first = quint64(sqlite3_column_int64(bounds.get(), 0));
    const quint64 span = quint64(sqlite3_column_int64(bounds.get(), 1)) - first;  // one less than the rowids
    const quint64 count = std::min<quint64>(quint64(std::max(parts, 1)), span / kRowidsPerRun + 1);
    if (count < 2) return {};
    const quint64 step = span / count + 1;
    std::vector<std::unique_ptr<RowRun>> runs;
    for (quint64 i = 0; i < count; ++i) {
        const quint64 start = first + i * step;
        const quint64 end = i + 1 == count ? first + span : start + step - 1;
        runs.push_back(std::make_unique<RowRun>());
        if (!runs.back()->Start(sqlite3_db_filename(db, "main"), select, sqlite3_int64(start), sqlite3_int64(end)))
            return {};
    }
    return runs;
}

}  // namespace

int CharacterCount(const QString& text) {
    return int(text.size() - std::count_if(text.begin(), text.end(), [](QChar c) { return c.isLowSurrogate(); }));
}

// ---- Database ----

Database::~Database() { Close(); }

std::unique_ptr<Database> Database::CreateDatabase(const QString& path, QString* error) {
    const QString hostPath = files::HostPath(path);
    if (!CreateEmptyFile(path, hostPath, error)) return nullptr;
    std::unique_ptr<Database> db = Connect(path, hostPath, error);
    if (db && db->Run(kMarkNewFile)) return db;
    if (db) Report(error, db->LastError());
    db.reset();
    QFile::remove(hostPath);
    return nullptr;
}

std::unique_ptr<Database> Database::OpenDatabase(const QString& path, QString* error, Fault* fault) {
    const QString hostPath = files::HostPath(path);
    const QFileInfo file(hostPath);
    if (!file.isFile()) {
        Report(error, QString("%1 was not found.").arg(path));
        Tell(fault, file.exists() ? Fault::Damaged : Fault::Missing);
        return nullptr;
    }
    if (file.size() == 0) {
        Report(error, QString("%1 is not a database: the file is empty.").arg(path));
        Tell(fault, Fault::Damaged);
        return nullptr;
    }
    return Connect(path, hostPath, error, fault);
}

bool Database::IsSound(const QString& path, Fault* fault) {
    const std::unique_ptr<Database> db = OpenDatabase(path, nullptr, fault);
    return db && db->ReadsWhole(fault);
}

bool Database::ReadsWhole(Fault* fault) { return IsOpen() && qvr::ReadsWhole(db_, fault); }

int Database::SetBusyWait(int milliseconds) { return std::exchange(busyWaitMs, milliseconds); }

bool Database::IsBusy(const QString& path) {
    Fault fault = Fault::None;
    const std::unique_ptr<Database> db = OpenDatabase(path, nullptr, &fault);
    if (!db) return fault == Fault::Busy;
    if (!db->Run("BEGIN EXCLUSIVE")) return db->LastFault() == Fault::Busy;
    db->Run("ROLLBACK");
    return false;
}

// The read transaction's lock keeps writers out until the copy is complete. (Closing the copy's
// own handle on the source ends the process's locks on that file; by then the copy is done.)
bool Database::CopyDatabase(const QString& from, const QString& to, Fault* fault) {
    const std::unique_ptr<Database> source = OpenDatabase(from, nullptr, fault);
    if (!source) return false;
    if (!source->Run("BEGIN")) return Tell(fault, source->LastFault());
    if (!source->ReadsWhole(fault)) return false;
    const QString temporary = to + ".tmp";
    bool copied = files::CopyFile(from, temporary, fault);
    if (copied) {
        RemoveJournalBeside(to);
        copied = files::RenameFile(temporary, to, fault);
    }
    if (!copied) files::DeleteFile(temporary);
    source->Run("COMMIT");
    return copied;
}

bool Database::IsCurrentCopy(const QString& copy, const QString& path) {
    const QString original = files::HostPath(path);
    if (QFileInfo::exists(original + "-journal") || QFileInfo::exists(original + "-wal")) return false;
    QFile database(original);
    QFile copied(files::HostPath(copy));
    if (!database.open(QIODevice::ReadOnly) || !copied.open(QIODevice::ReadOnly)) return false;
    const QFileInfo databaseInfo(database);
    const QFileInfo copyInfo(copied);
    if (databaseInfo.size() != copyInfo.size() || databaseInfo.lastModified() >= copyInfo.lastModified()) return false;
    constexpr int kPageSizeOffset = 16;
    const QByteArray header = database.peek(kPageSizeOffset + 2);
    if (header.size() < kPageSizeOffset + 2 || !header.startsWith(QByteArray("SQLite format 3", 16))) return false;
    const int stored = uchar(header[kPageSizeOffset]) << 8 | uchar(header[kPageSizeOffset + 1]);
    const int pageSize = stored == 1 ? 65536 : stored;  // as the file format writes 65,536
    if (pageSize < 512) return false;
    const QByteArray firstPage = database.read(pageSize);
    return firstPage.size() == pageSize && copied.read(pageSize) == firstPage;
}

// Opens without ever creating the file and reads the schema once, so that a damaged file is
// refused here and not half-way through the caller's work.
std::unique_ptr<Database> Database::Connect(const QString& path, const QString& hostPath, QString* error,
                                           Fault* fault) {
    ConfigureEngineOnce();
    sqlite3* handle = nullptr;
    const int rc = sqlite3_open_v2(QFile::encodeName(hostPath).constData(), &handle, SQLITE_OPEN_READWRITE, nullptr);
    std::unique_ptr<Database> db(new Database(handle));
    const bool usable = rc == SQLITE_OK && sqlite3_busy_timeout(handle, busyWaitMs) == SQLITE_OK &&
                        db->Run("SELECT count(*) FROM sqlite_master") && db->Run("PRAGMA journal_mode = DELETE");
    if (usable) return db;
    Report(error, QString("Could not open %1: %2").arg(path, QString::fromUtf8(sqlite3_errmsg(handle))));
    Tell(fault, EngineFault(handle));
    return nullptr;
}

bool Database::Run(const QString& sql) {
    if (!db_) return Fail("The database is closed.");
    return sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, nullptr) == SQLITE_OK ||
           FailWithEngineError(QString("Could not run %1").arg(sql));
}

bool Database::Fail(const QString& what, Fault fault) const {
    lastError_ = what;
    lastFault_ = fault;
    return false;
}

bool Database::FailWithEngineError(const QString& what) const {
    return Fail(QString("%1: %2").arg(what, QString::fromUtf8(sqlite3_errmsg(db_))), EngineFault(db_));
}

int Database::Mark() const {
    if (!db_) return 0;
    Statement mark(db_, "PRAGMA user_version");
    return mark.Step() == SQLITE_ROW ? sqlite3_column_int(mark.get(), 0) : 0;
}

bool Database::SetMark(int mark) { return Run(QString("PRAGMA user_version = %1").arg(mark)); }

bool Database::CreateTable(const QString& table, const QString& firstField, int width) {
    const QString type = DeclaredType(width);
    if (type.isEmpty()) return Fail(QString("A text field holds 1 to 255 characters; %1 is no width.").arg(width));
    return Run(QString("CREATE TABLE %1 (%2 %3)").arg(Quoted(table), Quoted(firstField), type));
}

bool Database::Execute(const QString& sql) {
    if (!db_) return Fail("The database is closed.");
    Statement statement(db_, WithMemoAsText(sql));
    if (statement.PrepareResult() != SQLITE_OK) return FailWithEngineError("Could not run the statement");
    if (!statement.get()) return Fail("There is no statement to run.");
    if (statement.FollowedByAnotherStatement(db_)) return Fail("Only one statement can be run at a time.");
    int rc = statement.Step();
    while (rc == SQLITE_ROW) rc = statement.Step();
    return rc == SQLITE_DONE || FailWithEngineError("Could not run the statement");
}

QString Database::CanonicalTableName(const QString& table) const {
    Statement query(db_, "SELECT name FROM sqlite_master WHERE type = 'table' AND name = ?1 COLLATE NOCASE");
    if (!BindValue(query.get(), 1, table) || query.Step() != SQLITE_ROW) return {};
    return ColumnValue(query.get(), 0).value_or(QString());
}

bool Database::KeepIndex(const QString& name, const QString& definition) {
    if (!db_) return Fail("The database is closed.");
    std::optional<bool> defined = IndexDefinedAs(db_, name, definition);
    if (defined != false) return defined || FailWithEngineError("Could not read the indexes");
    WriteTransaction transaction(db_);
    if (!transaction.Began()) return FailWithEngineError("Could not lock the database for writing");
    defined = IndexDefinedAs(db_, name, definition);  // another user may have made it meanwhile
    if (defined != false) return defined || FailWithEngineError("Could not read the indexes");
    return Run("DROP INDEX IF EXISTS " + Quoted(name)) && Run(CreateIndexStatement(name, definition)) &&
           (transaction.Commit() || FailWithEngineError(QString("Could not make the index %1").arg(name)));
}

std::unique_ptr<Recordset> Database::OpenRecordset(const QString& table) {
    if (!db_) {
        Fail("The database is closed.");
        return nullptr;
    }
    const QString name = CanonicalTableName(table);
    if (name.isEmpty()) {
        Fail(QString("There is no table %1.").arg(table));
        return nullptr;
    }
    std::unique_ptr<Recordset> recordset(new Recordset(this, name, Fields(name)));
    openRecordsets_.push_back(recordset.get());
    Recordset::Row first;
    if (!recordset->Arrive(recordset->ReadFirst(&first), first)) return nullptr;
    return recordset;
}

QStringList Database::TableNames() const {
    QStringList names;
    if (!db_) return names;
    Statement query(db_, R"(SELECT name FROM sqlite_master WHERE type = 'table'
                            AND name NOT LIKE 'sqlite\_%' ESCAPE '\' ORDER BY rowid)");
    int rc = query.Step();
    for (; rc == SQLITE_ROW; rc = query.Step()) names << ColumnValue(query.get(), 0).value_or(QString());
    if (rc != SQLITE_DONE) FailWithEngineError("Could not list the tables");
    return names;
}

std::vector<FieldInfo> Database::Fields(const QString& table) const {
    std::vector<FieldInfo> fields;
    ListFields(table, fields);
    return fields;
}

bool Database::ListFields(const QString& table, std::vector<FieldInfo>& fields) const {
    if (!db_) return Fail("The database is closed.");
    Statement query(db_, "SELECT name, type FROM pragma_table_info(?1)");
    BindValue(query.get(), 1, table);
    int rc = query.Step();
    for (; rc == SQLITE_ROW; rc = query.Step())
        fields.push_back(FieldFromDeclaration(ColumnValue(query.get(), 0).value_or(QString()),
                                              ColumnValue(query.get(), 1).value_or(QString())));
    return rc == SQLITE_DONE || FailWithEngineError("Could not list the fields");
}

std::optional<QByteArray> Database::StateStamp(const QString& path) {
    // The file header counts every committed change (rollback journal); size and time of the
    // last change tell a replaced file apart.
    constexpr int kHeaderSize = 100;
    constexpr int kChangeCounterOffset = 24;
    QFile file(files::HostPath(path));
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray header = file.read(kHeaderSize);
    if (header.size() < kHeaderSize || !header.startsWith(QByteArray("SQLite format 3", 16))) return std::nullopt;
    const QFileInfo info(file);
    return header.mid(kChangeCounterOffset, 4) + QByteArray::number(info.size()) + ' ' +
           QByteArray::number(info.lastModified().toMSecsSinceEpoch()) + ' ' + file.fileName().toUtf8();
}

std::optional<std::vector<std::vector<Value>>> Database::ReadRows(const QString& table, const QStringList& columns) {
    const std::optional<QString> select = SelectStatement(table, columns);
    if (!select) return std::nullopt;
    std::vector<std::vector<Value>> rows;
    const bool read = StepThroughRows(table, *select + kInStoredOrder, [&](sqlite3_stmt* query) {
        std::vector<Value>& row = rows.emplace_back();
        for (int c = 0; c < columns.size(); ++c) row.push_back(ColumnValue(query, c));
    });
    if (!read) return std::nullopt;
    return rows;
}

bool Database::ReadTexts(const QString& table, const QStringList& columns,
                         const std::function<void(const TextViews&)>& each) {
    const std::optional<QString> select = SelectStatement(table, columns);
    return select && ReadTextsBy(table, *select + kInStoredOrder, int(columns.size()), each);
}

bool Database::ReadTextsInParts(const QString& table, const QStringList& columns, int parts,
                                const std::function<void(int, const TextViews&)>& each) {
    const std::optional<QString> select = SelectStatement(table, columns);
    if (!select) return false;
    const QByteArray selectRange = (*select + " WHERE rowid BETWEEN ?1 AND ?2" + kInStoredOrder).toUtf8();
    ReadTransaction held(db_);
    const std::vector<std::unique_ptr<RowRun>> runs =
        held.Began() ? StartRuns(db_, table, selectRange, parts) : std::vector<std::unique_ptr<RowRun>>();
    if (runs.empty()) {
        const auto inRunZero = [&](const TextViews& row) { each(0, row); };
        return ReadTextsBy(table, *select + kInStoredOrder, int(columns.size()), inRunZero);
    }
    RunOnThreads(runs.size(), [&](size_t part) {
        runs[part]->Read(int(columns.size()), [&](const TextViews& row) { each(int(part), row); });
    });
    for (const std::unique_ptr<RowRun>& run : runs)
        if (!run->Succeeded()) return Fail(QString("Could not read table %1: %2").arg(table, run->Error()), run->Fault());
    return true;
}

bool Database::ReadTextsBy(const QString& table, const QString& select, int columns,
                           const std::function<void(const TextViews&)>& each) {
    TextRowDecoder decoder(columns);
    return StepThroughRows(table, select, [&](sqlite3_stmt* query) { each(decoder.Decode(query)); });
}

std::optional<QString> Database::SelectStatement(const QString& table, const QStringList& columns) {
    std::vector<FieldInfo> fields;
    if (columns.isEmpty() || !ListFields(table, fields)) {
        if (columns.isEmpty()) Fail("No column to read.");
        return std::nullopt;
    }
    // A double-quoted name that is no column would read as a text literal: check them first.
    QStringList known;
    for (const FieldInfo& field : fields) known << field.name.toLower();
    QStringList quoted;
    for (const QString& column : columns) {
        if (!known.contains(column.toLower())) {
            Fail(QString("Table %1 has no column %2").arg(table, column));
            return std::nullopt;
        }
        quoted << Quoted(column);
    }
    return QString("SELECT %1 FROM %2").arg(quoted.join(", "), Quoted(table));
}

bool Database::StepThroughRows(const QString& table, const QString& select,
                               const std::function<void(sqlite3_stmt*)>& each) {
    Statement query(db_, select);
    if (query.PrepareResult() != SQLITE_OK) return FailWithEngineError(QString("Could not read table %1").arg(table));
    int rc;
    while ((rc = query.Step()) == SQLITE_ROW) each(query.get());
    return rc == SQLITE_DONE || FailWithEngineError(QString("Could not read table %1").arg(table));
}

bool Database::BeginTrans() { return Run("BEGIN IMMEDIATE"); }
bool Database::CommitTrans() { return Run("COMMIT"); }
bool Database::Rollback() { return Run("ROLLBACK"); }

void Database::Close() {
    for (Recordset* recordset : std::exchange(openRecordsets_, {})) recordset->Detach();
    sqlite3_close_v2(db_);
    db_ = nullptr;
}

// ---- Recordset ----

Recordset::Recordset(Database* db, QString table, std::vector<FieldInfo> fields)
    : db_(db), table_(std::move(table)), fields_(std::move(fields)) {}

Recordset::~Recordset() { Close(); }

void Recordset::Close() {
    if (!db_) return;
    std::erase(db_->openRecordsets_, this);
    Detach();
}

void Recordset::Detach() {
    for (sqlite3_stmt** cached : {&readFrom_, &findRowid_}) {
        sqlite3_finalize(*cached);
        *cached = nullptr;
    }
    db_ = nullptr;
    position_ = Position::PastEnd;
    mode_ = EditMode::None;
    current_.clear();
    buffer_.clear();
}

QString Recordset::ColumnList() const {
    QStringList columns;
    for (const FieldInfo& field : fields_) columns << Quoted(field.name);
    return columns.join(", ");
}

Recordset::ReadResult Recordset::ReadFirst(Row* row) { return ReadFrom(std::numeric_limits<long long>::min(), row); }

Recordset::ReadResult Recordset::ReadAfter(long long rowid, Row* row) {
    if (rowid == std::numeric_limits<long long>::max()) return ReadResult::Missing;
    return ReadFrom(rowid + 1, row);
}

Recordset::ReadResult Recordset::ReadAt(long long rowid, Row* row) {
    const ReadResult result = ReadFrom(rowid, row);
    return result == ReadResult::Found && row->rowid != rowid ? ReadResult::Missing : result;
}

bool Recordset::Prepare(sqlite3_stmt*& statement, const QString& sql) {
    if (sqlite3_prepare_v2(db_->db_, sql.toUtf8().constData(), -1, &statement, nullptr) == SQLITE_OK) return true;
    return db_->FailWithEngineError(QString("Could not read the table %1").arg(table_));
}

// Every read of a record goes through one statement (making one costs more than running it
// many times), reset at once, so that no read lock outlives it.
Recordset::ReadResult Recordset::ReadFrom(long long rowid, Row* row) {
    if (!readFrom_ && !Prepare(readFrom_, QString("SELECT rowid, * FROM %1 WHERE rowid >= ?1 ORDER BY rowid LIMIT 1")
                                              .arg(Quoted(table_))))
        return ReadResult::Failed;
    sqlite3_bind_int64(readFrom_, 1, rowid);
    const int rc = sqlite3_step(readFrom_);
    if (rc == SQLITE_ROW) {
        row->rowid = sqlite3_column_int64(readFrom_, 0);
        row->values.clear();
        for (int i = 0; i < int(fields_.size()); ++i) row->values.push_back(ColumnValue(readFrom_, i + 1));
    } else if (rc != SQLITE_DONE) {
        db_->FailWithEngineError(QString("Could not read the table %1").arg(table_));
    }
    sqlite3_reset(readFrom_);
    if (rc == SQLITE_ROW) return ReadResult::Found;
    return rc == SQLITE_DONE ? ReadResult::Missing : ReadResult::Failed;
}

// The rowid of the first record with the value, then that record. A record that another user
// deletes between the two reads is looked for again, a few times at most.
Recordset::ReadResult Recordset::ReadFirstWith(int field, const QString& value, Row* row) {
    constexpr int kAttempts = 5;
    if (field != findField_) {
        sqlite3_finalize(std::exchange(findRowid_, nullptr));
        findField_ = field;
    }
    if (!findRowid_ && !Prepare(findRowid_, QString("SELECT rowid FROM %1 WHERE %2 = ?1 ORDER BY rowid LIMIT 1")
                                                .arg(Quoted(table_), Quoted(fields_[size_t(field)].name))))
        return ReadResult::Failed;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        if (!BindValue(findRowid_, 1, value)) return ReadResult::Failed;
        const int rc = sqlite3_step(findRowid_);
        const long long rowid = rc == SQLITE_ROW ? sqlite3_column_int64(findRowid_, 0) : 0;
        if (rc != SQLITE_ROW && rc != SQLITE_DONE)
            db_->FailWithEngineError(QString("Could not read the table %1").arg(table_));
        sqlite3_reset(findRowid_);
        if (rc == SQLITE_DONE) return ReadResult::Missing;
        if (rc != SQLITE_ROW) return ReadResult::Failed;
        const ReadResult result = ReadAt(rowid, row);
        if (result != ReadResult::Missing) return result;
    }
    return ReadResult::Failed;
}

bool Recordset::Arrive(ReadResult result, Row& row) {
    if (result == ReadResult::Failed) return false;
    if (result == ReadResult::Missing) {
        position_ = Position::PastEnd;
        current_.clear();
        return true;
    }
    position_ = Position::OnRecord;
    rowid_ = row.rowid;
    current_ = std::move(row.values);
    return true;
}

bool Recordset::MoveFirst() {
    if (!IsOpen()) return false;
    CancelUpdate();
    Row row;
    if (!Arrive(ReadFirst(&row), row)) return false;
    return HasCurrent() || db_->Fail(kNoCurrentRecord);
}

bool Recordset::MoveNext() {
    if (!IsOpen()) return false;
    if (position_ == Position::PastEnd) return db_->Fail(kNoCurrentRecord);
    CancelUpdate();
    Row row;
    return Arrive(ReadAfter(rowid_, &row), row);
}

bool Recordset::FindFirst(const QString& field, const QString& value) {
    if (!IsOpen()) return false;
    CancelUpdate();
    const int index = FieldIndex(field);
    Row row;
    const ReadResult result = CheckIndex(index) ? ReadFirstWith(index, value, &row) : ReadResult::Failed;
    if (result == ReadResult::Found) return Arrive(result, row);
    position_ = Position::PastEnd;  // a record read before must not stay current for a write
    current_.clear();
    return false;
}

bool Recordset::IsEOF() const { return !IsOpen() || position_ == Position::PastEnd; }

bool Recordset::HasCurrent() const { return IsOpen() && position_ == Position::OnRecord; }

bool Recordset::RequireCurrent() const { return IsOpen() && (HasCurrent() || db_->Fail(kNoCurrentRecord)); }

long Recordset::RecordCount() const {
    if (!IsOpen()) return -1;
    Statement count(db_->db_, "SELECT count(*) FROM " + Quoted(table_));
    if (count.Step() != SQLITE_ROW) {
        db_->FailWithEngineError(QString("Could not count the records of %1").arg(table_));
        return -1;
    }
    return long(sqlite3_column_int64(count.get(), 0));
}

bool Recordset::AddNew() {
    if (!IsOpen()) return false;
    buffer_.assign(fields_.size(), std::nullopt);
    mode_ = EditMode::Add;
    return true;
}

bool Recordset::Edit() {
    if (!RequireCurrent()) return false;
    CancelUpdate();
    Row row;
    const ReadResult result = ReadAt(rowid_, &row);
    if (result == ReadResult::Failed) return false;
    if (result == ReadResult::Missing) {
        position_ = Position::Deleted;
        return db_->Fail("The record was deleted by another user.", Fault::Changed);
    }
    current_ = std::move(row.values);
    buffer_ = current_;
    mode_ = EditMode::Edit;
    return true;
}

bool Recordset::Update() {
    if (!IsOpen()) return false;
    if (mode_ == EditMode::None) return db_->Fail("Update without AddNew or Edit.");
    if (!CheckWidths()) return false;
    if (!(mode_ == EditMode::Add ? InsertBuffer() : WriteBuffer())) return false;
    position_ = Position::OnRecord;
    Row stored;
    current_ = ReadAt(rowid_, &stored) == ReadResult::Found ? std::move(stored.values) : buffer_;
    CancelUpdate();
    return true;
}

void Recordset::CancelUpdate() {
    mode_ = EditMode::None;
    buffer_.clear();
}

bool Recordset::Delete() {
    if (!RequireCurrent()) return false;
    CancelUpdate();
    if (!DeleteCurrent()) return false;
    position_ = Position::Deleted;
    current_.clear();
    return true;
}

bool Recordset::CheckWidths() const {
    for (size_t i = 0; i < fields_.size(); ++i) {
        const FieldInfo& field = fields_[i];
        const Value& value = buffer_[i];
        if (field.type == dbText && value && CharacterCount(*value) > field.width)
            return db_->Fail(QString("The field %1 holds %2 characters; the value has %3.")
                                 .arg(field.name)
                                 .arg(field.width)
                                 .arg(CharacterCount(*value)),
                             Fault::TooLong);
    }
    return true;
}

// The row under rowid_ must still be the one last read: gone means deleted by another user, and
// other values mean another user changed it (or a new row took over a deleted row's rowid).
bool Recordset::CheckUnchanged() {
    Row row;
    const ReadResult result = ReadAt(rowid_, &row);
    if (result == ReadResult::Failed) return false;
    if (result == ReadResult::Missing) {
        position_ = Position::Deleted;
        return db_->Fail("The record was deleted by another user.", Fault::Changed);
    }
    return row.values == current_ ||
           db_->Fail("The record was changed by another user since it was read.", Fault::Changed);
}

bool Recordset::InsertBuffer() {
    sqlite3* db = db_->db_;
    Statement insert(db, QString("INSERT INTO %1 (%2) VALUES (%3)")
                             .arg(Quoted(table_), ColumnList(), Placeholders(fields_.size())));
    if (!BindValues(insert.get(), buffer_) || !insert.StepsToDone())
        return db_->FailWithEngineError(QString("Could not add the record to %1").arg(table_));
    rowid_ = sqlite3_last_insert_rowid(db);
    return true;
}

bool Recordset::WriteBuffer() {
    sqlite3* db = db_->db_;
    WriteTransaction transaction(db);
    if (!transaction.Began()) return db_->FailWithEngineError("Could not lock the database for writing");
    if (!CheckUnchanged()) return false;
    QStringList assignments;
    for (size_t i = 0; i < fields_.size(); ++i)
        assignments << QString("%1 = ?%2").arg(Quoted(fields_[i].name)).arg(i + 1);
    Statement update(db, QString("UPDATE %1 SET %2 WHERE rowid = ?%3")
                             .arg(Quoted(table_), assignments.join(", "))
                             .arg(fields_.size() + 1));
    const bool written = BindValues(update.get(), buffer_) &&
                         sqlite3_bind_int64(update.get(), int(fields_.size()) + 1, rowid_) == SQLITE_OK &&
                         update.StepsToDone();
    if (!written) return db_->FailWithEngineError(QString("Could not save the record in %1").arg(table_));
    return transaction.Commit() || db_->FailWithEngineError(QString("Could not save the record in %1").arg(table_));
}

bool Recordset::DeleteCurrent() {
    sqlite3* db = db_->db_;
    WriteTransaction transaction(db);
    if (!transaction.Began()) return db_->FailWithEngineError("Could not lock the database for writing");
    if (!CheckUnchanged()) return false;
    Statement remove(db, QString("DELETE FROM %1 WHERE rowid = ?1").arg(Quoted(table_)));
    if (sqlite3_bind_int64(remove.get(), 1, rowid_) != SQLITE_OK || !remove.StepsToDone())
        return db_->FailWithEngineError(QString("Could not delete the record from %1").arg(table_));
    return transaction.Commit() || db_->FailWithEngineError(QString("Could not delete the record from %1").arg(table_));
}

int Recordset::FieldCount() const { return IsOpen() ? int(fields_.size()) : 0; }

const FieldInfo& Recordset::Field(int index) const {
    return index >= 0 && index < FieldCount() ? fields_[size_t(index)] : kNoField;
}

int Recordset::FieldIndex(const QString& name) const {
    for (int i = 0; i < FieldCount(); ++i)
        if (fields_[size_t(i)].name.compare(name, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

bool Recordset::CheckIndex(int index) const {
    return (index >= 0 && index < FieldCount()) || db_->Fail("There is no such field.");
}

Value Recordset::GetValue(const QString& name, bool* ok) const { return GetValue(FieldIndex(name), ok); }

Value Recordset::GetValue(int index, bool* ok) const {
    const bool editing = IsOpen() && mode_ != EditMode::None;
    const bool valid = (editing || RequireCurrent()) && CheckIndex(index);
    if (ok) *ok = valid;
    if (!valid) return std::nullopt;
    return editing ? buffer_[size_t(index)] : current_[size_t(index)];
}

bool Recordset::SetValue(const QString& name, const Value& value) { return SetValue(FieldIndex(name), value); }

bool Recordset::SetValue(int index, const Value& value) {
    if (!IsOpen()) return false;
    if (mode_ == EditMode::None) return db_->Fail("A value can only be set after AddNew or Edit.");
    if (!CheckIndex(index)) return false;
    buffer_[size_t(index)] = value;
    return true;
}

int ColumnWidth(const Recordset& table, const QString& column) {
    const int index = table.FieldIndex(column);
    if (index < 0) return 0;
    return table.Field(index).type == dbMemo ? -1 : table.Field(index).width;
}

int DeclaredWidth(const QString& declaredType) { return FieldFromDeclaration({}, declaredType).width; }

}  // namespace qvr
