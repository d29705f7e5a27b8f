// Opening a saved project and saving it again gives back its record byte for
// byte: the projects of the engine checks, projects filled at random, and
// texts that hold line breaks and tabs.
#include <QRandomGenerator>
#include <functional>
#include <string_view>

#include "ProjectFilesFixture.h"
#include "engine/EngineProjects.h"
#include "project/ProfileNodes.h"
#include "project/ProjectFile.h"
#include "project/RecordCheck.h"
#include "project/RecordFields.h"
#include "project/RecordStore.h"
#include "project/SystemType.h"
#include "project/TextCodec.h"
#include "project/UnitSystem.h"
#include "project/UnitTables.h"

namespace vemora::test {
namespace {

// The record as this program writes it for a project held in `project`:
// every node numbered, unused ones marked empty, and a header the checks
// accept.
ProjectRecord RecordOf(ProjectStore& project)
{
    project.ProjectName = "Round trip";
    project.Designer = "Tester";
    project.ProjectDate = "09/03/2026";
    for (int i = 1; i <= MaxNodes; ++i)
        project.NodeNumber[i] = static_cast<int16_t>(i);
    project.ProjectRec = ProjectRecord();
    WriteNewProjectDefaults(project, "09/03/2026");
    return SavedRecord(project);
}

// A decimal of at most six significant digits, which its text gives back
// exactly.
float Decimal(QRandomGenerator& r, int whole, bool positive = false)
{
    const int limit = whole * 100;
    const int v = positive ? r.bounded(1, limit) : r.bounded(-limit, limit);
    return static_cast<float>(v) / 100.0f;
}

int Code(QRandomGenerator& r, const UnitList& list)
{
    return r.bounded(list.Count());
}

std::string Word(QRandomGenerator& r, int length)
{
    std::string text;
    for (int i = 0; i < length; ++i)
        text += static_cast<char>(i % 6 == 5 ? ' ' : 'a' + r.bounded(26));
    return TrimBlanks(text) + "z";
}

std::unique_ptr<ProjectStore> RandomProject(QRandomGenerator& r)
{
    auto s = std::make_unique<ProjectStore>();
    s->SystemType = static_cast<int16_t>(r.bounded(2));
    s->UnitSystem = static_cast<int16_t>(r.bounded(2));
    s->CurrencyCode = static_cast<int16_t>(r.bounded(2));
    s->PrelimGeneralPercent = static_cast<float>(r.bounded(30));
    s->ContingencyPercent = static_cast<float>(r.bounded(30));
    s->DesignLife = static_cast<int16_t>(r.bounded(2, 60));
    s->BaseYear = static_cast<int16_t>(r.bounded(1990, 2100));
    s->SupplyStartYear = static_cast<int16_t>(s->BaseYear + r.bounded(0, 5));
    s->DemandMode = static_cast<int16_t>(r.bounded(2));
    s->FixedDemand = Decimal(r, 900, true);
    s->FixedDemandUnit = static_cast<int16_t>(Code(r, FlowUnits));
    s->YearDemandUnit = static_cast<int16_t>(Code(r, FlowUnits));
    for (int y = 1; y <= s->DesignLife; ++y)
        s->YearDemand[y] = Decimal(r, 500, true);
    s->StartReservoirLevel = Decimal(r, 2000);
    s->EndReservoirLevel = Decimal(r, 2000);
    s->StartReservoirLevelUnit = static_cast<int16_t>(Code(r, LengthUnits));
    s->EndReservoirLevelUnit = static_cast<int16_t>(Code(r, LengthUnits));
    s->NodeCount = static_cast<int16_t>(r.bounded(2, MaxNodes + 1));
    for (int i = 1; i <= s->NodeCount; ++i) {
        s->NodeElevation[i] = Decimal(r, 2000);
        // As typed: the nearest float to a seven-digit text, which is what the
        // grid shows and reads back.
        s->NodeAccumulatedLength[i] =
            QString::number(i * 10 + double(Decimal(r, 5, true)), 'g', 7).toFloat();
        s->PipeDiameter[i] = Decimal(r, 2000, true);
        s->WallThickness[i] = Decimal(r, 50, true);
        s->PipeCostPerMetre[i] = Decimal(r, 9000, true);
        s->SecondaryLoss[i] = Decimal(r, 5, true);
        s->NodeTypeCode[i] = static_cast<int16_t>(r.bounded(10));
    }
    s->ElevationUnit = static_cast<int16_t>(Code(r, LengthUnits));
    s->ChainageUnit = static_cast<int16_t>(Code(r, LengthUnits));
    s->DiameterUnit = static_cast<int16_t>(Code(r, PipeDimensionUnits));
    s->WallThicknessUnit = static_cast<int16_t>(Code(r, PipeDimensionUnits));
    s->LiningSystem = static_cast<int16_t>(r.bounded(2));
    if (s->LiningSystem == 1) {
        s->LiningThickness = Decimal(r, 30, true);
        s->LiningThicknessUnit = static_cast<int16_t>(Code(r, PipeDimensionUnits));
    }
    s->RoughnessNew = Decimal(r, 5, true);
    s->RoughnessOld = Decimal(r, 9, true);
    s->RoughnessNewUnit = static_cast<int16_t>(Code(r, PipeDimensionUnits));
    s->RoughnessOldUnit = static_cast<int16_t>(Code(r, PipeDimensionUnits));
    s->DeteriorationYears = static_cast<float>(r.bounded(2, 90));
    for (int i = 1; i <= 14; ++i)
        s->LayingCost[i] = Decimal(r, 900, true);
    s->MechanicalWorksCost = Decimal(r, 90000, true);
    s->ElectricalWorksCost = Decimal(r, 90000, true);
    s->DiscountRate = Decimal(r, 20, true);
    s->EscalationRate = Decimal(r, 20, true);
    s->EnergyEscalationRate = s->SystemType == 1 ? Decimal(r, 20, true) : 0.0f;
    s->SupervisionFees = Decimal(r, 90000, true);
    s->MaintenanceMechanical = static_cast<int16_t>(r.bounded(1001));
    s->MaintenanceElectrical = static_cast<int16_t>(r.bounded(1001));
    s->MaintenancePipeline = static_cast<int16_t>(r.bounded(2001));
    s->WaterPrice = Decimal(r, 50, true);
    s->WaterPriceUnit = static_cast<int16_t>(Code(r, WaterSalesVolumeUnits));
    s->WaterPriceIncrease = Decimal(r, 20, true);
    for (int i = 1; i <= 8; ++i)
        s->StaffCost[i] = {0, Decimal(r, 9000, true), Decimal(r, 100, true)};
    for (int i = 1; i <= 5; ++i)
        s->OtherExpenseAmount[i] = Decimal(r, 9000, true);
    if (s->SystemType == 1) {
        s->PumpCurveGiven = static_cast<int16_t>(r.bounded(2));
        for (int k = 1; k <= 6; ++k)
            s->PumpCurve[1][k] = Decimal(r, 200, true), s->PumpCurve[2][k] = Decimal(r, 2, true),
            s->PumpCurve[3][k] = Decimal(r, 90, true);
        s->CurveHeadUnit = static_cast<int16_t>(Code(r, PumpHeadUnits));
        s->CurveFlowUnit = static_cast<int16_t>(Code(r, PumpCurveFlowUnits));
        s->OperatingFlowRate = Decimal(r, 900, true);
        s->OperatingFlowRateUnit = static_cast<int16_t>(Code(r, OperatingFlowUnits));
        s->PumpType = Word(r, 20);
        s->PumpDescription = Word(r, 200);
        s->SummerMonths = static_cast<int16_t>(r.bounded(13));
        s->PumpingHours = static_cast<int16_t>(r.bounded(1, 25));
        s->TariffSummerPeak = Decimal(r, 5, true);
        s->TariffSummerStandard = Decimal(r, 5, true);
        s->TariffSummerOffPeak = Decimal(r, 5, true);
        s->TariffWinterPeak = Decimal(r, 5, true);
        s->TariffWinterStandard = Decimal(r, 5, true);
        s->TariffWinterOffPeak = Decimal(r, 5, true);
        for (int h = 1; h <= 24; ++h) {
            s->SummerHourPeriod[h] = static_cast<int16_t>(r.bounded(3));
            s->WinterHourPeriod[h] = static_cast<int16_t>(r.bounded(3));
        }
        s->OperatingEfficiency = Decimal(r, 90, true); // a gravity load never reads it
    }
    return s;
}

// Counts the record's bytes field by field and keeps the name of the field
// that holds byte `offset` of the file.
struct FieldLocator
{
    qsizetype at = 0, offset = 0;
    std::string found;
    void take(const char* name, qsizetype bytes)
    {
        if (found.empty() && offset < at + bytes) found = name;
        at += bytes;
    }
    void operator()(const char* n, int16_t) { take(n, 2); }
    void operator()(const char* n, float) { take(n, 4); }
    void operator()(const char* n, const std::string&, size_t width)
    {
        take(n, static_cast<qsizetype>(width));
    }
    template <typename T, size_t N> void operator()(const char* n, const std::array<T, N>&)
    {
        take(n, static_cast<qsizetype>((N - 1) * sizeof(T)));
    }
    void operator()(const char* n, const std::array<std::array<float, 7>, 4>&) { take(n, 18 * 4); }
};

std::string FieldAt(qsizetype offset)
{
    FieldLocator locate;
    locate.offset = offset;
    const ProjectRecord rec{};
    ForEachRecordField(rec, locate);
    return locate.found;
}

// Stored values whose seven-digit text would read back as another value,
// from the smallest to the largest a 4-byte real holds.
constexpr std::array<float, 14> SweepValues = {
    12345678.0f, 123456789.0f, 12345.678f,  3.4028235e38f, 1.17549435e-38f, 1.4e-45f,   16777217.0f,
    0.1f,        1.0f / 3.0f,  2.71828175f, 0.00001f,      987654.321f,     8388607.5f, 1.0e37f,
};

// Gives every real field of a record that holds a value (not 0, not the
// empty-node mark) one of the sweep values, each field the next one from
// `start` on.
class SweepFields
{
  public:
    explicit SweepFields(size_t start) : next_(start) {}
    void operator()(const char*, int16_t&) {}
    void operator()(const char*, std::string&, size_t) {}
    template <size_t N> void operator()(const char*, std::array<int16_t, N>&) {}
    void operator()(const char* name, float& v) { Set(name, v); }
    template <size_t N> void operator()(const char* name, std::array<float, N>& a)
    {
        for (size_t i = 1; i < N; ++i)
            Set(name, a[i]);
    }
    void operator()(const char* name, std::array<std::array<float, 7>, 4>& curve)
    {
        for (size_t value = 1; value <= 3; ++value)
            for (size_t point = 1; point <= 6; ++point)
                Set(name, curve[value][point]);
    }

