// TFConfig, the settings dialog: the values in effect for the rest of the
// run (default author, default folder, default aspect ratio, the four preset
// texts) live in its edit fields, where the user may change them; nothing is
// ever saved. The loader creates it, hidden and owned by the application
// object, only when the settings file loads; until then, and for the whole
// run after a failed load, FConfig is null. BtConfigClick (TFm1) shows it
// modally over the main window.
#pragma once

#include <string>

#include "platform/ui/forms.h"
#include "platform/ui/stdctrls.h"

class TFConfig : public TForm {
 public:
  explicit TFConfig(TComponent* owner);
  ~TFConfig() override;

  TLabel* LAuthor;
  TEdit* EAuthor;
  TLabel* LAsp;
  TEdit *AspX, *AspY;
  TLabel* Lsep;
  TLabel* LIppatsu1;
  TEdit* EIppatsu1;
  TLabel* LIppatsu2;
  TEdit* EIppatsu2;
  TLabel* LIppatsu3;
  TEdit* EIppatsu3;
  TLabel* LIppatsu4;
  TEdit* EIppatsu4;
  TButton *BKiroku, *BClose;
  TLabel* LDefDir;
  TEdit* EDefDir;
  TButton* BtLastAcc;

  void BCloseClick(TObject* sender);
  void BtLastAccClick(TObject* sender);
  void BKirokuClick(TObject* sender);

 private:
  void ResolveMembers();
};

extern TFConfig* FConfig;

// Where the open dialog starts: the default folder, then the folder of the
// last file chosen. The dialog's last-folder button copies it.
extern std::string LastFolder;
