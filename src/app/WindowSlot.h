// The registry's slots. A working-window slot makes its window on first use
// through the factory the shell (or a test) installs, hands it out while it
// exists and deletes it on Unload; a window deleted otherwise (with the main
// window) is forgotten. A dialog slot shows a fresh modal dialog each time.
// Until a factory is installed a slot is "not loaded" and does nothing.
#pragma once

#include <QDialog>
#include <QObject>
#include <QWidget>
#include <functional>
#include <utility>
#include <vector>

namespace vemora {

// What every working window gives the registry and the main window.
class WorkingWindow
{
  public:
    virtual ~WorkingWindow() = default;
    virtual QWidget* widget() = 0;
};

template <typename Window> class WindowSlot
{
  public:
    // Makes the window (a widget that the factory has added to the main
    // window's client area).
    using Factory = std::function<Window*()>;

    WindowSlot() = default;
    WindowSlot(const WindowSlot&) = delete;
    WindowSlot& operator=(const WindowSlot&) = delete;
    ~WindowSlot() { Forget(); }

    void Install(Factory make) { make_ = std::move(make); }
    bool Installed() const { return static_cast<bool>(make_); }

    // The window while it exists, else nullptr.
    Window* Get() const { return window_; }
    bool Loaded() const { return window_ != nullptr; }

    // The window, made first when it does not exist; nullptr when no
    // factory is installed.
    Window* Load()
    {
        if (!window_ && make_) {
            window_ = make_();
            if (window_)
                destroyed_ = QObject::connect(window_->widget(), &QObject::destroyed,
                                              [this] { window_ = nullptr; });
        }
        return window_;
    }

    // Closes and deletes the window when it exists; its contents are gone.
    // It leaves the screen first, so that its frame in the main window goes
    // at once too (the frame's own deletion may wait for a dialog's end).
    void Unload()
    {
        Window* window = window_;
        Forget();
        if (!window) return;
        window->widget()->hide();
        delete window->widget();
    }

  private:
    void Forget()
    {
        QObject::disconnect(destroyed_);
        window_ = nullptr;
    }

    Factory make_;
    Window* window_ = nullptr;
    QMetaObject::Connection destroyed_;
};

class DialogSlot;

// The dialog slots of a registry with the names of their dialogs, in the
// order the slots were made.
using DialogSlots = std::vector<std::pair<DialogSlot*, const char*>>;

class DialogSlot
{
  public:
    // Makes the dialog, shows it modally through the UI service and returns
    // its result (QDialog::Accepted or Rejected).
    using Show = std::function<int()>;

    // A slot is made into its registry's list under its dialog's name, so
    // whoever goes through every slot finds a new one too.
    DialogSlot(DialogSlots& registry, const char* dialog) { registry.emplace_back(this, dialog); }
    DialogSlot(const DialogSlot&) = delete;
    DialogSlot& operator=(const DialogSlot&) = delete;

    void Install(Show show) { show_ = std::move(show); }
    bool Installed() const { return static_cast<bool>(show_); }
    // Shows the dialog; Rejected when none is installed.
    int Exec() const { return show_ ? show_() : QDialog::Rejected; }

  private:
    Show show_;
};

} // namespace vemora
