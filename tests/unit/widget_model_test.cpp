// The widget model's semantics that the program relies on, on a small form
// built from a definition: enabled cascade, focus, shortcuts under enabled
// parents, the default button, accelerators and byte limits of edits.
#include <gtest/gtest.h>

#include <array>

#include "app/main_window.h"
#include "app/fm1_bindings.h"
#include "platform/headless/headless.h"
#include "platform/text/cp932.h"
#include "platform/ui/builder.h"
#include "platform/ui/input.h"

namespace {

const std::array kComponents = {
    ComponentDef{.cls = "TPanel", .name = "Top", .left = 0, .top = 0, .width = 200, .height = 50,
                 .tabOrder = 0},
    ComponentDef{.cls = "TEdit", .name = "Name", .parent = "Top", .width = 100, .height = 20,
                 .maxLength = 5, .tabOrder = 0},
    ComponentDef{.cls = "TButton", .name = "Go", .parent = "Top", .caption = "Go(&G)",
                 .tabOrder = 1, .isDefault = true},
    ComponentDef{.cls = "TButton", .name = "Other", .parent = "Top", .caption = "&Other",
                 .tabOrder = 2},
    ComponentDef{.cls = "TPanel", .name = "Bottom", .top = 60, .tabOrder = 1, .enabled = false},
    ComponentDef{.cls = "TEdit", .name = "Inner", .parent = "Bottom", .tabOrder = 0},
    ComponentDef{.cls = "TPopupMenu", .name = "Menu"},
    ComponentDef{.cls = "TMenuItem", .name = "Plain", .parent = "Menu", .caption = "Plain",
                 .shortCut = static_cast<TShortCut>(scCtrl | 'P')},
    ComponentDef{.cls = "TMenuItem", .name = "Sub", .parent = "Menu", .caption = "Sub",
                 .enabled = false},
    ComponentDef{.cls = "TMenuItem", .name = "Deep", .parent = "Sub", .caption = "Deep",
                 .shortCut = VK_F1 + 4},
};

class Model : public ::testing::Test {
 protected:
  void SetUp() override {
    InstallBackend(&backend);
    app.CreateForm(form);
    BuildForm(*form, {.name = "F", .clientWidth = 300, .clientHeight = 200, .popupMenu = "Menu"},
              kComponents);
    for (const char* name : {"Go", "Other", "Plain", "Deep"}) {
      auto handler = [this, name](TObject*) { clicks += std::string(name) + ";"; };
      BindEvent(*form, name, Event::OnClick, handler);
    }
    form->Show();
  }
  void TearDown() override { InstallBackend(nullptr); }
  template <class T>
  T& Get(const char* name) {
    return *Member<T>(*form, name);
  }

