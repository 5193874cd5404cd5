#pragma once
// Why a file could not be read or written, told apart as far as the user can act on it: a file
// that another workstation holds is only busy, never damaged.

#include <QString>

namespace qvr {

enum class Fault { None, Missing, Damaged, NotOurs, Busy, Changed, ReadOnly, DiskFull, TooLong, Other };

// The cause of a failed system call, from its errno.
Fault FaultOfSystemError(int error);

// Records the cause where the caller asked for it; false, as a failure's result.
bool Tell(Fault* where, Fault fault);

// The cause in words, to follow "because".
QString FaultText(Fault fault);

}  // namespace qvr
