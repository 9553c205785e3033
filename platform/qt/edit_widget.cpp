#include "platform/qt/edit_widget.h"

#include <QValidator>

#include "platform/qt/convert.h"
#include "platform/text/cp932.h"
#include "platform/ui/input.h"
#include "platform/ui/stdctrls.h"

namespace {

class Cp932Validator : public QValidator {
 public:
  Cp932Validator(const TEdit& edit, QObject* parent) : QValidator(parent), edit_(edit) {}

  State validate(QString& input, int&) const override {
    const std::optional<std::string> bytes = FromQString(input);
    if (!bytes) return Invalid;
    const auto limit = static_cast<std::size_t>(edit_.MaxLength());
    if (limit > 0 && bytes->size() > limit && bytes->size() > edit_.Text().size())
      return Invalid;
    return Acceptable;
  }

 private:
  const TEdit& edit_;
};

}  // namespace

EditWidget::EditWidget(TEdit& edit, QWidget* parent) : QLineEdit(parent), edit_(edit) {
  setValidator(new Cp932Validator(edit_, this));
  connect(this, &QLineEdit::textEdited, this, &EditWidget::UserEdited);
}

void EditWidget::ShowModelText() {
  const QString shown = ToQString(edit_.Text());
  if (text() != shown) setText(shown);
}

void EditWidget::UserEdited(const QString& text) {
  // Only what the user changed is converted back; the rest keeps its bytes.
  const std::optional<std::string> bytes = cp932::ApplyEdit(edit_.Text(), text.toStdString());
  if (!bytes || !input::EditChanged(edit_, *bytes)) ShowModelText();
}
