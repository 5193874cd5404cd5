#pragma once
// Runs an action in a child process that cannot write where the test says: files that cannot
// grow, as on a full disk, or a folder that is read-only even to root (a read-only bind mount in
// the child's own mount namespace; without the rights for it, the folder's permissions).

#include <QString>
#include <functional>

namespace qvr::test {

enum class Limit { FullDisk, ReadOnlyFolder };

// True when the child's action returned true.
bool InAChild(Limit limit, const QString& hostFolder, const std::function<bool()>& action);

}  // namespace qvr::test
