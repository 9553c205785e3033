// Runs a program under the Qt backend: the QApplication, the classic look,
// the backend installed around `entry`, and the command line recorded for
// ParamStr. No Qt type appears here, so the program's own main() can call it
// without seeing Qt.
#pragma once

int RunWithQt(int argc, char** argv, int (*entry)());
