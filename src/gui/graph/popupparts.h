#pragma once

#include <QString>

class QAbstractButton;
class QLabel;
class QSlider;
class QSpinBox;
class QWidget;

/// Widgets the graph's option bubbles share, so the three look alike.
namespace PopUpParts {

/// A large bold heading.
QLabel *title(const QString &text, QWidget *parent);
void setTitle(QLabel *label, const QString &text);
/// A push button in the program's button style, named @p objectName.
QAbstractButton *button(const QString &text, const QString &objectName, QWidget *parent);
/// Keeps @p spin and @p slider on one value within [@p minimum, @p maximum].
void couple(QSpinBox *spin, QSlider *slider, int minimum, int maximum);

} // namespace PopUpParts
