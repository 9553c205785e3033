#include "forms/fm1_definition.h"

#include <array>

#include "header/field_texts.h"

namespace {

constexpr TAlignment kCenter = TAlignment::taCenter;
constexpr TAlignment kRight = TAlignment::taRightJustify;
constexpr TShortCut Ctrl(char key) { return static_cast<TShortCut>(scCtrl | key); }
constexpr TShortCut kF1 = VK_F1;
constexpr TShortCut kF5 = VK_F1 + 4;

TFont Gothic(int height, bool bold, TColor color) { return {"ＭＳ ゴシック", height, bold, color}; }

// A caption label of the header group: AutoSize off.
ComponentDef RowTitle(const char* name, int top, const char* caption, int width = 81) {
  return {.cls = "TLabel", .name = name, .parent = "GrHeader", .left = 8, .top = top,
          .width = width, .height = 16, .caption = caption, .alignment = kRight,
          .autoSize = false};
}

ComponentDef Unit(const char* name, int left, int top, const char* caption) {
  return {.cls = "TLabel", .name = name, .parent = "GrHeader", .left = left, .top = top,
          .width = 25, .height = 16, .caption = caption, .alignment = kCenter,
          .autoSize = false};
}

ComponentDef Edit(const char* name, const char* parent, int l, int t, int w, int h, int maxLength,
                  const char* hint, int tabOrder) {
  return {.cls = "TEdit", .name = name, .parent = parent, .left = l, .top = t, .width = w,
          .height = h, .hint = hint, .maxLength = maxLength, .tabOrder = tabOrder,
          .color = clWhite};
}

// A value label: white background, AutoSize off, centred unless stated.
ComponentDef Value(const char* name, int l, int t, int w, int h, const char* caption,
                   const char* hint) {
  return {.cls = "TLabel", .name = name, .parent = "GrHeader", .left = l, .top = t, .width = w,
          .height = h, .caption = caption, .hint = hint, .color = clWhite, .alignment = kCenter,
          .autoSize = false};
}

ComponentDef Button(const char* name, const char* parent, int l, int t, int w, int h,
                    const char* caption, const char* hint, int tabOrder) {
  return {.cls = "TButton", .name = name, .parent = parent, .left = l, .top = t, .width = w,
          .height = h, .caption = caption, .hint = hint, .tabOrder = tabOrder};
}

ComponentDef Item(const char* name, const char* parent, const char* caption, TShortCut shortCut,
                  bool enabled = true) {
  return {.cls = "TMenuItem", .name = name, .parent = parent, .caption = caption,
          .enabled = enabled, .shortCut = shortCut};
}

ComponentDef WithFont(ComponentDef d, TFont f) {
  d.font = f;
  return d;
}

const std::array kComponents = {
    // Containers and the state indicator.
    ComponentDef{.cls = "TPanel", .name = "PMain", .left = 0, .top = 0, .width = 521,
                 .height = 65, .tabOrder = 0, .color = clSilver,
                 .font = Gothic(-19, true, clBlack)},
    ComponentDef{.cls = "TPanel", .name = "PHeader", .left = 0, .top = 64, .width = 513,
                 .height = 313, .tabOrder = 1, .enabled = false, .color = clSilver},
    ComponentDef{.cls = "TGroupBox", .name = "GrHeader", .parent = "PHeader", .left = 0,
                 .top = 0, .width = 512, .height = 313, .caption = "ヘッダの内容",
                 .tabOrder = 0, .showHint = true, .font = Gothic(-16, false, clNavy)},
    ComponentDef{.cls = "TPanel", .name = "HeaderExist", .left = 368, .top = 104,
                 .width = 137, .height = 32, .caption = "No File",
                 .hint = "ファイルは開かれていません", .tabOrder = 2, .color = clNavy},

    // The file row.
    WithFont(Edit("EFileName", "PMain", 0, 32, 512, 24, 2048, "Pic2 ファイルをフルパスで指定", 0),
             Gothic(-16, false, clNavy)),
    Button("BtOpen", "PMain", 1, 0, 104, 32, "参照…(&O)", "ダイアログで探す", 1),
    ComponentDef{.cls = "TButton", .name = "BtRead", .parent = "PMain", .left = 224, .top = 1,
                 .width = 91, .height = 32, .caption = "読込(&R)",
                 .hint = "実際にヘッダを読みます", .tabOrder = 2, .isDefault = true},
    Button("BtConfig", "PMain", 424, 1, 89, 32, "設定(&Z)", "設定を変更します", 3),
    ComponentDef{.cls = "TCuteButton", .name = "BtWrite", .left = 320, .top = 1, .width = 97,
                 .height = 32, .caption = "書 込 (&W)", .hint = "ヘッダを書き込みます",
                 .tabOrder = 3, .enabled = false, .color = clNavy,
                 .font = Gothic(-16, true, clYellow), .flat = false},
    ComponentDef{.cls = "TLabel", .name = "LShori", .parent = "PMain", .left = 112, .top = 8,
                 .width = 108, .height = 19, .caption = "↓P2 File.", .autoSize = true},

    // Header fields.
    Edit("Author", "GrHeader", 96, 24, 193, 24, TextWidth(TextField::Author), "絵を描いた人の名前 (18 バイト)", 0),
    Edit("SubTitle", "GrHeader", 96, 48, 121, 24, TextWidth(TextField::SubTitle), "８バイト タイトル", 1),
    Edit("MainTitle", "GrHeader", 96, 72, 305, 24, TextWidth(TextField::MainTitle), "主題名 (30バイト)", 2),
    Edit("SaverName", "GrHeader", 96, 96, 305, 24, TextWidth(TextField::SaverName), "保存したソフトの名前 (30 バイト)", 3),
    Edit("Number", "GrHeader", 96, 120, 105, 24, 5, "埋込作品番号", 4),
    Edit("year", "GrHeader", 96, 144, 65, 24, 4, "西暦？年", 5),
    Edit("month", "GrHeader", 184, 144, 41, 24, 2, "？月", 6),
    Edit("day", "GrHeader", 248, 144, 41, 24, 2, "？日", 7),
    Edit("hour", "GrHeader", 312, 144, 41, 24, 2, "？時", 8),
    Edit("min", "GrHeader", 376, 144, 41, 24, 2, "？分", 9),
    Edit("sec", "GrHeader", 440, 144, 41, 24, 2, "？秒", 10),
    Edit("AspX", "GrHeader", 96, 218, 41, 24, 2, "アスペクト比 (横)", 11),
    Edit("AspY", "GrHeader", 152, 218, 41, 24, 2, "アスペクト比 (縦)", 12),

    // Buttons of the header group.
    Button("BtClose", "GrHeader", 368, 9, 139, 30, "閉じる (破棄:&C)",
           "処理ファイルを変更せずに閉じます", 18),
    Button("BtAuDef", "GrHeader", 296, 24, 65, 25, "← &Def.", "作者名をディフォルトに", 19),
    WithFont(Button("BtVexmorel", "GrHeader", 408, 96, 97, 23, "← &Vexmorel",
                    "Vexmorelix にする", 22),
             Gothic(-13, false, clWhite)),
    Button("Bt_Ichi", "GrHeader", 208, 121, 63, 22, "← 1(&N)", "作品番号を 1 にします", 21),
    WithFont(Button("BtTime", "GrHeader", 272, 121, 129, 22, "↓ﾌｧｲﾙ日付に(&T)",
                    "ファイル日時と同じにします", 17),
             Gothic(-13, false, clWhite)),
    WithFont(Button("BtKyohsei", "GrHeader", 408, 121, 97, 22, "↓強制調整(&F)",
                    "強制敵に時間を調整します", 20),
             Gothic(-13, false, clWhite)),
    Button("Ippatsu1", "GrHeader", 24, 272, 113, 33, "一発設定 &1", "設定 1 を使用", 13),
    Button("Ippatsu2", "GrHeader", 144, 272, 113, 33, "一発設定 &2", "設定 2 を使用", 14),
    Button("Ippatsu3", "GrHeader", 264, 272, 113, 33, "一発設定 &3", "設定 3 を使用", 15),
    Button("Ippatsu4", "GrHeader", 384, 272, 113, 33, "一発設定 &4", "設定 4 を使用", 16),

    // Value labels.
    Value("Fyear", 96, 176, 65, 17, "", "西暦？年"),
    Value("Fmonth", 184, 176, 41, 17, "", "？月"),
    Value("Fday", 248, 176, 41, 17, "", "？日"),
    Value("Fhour", 312, 176, 41, 17, "", "？時"),
    Value("Fmin", 376, 176, 41, 16, "", "？分"),
    Value("Fsec", 440, 176, 41, 17, "", "？秒"),
    Value("PalBits", 96, 200, 63, 16, "", "画像形式の色ビット深度"),
    Value("PalMode", 272, 200, 113, 16, "", "パレットのモード"),
    ComponentDef{.cls = "TLabel", .name = "ImageSize", .parent = "GrHeader", .left = 304,
                 .top = 224, .width = 48, .height = 16, .caption = "0 × 0",
                 .hint = "画像領域 (? pixels × ? pixels)", .color = clWhite,
                 .alignment = TAlignment::taLeftJustify, .autoSize = true},
    Value("ComExist", 96, 248, 137, 16, "System Reserved.", "コメントが有るか、無いか"),

    // Caption labels.
    RowTitle("LAuthor", 32, "作者名"),
    RowTitle("Lsubtitle", 56, "副題名"),
    RowTitle("Ltitle", 80, "主題名"),
    RowTitle("Lsaver", 104, "保存ｿﾌﾄ"),
    RowTitle("Lnumber", 128, "作品番号"),
    RowTitle("Lday", 152, "作成日付"),
    RowTitle("LFileDay", 176, "ﾌｧｲﾙ日付"),
    RowTitle("Lpalet", 200, "パレット"),
    RowTitle("Laspect", 224, "ｱｽﾍﾟｸﾄ比"),
    RowTitle("Lcomment", 248, "ｺﾒﾝﾄ有無", 79),
    Unit("Ly1", 160, 152, "年"),
    Unit("Lm1", 224, 152, "月"),
    Unit("Ld1", 288, 152, "日"),
    Unit("Lh1", 352, 152, "時"),
    Unit("Lmi1", 416, 152, "分"),
    Unit("Ls1", 480, 152, "秒"),
    Unit("Ly2", 160, 176, "年"),
    Unit("Lm2", 224, 176, "月"),
    Unit("Ld2", 288, 176, "日"),
    Unit("Lh2", 352, 176, "時"),
    Unit("Lmi2", 416, 176, "分"),
    Unit("Ls2", 479, 176, "秒"),
    ComponentDef{.cls = "TLabel", .name = "Lbitsperpixel", .parent = "GrHeader", .left = 160,
                 .top = 200, .width = 105, .height = 16, .caption = "bits/pixel",
                 .alignment = kCenter, .autoSize = false},
    ComponentDef{.cls = "TLabel", .name = "Label19", .parent = "GrHeader", .left = 384,
                 .top = 200, .width = 57, .height = 16, .caption = "mode", .alignment = kCenter,
                 .autoSize = false},
    ComponentDef{.cls = "TLabel", .name = "Lsep", .parent = "GrHeader", .left = 136, .top = 216,
                 .width = 17, .height = 24, .caption = ":", .alignment = kCenter,
                 .autoSize = false},
    ComponentDef{.cls = "TLabel", .name = "Limagesize", .parent = "GrHeader", .left = 208,
                 .top = 224, .width = 89, .height = 16, .caption = "画像領域", .alignment = kRight,
                 .autoSize = false},

    // The popup menu, in menu order.
    ComponentDef{.cls = "TPopupMenu", .name = "Popup",
                 .popupAlignment = TPopupAlignment::paCenter},
    Item("Sanshow", "Popup", "参照 (&O)", Ctrl('O')),
    Item("Yomikomi", "Popup", "読込 (&R)", Ctrl('M')),
    Item("Kakikomi", "Popup", "書込 (&W)", Ctrl('S'), false),
    Item("Tojiru", "Popup", "破棄 (&C)", Ctrl('Q'), false),
    Item("N1", "Popup", "-", 0),
    Item("Config", "Popup", "設定 (&C)", static_cast<TShortCut>(scCtrl | VK_F12)),
    Item("Kanni", "Popup", "簡易 (&S)", 0, false),
    Item("Nichiji", "Kanni", "ﾌｧｲﾙ日付に (&T)", Ctrl('T')),
    Item("Kyohsei_sikkoh", "Kanni", "強制調整 (&F)", Ctrl('F')),
    Item("N3", "Kanni", "-", 0),
    Item("Kanni1", "Kanni", "一発設定 &1", kF5),
    Item("Kanni2", "Kanni", "一発設定 &2", kF5 + 1),
    Item("Kanni3", "Kanni", "一発設定 &3", kF5 + 2),
    Item("Kanni4", "Kanni", "一発設定 &4", kF5 + 3),
    Item("N2", "Popup", "-", 0),
    Item("About", "Popup", "概要 (&A)", kF1),
    Item("Shuwryoh", "Popup", "終了 (&X)", static_cast<TShortCut>(scCtrl | VK_F1)),

    ComponentDef{.cls = "TOpenDialog", .name = "OpDialog", .title = "Open Pic2 Image's Header.",
                 .filter = "Tavolin Pic2|*.p2", .defaultExt = "p2"},
};

}  // namespace

const FormDef kFm1Form = {
    .name = "Fm1",
    .caption = "Vexmorel",
    .left = 624,
    .top = 456,
    .clientWidth = 512,
    .clientHeight = 377,
    .borderStyle = TBorderStyle::bsSingle,
    .systemMenu = true,
    .minimize = true,
    .color = clGray,
    .font = {"ＭＳ ゴシック", -19, true, clWhite},
    .showHint = true,
    .popupMenu = "Popup",
};

std::span<const ComponentDef> Fm1Components() { return kComponents; }
