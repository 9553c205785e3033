#include "app/messages.h"

#include <array>
#include <utility>

#include "platform/text/sj.h"

namespace {

template <class Kind, std::size_t N>
const std::string& Lookup(const std::array<std::pair<Kind, const char*>, N>& table, Kind kind) {
  static const std::string kNothing;
  for (const auto& [k, text] : table)
    if (k == kind) return Sj(text);
  return kNothing;
}

constexpr std::array<std::pair<LoadError, const char*>, 6> kLoad = {{
    {LoadError::Open, "オブジェクトを開けません！"},
    {LoadError::TooShort, "ファイル長が異常です！"},
    {LoadError::Read, "ファイル長が異常です！"},
    {LoadError::Close, "オブジェクトがクローズ出来ません！"},
    {LoadError::SpecialAttributes, "特殊属性のファイルは扱えません!!"},
    {LoadError::NotPic2, "Pic2 ファイルではありません!!"},
}};

constexpr std::array<std::pair<WriteError, const char*>, 5> kWrite = {{
    {WriteError::Open, "Pic2 ファイルが開けません"},
    {WriteError::Replaced, "読込後にファイルが置き換えられています！"},
    {WriteError::NotPic2, "Pic2 ファイルではありません!!"},
    {WriteError::ShortWrite, "Pic2 ヘッダの書き込みを失敗しました"},
    {WriteError::Close, "Pic2 ファイルがクローズ出来ません"},
}};

constexpr std::array<std::pair<SettingsError, const char*>, 6> kSettings = {{
    {SettingsError::Missing, "設定ファイルが有りません！"},
    {SettingsError::Close, "設定ファイルがクローズ出来ません！"},
    {SettingsError::BadBytes, "設定ファイルが異常です！"},
    {SettingsError::Cut, "設定ファイルが途切れています！"},
    {SettingsError::AspectX, "アスペクト比(横)の値が異常です！"},
    {SettingsError::AspectY, "アスペクト比(縦)の値が異常です！"},
}};

constexpr std::array<std::pair<SettingsNotice, const char*>, 2> kNotices = {{
    {SettingsNotice::LongLine, "1行は250バイト以内です！"},
    {SettingsNotice::TooLarge, "設定ファイルが大き過ぎます!!"},
}};

}  // namespace

const std::string& Message(LoadError error) { return Lookup(kLoad, error); }
const std::string& Message(WriteError error) { return Lookup(kWrite, error); }
const std::string& Message(SettingsError error) { return Lookup(kSettings, error); }
const std::string& Message(SettingsNotice notice) { return Lookup(kNotices, notice); }
