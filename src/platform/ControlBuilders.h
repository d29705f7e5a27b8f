// Small builders for the windows' controls: each creates a named child of
// `parent` at a place given in twips (15 to the pixel).
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPixmap;
class QRadioButton;
class QWidget;

namespace vemora {

class PictureButton;
class ScrollBar;
class FlexGrid;
class TextBox;
class TextArea;

QLabel* MakeLabel(QWidget* parent, const QString& text, int left, int top, int width,
                  int height = 255);
QLineEdit* MakeText(QWidget* parent, const char* name, int left, int top, int width,
                    int height = 300);
// A text box of several lines holding at most maxLength characters (0: any).
TextArea* MakeTextArea(QWidget* parent, const char* name, int left, int top, int width, int height,
                       int maxLength = 0);
QComboBox* MakeUnitList(QWidget* parent, const char* name, int left, int top, int width);
QGroupBox* MakeFrame(QWidget* parent, const char* name, const QString& title, int left, int top,
                     int width, int height);
QRadioButton* MakeOption(QWidget* parent, const char* name, const QString& caption, int left,
                         int top, int width, int height = 285);
PictureButton* MakeButton(QWidget* parent, const char* name, const QString& caption, int left,
                          int top, int width, int height = 375);
// A button that shows `tip` while the mouse rests on it.
PictureButton* MakeTipButton(QWidget* parent, const char* name, const QString& caption,
                             const QString& tip, int left, int top, int width);
// A picture shown at its own size; twips of its top left corner.
QLabel* MakeImage(QWidget* parent, const char* name, const QPixmap& picture, int left, int top);
ScrollBar* MakeScrollBar(QWidget* parent, const char* name, int min, int max, int largeChange,
                         int left, int top, int width, bool flat = false);
FlexGrid* MakeGrid(QWidget* parent, const char* name, int left, int top, int width, int height);
// A hidden single-line editor that the grid's cell editing lays over a cell.
TextBox* MakeCellEditor(QWidget* parent, const char* name);

// A face the windows are laid out in ("Times New Roman", "Bookman Old
// Style") at a size in points; a serif face stands in where it is missing.
QFont WindowFont(const QString& family, double points, bool bold = false);

} // namespace vemora
