// The bevel button: its defaults, Flat, and the outer bevel after each
// event, on a form built from a definition that leaves size and tab stop
// out.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "controls/CuteBtn.h"
#include "platform/headless/headless.h"
#include "platform/ui/builder.h"
#include "platform/ui/input.h"
#include "platform/ui/stdctrls.h"

namespace {

using B = TPanelBevel;

const std::array kComponents = {
    ComponentDef{.cls = "TPanel", .name = "Holder", .width = 300, .height = 100, .tabOrder = 0},
    ComponentDef{.cls = "TEdit", .name = "Edit", .parent = "Holder", .tabOrder = 0},
    ComponentDef{.cls = "TCuteButton", .name = "Cute", .parent = "Holder", .left = 10, .top = 40,
                 .caption = "書 込 (&W)", .tabOrder = 1},
};

class Cute : public ::testing::Test {
 protected:
  void SetUp() override {
    InstallBackend(&backend);
    RegisterCuteButton();
    app.CreateForm(form);
    BuildForm(*form, {.name = "F", .clientWidth = 300, .clientHeight = 100}, kComponents);
    button = Member<TCuteButton>(*form, "Cute");
    button->OnClick = [this](TObject*) {
      ++clicks;
      bevelInClick = button->BevelOuter();
    };
    form->Show();
  }
  void TearDown() override { InstallBackend(nullptr); }
  void Down(TMouseButton b) {
    if (b == TMouseButton::mbLeft) backend.leftButton = true;
    input::MouseDown(*button, b);
  }
  void Up(TMouseButton b, bool inside) {
    if (b == TMouseButton::mbLeft) backend.leftButton = false;
    input::MouseUp(*button, b, inside);
  }

  HeadlessBackend backend;
  TApplication app;
  TForm* form = nullptr;
  TCuteButton* button = nullptr;
  int clicks = 0;
  B bevelInClick = B::bvNone;
};

TEST_F(Cute, DefaultsFromItsClassAndFlat) {
  EXPECT_EQ(button->Width(), 75);
  EXPECT_EQ(button->Height(), 25);
  EXPECT_TRUE(button->TabStop());
  EXPECT_EQ(button->BevelOuter(), B::bvNone);
  EXPECT_EQ(button->BevelInner(), B::bvRaised);
  EXPECT_FALSE(button->AcceptsControls());
  button->SetFlat(true);
  EXPECT_EQ(button->BevelInner(), B::bvNone);
  button->SetBevelInner(B::bvLowered);
  button->SetFlat(true);  // the value it has: nothing changes
  EXPECT_EQ(button->BevelInner(), B::bvLowered);
  button->SetFlat(false);
  EXPECT_EQ(button->BevelInner(), B::bvRaised);
}

TEST_F(Cute, OuterBevelAfterEachEvent) {
  using M = TMouseButton;
  struct Step {
    const char* what;
    B after;
  };
  struct Case {
    const char* label;
    std::vector<Step> steps;
    int clicks;
  };
  const std::vector<Case> cases = {
      {"hover and leave", {{"enter", B::bvRaised}, {"leave", B::bvNone}}, 0},
      {"click", {{"enter", B::bvRaised}, {"down", B::bvLowered}, {"up in", B::bvNone}}, 1},
      {"drag out and back in",
       {{"enter", B::bvRaised}, {"down", B::bvLowered}, {"leave", B::bvNone},
        {"enter", B::bvLowered}, {"up in", B::bvNone}},
       1},
      {"release outside", {{"down", B::bvLowered}, {"leave", B::bvNone}, {"up out", B::bvNone}},
       0},
      {"right button", {{"enter", B::bvRaised}, {"right down", B::bvRaised},
                        {"right up", B::bvRaised}},
       0},
      {"focus", {{"focus", B::bvRaised}, {"blur", B::bvNone}}, 0},
      {"space and enter", {{"focus", B::bvRaised}, {"space", B::bvRaised}, {"enter key",
                                                                            B::bvRaised}},
       2},
      {"accelerator keeps the bevel", {{"alt w", B::bvNone}}, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    clicks = 0;
    button->SetBevelOuter(B::bvNone);
    Member<TEdit>(*form, "Edit")->SetFocus();
    for (const Step& s : c.steps) {
      SCOPED_TRACE(s.what);
      const std::string w = s.what;
      if (w == "enter") input::MouseEnter(*button);
      if (w == "leave") input::MouseLeave(*button);
      if (w == "down") Down(M::mbLeft);
      if (w == "up in") Up(M::mbLeft, true);
      if (w == "up out") Up(M::mbLeft, false);
      if (w == "right down") Down(M::mbRight);
      if (w == "right up") Up(M::mbRight, true);
      if (w == "focus") input::Focus(*button);
      if (w == "blur") input::Focus(*Member<TEdit>(*form, "Edit"));
      if (w == "space") input::KeyDown(VK_SPACE, {});
      if (w == "enter key") input::KeyDown(VK_RETURN, {});
      if (w == "alt w") input::KeyDown('W', {.Alt = true});
      EXPECT_EQ(button->BevelOuter(), s.after);
    }
    EXPECT_EQ(clicks, c.clicks);
  }
}

TEST_F(Cute, TheSunkenBevelLastsThroughTheClickHandler) {
  Down(TMouseButton::mbLeft);
  Up(TMouseButton::mbLeft, true);
  EXPECT_EQ(bevelInClick, B::bvLowered);
  input::Focus(*button);
  input::KeyDown(VK_SPACE, {});
  EXPECT_EQ(bevelInClick, B::bvLowered);
  EXPECT_EQ(button->BevelOuter(), B::bvRaised);
}

TEST_F(Cute, DisabledOrKeyClearedNoClick) {
  input::Focus(*button);
  button->OnKeyDown = [](TObject*, WORD& key, TShiftState) { key = 0; };
  input::KeyDown(VK_SPACE, {});
  input::KeyDown(VK_RETURN, {});
  EXPECT_EQ(clicks, 0);
  button->OnKeyDown = nullptr;
  // Disabled: neither keys nor the accelerator click; W goes on unused.
  button->SetEnabled(false);
  WORD space = VK_SPACE;
  button->KeyDown(space, {});
  EXPECT_FALSE(button->CMDialogChar('W'));
  EXPECT_EQ(clicks, 0);
  button->SetEnabled(true);
  EXPECT_TRUE(button->CMDialogChar('w' - 32));
  EXPECT_EQ(clicks, 1);
  // A hidden parent keeps the accelerator from clicking.
  Member<TPanel>(*form, "Holder")->SetVisible(false);
  EXPECT_FALSE(button->CMDialogChar('W'));
}

}  // namespace
