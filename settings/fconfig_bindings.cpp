#include "settings/fconfig_bindings.h"

#include <array>

namespace {

using B = Binding<TFConfig>;
constexpr Event kClick = Event::OnClick;

const std::array kBindings = {
    B{"BClose", kClick, &TFConfig::BCloseClick},
    B{"BtLastAcc", kClick, &TFConfig::BtLastAccClick},
    B{"BKiroku", kClick, &TFConfig::BKirokuClick},
};

}  // namespace

std::span<const Binding<TFConfig>> FConfigBindings() { return kBindings; }
