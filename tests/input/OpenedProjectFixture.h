// The input window shown active on a project saved to a file and opened as
// the program opens it, with its boxes and lists found by their names in the
// window.
#pragma once

#include <QComboBox>
#include <memory>

#include "InputWindowUserFixture.h"
#include "engine/EngineProjects.h"
#include "project/ProjectFile.h"
#include "project/test_files.h"
#include "support/TypedText.h"

namespace vemora::test {

class OpenedProjectTest : public InputWindowUserTest
{
  protected:
    // A project that every save check passes: a gravity or pumping main
    // (on its operating flow, or its pump curve), with every cost and the
    // lining asked for.
    static std::unique_ptr<ProjectStore> ValidProject(bool pumping, bool mortar,
                                                      bool pumpCurve = false)
    {
        const std::vector<Node> nodes = {{20, 0}, {35.7f, 812.5f}, {60, 1733.3f}};
        auto project = pumping ? PumpingProject(20, 70, nodes) : GravityProject(70, 20, nodes);
        if (pumpCurve) SetPumpCurve(*project, TypicalPumpCurve);
        AddCosts(*project);
        project->LiningSystem = mortar ? 1 : 0;
        project->EnergyEscalationRate = 7;
        project->ProjectName = "Checked";
        project->Designer = "Tester";
        return project;
    }

    void Open(ProjectStore& project)
    {
        const std::string path = folder.File("project.kpj");
        int64_t number = 1;
        ASSERT_EQ(WriteProjectFile(path, SavedRecord(project), number), FileStatus::Ok);
        ctx.store.ProjectFilePath = path;
        ASSERT_TRUE(LoadProject(ctx));
    }

    // The one control of the window that bears `name`.
    template <typename Control = QWidget> Control* Named(const QString& name) const
    {
        const auto found = w->findChildren<Control*>(name);
        EXPECT_EQ(found.size(), 1) << name.toStdString();
        return found.isEmpty() ? nullptr : found.first();
    }

    QComboBox* List(const char* name) const { return Named<QComboBox>(QLatin1String(name)); }

    TempFolder folder;
};

} // namespace vemora::test
