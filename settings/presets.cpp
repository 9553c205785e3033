#include "app/main_window.h"

void TFm1::BtConfigClick(TObject*) {}
void TFm1::BtAuDefClick(TObject*) {}
void TFm1::Ippatsu1Click(TObject*) {}
void TFm1::Ippatsu2Click(TObject*) {}
void TFm1::Ippatsu3Click(TObject*) {}
void TFm1::Ippatsu4Click(TObject*) {}
