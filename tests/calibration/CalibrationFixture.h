// The calibration windows over a small gravity project (nodes at 0, 500, 1000 and
// 1250 m, 500 mm pipes), in a stand-in main window with scripted dialogs,
// shown and active so that keys and clicks reach them as a user's would.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QTest>
#include <memory>

#include "app/AppContext.h"
#include "app/WorkingViews.h"
#include "calibration/InstallCalibration.h"
#include "calibration/frmRoughness.h"
#include "calibration/frmViewRoughness.h"
#include "engine/EngineProjects.h"
#include "platform/FlexGrid.h"
#include "platform/PictureButton.h"
#include "platform/ScrollBar.h"
#include "platform/TextBox.h"
#include "support/CheckedUi.h"
#include "support/FakeMainWindow.h"

namespace vemora::test {

class CalibrationTest : public ::testing::Test
{
  public:
    // One measuring point as typed: accumulated length, elevation, pressure.
    struct Point
    {
        QString length, elevation, pressure;
    };

  protected:
    void SetUp() override
    {
        ctx.store = *GravityProject(120, 80, {{100, 0}, {95, 500}, {90, 1000}, {85, 1250}});
        InstallCalibration(ctx);
        main->show();
        QApplication::setActiveWindow(main.get());
    }

    frmRoughness* OpenCalibration()
    {
        auto* w = static_cast<frmRoughness*>(ctx.windows.roughness.Load());
        ShowWorkingWindow(ctx, w);
        return w;
    }
    frmViewRoughness* OpenView()
    {
        auto* v = static_cast<frmViewRoughness*>(ctx.windows.roughnessView.Load());
        ShowWorkingWindow(ctx, v);
        return v;
    }

    // Points and flow written straight into the window's cells and box.
    static void Enter(frmRoughness* w, const std::vector<Point>& points, const QString& flow)
    {
        for (int p = 1; p <= 5; ++p) {
            const Point at = p <= static_cast<int>(points.size()) ? points[p - 1] : Point{};
            w->msgRoughness->setTextMatrix(1, p, at.length);
            w->msgRoughness->setTextMatrix(2, p, at.elevation);
            w->msgRoughness->setTextMatrix(3, p, at.pressure);
        }
        w->txtFlowrate->setText(flow);
    }

    static QPoint CellCentre(FlexGrid* g, int row, int col)
    {
        return g->cellRect(row, col).center() - g->viewport()->geometry().topLeft();
    }
    static void Click(FlexGrid* g, int row, int col)
    {
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, CellCentre(g, row, col));
    }
    static void Key(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }
    static void Keys(const QString& text)
    {
        for (QChar c : text)
            QTest::keyClicks(QApplication::focusWidget(), QString(c));
    }

    CheckedUi scripted;
    CheckedContext ctx{scripted};
    std::unique_ptr<FakeMainWindow> main = std::make_unique<FakeMainWindow>(ctx);
};

} // namespace vemora::test
