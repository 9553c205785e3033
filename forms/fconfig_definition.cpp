#include "forms/fconfig_definition.h"

#include <array>

namespace {

TFont Gothic(int height, bool bold, TColor color) { return {"ＭＳ ゴシック", height, bold, color}; }

ComponentDef Label(const char* name, int l, int t, int w, int h, const char* caption) {
  return {.cls = "TLabel", .name = name, .left = l, .top = t, .width = w, .height = h,
          .caption = caption};
}

// Edits have a white background; maxLength 0 leaves the length free.
ComponentDef Edit(const char* name, int l, int t, int w, int h, int maxLength, const char* hint,
                  int tabOrder) {
  ComponentDef d{.cls = "TEdit", .name = name, .left = l, .top = t, .width = w, .height = h,
                 .hint = hint, .tabOrder = tabOrder, .color = clWhite};
  if (maxLength > 0) d.maxLength = maxLength;
  return d;
}

ComponentDef Button(const char* name, int l, int t, int w, int h, const char* caption,
                    const char* hint, int tabOrder) {
  return {.cls = "TButton", .name = name, .left = l, .top = t, .width = w, .height = h,
          .caption = caption, .hint = hint, .tabOrder = tabOrder};
}

ComponentDef WithFont(ComponentDef d, TFont f) {
  d.font = f;
  return d;
}

ComponentDef AsDefault(ComponentDef d) {
  d.isDefault = true;
  return d;
}

const std::array kComponents = {
    Label("LAuthor", 0, 0, 171, 19, "ディフォルト作者名"),
    Edit("EAuthor", 0, 24, 233, 27, 18, "ディフォルトの作者名 (18バイト)", 0),
    Label("LAsp", 0, 112, 228, 19, "ディフォルトアスペクト比"),
    Edit("AspX", 16, 136, 49, 27, 2, "アスペクト比 (横)", 2),
    Edit("AspY", 80, 136, 49, 27, 2, "アスペクト比 (縦)", 3),
    WithFont(Label("Lsep", 68, 136, 12, 21, ":"), Gothic(-21, true, clNavy)),
    Label("LIppatsu1", 0, 176, 96, 19, "一発設定 1"),
    Edit("EIppatsu1", 0, 200, 121, 27, 14, "一発設定 1 のオプション記述", 4),
    Label("LIppatsu2", 128, 176, 96, 19, "一発設定 2"),
    Edit("EIppatsu2", 128, 200, 121, 27, 14, "一発設定 2 のオプション記述", 5),
    Label("LIppatsu3", 0, 240, 96, 19, "一発設定 3"),
    Edit("EIppatsu3", 0, 264, 121, 27, 14, "一発設定 3 のオプション記述", 6),
    Label("LIppatsu4", 128, 240, 96, 19, "一発設定 4"),
    Edit("EIppatsu4", 128, 264, 121, 27, 14, "一発設定 4 のオプション記述", 7),
    Button("BKiroku", 256, 112, 97, 81, "記録 (&W)", "記録して閉じます", 9),
    AsDefault(WithFont(Button("BClose", 256, 200, 99, 89, "閉じる (&C)", "記録せずに閉じます", 8),
                       Gothic(-16, true, clSilver))),
    Label("LDefDir", 0, 56, 190, 19, "ディフォルトフォルダ"),
    WithFont(Edit("EDefDir", 0, 80, 353, 24, 0,
                  "起動時に参照ダイアログが開くフォルダ (設定ファイルの値)", 1),
             Gothic(-16, false, clNavy)),
    WithFont(Button("BtLastAcc", 240, 40, 113, 41, "↓最終読込(&L)",
                    "最後に読込んだ Pic2 ファイルのフォルダにします", 10),
             Gothic(-15, false, clWhite)),
};

}  // namespace

// A fixed dialog frame with no title-bar buttons; no control cancels, so
// Escape leaves the dialog open.
const FormDef kFConfigForm = {
    .name = "FConfig",
    .caption = "Vexmorel Config",
    .left = 24,
    .top = 533,
    .clientWidth = 354,
    .clientHeight = 293,
    .borderStyle = TBorderStyle::bsDialog,
    .systemMenu = false,
    .minimize = false,
    .color = clSilver,
    .font = {"ＭＳ ゴシック", -19, false, clNavy},
    .showHint = true,
};

std::span<const ComponentDef> FConfigComponents() { return kComponents; }
