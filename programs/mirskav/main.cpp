#include "programs/mirskav/mirskav.h"
#include "windows/program.h"

int main(int argc, char* argv[]) { return drillwin::RunProgram(argc, argv, mirskav::Program()); }
