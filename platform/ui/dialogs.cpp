#include "platform/ui/dialogs.h"

#include "platform/os/names.h"
#include "platform/ui/backend.h"

bool TOpenDialog::Execute() {
  refused_ = false;
  if (!CurrentBackend().ExecuteOpenDialog(*this)) return false;
  if (!chosenSystem_) {
    fileName_ = chosen_;
    return true;
  }
  const std::optional<std::string> name = WindowFileName(chosen_);
  if (!name) {
    refused_ = true;
    return false;
  }
  fileName_ = *name;
  return true;
}
