#include "names/windows/names_window_kit.h"

#include "core/database_backups.h"
#include "core/program_state.h"
#include "platform/messages.h"

#include <QEvent>
#include <QListWidget>
#include <algorithm>
#include <map>

namespace qvr {
namespace {

const char kNamesTitle[] = "Names";

const std::map<QString, QString> kColumnCaptions = {
    {"keynumber", "Key"},
    {"listname", "Name as listed"},
    {"firmname", "Sort name"},
    {"lastfirstmiddle", "Last, first, middle"},
    {"firstname", "First name"},
    {"middlename", "Middle name"},
    {"Lastname", "Last name"},
    {"suffix", "Suffix"},
    {"street", "Street"},
    {"street2", "Street, 2nd line"},
    {"city", "City"},
    {"namestate", "State"},
    {"zipcode", "ZIP code"},
    {"namecounty", "County"},
    {"wphone", "Work phone"},
    {"hphone", "Home phone"},
    {"cphone", "Mobile phone"},
    {"fphone", "Fax"},
    {"email", "E-mail"},
    {"contact", "Contact person"},
    {"birthdate", "Date of birth"},
    {"deathdate", "Date of death"},
    {"namessn", "SSN or tax no."},
    {"namesex", "Sex"},
    {"namerace", "Race"},
    {"anniversary", "Date married"},
    {"placemarrg", "Place married"},
    {"barno", "Bar number"},
    {"employer", "Employer"},
    {"cempaddr", "Employer's street"},
    {"cempcity", "Employer's city"},
    {"cempstate", "Employer's state"},
    {"cempzip", "Employer's ZIP"},
    {"clsalary", "Salary"},
    {"startdate", "Start date"},
    {"optfield1", "Optional field"},
    {"notes", "Notes"},
};

class FocusHighlight : public QObject {
public:
    explicit FocusHighlight(QWidget* box) : QObject(box) { box->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) SetBoxColor(static_cast<QWidget*>(watched), kLightYellow);
        if (event->type() == QEvent::FocusOut) SetBoxColor(static_cast<QWidget*>(watched), Qt::white);
        return false;
    }
};

void ReportTooLong(const std::optional<TooLong>& tooLong) {
    if (!tooLong) return;
    MsgBox(QString("The field \"%1\" can hold at most %2 characters, and this entry has %3.  It was not saved; "
                   "please shorten it.")
               .arg(ColumnCaption(tooLong->column))
               .arg(tooLong->width)
               .arg(tooLong->length),
           MessageButtons::OkOnly, "Entry Too Long");
}

// The last refusal of the open names database, or else what keeps it from opening.
Fault NamesDatabaseFault() {
    const Fault fault = state.NamesRecordset ? state.NamesDatabase->LastFault()
                                             : ExamineDatabase(NamesDatabaseFile(), NamesDatabaseFile().file);
    return fault == Fault::None ? Fault::Other : fault;
}

// A list left empty because the names database cannot be used is never shown without a word.
void ReportUnusable() {
    MsgBox(QString("The names database %1 cannot be used because %2, so no names can be listed.")
               .arg(NamesDatabaseFile().file, FaultText(NamesDatabaseFault())),
           MessageButtons::OkOnly, kNamesTitle);
}

}  // namespace

int FillNameList(QListWidget* list, NameListing listing, const QString& key, int fallbackRow) {
    if (!state.NamesRecordset) ReportUnusable();
    const QStringList items = state.NamesRecordset ? SortedNameList(*state.NamesRecordset, listing) : QStringList();
    list->addItems(items);
    if (items.isEmpty()) return -1;
    const int row = RowOfKey(items, key);
    list->setCurrentRow(row >= 0 ? row : std::clamp(fallbackRow, 0, int(items.size()) - 1));
    list->scrollToItem(list->currentItem());
    return list->currentRow();
}

void HighlightFocus(QWidget* box) {
    SetBoxColor(box, box->hasFocus() ? kLightYellow : QColor(Qt::white));
    new FocusHighlight(box);
}

void ReportNameMissing() {
    MsgBox("This name is no longer in the names database; it may have been deleted on another workstation.",
           MessageButtons::OkOnly, kNamesTitle);
}

void ReportWriteFailed() {
    MsgBox(QString("The names database could not be written because %1, so this entry was not saved.")
               .arg(FaultText(NamesDatabaseFault())),
           MessageButtons::OkOnly, kNamesTitle);
}

bool Written(WriteResult result, const std::optional<TooLong>& tooLong) {
    switch (result) {
        case WriteResult::Written: return true;
        case WriteResult::TooLong: ReportTooLong(tooLong); return false;
        case WriteResult::NameMissing: ReportNameMissing(); return false;
        case WriteResult::Failed: ReportWriteFailed(); return false;
    }
    return false;
}

QString ColumnCaption(const QString& column) {
    const auto caption = kColumnCaptions.find(column);
    return caption == kColumnCaptions.end() ? column : caption->second;
}

}  // namespace qvr
