// The real program: the program's entry under the Qt backend.
#include "app/entry.h"
#include "platform/qt/qt_run.h"

int main(int argc, char** argv) { return RunWithQt(argc, argv, ProgramEntry); }
