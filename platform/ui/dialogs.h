// The open-file dialog. Execute shows it modally through the backend and
// returns whether a file was chosen; FileName then holds its full path in
// code page 932. The backend honours Title, the filter (one label and one
// pattern), DefaultExt and the "existing files only" options, and hands back
// the name in the system's form; Execute turns it into the window's form
// only when that is exact (names.h), and otherwise returns false with
// Refused() true and FileName unchanged.
#pragma once

#include "platform/ui/controls.h"

class TOpenDialog : public TComponent {
 public:
  explicit TOpenDialog(TComponent* owner) : TComponent(owner) {}
  const char* ClassName() const override { return "TOpenDialog"; }

  std::string Title;       // UTF-8: shown only
  std::string FilterName;  // UTF-8: shown only
  std::string FilterMask;
  std::string DefaultExt;
  bool FileMustExist = true;
  bool NoReadOnlyReturn = true;
  bool HideReadOnly = true;

  const std::string& InitialDir() const { return initialDir_; }
  void SetInitialDir(const std::string& d) { initialDir_ = d; }
  const std::string& FileName() const { return fileName_; }
  void SetFileName(const std::string& f) { fileName_ = f; }

  bool Execute();
  bool Refused() const { return refused_; }

  // For the backend: the name chosen, in the system's form, or (a scripted
  // stand-in for the dialog) already in the window's form.
  void SetChosen(const std::string& name, bool systemForm) {
    chosen_ = name;
    chosenSystem_ = systemForm;
  }

 private:
  std::string initialDir_;
  std::string fileName_;
  std::string chosen_;
  bool chosenSystem_ = true;
  bool refused_ = false;
};
