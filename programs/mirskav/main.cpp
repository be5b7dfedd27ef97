#include "programs/mirskav/mirskav.h"

int main(int argc, char* argv[]) { return drillwin::RunProgram(argc, argv, mirskav::Program()); }
