#pragma once

#include <QString>

class QAbstractButton;
class QGridLayout;
class QLabel;
class QSlider;
class QSpinBox;
class QWidget;

/// Widgets the graph's option bubbles share, so the three look alike.
namespace PopUpParts {

/// A large bold heading.
QLabel *title(const QString &text, QWidget *parent);
void setTitle(QLabel *label, const QString &text);
/**
 * The grid of a bubble: @p header and @p title across the first two rows, the bubbles'
 * margins, the second column taking the width. The bubble's own widgets follow from row 2.
 */
QGridLayout *grid(QWidget *bubble, QWidget *header, QLabel *title);
/// A push button in the program's button style, named @p objectName.
QAbstractButton *button(const QString &text, const QString &objectName, QWidget *parent);
/// Such a button appended to the row of buttons @p row, laid out side by side.
QAbstractButton *addButton(QWidget *row, const QString &text, const QString &objectName);
/// Keeps @p spin and @p slider on one value within [@p minimum, @p maximum].
void couple(QSpinBox *spin, QSlider *slider, int minimum, int maximum);

} // namespace PopUpParts
