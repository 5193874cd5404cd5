#pragma once
// The three written forms of a party's name that a name record keeps beside its parts.

#include <QString>

namespace qvr {

// A person's name as typed; blanks around each part do not count.
struct PersonName {
    QString first;
    QString middle;
    QString last;
    QString suffix;
};

// The form lists are sorted by: "Last, First Middle Suffix".
QString SortForm(const PersonName& name);
// The form a name is shown and printed in: "First Middle Last Suffix".
QString DisplayForm(const PersonName& name);
// Last name first, the suffix set off by a comma: "Last, First Middle, Suffix".
QString LastFirstForm(const PersonName& name);

}  // namespace qvr
