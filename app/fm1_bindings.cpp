#include "app/fm1_bindings.h"

#include <array>

namespace {

using B = Binding<TFm1>;
constexpr Event kClick = Event::OnClick;

const std::array kBindings = {
    B{nullptr, Event::OnCreate, &TFm1::FormCreate},
    B{nullptr, Event::OnActivate, &TFm1::FormActivate},
    B{"BtOpen", kClick, &TFm1::BtOpenClick},
    B{"Sanshow", kClick, &TFm1::BtOpenClick},
    B{"BtRead", kClick, &TFm1::BtReadClick},
    B{"Yomikomi", kClick, &TFm1::BtReadClick},
    B{"BtWrite", kClick, &TFm1::BtWriteClick},
    B{"Kakikomi", kClick, &TFm1::BtWriteClick},
    B{"BtClose", kClick, &TFm1::BtCloseClick},
    B{"Tojiru", kClick, &TFm1::BtCloseClick},
    B{"BtConfig", kClick, &TFm1::BtConfigClick},
    B{"Config", kClick, &TFm1::BtConfigClick},
    B{"BtTime", kClick, &TFm1::BtTimeClick},
    B{"Nichiji", kClick, &TFm1::BtTimeClick},
    B{"BtKyohsei", kClick, &TFm1::BtKyohseiClick},
    B{"Kyohsei_sikkoh", kClick, &TFm1::BtKyohseiClick},
    B{"Bt_Ichi", kClick, &TFm1::Bt_IchiClick},
    B{"BtVexmorel", kClick, &TFm1::BtVexmorelClick},
    B{"BtAuDef", kClick, &TFm1::BtAuDefClick},
    B{"Ippatsu1", kClick, &TFm1::Ippatsu1Click},
    B{"Ippatsu2", kClick, &TFm1::Ippatsu2Click},
    B{"Ippatsu3", kClick, &TFm1::Ippatsu3Click},
    B{"Ippatsu4", kClick, &TFm1::Ippatsu4Click},
    B{"Kanni1", kClick, &TFm1::Ippatsu1Click},
    B{"Kanni2", kClick, &TFm1::Ippatsu2Click},
    B{"Kanni3", kClick, &TFm1::Ippatsu3Click},
    B{"Kanni4", kClick, &TFm1::Ippatsu4Click},
    B{"About", kClick, &TFm1::About_Me},
    B{"Shuwryoh", kClick, &TFm1::ShuwryohClick},
};

}  // namespace

std::span<const Binding<TFm1>> Fm1Bindings() { return kBindings; }
