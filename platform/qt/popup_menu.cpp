#include "platform/qt/popup_menu.h"

#include <QMenu>

#include "platform/qt/convert.h"
#include "platform/ui/forms.h"
#include "platform/ui/input.h"

void PopupMenuView::Fill(QMenu& menu, const TMenuItem& parent) {
  for (TMenuItem* item : parent.Items()) {
    if (item->IsSeparator()) {
      menu.addSeparator();
      continue;
    }
    QAction* action;
    if (!item->Items().empty()) {
      QMenu* sub = menu.addMenu(ToQString(item->Caption()));
      Fill(*sub, *item);
      action = sub->menuAction();
    } else {
      QString text = ToQString(item->Caption());
      if (const QString keys = ShortCutText(item->ShortCut()); !keys.isEmpty())
        text += QLatin1Char('\t') + keys;
      action = menu.addAction(text);
    }
    action->setEnabled(item->Enabled());
    actions_.emplace_back(item, action);
  }
}

void PopupMenuView::Show(TForm& form, const QPoint& globalPos, QWidget* parent) {
  if (!form.PopupMenu() || !actions_.empty()) return;
  QMenu menu(parent);
  Fill(menu, form.PopupMenu()->Items());
  QPoint at = globalPos;
  switch (form.PopupMenu()->Alignment()) {
    case TPopupAlignment::paCenter: at.rx() -= menu.sizeHint().width() / 2; break;
    case TPopupAlignment::paRight: at.rx() -= menu.sizeHint().width(); break;
    default: break;
  }
  QAction* chosen = menu.exec(at);
  TMenuItem* item = nullptr;
  for (auto& [i, a] : actions_)
    if (a == chosen) item = i;
  actions_.clear();
  if (item) input::ChooseMenuItem(*item);
}

void PopupMenuView::Refresh() {
  for (auto& [item, action] : actions_) action->setEnabled(item->Enabled());
}
