// One widget per model control, and the steps that bring a widget in line
// with its control after a change.
//
// TPanel and TCuteButton become painted panels, TGroupBox a painted group
// box, TLabel a painted label, TEdit an EditWidget, TButton a QPushButton
// (its caption in the system's button-text colour: push buttons do not use
// their font's colour; labels, panels and edits do).
// No widget takes the focus on its own (Qt::NoFocus): the model decides
// where the focus is and the backend gives it. Geometry is the model's,
// relative to the parent; an AutoSize label takes the size of its caption.
// Forms themselves are the backend's (FormWindow).
#pragma once

#include "platform/ui/controls.h"

#include <QString>

class QWidget;

// Nothing for a control class the view does not know.
QWidget* CreateWidget(TControl& c, QWidget* parent);
void Apply(TControl& c, QWidget& w, Change what);
void ApplyAll(TControl& c, QWidget& w);
// The first part of a hint, before any "|", when hints show; else empty.
QString ToolTipOf(const TControl& c);
