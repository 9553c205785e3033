#include "platform/qt/look.h"

#include <QApplication>
#include <QFont>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

#include "platform/qt/convert.h"

void UseClassicLook() {
  if (QStyle* style = QStyleFactory::create(QStringLiteral("Windows"))) QApplication::setStyle(style);
  QPalette pal(Qt::black, kBtnFace, kBtnHighlight, kBtnShadow, QColor(160, 160, 160), Qt::black,
               Qt::white, Qt::white, kBtnFace);
  pal.setColor(QPalette::Midlight, kBtnFace);
  pal.setColor(QPalette::Shadow, QColor(64, 64, 64));
  pal.setColor(QPalette::Highlight, QColor(10, 36, 106));
  pal.setColor(QPalette::HighlightedText, Qt::white);
  pal.setColor(QPalette::ToolTipBase, QColor(255, 255, 225));
  pal.setColor(QPalette::ToolTipText, Qt::black);
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    pal.setColor(QPalette::Disabled, role, kGrayText);
  pal.setColor(QPalette::Disabled, QPalette::Base, kBtnFace);
  QApplication::setPalette(pal);
  QFont::insertSubstitution(QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic"));
  QFont ui;
  ui.setFamilies({QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")});
  ui.setPixelSize(12);
  QApplication::setFont(ui);
}
