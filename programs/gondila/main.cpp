#include "programs/gondila/gondila.h"
#include "windows/program.h"

int main(int argc, char* argv[]) { return drillwin::RunProgram(argc, argv, gondila::Program()); }
