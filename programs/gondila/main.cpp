#include "programs/gondila/gondila.h"

int main(int argc, char* argv[]) { return drillwin::RunProgram(argc, argv, gondila::Program()); }
