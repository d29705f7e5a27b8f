#include "platform/ControlBuilders.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QRadioButton>

#include "platform/FlexGrid.h"
#include "platform/PictureButton.h"
#include "platform/ScrollBar.h"
#include "platform/TextArea.h"
#include "platform/TextBox.h"
#include "platform/Twips.h"

namespace vemora {

QLabel* MakeLabel(QWidget* parent, const QString& text, int left, int top, int width, int height)
{
    auto* label = new QLabel(text, parent);
    setTwipsGeometry(label, left, top, width, height);
    return label;
}

QLineEdit* MakeText(QWidget* parent, const char* name, int left, int top, int width, int height)
{
    auto* text = new QLineEdit(parent);
    text->setObjectName(QString::fromLatin1(name));
    setTwipsGeometry(text, left, top, width, height);
    return text;
}

TextArea* MakeTextArea(QWidget* parent, const char* name, int left, int top, int width, int height,
                       int maxLength)
{
    auto* text = new TextArea(parent);
    text->setMaxLength(maxLength);
    text->setObjectName(QString::fromLatin1(name));
    text->setTabChangesFocus(true);
    setTwipsGeometry(text, left, top, width, height);
    return text;
}

QComboBox* MakeUnitList(QWidget* parent, const char* name, int left, int top, int width)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setEditable(false);
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setTwipsGeometry(list, left, top, width, 315);
    return list;
}

QGroupBox* MakeFrame(QWidget* parent, const char* name, const QString& title, int left, int top,
                     int width, int height)
{
    auto* frame = new QGroupBox(title, parent);
    frame->setObjectName(QString::fromLatin1(name));
    setTwipsGeometry(frame, left, top, width, height);
    return frame;
}

QRadioButton* MakeOption(QWidget* parent, const char* name, const QString& caption, int left,
                         int top, int width, int height)
{
    auto* option = new QRadioButton(caption, parent);
    option->setObjectName(QString::fromLatin1(name));
    setTwipsGeometry(option, left, top, width, height);
    return option;
}

PictureButton* MakeButton(QWidget* parent, const char* name, const QString& caption, int left,
                          int top, int width, int height)
{
    auto* button = new PictureButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setCaption(caption);
    setTwipsGeometry(button, left, top, width, height);
    return button;
}

PictureButton* MakeTipButton(QWidget* parent, const char* name, const QString& caption,
                             const QString& tip, int left, int top, int width)
{
    PictureButton* button = MakeButton(parent, name, caption, left, top, width);
    button->setToolTip(tip);
    return button;
}

QLabel* MakeImage(QWidget* parent, const char* name, const QPixmap& picture, int left, int top)
{
    auto* image = new QLabel(parent);
    image->setObjectName(QString::fromLatin1(name));
    image->setPixmap(picture);
    image->move(twipsToPixels(left), twipsToPixels(top));
    image->resize(picture.size());
    return image;
}

ScrollBar* MakeScrollBar(QWidget* parent, const char* name, int min, int max, int largeChange,
                         int left, int top, int width, bool flat)
{
    auto* bar = new ScrollBar(Qt::Horizontal, parent, flat);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setMin(min);
    bar->setMax(max);
    bar->setSmallChange(1);
    if (largeChange > 0) bar->setLargeChange(largeChange);
    setTwipsGeometry(bar, left, top, width, 255);
    return bar;
}

FlexGrid* MakeGrid(QWidget* parent, const char* name, int left, int top, int width, int height)
{
    auto* grid = new FlexGrid(parent);
    grid->setObjectName(QString::fromLatin1(name));
    setTwipsGeometry(grid, left, top, width, height);
    return grid;
}

TextBox* MakeCellEditor(QWidget* parent, const char* name)
{
    auto* editor = new TextBox(parent);
    editor->setObjectName(QString::fromLatin1(name));
    editor->hide();
    return editor;
}

QFont WindowFont(const QString& family, double points, bool bold)
{
    QFont font(family);
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace vemora
