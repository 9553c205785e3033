// TFm1, the main window: its components as typed members named as the
// window definition names them, and its handlers, all in app/. The shell
// (start, states, file choice, discard, pointer guidance, About, exit) is in
// main_window.cpp; the Read and Write commands in read_command.cpp and
// write_command.cpp; the quick-sets and presets in quick_sets.cpp and
// presets.cpp; the settings in settings_load.cpp. The rules they apply (the
// header, its texts, the preset letters, the settings file) are in header/
// and settings/, which know nothing of the window.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "controls/CuteBtn.h"
#include "header/field_texts.h"
#include "header/pic2_file.h"
#include "platform/os/stream.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/extctrls.h"
#include "platform/ui/forms.h"
#include "platform/ui/menus.h"
#include "platform/ui/stdctrls.h"

class TFm1 : public TForm {
 public:
  explicit TFm1(TComponent* owner);
  ~TFm1() override;

  TPanel* PMain;
  TPanel* PHeader;
  TGroupBox* GrHeader;
  TPanel* HeaderExist;
  TEdit* EFileName;
  TButton* BtOpen;
  TButton* BtRead;
  TButton* BtConfig;
  TCuteButton* BtWrite;
  TLabel* LShori;
  TEdit *Author, *SubTitle, *MainTitle, *SaverName, *Number;
  TEdit *year, *month, *day, *hour, *min, *sec;
  TEdit *AspX, *AspY;
  TButton *BtClose, *BtAuDef, *BtVexmorel, *Bt_Ichi, *BtTime, *BtKyohsei;
  TButton *Ippatsu1, *Ippatsu2, *Ippatsu3, *Ippatsu4;
  TLabel *Fyear, *Fmonth, *Fday, *Fhour, *Fmin, *Fsec;
  TLabel *PalBits, *PalMode, *ImageSize, *ComExist;
  TPopupMenu* Popup;
  TMenuItem *Sanshow, *Yomikomi, *Kakikomi, *Tojiru, *Config, *Kanni;
  TMenuItem *Nichiji, *Kyohsei_sikkoh, *Kanni1, *Kanni2, *Kanni3, *Kanni4;
  TMenuItem *About, *Shuwryoh;
  TOpenDialog* OpDialog;

  // Shell.
  void FormCreate(TObject* sender);
  // Once the window is shown: a refused command-line name is reported.
  void FormActivate(TObject* sender);
  void BtOpenClick(TObject* sender);
  // Files dropped from a file manager (names in the system's form).
  void FormDropFiles(const std::vector<std::string>& names);
  void BtCloseClick(TObject* sender);
  void ShuwryohClick(TObject* sender);
  void About_Me(TObject* sender);
  void DiscardHeader();
  void PointToOpenButton();
  // The open state's indicator caption, hint and menu items.
  void EnterOpenState();
  bool HeaderOpen() const;

  // Reading and showing a header.
  void BtReadClick(TObject* sender);
  // None when a header was loaded and the open state entered; NoName
  // (nothing to show, nothing to say) for an empty name.
  LoadError LoadHeaderFile();
  void ShowHeader();

  // Writing a header.
  void BtWriteClick(TObject* sender);
  std::optional<std::string> WriteHeaderFile();

  // The header's texts as the edits and labels hold them, and back; only
  // texts that differ are set.
  HeaderTexts ShownTexts() const;
  void ShowTexts(const HeaderTexts& texts);

  // Quick-set commands.
  void BtTimeClick(TObject* sender);
  void CopyFileDate();
  void BtKyohseiClick(TObject* sender);
  void Bt_IchiClick(TObject* sender);
  void BtVexmorelClick(TObject* sender);

  // Settings and presets.
  void BtConfigClick(TObject* sender);
  void BtAuDefClick(TObject* sender);
  void Ippatsu1Click(TObject* sender);
  void Ippatsu2Click(TObject* sender);
  void Ippatsu3Click(TObject* sender);
  void Ippatsu4Click(TObject* sender);

 private:
  // The file the open header was read from: a write goes to it or nowhere.
  FileIdentity LoadedFile;
  HeaderTexts DecodedTexts;  // ShowHeader's, kept for their room
  // The control of each header text, in the field table's order.
  std::array<TControl*, kTextFieldCount> TextControls{};

  void ResolveMembers();
  void BindHandlers();
  // A name chosen in the open dialog or dropped: into EFileName, LastFolder
  // its folder, the focus on EFileName.
  void TakeChosenName(const std::string& name);
};

extern TFm1* Fm1;
