// The services on real Qt dialogs, the real clipboard and the help window.
#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/AppPaths.h"
#include "platform/HelpWindow.h"
#include "platform/Ui.h"

namespace vemora {

class QtUi : public Ui
{
  public:
    // The help pages are found in the help folder of `paths`.
    explicit QtUi(AppPaths paths = AppPaths()) : paths_(std::move(paths)) {}

    MsgAnswer msgBox(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title,
                     QWidget* parent = nullptr) override;
    std::optional<QString> openFile(const FileDialogRequest& req,
                                    QWidget* parent = nullptr) override;
    std::optional<QString> saveFile(const FileDialogRequest& req,
                                    QWidget* parent = nullptr) override;
    bool printDialog(QPrinter& printer, QWidget* parent = nullptr) override;
    bool printerSetup(QPrinter& printer, QWidget* parent = nullptr) override;
    int execDialog(QDialog* dialog) override;
    QAction* popupMenu(QMenu* menu, const QPoint& globalPos) override;
    void setMousePointer(MousePointer p) override;
    MousePointer mousePointer() const override { return pointer_; }
    QString clipboardText() const override;
    void setClipboardText(const QString& text) override;
    QImage clipboardImage() const override;
    void setClipboardImage(const QImage& image) override;
    void showHelp(int topic) override;

    // The window the help window is parented to (the main window) and the
    // area it first opens over.
    void setHelpParent(QWidget* w, QWidget* openOver = nullptr) override
    {
        helpParent_ = w;
        helpArea_ = openOver;
    }

  private:
    // Where the help window lives when no modal dialog is open.
    QWidget* helpHome() const;
    // Gives the help window another parent, keeping its place and showing.
    void moveHelpTo(QWidget* parent);
    // Puts a new help window at the top right of the help area.
    void placeHelpInArea();

    AppPaths paths_;
    MousePointer pointer_ = MousePointer::Default;
    QPointer<QWidget> helpParent_;
    QPointer<QWidget> helpArea_;
    QPointer<HelpWindow> help_;
};

// Turns "desc|pattern|desc|pattern" into Qt's "desc (pattern);;..." list.
QStringList qtFileFilters(const QString& pipeFilter);

} // namespace vemora
