#include "platform/qt/edit_widget.h"

#include <QValidator>
#include <algorithm>

#include "platform/qt/convert.h"
#include "platform/text/cp932.h"
#include "platform/ui/input.h"
#include "platform/ui/stdctrls.h"

namespace {

std::size_t ByteCount(const QString& text) {
  const std::optional<std::string> bytes = FromQString(text);
  return bytes ? bytes->size() : static_cast<std::size_t>(text.toUtf8().size());
}

// Cuts what an edit inserted to what typing it would have left: the model's
// text before the change is the reference, the new text is taken apart into
// the part kept before the insertion, the insertion (ending at the cursor)
// and the part kept after it.
class Cp932Validator : public QValidator {
 public:
  Cp932Validator(const TEdit& edit, QObject* parent) : QValidator(parent), edit_(edit) {}

  State validate(QString& input, int& pos) const override {
    const QString old = ToQString(edit_.Text());
    if (input == old) return Acceptable;
    qsizetype tail = 0;
    const qsizetype maxTail = std::min(old.size(), input.size() - std::max<qsizetype>(pos, 0));
    while (tail < maxTail && old[old.size() - 1 - tail] == input[input.size() - 1 - tail]) ++tail;
    qsizetype head = 0;
    while (head < old.size() - tail && head < input.size() - tail && old[head] == input[head])
      ++head;
    const QString inserted = input.mid(head, input.size() - tail - head);
    const QString kept = input.left(head) + input.right(tail);
    const auto limit = static_cast<std::size_t>(edit_.MaxLength());
    std::size_t used = ByteCount(kept);
    QString fits;
    for (qsizetype i = 0; i < inserted.size();) {
      const qsizetype len = inserted[i].isHighSurrogate() && i + 1 < inserted.size() ? 2 : 1;
      const QString ch = inserted.mid(i, len);
      const std::optional<std::string> bytes = FromQString(ch);
      if (!bytes || (limit > 0 && used + bytes->size() > limit)) break;
      used += bytes->size();
      fits += ch;
      i += len;
    }
    if (fits.isEmpty() && !inserted.isEmpty()) return Invalid;
    if (fits.size() != inserted.size()) {
      input = input.left(head) + fits + input.right(tail);
      pos = static_cast<int>(head + fits.size());
    }
    return Acceptable;
  }

 private:
  const TEdit& edit_;
};

}  // namespace

EditWidget::EditWidget(TEdit& edit, QWidget* parent) : QLineEdit(parent), edit_(edit) {
  setValidator(new Cp932Validator(edit_, this));
  setAcceptDrops(false);
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
