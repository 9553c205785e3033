// The backend's modal boxes: the message box and the open dialog.
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QTreeView>
#include <QMessageBox>
#include <QPushButton>

#include "platform/headless/headless.h"
#include "platform/qt/convert.h"
#include "platform/qt/qt_backend.h"
#include "platform/text/cp932.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/forms.h"

namespace {

QMessageBox::Icon IconOf(unsigned flags) {
  switch (flags & 0xF0) {
    case MB_ICONERROR: return QMessageBox::Critical;
    case MB_ICONQUESTION: return QMessageBox::Question;
    case MB_ICONWARNING: return QMessageBox::Warning;
    case MB_ICONINFORMATION: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
  }
}

// The open dialog refuses a file without the owner's write permission, as
// the read-only refusal of the desktop's dialog does, and stays open.
class OpenFileDialog : public QFileDialog {
 public:
  OpenFileDialog(QWidget* parent, bool refuseReadOnly)
      : QFileDialog(parent), refuseReadOnly_(refuseReadOnly) {}

  void accept() override {
    const QStringList files = selectedFiles();
    if (refuseReadOnly_ && !files.isEmpty()) {
      const QFileInfo info(files.first());
      if (info.isFile() && !(info.permissions() & QFileDevice::WriteOwner)) {
        QMessageBox::warning(this, windowTitle(),
                             info.fileName() + QStringLiteral(
                                 "\nこのファイルは読み取り専用に設定されています。\n"
                                 "別のファイル名を使用してください。"));
        return;
      }
    }
    QFileDialog::accept();
  }

 private:
  bool refuseReadOnly_;
};

// Room for every column of the detail view: the name takes what is left,
// the size, type and date columns are as wide as their texts.
void FitColumns(QFileDialog& dialog) {
  dialog.setViewMode(QFileDialog::Detail);
  dialog.resize(760, 460);
  if (auto* view = dialog.findChild<QTreeView*>()) {
    QHeaderView* header = view->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
  }
}

}  // namespace

int QtBackend::MessageBox(const std::string& text, const std::string& caption, unsigned flags) {
  if (quitting_) return DefaultAnswer(flags);
  TForm* active = Application ? Application->ActiveForm() : nullptr;
  QWidget* owner = active ? WidgetOf(*active) : nullptr;
  QMessageBox box(IconOf(flags), ToQString(caption), ToQString(text), QMessageBox::NoButton,
                  owner && owner->isVisible() ? owner : nullptr);
  box.setTextFormat(Qt::PlainText);
  QPushButton* yes = nullptr;
  QPushButton* no = nullptr;
  QPushButton* ok = nullptr;
  if ((flags & 0xF) == MB_YESNO) {
    yes = box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
    no = box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
    box.setDefaultButton((flags & MB_DEFBUTTON2) ? no : yes);
    box.setEscapeButton(no);
  } else {
    ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
  }
  box.exec();
  Reactivate(owner);
  QAbstractButton* clicked = box.clickedButton();
  if (yes && clicked == yes) return IDYES;
  if (no && clicked == no) return IDNO;
  if (ok && clicked == ok) return IDOK;
  return DefaultAnswer(flags);
}

bool QtBackend::ExecuteOpenDialog(TOpenDialog& d) {
  if (quitting_) return false;
  TForm* active = Application ? Application->ActiveForm() : nullptr;
  QWidget* owner = active ? WidgetOf(*active) : nullptr;
  OpenFileDialog dialog(owner, d.NoReadOnlyReturn);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setWindowTitle(QString::fromStdString(d.Title));
  dialog.setNameFilter(QString::fromStdString(d.FilterName + " (" + d.FilterMask + ")"));
  dialog.setFileMode(d.FileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  dialog.setDefaultSuffix(QString::fromStdString(d.DefaultExt));
  if (!d.InitialDir().empty()) dialog.setDirectory(ToQString(d.InitialDir()));
  dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("ファイルの場所:"));
  dialog.setLabelText(QFileDialog::FileName, QStringLiteral("ファイル名(&N):"));
  dialog.setLabelText(QFileDialog::FileType, QStringLiteral("ファイルの種類:"));
  dialog.setLabelText(QFileDialog::Accept, QStringLiteral("開く(&O)"));
  dialog.setLabelText(QFileDialog::Reject, QStringLiteral("キャンセル"));
  FitColumns(dialog);
  const int result = dialog.exec();
  Reactivate(owner);
  if (result != QDialog::Accepted || quitting_ || dialog.selectedFiles().isEmpty()) return false;
  // The name as the system has it; the model decides whether the window can
  // hold it.
  d.SetChosen(QFile::encodeName(dialog.selectedFiles().first()).toStdString(), true);
  return true;
}
