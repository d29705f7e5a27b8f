// Scripted services and an application context for tests that check
// themselves: a test fails when an answer it queued (message, file, print,
// dialog handler, menu choice) was never taken by the program, and when it
// shows a dialog that it installed no window for. So a test whose checks sit
// in a dialog's handler cannot pass with the dialog never opened.
#pragma once

#include <QDialog>

#include "app/AppContext.h"
#include "platform/ScriptedUi.h"

namespace vemora::test {

// At its end (the end of the test that holds it) every queued answer must
// have been used; each queue still holding some fails the test.
// A dialog shown with no handler queued for it fails the test as well.
class CheckedUi : public ScriptedUi
{
  public:
    ~CheckedUi() override;
    int execDialog(QDialog* dialog) override;
};

// The handler for a dialog that a test opens but does not work: the user
// closes it at once, so it ends rejected.
inline void RejectDialog(QDialog* dialog)
{
    dialog->reject();
}

// Installs into every dialog slot of the registry a stand-in that fails the
// test showing it and rejects; the test installs the dialogs it opens over it.
void FailOnUninstalledDialogs(WindowRegistry& windows);

// The application context of a window test: FailOnUninstalledDialogs on its
// own registry.
struct CheckedContext : AppContext
{
    explicit CheckedContext(Ui& services, AppPaths appPaths = AppPaths())
        : AppContext(services, std::move(appPaths))
    {
        FailOnUninstalledDialogs(windows);
    }
};

} // namespace vemora::test
