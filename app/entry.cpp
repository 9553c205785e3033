#include "app/entry.h"

#include "app/main_window.h"
#include "app/program.h"

int ProgramEntry() {
  TApplication application;
  try {
    Application->Initialize();
    Application->SetTitle("Vexmorel");
    Application->CreateForm(Fm1);
    Application->Run();
  } catch (const std::exception& e) {
    Application->ShowException(e);
  }
  return 0;
}