  HeadlessBackend backend;
  TApplication app;
  TForm* form = nullptr;
  std::string clicks;
};

TEST_F(Model, DisabledContainerBlocksItsChildrenWhoKeepTheirOwnFlag) {
  auto& inner = Get<TEdit>("Inner");
  EXPECT_TRUE(inner.Enabled());
  EXPECT_FALSE(input::Usable(inner));
  EXPECT_FALSE(input::Type(inner, "x"));
  Get<TPanel>("Bottom").SetEnabled(true);
  EXPECT_TRUE(input::Type(inner, "x"));
  EXPECT_EQ(inner.Text(), "x");
}

TEST_F(Model, FocusStartsOnTheFirstTabStopAndLeavesADisabledContainer) {
  EXPECT_EQ(form->ActiveControl(), &Get<TEdit>("Name"));
  input::KeyDown(VK_TAB, {});
  EXPECT_EQ(form->ActiveControl(), &Get<TButton>("Go"));
  input::KeyDown(VK_TAB, {.Shift = true});
  EXPECT_EQ(form->ActiveControl(), &Get<TEdit>("Name"));
  Get<TPanel>("Bottom").SetEnabled(true);
  Get<TPanel>("Top").SetEnabled(false);
  EXPECT_EQ(form->ActiveControl(), &Get<TEdit>("Inner"));
  Get<TPanel>("Bottom").SetEnabled(false);
  EXPECT_EQ(form->ActiveControl(), nullptr);
  Get<TPanel>("Top").SetEnabled(true);
  EXPECT_EQ(form->ActiveControl(), &Get<TEdit>("Name"));
}

TEST_F(Model, ShortcutsActOnlyUnderEnabledItemsAndAreConsumedEitherWay) {
  EXPECT_TRUE(input::KeyDown('P', {.Ctrl = true}));
  EXPECT_EQ(clicks, "Plain;");
  // F5 under the disabled submenu: consumed, nothing runs, nothing typed.
  EXPECT_TRUE(input::KeyDown(VK_F1 + 4, {}));
  EXPECT_EQ(clicks, "Plain;");
  EXPECT_FALSE(input::Usable(Get<TMenuItem>("Deep")));
  Get<TMenuItem>("Sub").SetEnabled(true);
  input::KeyDown(VK_F1 + 4, {});
  EXPECT_EQ(clicks, "Plain;Deep;");
  Get<TMenuItem>("Plain").SetEnabled(false);
  input::KeyDown('P', {.Ctrl = true});
  EXPECT_EQ(Get<TEdit>("Name").Text(), "");
  EXPECT_EQ(clicks, "Plain;Deep;");
}

TEST_F(Model, EnterClicksTheDefaultButtonUnlessAnotherButtonHasTheFocus) {
  input::KeyDown(VK_RETURN, {});
  EXPECT_EQ(clicks, "Go;");
  Get<TButton>("Other").SetFocus();
  input::KeyDown(VK_RETURN, {});
  EXPECT_EQ(clicks, "Go;Other;");
  Get<TEdit>("Name").SetFocus();
  Get<TButton>("Go").SetEnabled(false);
  input::KeyDown(VK_RETURN, {});
  EXPECT_EQ(clicks, "Go;Other;");
}

TEST_F(Model, AcceleratorsClickReachableButtonsOnly) {
  input::KeyDown('O', {.Alt = true});
  EXPECT_EQ(clicks, "Other;");
  // In an edit a plain letter is typed, not taken as an accelerator.
  input::KeyDown('G', {});
  EXPECT_EQ(Get<TEdit>("Name").Text(), "g");
  Get<TButton>("Go").SetEnabled(false);
  input::KeyDown('G', {.Alt = true});
  EXPECT_EQ(clicks, "Other;");
}

TEST_F(Model, EditsLimitTypingInBytesAndRefuseAHalfCharacter) {
  auto& edit = Get<TEdit>("Name");
  struct Case {
    const char* typed;
    const char* kept;
  };
  const Case cases[] = {
      {"abcdefg", "abcde"},
      {"abcdあ", "abcd"},   // the double-byte character does not fit whole
      {"abcあd", "abcあ"},
      {"あいう", "あい"},
      {"ｱｲｳｴｵｶ", "ｱｲｳｴｵ"},  // half-width katakana are single bytes
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    input::Type(edit, cp932::FromUtf8(c.typed));
    EXPECT_EQ(edit.Text(), cp932::FromUtf8(c.kept));
  }
}

TEST(MainWindowDefinition, EveryMemberAndBindingNamesAComponent) {
  HeadlessBackend backend;
  InstallBackend(&backend);
  {
    TApplication app;
    app.CreateForm(Fm1);  // aborts on a misspelt member or binding
    ASSERT_NE(Fm1, nullptr);
    EXPECT_EQ(Fm1->BtWrite->ClassName(), std::string("TCuteButton"));
    EXPECT_EQ(Fm1->Shuwryoh->ShortCut(), 16496);
    EXPECT_EQ(Fm1->Yomikomi->ShortCut(), 16461);
    EXPECT_EQ(Fm1->Kanni4->ShortCut(), 119);
    for (const Binding<TFm1>& b : Fm1Bindings()) {
      if (b.component) {
        EXPECT_NE(Fm1->FindComponent(b.component), nullptr) << b.component;
      }
    }
  }
  EXPECT_EQ(Fm1, nullptr);
  InstallBackend(nullptr);
}

}  // namespace

namespace {

TEST_F(Model, AnExceptionFromAHandlerIsShownAndTheLoopGoesOn) {
  std::vector<std::string> boxes;
  backend.onMessageBox = [&](const std::string& text, const std::string& caption, unsigned flags) {
    boxes.push_back(caption + "|" + text + "|" + std::to_string(flags));
    return IDOK;
  };
  app.SetTitle("Vexmorel");
  BindEvent(*form, "Go", Event::OnClick, [](TObject*) { throw Exception("boom"); });
  EXPECT_TRUE(input::Click(Get<TButton>("Go")));
  input::KeyDown('O', {.Alt = true});
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0], "Vexmorel|boom.|" + std::to_string(MB_OK | MB_ICONERROR));
  EXPECT_EQ(clicks, "Other;");
}

}  // namespace
