#pragma once
// Where the program is put together: the working windows of the worksheets, the names library
// and the schedule maintenance join the core's under the names the frame shows them by.

namespace qvr {

void RegisterProgramWindows();

}  // namespace qvr
