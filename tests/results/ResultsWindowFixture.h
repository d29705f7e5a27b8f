// The results window in a stand-in main window, with scripted dialogs so
// that no test waits on a real one, and stores filled directly as an
// analysis would leave them.
#pragma once

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "app/AppContext.h"
#include "platform/FlexGrid.h"
#include "platform/PictureBox.h"
#include "platform/PictureButton.h"
#include "platform/ScrollBar.h"
#include "platform/TabControl.h"
#include "results/InstallResultsWindow.h"
#include "results/frmResults.h"
#include "support/CheckedUi.h"
#include "support/FakeMainWindow.h"

namespace vemora::test {

class ResultsWindowTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        InstallResultsWindow(ctx);
        GravityStores();
        w = static_cast<frmResults*>(ctx.windows.results.Load());
    }

    // A gravity project in Rand, supply from 2001, 30 years, fixed demand of
    // 10 "Mega liters/day" with a yield of 12.5 of them every year.
    void GravityStores()
    {
        ProjectStore& s = ctx.store;
        s.ProjectOpen = true;
        s.SystemType = 0;
        s.CurrencyCode = 0;
        s.DesignLife = 30;
        s.BaseYear = 2000;
        s.SupplyStartYear = 2001;
        s.DemandMode = 0;
        s.FixedDemand = 10;
        s.FixedDemandUnit = 0; // Mega liters/day
        s.PumpingHours = 20;
        s.PrelimGeneralPercent = 10;
        s.ContingencyPercent = 10;
        ResultsStore& r = ctx.results;
        r.DemandUnitFactor = 0.011574074f;
        for (int y = 1; y <= MaxYears; ++y) {
            r.YearFlow[y] = 12.5f * r.DemandUnitFactor;
            r.YearShortage[y] = 0;
        }
    }

    // The same project pumping, with a pump curve.
    void PumpingStores()
    {
        ctx.store.SystemType = 1;
        ctx.store.PumpCurveGiven = 1;
    }

    // Three nodes along 1250.5 m, elevations 100, 90 and 80 m.
    void ThreeNodes()
    {
        ProjectStore& s = ctx.store;
        s.NodeCount = 3;
        const float lengths[] = {0, 600, 1250.5f};
        const float levels[] = {100, 90, 80};
        for (int i = 1; i <= 3; ++i) {
            s.NodeAccumulatedLength[i] = lengths[i - 1];
            s.NodeElevation[i] = levels[i - 1];
            s.NodeTypeCode[i] = 0;
        }
    }

    // The results window as an analysis run leaves it, filled from the stores.
    void Refresh()
    {
        AnalysisObserver progress;
        w->Refresh(progress);
    }

    static QString cell(FlexGrid* g, int r, int c) { return g->TextMatrix(r, c); }

    CheckedUi scripted;
    CheckedContext ctx{scripted};
    std::unique_ptr<FakeMainWindow> main = std::make_unique<FakeMainWindow>(ctx);
    frmResults* w = nullptr;
};

} // namespace vemora::test
