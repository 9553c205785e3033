#include "platform/ui/dialogs.h"

#include "platform/ui/backend.h"

bool TOpenDialog::Execute() { return CurrentBackend().ExecuteOpenDialog(*this); }
