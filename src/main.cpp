#include "core/startup.h"

int main(int argc, char** argv) { return qvr::RunProgram(argc, argv); }
