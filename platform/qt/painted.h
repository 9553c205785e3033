// The controls that the class library paints itself, painted here from the
// model at every paint: panels (and the bevel button, which is one), group
// boxes and labels. A change in the model only asks for a repaint.
//
// They look as a classic desktop draws them: a panel's outer bevel at its
// edge and its inner bevel inside it, BevelWidth pixels each, raised light
// at the top left and dark at the bottom right; a group box's etched frame
// under its caption; a label's text at the top of its bounds. A "&" in a
// caption underlines the next character. Panels and group boxes do not grey
// their captions when disabled (the class library does not either), but a
// button drawn as a panel (the bevel button) does; it and labels draw the
// embossed grey text while they or a container are disabled.
#pragma once

#include <QWidget>

class TControl;
class TCustomPanel;
class TGroupBox;
class TLabel;

class PanelWidget : public QWidget {
 public:
  PanelWidget(TCustomPanel& panel, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  TCustomPanel& panel_;
};

class GroupBoxWidget : public QWidget {
 public:
  GroupBoxWidget(TGroupBox& box, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  TGroupBox& box_;
};

class LabelWidget : public QWidget {
 public:
  LabelWidget(TLabel& label, QWidget* parent);
  // The size an AutoSize label takes for its caption and font.
  QSize FittingSize() const;

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  TLabel& label_;
};
