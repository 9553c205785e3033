// The quick-set commands: one click fills single header fields with a fixed
// or derived value. They change only the edits' texts; writing encodes them.
#include "app/main_window.h"

void TFm1::CopyFileDate() {
  year->SetText(Fyear->Caption());
  month->SetText(Fmonth->Caption());
  day->SetText(Fday->Caption());
  hour->SetText(Fhour->Caption());
  min->SetText(Fmin->Caption());
  sec->SetText(Fsec->Caption());
}

void TFm1::BtTimeClick(TObject*) { CopyFileDate(); }

void TFm1::BtKyohseiClick(TObject*) {
  // Alternates the time of day between 0:0:0 and 12:0:0.
  hour->SetText(hour->Text() == "0" ? "12" : "0");
  min->SetText("0");
  sec->SetText("0");
}

void TFm1::Bt_IchiClick(TObject*) { Number->SetText("1"); }

void TFm1::BtVexmorelClick(TObject*) {
  // Built once: at 30 bytes the text would take an allocation per click.
  static const std::string kSaverName = "Vexmorelix  ver.0.1/Win32/Rumo";
  SaverName->SetText(kSaverName);
}
