// The projects of each kind that the suite saves, opens and analyses: the
// fuzz targets' seeds and a part of the results' byte-for-byte check.
#pragma once

#include <memory>
#include <vector>

#include "EngineProjects.h"

namespace vemora::test {

struct Seed
{
    const char* name;
    std::unique_ptr<ProjectStore> store;
};

inline std::vector<Seed> SeedProjects()
{
    std::vector<Seed> seeds;
    seeds.push_back({"gravity", GravityProject(100, 50, {{100, 0}, {80, 500}, {50, 1000}})});
    seeds.push_back({"gravity-crest", GravityProject(100, 0, {{100, 0}, {98, 500}, {0, 2000}})});

    auto varying = GravityProject(120, 40, {{120, 0}, {90, 800}, {70, 1500}, {40, 2600}}, 400);
    varying->DemandMode = 1;
    varying->YearDemandUnit = 0; // Ml/d
    for (int y = 1; y <= varying->DesignLife; ++y)
        varying->YearDemand[y] = 5.0f + y;
    AddCosts(*varying);
    varying->RoughnessOld = 1.0f;
    seeds.push_back({"gravity-varying", std::move(varying)});

    auto us = GravityProject(330, 160, {{330, 0}, {250, 2000}, {160, 5000}}, 20);
    us->UnitSystem = 1;
    us->CurrencyCode = 1;
    us->StartReservoirLevelUnit = us->EndReservoirLevelUnit = 2; // ft
    us->ElevationUnit = us->ChainageUnit = 2;
    us->DiameterUnit = us->WallThicknessUnit = us->RoughnessNewUnit = us->RoughnessOldUnit = 2;
    us->RoughnessNew = us->RoughnessOld = 0.004f; // in
    us->FixedDemandUnit = 6;                      // US gal/min
    us->FixedDemand = 2000;
    us->WaterPriceUnit = 3; // per US gallon
    us->WaterPrice = 0.004f;
    seeds.push_back({"gravity-us", std::move(us)});

    auto flow = PumpingProject(0, 50, {{0, 0}, {20, 500}, {45, 1000}});
    flow->EnergyEscalationRate = 7;
    flow->MechanicalWorksCost = 2000000;
    flow->ElectricalWorksCost = 1000000;
    flow->MaintenanceMechanical = 300;
    seeds.push_back({"pumping-flow", std::move(flow)});

    auto curve = PumpingProject(0, 50, {{0, 0}, {45, 1000}});
    SetPumpCurve(*curve, TypicalPumpCurve);
    curve->SupplyStartYear = curve->BaseYear + 2;
    seeds.push_back({"pumping-curve", std::move(curve)});
    for (Seed& seed : seeds)
        seed.store->SupervisionFees = 25000;
    return seeds;
}

} // namespace vemora::test
