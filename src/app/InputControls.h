// The input window's controls as the printed reports read them: by their
// names, as they stand (edits not yet saved included). The window is loaded
// when it is not; a name it does not have reads as empty, unticked or
// without rows, so a report never fails on a missing control.
#pragma once

#include <QString>

class QWidget;

namespace vemora {

struct AppContext;

class InputControls
{
  public:
    explicit InputControls(AppContext& ctx);

    // A label's caption, a field's text, or the chosen entry of a list.
    QString Text(const char* name) const;
    // Whether an option button or check box is chosen.
    bool Value(const char* name) const;
    // A grid's row count (heading row included) and a cell's text.
    int Rows(const char* grid) const;
    QString Cell(const char* grid, int row, int col) const;

  private:
    QWidget* find(const char* name) const;

    QWidget* window_ = nullptr;
};

} // namespace vemora
