// The input window shown and active in its stand-in main window, for tests
// that drive it as a user does: through the window system's queue, with the
// focus moving as a click, Tab or the wheel moves it on a real display.
#pragma once

#include <QComboBox>
#include <QLineEdit>

#include "InputWindowFixture.h"
#include "support/UserInput.h"

namespace vemora::test {

class InputWindowUserTest : public InputWindowTest
{
  protected:
    void SetUp() override
    {
        InputWindowTest::SetUp();
        main->resize(w->size() + QSize(20, 20));
        ASSERT_TRUE(ShowActive(main.get()));
    }

    // Clicks into a text box, which then has the focus.
    void FocusByClick(QWidget* field)
    {
        ClickOn(field);
        ASSERT_TRUE(field->hasFocus()) << field->objectName().toStdString();
    }
};

} // namespace vemora::test
