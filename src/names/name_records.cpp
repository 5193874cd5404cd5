#include "names/name_records.h"

#include "core/names_database.h"
#include "core/program_state.h"
#include "names/name_keys.h"

#include <QStringView>

namespace qvr {
namespace {

Value Trimmed(const Value& value) { return value ? Value(value->trimmed()) : std::nullopt; }

WriteResult Refuse(const std::optional<TooLong>& found, std::optional<TooLong>* tooLong) {
    if (tooLong) *tooLong = found;
    return WriteResult::TooLong;
}

WriteResult Store(Recordset& names) {
    if (names.Update()) return WriteResult::Written;
    names.CancelUpdate();
    return WriteResult::Failed;
}

bool SameColumn(const QString& column, const char* name) {
    return column.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
}

bool IsNamePart(const QString& column) {
    for (const char* part : {"firstname", "middlename", "Lastname", "suffix"})
        if (SameColumn(column, part)) return true;
    return false;
}

// The current record's name parts, with `column` holding `value` instead.
PersonName PartsWith(const Recordset& names, const QString& column, const QString& value) {
    const auto part = [&](const char* name) {
        return SameColumn(column, name) ? value : names.GetValue(name).value_or("");
    };
    return {part("firstname"), part("middlename"), part("Lastname"), part("suffix")};
}

ColumnValues WrittenForms(const PersonName& person) {
    return {{"firmname", SortForm(person)},
            {"listname", DisplayForm(person)},
            {"lastfirstmiddle", LastFirstForm(person)}};
}

// The value for the column, and when it is a part of a person's name (the record has a last
// name), the sort, listed and last-first forms made anew from the parts.
ColumnValues FieldWithItsForms(const Recordset& names, const QString& column, const QString& value) {
    ColumnValues values{{column, value}};
    if (!IsNamePart(column)) return values;
    const PersonName person = PartsWith(names, column, value);
    if (person.last.trimmed().isEmpty()) return values;  // a firm's, or no complete name yet
    for (auto& form : WrittenForms(person)) values.push_back(std::move(form));
    return values;
}

}  // namespace

bool FindNameRecord(Recordset& names, const QString& key) {
    const QString wanted = key.trimmed();
    if (wanted.isEmpty()) return false;
    for (bool more = names.MoveFirst(); more && !names.IsEOF(); more = names.MoveNext())
        if (Trimmed(names.GetValue("keynumber")) == wanted) return true;
    return false;
}

QSet<QString> StoredNameKeys(Recordset& names) {
    QSet<QString> keys;
    for (bool more = names.MoveFirst(); more && !names.IsEOF(); more = names.MoveNext())
        if (const Value key = Trimmed(names.GetValue("keynumber")); key && !key->isEmpty()) keys.insert(*key);
    return keys;
}

std::optional<TooLong> FirstTooLong(const Recordset& names, const ColumnValues& values) {
    for (const auto& [column, value] : values) {
        const int width = ColumnWidth(names, column);
        if (width >= 0 && CharacterCount(value) > width) return TooLong{column, width, CharacterCount(value)};
    }
    return std::nullopt;
}

WriteResult WriteNameField(Recordset& names, const QString& key, const QString& column, const QString& value,
                           std::optional<TooLong>* tooLong) {
    if (const auto found = FirstTooLong(names, {{column, value}})) return Refuse(found, tooLong);
    if (!FindNameRecord(names, key)) return WriteResult::NameMissing;
    const ColumnValues values = FieldWithItsForms(names, column, value);
    if (const auto found = FirstTooLong(names, values)) return Refuse(found, tooLong);
    if (!names.Edit()) return WriteResult::Failed;
    for (const auto& [written, text] : values) names.SetValue(written, text);
    return Store(names);
}

WriteResult AddNameRecord(Recordset& names, const ColumnValues& values, std::optional<TooLong>* tooLong) {
    if (const auto found = FirstTooLong(names, values)) return Refuse(found, tooLong);
    if (!names.AddNew()) return WriteResult::Failed;
    for (int index = 0; index < names.FieldCount(); ++index) names.SetValue(index, QString(""));
    for (const auto& [column, value] : values) names.SetValue(column, value);
    return Store(names);
}

WriteResult DeleteNameRecord(Recordset& names, const QString& key) {
    if (!FindNameRecord(names, key)) return WriteResult::NameMissing;
    return names.Delete() ? WriteResult::Written : WriteResult::Failed;
}

bool CanSave(const NewName& name) {
    return !(name.firm ? name.firmName : name.person.last).trimmed().isEmpty();
}

ColumnValues NewNameColumns(const NewName& name) {
    if (name.firm) {
        const QString firm = name.firmName.trimmed();
        return {{"firmname", firm}, {"listname", firm}, {"lastfirstmiddle", firm}};
    }
    const PersonName& person = name.person;
    ColumnValues values{{"firstname", person.first.trimmed()},
                        {"middlename", person.middle.trimmed()},
                        {"Lastname", person.last.trimmed()},
                        {"suffix", person.suffix.trimmed()}};
    for (auto& form : WrittenForms(person)) values.push_back(std::move(form));
    return values;
}

WriteResult AddNewNameRecord(Recordset& names, const NewName& name, QString* key, std::optional<TooLong>* tooLong) {
    const QString newKey = NewNameKey(name.firm ? name.firmName : name.person.last, StoredNameKeys(names));
    if (newKey.isEmpty()) return WriteResult::Failed;
    ColumnValues values = NewNameColumns(name);
    values.emplace_back("keynumber", newKey);
    const WriteResult result = AddNameRecord(names, values, tooLong);
    if (result == WriteResult::Written && key) *key = newKey;
    return result;
}

bool LoadChosenName(const QString& key) {
    FixNamesNulls();
    if (!state.NamesRecordset || !FindNameRecord(*state.NamesRecordset, key)) return false;
    LoadNameFields();
    return true;
}

}  // namespace qvr
