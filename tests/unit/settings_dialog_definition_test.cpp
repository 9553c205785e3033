// The settings dialog's definition builds: every typed member and binding
// names a component (a misspelt one aborts), the driver knows every name,
// and the dialog is owned by the application without becoming its main form.
#include <gtest/gtest.h>

#include "settings/fconfig_bindings.h"
#include "forms/fconfig_definition.h"
#include "forms/known_forms.h"
#include "platform/headless/headless.h"
#include "settings/config_dialog.h"

namespace {

TEST(SettingsDialogDefinition, BuildsOwnedByTheApplication) {
  HeadlessBackend backend;
  InstallBackend(&backend);
  {
    TApplication app;
    FConfig = new TFConfig(&app);
    EXPECT_EQ(app.MainForm(), nullptr);
    EXPECT_EQ(FConfig->Name(), "FConfig");
    EXPECT_EQ(FConfig->DefaultButton(), FConfig->BClose);
    EXPECT_EQ(FConfig->BorderStyle(), TBorderStyle::bsDialog);
    EXPECT_FALSE(FConfig->HasSystemMenu());
    EXPECT_FALSE(FConfig->HasMinimize());
    for (const Binding<TFConfig>& b : FConfigBindings())
      EXPECT_NE(FConfig->FindComponent(b.component), nullptr) << b.component;
    EXPECT_TRUE(KnownComponent("FConfig", ""));
    for (const ComponentDef& d : FConfigComponents())
      EXPECT_TRUE(KnownComponent("FConfig", d.name)) << d.name;
  }
  EXPECT_EQ(FConfig, nullptr);
  InstallBackend(nullptr);
}

}  // namespace
