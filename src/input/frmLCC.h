// The input window: every input of a project on four pages.
#pragma once

#include <QWidget>

namespace vemora {

struct Workspace;
class MDIProject;

class frmLCC : public QWidget {
    Q_OBJECT
public:
    frmLCC(Workspace& ws, MDIProject& main, QWidget* parent = nullptr);

    Workspace& ws;
    MDIProject& main;
};

} // namespace vemora
