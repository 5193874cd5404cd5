#pragma once
// Keys of name records: an upper-case initial A-Z and seven digits, unique in the table.

#include <QChar>
#include <QSet>
#include <QString>
#include <functional>

namespace qvr {

// The initial of a key for a name: its first letter reduced to its Latin base letter and
// upper-cased ("Ñúñez" gives N, "Ørsted" O, "'t Hooft" T). A name whose first letter has no
// Latin base (Cyrillic, Chinese...) or that has no letter at all gives A.
QChar KeyInitial(const QString& name);

// A key for a new record named `name` that is none of `taken` (compared without regard to case
// or surrounding blanks): the initial and a drawn seven-digit number, or the next free number
// above it when that one is taken. Empty only when every number of that initial is taken.
QString NewNameKey(const QString& name, const QSet<QString>& taken);

// The numbers (1 to 9999999) that new keys are drawn from. Tests replace them; an empty function
// restores the random generator.
void SetNameKeyRandomSource(std::function<int()> source);

}  // namespace qvr
