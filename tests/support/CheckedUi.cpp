#include "support/CheckedUi.h"

#include <gtest/gtest.h>

#include <utility>

namespace vemora::test {

CheckedUi::~CheckedUi()
{
    for (const QString& left : unusedAnswers())
        ADD_FAILURE() << "the test queued answers the program never used: " << left.toStdString();
}

int CheckedUi::execDialog(QDialog* dialog)
{
    if (dialog && dialogHandlers.empty())
        ADD_FAILURE() << "the program showed " << dialog->objectName().toStdString()
                      << ", but the test queued no handler for it";
    return ScriptedUi::execDialog(dialog);
}

void FailOnUninstalledDialogs(WindowRegistry& windows)
{
    for (const auto& [slot, name] : windows.dialogSlots) {
        slot->Install([name = name] {
            ADD_FAILURE() << "the program showed " << name
                          << ", but the test installed no dialog in its slot";
            return int(QDialog::Rejected);
        });
    }
}

} // namespace vemora::test
