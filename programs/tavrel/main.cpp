#include "programs/tavrel/tavrel.h"
#include "windows/program.h"

int main(int argc, char* argv[]) { return drillwin::RunProgram(argc, argv, tavrel::Program()); }
