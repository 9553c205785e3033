#include "platform/qt/painted.h"

#include <QPainter>

#include "platform/qt/convert.h"
#include "platform/ui/extctrls.h"
#include "platform/ui/stdctrls.h"

namespace {

// The class library's Frame3D: light on the left and top, dark on the right
// and bottom (the corners there included), then one pixel further in.
void Frame3D(QPainter& p, QRect& r, const QColor& top, const QColor& bottom, int width) {
  for (int i = 0; i < width && r.width() > 0 && r.height() > 0; ++i) {
    p.fillRect(QRect(r.left(), r.top(), 1, r.height() - 1), top);
    p.fillRect(QRect(r.left(), r.top(), r.width() - 1, 1), top);
    p.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottom);
    p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottom);
    r.adjust(1, 1, -1, -1);
  }
}

void Bevel(QPainter& p, QRect& r, TPanelBevel bevel, int width) {
  if (bevel == TPanelBevel::bvRaised) Frame3D(p, r, kBtnHighlight, kBtnShadow, width);
  if (bevel == TPanelBevel::bvLowered) Frame3D(p, r, kBtnShadow, kBtnHighlight, width);
}

int HorizontalFlag(TAlignment a) {
  switch (a) {
    case TAlignment::taCenter: return Qt::AlignHCenter;
    case TAlignment::taRightJustify: return Qt::AlignRight;
    default: return Qt::AlignLeft;
  }
}

void PrepareText(QPainter& p, const TControl& c) {
  p.setFont(ToQFont(c.Font()));
  p.setPen(ToQColor(c.Font().Color));
}

}  // namespace

PanelWidget::PanelWidget(TCustomPanel& panel, QWidget* parent) : QWidget(parent), panel_(panel) {}

void PanelWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  QRect r = rect();
  Bevel(p, r, panel_.BevelOuter(), panel_.BevelWidth());
  Bevel(p, r, panel_.BevelInner(), panel_.BevelWidth());
  p.fillRect(r, ToQColor(panel_.Color()));
  if (panel_.Caption().empty()) return;
  PrepareText(p, panel_);
  const int flags = HorizontalFlag(panel_.Alignment()) | Qt::AlignVCenter | Qt::TextShowMnemonic;
  const QString caption = ToQString(panel_.Caption());
  // A plain panel keeps its caption when disabled; a button drawn as a
  // panel shows that it cannot be pressed.
  if (isEnabled() || !panel_.IsPushButton()) {
    p.drawText(r, flags, caption);
    return;
  }
  p.setPen(kBtnHighlight);
  p.drawText(r.translated(1, 1), flags, caption);
  p.setPen(kGrayText);
  p.drawText(r, flags, caption);
}

GroupBoxWidget::GroupBoxWidget(TGroupBox& box, QWidget* parent) : QWidget(parent), box_(box) {}

void GroupBoxWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QColor back = ToQColor(box_.Color());
  p.fillRect(rect(), back);
  PrepareText(p, box_);
  const int h = p.fontMetrics().height();
  // Etched: a light frame one pixel right and down, the dark one over it.
  const QRect frame(0, h / 2 - 1, width() - 2, height() - 2 - (h / 2 - 1));
  p.setPen(kBtnHighlight);
  p.drawRect(frame.translated(1, 1));
  p.setPen(kBtnShadow);
  p.drawRect(frame);
  if (box_.Caption().empty()) return;
  const QString caption = ToQString(box_.Caption());
  QRect text = p.fontMetrics().boundingRect(QRect(8, 0, width() - 8, h),
                                            Qt::AlignLeft | Qt::TextShowMnemonic, caption);
  text.setHeight(h);
  p.fillRect(text, back);
  p.setPen(ToQColor(box_.Font().Color));
  p.drawText(text, Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic, caption);
}

LabelWidget::LabelWidget(TLabel& label, QWidget* parent) : QWidget(parent), label_(label) {}

QSize LabelWidget::FittingSize() const {
  const QFontMetrics fm(ToQFont(label_.Font()));
  const QRect r = fm.boundingRect(QRect(0, 0, 10000, fm.height()),
                                  Qt::AlignLeft | Qt::TextShowMnemonic,
                                  ToQString(label_.Caption()));
  return {r.width(), fm.height()};
}

void LabelWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), ToQColor(label_.Color()));
  PrepareText(p, label_);
  const int flags = HorizontalFlag(label_.Alignment()) | Qt::AlignTop | Qt::TextShowMnemonic;
  const QString caption = ToQString(label_.Caption());
  if (isEnabled()) {
    p.drawText(rect(), flags, caption);
    return;
  }
  p.setPen(kBtnHighlight);
  p.drawText(rect().translated(1, 1), flags, caption);
  p.setPen(kGrayText);
  p.drawText(rect(), flags, caption);
}