  private:
    void Set(const char* name, float& v)
    {
        if (v == 0.0f || v == UnusedNode || std::string_view(name) == "ReservedValue") return;
        v = SweepValues[next_++ % SweepValues.size()];
    }
    size_t next_;
};

class RoundTripTest : public ProjectFilesTest
{
  protected:
    // Writes the record, opens it in the window, saves it, and gives the
    // bytes written back.
    void ExpectSameAfterOpenAndSave(ProjectStore& project, const char* what)
    {
        ProjectRecord rec = RecordFor(project);
        ExpectRecordComesBack(rec, what);
    }

    ProjectRecord RecordFor(ProjectStore& project)
    {
        project.LayingCost[14] = 0; // no row holds it: every save writes 0 there
        // A gravity load keeps the store's pump values, and the save writes them.
        if (!IsPumping(project)) project.OperatingEfficiency = ctx.store.OperatingEfficiency;
        return RecordOf(project);
    }

    // Writes the record, opens it in the window and saves it twice: both
    // saves write the bytes the file held.
    void ExpectRecordComesBack(const ProjectRecord& rec, const std::string& what)
    {
        SCOPED_TRACE(what);
        std::string why;
        ASSERT_TRUE(CheckRecord(rec, &why)) << why;
        const std::string file = path("trip.kpj").toStdString();
        QFile::remove(path("trip.kpj"));
        int64_t number = 0;
        ASSERT_EQ(WriteProjectFile(file, rec, number), FileStatus::Ok);
        const QByteArray before = Bytes("trip.kpj");

        scripted.files.push_back(path("trip.kpj"));
        OpenProject(ctx);
        ASSERT_EQ(ctx.store.ProjectFilePath, file);
        for (const char* save : {"first save", "second save"}) {
            SCOPED_TRACE(save);
            const size_t said = scripted.messages.size();
            const SaveOutcome outcome = SaveProject(ctx);
            ASSERT_EQ(scripted.messages.size(), said) << scripted.lastMessage().toStdString();
            ASSERT_EQ(outcome, SaveOutcome::Saved);
            const QByteArray after = Bytes("trip.kpj");
            ASSERT_EQ(after.size(), before.size());
            for (qsizetype i = 0; i < after.size(); ++i)
                ASSERT_EQ(after[i], before[i])
                    << "first difference at byte " << i << " (" << FieldAt(i) << ")";
        }
    }
};

TEST_F(RoundTripTest, EngineProjectsComeBackByteForByte)
{
    auto gravity = GravityProject(100, 50, {{100, 0}, {80, 500}, {50, 1000}});
    ExpectSameAfterOpenAndSave(*gravity, "gravity");

    auto varying = GravityProject(120, 40, {{120, 0}, {90, 800}, {70, 1500}, {40, 2600}}, 400);
    varying->DemandMode = 1;
    for (int y = 1; y <= varying->DesignLife; ++y)
        varying->YearDemand[y] = 5.0f + static_cast<float>(y);
    AddCosts(*varying);
    varying->RoughnessOld = 1.0f;
    ExpectSameAfterOpenAndSave(*varying, "gravity, varying demand and costs");

    auto flow = PumpingProject(0, 50, {{0, 0}, {20, 500}, {45, 1000}});
    flow->EnergyEscalationRate = 7;
    flow->MechanicalWorksCost = 2000000;
    ExpectSameAfterOpenAndSave(*flow, "pumping, operating flow");

    auto curve = PumpingProject(0, 50, {{0, 0}, {45, 1000}});
    SetPumpCurve(*curve, TypicalPumpCurve);
    curve->SupplyStartYear = static_cast<int16_t>(curve->BaseYear + 2);
    ExpectSameAfterOpenAndSave(*curve, "pumping, pump curve");
}

// Every real field of projects of every kind, metric and US, holding each
// sweep value in turn: the window shows it so that saves with no edit write
// it back unchanged.
TEST_F(RoundTripTest, EveryValueOfEveryFieldComesBack)
{
    auto flowProject = [] {
        auto p = PumpingProject(0, 50, {{0, 0}, {20, 500}, {45, 1000}});
        p->EnergyEscalationRate = 7;
        return p;
    };
    auto curveProject = [] {
        auto p = PumpingProject(0, 50, {{0, 0}, {45, 1000}});
        SetPumpCurve(*p, TypicalPumpCurve);
        return p;
    };
    auto varyingProject = [] {
        auto p = GravityProject(120, 40, {{120, 0}, {90, 800}, {40, 2600}}, 400);
        p->DemandMode = 1;
        for (int y = 1; y <= p->DesignLife; ++y)
            p->YearDemand[y] = 5.0f + static_cast<float>(y);
        AddCosts(*p);
        return p;
    };
    const std::vector<std::pair<const char*, std::function<std::unique_ptr<ProjectStore>()>>>
        kinds = {{"gravity", varyingProject},
                 {"operating flow", flowProject},
                 {"pump curve", curveProject}};
    for (const auto& [kind, make] : kinds)
        for (int16_t units : {UnitSystems::Metric, UnitSystems::US})
            for (size_t start = 0; start < SweepValues.size(); ++start) {
                auto project = make();
                project->UnitSystem = units;
                project->RoughnessOld = 1.0f;
                ProjectRecord rec = RecordFor(*project);
                ForEachRecordField(rec, SweepFields(start));
                ExpectRecordComesBack(rec, std::string(kind) +
                                               (units == UnitSystems::US ? ", US" : ", metric") +
                                               ", sweep from " + std::to_string(start));
            }
}

// The project's texts as the file holds them (Windows-1252 bytes).
struct FileTexts
{
    const char* what;
    std::string description;
    std::string name = "Round trip";
    std::string designer = "Tester";
    std::string pumpType = "Type";
    std::string configuration = "Two pumps";
    friend void PrintTo(const FileTexts& t, std::ostream* os) { *os << t.what; }
};

class TextRoundTripTest : public RoundTripTest, public ::testing::WithParamInterface<FileTexts>
{
};

// A description keeps the line breaks the file holds, whichever kind; the
// boxes of one line keep their tabs and line breaks as loaded.
TEST_P(TextRoundTripTest, TextsComeBackByteForByte)
{
    const FileTexts& t = GetParam();
    auto project = PumpingProject(0, 50, {{0, 0}, {20, 500}, {45, 1000}});
    ProjectRecord rec = RecordFor(*project);
    rec.ProjectDescription = FitToWidth(t.description, ProjectRecord::ProjectDescriptionWidth);
    rec.ProjectName = FitToWidth(t.name, ProjectRecord::ProjectNameWidth);
    rec.Designer = FitToWidth(t.designer, ProjectRecord::DesignerWidth);
    rec.PumpType = FitToWidth(t.pumpType, ProjectRecord::PumpTypeWidth);
    rec.PumpDescription = FitToWidth(t.configuration, ProjectRecord::PumpDescriptionWidth);
    ExpectRecordComesBack(rec, t.what);
}

INSTANTIATE_TEST_SUITE_P(
    Breaks, TextRoundTripTest,
    ::testing::Values(FileTexts{"CRLF", "Upper dam\r\nto the town\r\nby the hills"},
                      FileTexts{"LF", "Upper dam\nto the town"},
                      FileTexts{"CR", "Upper dam\rto the town"},
                      FileTexts{"Mixed", "One\r\nTwo\nThree\rFour\r\n\r\n"},
                      FileTexts{"FullOfBreaks", std::string(250, '\r') + std::string(250, '\n')},
                      FileTexts{"NoBreakSpace", "Dam\xA0wall\r\n\tand route"},
                      FileTexts{"OneLineBoxes", "Route", "Dam\t2", "A.\r\nEngineer", "Type\tX\r\nY",
                                "Two\tpumps\r\nin\rparallel\n"}),
    [](const ::testing::TestParamInfo<FileTexts>& info) { return std::string(info.param.what); });

TEST_F(RoundTripTest, RandomProjectsComeBackByteForByte)
{
    QRandomGenerator r(20261209);
    for (int i = 0; i < 6; ++i) {
        auto project = RandomProject(r);
        ExpectSameAfterOpenAndSave(*project, ("random project " + std::to_string(i)).c_str());
    }
}

} // namespace
} // namespace vemora::test
