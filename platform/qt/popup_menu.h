// The form's popup menu as a QMenu, built afresh at each opening from the
// model's menu tree: captions with their "&" letters, submenus, separators
// for "-", each item's own enabled flag, and the shortcut text beside it
// ("Ctrl+O", "F5"). It opens by the menu's Alignment: its top-left, top
// centre or top-right at the point given. Shortcuts are only shown: the model dispatches them,
// so no QAction carries one. The chosen item goes to input::ChooseMenuItem
// after the menu has closed.
#pragma once

#include <QPoint>
#include <utility>
#include <vector>

class QAction;
class QMenu;
class QWidget;
class TForm;
class TMenuItem;

class PopupMenuView {
 public:
  void Show(TForm& form, const QPoint& globalPos, QWidget* parent);
  // Follows enabled flags that change while the menu is open.
  void Refresh();

 private:
  void Fill(QMenu& menu, const TMenuItem& parent);
  std::vector<std::pair<TMenuItem*, QAction*>> actions_;
};
