#include "tests/support/QtTestMain.h"

int main(int argc, char** argv) { return RunQtTests(argc, argv); }
