#include "programs/fendrok/fendrok.h"

int main(int argc, char* argv[]) { return drillwin::RunProgram(argc, argv, fendrok::Program()); }
