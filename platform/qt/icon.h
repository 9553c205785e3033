// The program's icon, built into the program (the same picture as the
// installed one), for every window, task bars and docks.
#pragma once

#include <QIcon>

QIcon ProgramIcon();
