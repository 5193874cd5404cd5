#include "platform/faults.h"

#include <cerrno>

namespace qvr {

Fault FaultOfSystemError(int error) {
    switch (error) {
    case ENOSPC:
    case EFBIG:
    case EDQUOT:
        return Fault::DiskFull;
    case EACCES:
    case EPERM:
    case EROFS:
        return Fault::ReadOnly;
    case ENOENT:
        return Fault::Missing;
    default:
        return Fault::Other;
    }
}

bool Tell(Fault* where, Fault fault) {
    if (where) *where = fault;
    return false;
}

QString FaultText(Fault fault) {
    switch (fault) {
    case Fault::None:
        return {};
    case Fault::Missing:
        return "the file is missing";
    case Fault::Damaged:
        return "the file is damaged, or it is not a database file";
    case Fault::NotOurs:
        return "the file is a database, but not one of this program's";
    case Fault::Busy:
        return "another workstation is using the file; please try again in a moment";
    case Fault::Changed:
        return "another workstation changed or deleted the record meanwhile";
    case Fault::ReadOnly:
        return "the folder or the file is read-only";
    case Fault::DiskFull:
        return "the disk is full";
    case Fault::TooLong:
        return "the text is longer than its field holds";
    case Fault::Other:
        break;
    }
    return "the disk or the network reported an error";
}

}  // namespace qvr
