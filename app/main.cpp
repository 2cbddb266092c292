#include "app/ProgramEntry.h"

int main(int argc, char* argv[]) { return RunBrevane(argc, argv); }
