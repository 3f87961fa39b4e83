#include "suite_app.h"
#include "windows.h"

int main(int argc, char** argv) { return shell::RunProgram(argc, argv, mirkelt::CreateForm1); }
