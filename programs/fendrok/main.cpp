#include "programs/fendrok/fendrok.h"
#include "windows/program.h"

int main(int argc, char* argv[]) { return drillwin::RunProgram(argc, argv, fendrok::Program()); }
