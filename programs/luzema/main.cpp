#include "programs/luzema/luzema.h"

int main(int argc, char* argv[]) { return drillwin::RunProgram(argc, argv, luzema::Program()); }
