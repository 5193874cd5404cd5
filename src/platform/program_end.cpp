#include "platform/program_end.h"

#include <cstdlib>

namespace qvr {
namespace {

std::function<void()>& endHandler() {
    static std::function<void()> handler;
    return handler;
}

bool endRequested = false;

}  // namespace

void EndProgramNow() {
    endRequested = true;
    if (endHandler()) {
        endHandler()();
        return;
    }
    std::exit(0);
}

bool ProgramEndRequested() { return endRequested; }

void SetProgramEndHandler(std::function<void()> handler) {
    endHandler() = std::move(handler);
    endRequested = false;
}

}  // namespace qvr
