#include "app/InputControls.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "app/AppContext.h"
#include "platform/FlexGrid.h"

namespace vemora {

InputControls::InputControls(AppContext& ctx)
{
    if (InputWindow* input = ctx.windows.input.Load()) window_ = input->widget();
}

QWidget* InputControls::find(const char* name) const
{
    if (!window_) return nullptr;
    return window_->findChild<QWidget*>(QString::fromLatin1(name));
}

QString InputControls::Text(const char* name) const
{
    QWidget* w = find(name);
    if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
    if (auto* edit = qobject_cast<QLineEdit*>(w)) return edit->text();
    if (auto* list = qobject_cast<QComboBox*>(w)) return list->currentText();
    if (auto* area = qobject_cast<QPlainTextEdit*>(w)) return area->toPlainText();
    return QString();
}

bool InputControls::Value(const char* name) const
{
    auto* button = qobject_cast<QAbstractButton*>(find(name));
    return button && button->isChecked();
}

int InputControls::Rows(const char* grid) const
{
    auto* g = qobject_cast<FlexGrid*>(find(grid));
    return g ? g->Rows() : 0;
}

QString InputControls::Cell(const char* grid, int row, int col) const
{
    auto* g = qobject_cast<FlexGrid*>(find(grid));
    if (!g || row < 0 || row >= g->Rows() || col < 0 || col >= g->Cols()) return QString();
    return g->TextMatrix(row, col);
}

} // namespace vemora
