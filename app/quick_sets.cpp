// The quick-set commands: one click fills single header fields with a fixed
// or derived value, by the rules in header/presets.h. They change only the
// shown texts; writing encodes them.
#include "app/main_window.h"
#include "header/presets.h"

namespace {

void Edit(TFm1& w, void (*change)(HeaderTexts&)) {
  HeaderTexts texts = w.ShownTexts();
  change(texts);
  w.ShowTexts(texts);
}

}  // namespace

void TFm1::CopyFileDate() { Edit(*this, ::CopyFileDate); }

void TFm1::BtTimeClick(TObject*) { CopyFileDate(); }

void TFm1::BtKyohseiClick(TObject*) { Edit(*this, ToggleNoonMidnight); }

void TFm1::Bt_IchiClick(TObject*) { Edit(*this, SetNumberOne); }

void TFm1::BtVexmorelClick(TObject*) { Edit(*this, SetSaverName); }
