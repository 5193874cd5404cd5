#pragma once
// Ending the program at once, without the normal quit. Callers return right after the call and
// check ProgramEndRequested() on the way out: in tests the handler only records the end.

#include <functional>

namespace qvr {

void EndProgramNow();
bool ProgramEndRequested();
// Replaces the real end; an empty handler restores it. Also clears the request.
void SetProgramEndHandler(std::function<void()> handler);

}  // namespace qvr
