#include "programs/luzema/luzema.h"
#include "windows/program.h"

int main(int argc, char* argv[]) { return drillwin::RunProgram(argc, argv, luzema::Program()); }
