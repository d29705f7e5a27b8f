// kpj-tool analyse FILE [--supervision X]: loads a project file, runs the
// analysis and prints the outcome and the results as JSON; a failed run
// prints its message and its reason (empty when it has none), a run that
// found no water its note. The supervision
// cost defaults to the project's saved supervision fees.
#include <cstdlib>
#include <iostream>
#include <limits>
#include <memory>
#include <string>

#include "commands.h"
#include "engine/AnalysisRun.h"
#include "engine/ResultsStore.h"
#include "file_messages.h"
#include "json.h"
#include "project/ProjectFile.h"
#include "project/ProjectStore.h"
#include "project/RecordStore.h"

namespace {

struct AnalyseArgs
{
    std::string path;
    bool hasSupervision = false;
    float supervision = 0;
};

bool ParseArgs(const std::vector<std::string>& args, AnalyseArgs& out)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--supervision") {
            if (i + 1 >= args.size()) return false;
            char* end = nullptr;
            const std::string& text = args[++i];
            out.supervision = std::strtof(text.c_str(), &end);
            if (end == text.c_str() || *end != '\0') return false;
            out.hasSupervision = true;
        } else if (out.path.empty()) {
            out.path = args[i];
        } else {
            return false;
        }
    }
    return !out.path.empty();
}

const char* StatusName(vemora::AnalysisStatus status)
{
    switch (status) {
    case vemora::AnalysisStatus::Completed:
        return "ok";
    case vemora::AnalysisStatus::PumpCurveMissed:
        return "pump_curve_missed";
    case vemora::AnalysisStatus::HydraulicsFailed:
        return "hydraulics_failed";
    default:
        return "failed";
    }
}

std::string StatusMessage(const vemora::AnalysisOutcome& outcome)
{
    if (outcome.Status == vemora::AnalysisStatus::PumpCurveMissed)
        return vemora::PumpCurveMissedMessage(outcome.Year);
    return vemora::AnalysisFailureMessage(outcome.Status);
}

void Years(JsonWriter& json, const char* name, const vemora::YearArray& values, int count)
{
    json.Key(name);
    json.BeginInlineArray();
    for (int y = 1; y <= count && y <= vemora::MaxYears; ++y)
        json.Value(values[y]);
    json.EndArray();
}

void Scalar(JsonWriter& json, const char* name, float value)
{
    json.Key(name);
    json.Value(value);
}

void WriteResults(JsonWriter& json, const vemora::ProjectStore& s, const vemora::ResultsStore& r)
{
    const int N = s.DesignLife;
    const int C = s.SupplyStartYear - s.BaseYear;
    Years(json, "YearFlow", r.YearFlow, N);
    Years(json, "YearShortage", r.YearShortage, N);
    Years(json, "YearPumpingHours", r.YearPumpingHours, N);
    Years(json, "YearIncome", r.YearIncome, N);
    Years(json, "YearPumpHead", r.YearPumpHead, N);
    Years(json, "YearPumpEfficiency", r.YearPumpEfficiency, N);
    Years(json, "YearSummerOffPeakHours", r.YearSummerOffPeakHours, N);
    Years(json, "YearSummerStandardHours", r.YearSummerStandardHours, N);
    Years(json, "YearSummerPeakHours", r.YearSummerPeakHours, N);
    Years(json, "YearWinterOffPeakHours", r.YearWinterOffPeakHours, N);
    Years(json, "YearWinterStandardHours", r.YearWinterStandardHours, N);
    Years(json, "YearWinterPeakHours", r.YearWinterPeakHours, N);
    Years(json, "YearMaintenance", r.YearMaintenance, N);
    Years(json, "YearPipelineMaintenance", r.YearPipelineMaintenance, N);
    Years(json, "YearMechanicalMaintenance", r.YearMechanicalMaintenance, N);
    Years(json, "YearElectricalMaintenance", r.YearElectricalMaintenance, N);
    Years(json, "YearOperational", r.YearOperational, N);
    Years(json, "YearEnergy", r.YearEnergy, N);
    Years(json, "YearCapital", r.YearCapital, C);
    Years(json, "YearExpenditure", r.YearExpenditure, C + N);

    json.Key("Gradeline");
    json.BeginArray();
    for (int y = 1; y <= N && y <= vemora::MaxYears; ++y) {
        json.BeginInlineArray();
        for (int k = 0; k <= s.NodeCount && k <= vemora::MaxNodes; ++k)
            json.Value(r.Gradeline(k, y));
        json.EndArray();
    }
    json.EndArray();

    Scalar(json, "PipeSupplyCost", r.PipeSupplyCost);
    Scalar(json, "PipeLayingCost", r.PipeLayingCost);
    Scalar(json, "ConstructionSubtotal", r.ConstructionSubtotal);
    Scalar(json, "EscalationCost", r.EscalationCost);
    Scalar(json, "ConsultingFees", r.ConsultingFees);
    Scalar(json, "SupervisionCost", r.SupervisionCost);
    Scalar(json, "TotalCapitalCost", r.TotalCapitalCost);
    Scalar(json, "NpvExpenditure", r.NpvExpenditure);
    Scalar(json, "NpvIncome", r.NpvIncome);
    json.Key("Irr");
    if (r.IrrFound)
        json.Value(r.Irr);
    else
        json.Value(std::numeric_limits<float>::quiet_NaN()); // written as null
}

} // namespace

int RunAnalyseCommand(const std::vector<std::string>& args)
{
    AnalyseArgs options;
    if (!ParseArgs(args, options)) {
        std::cerr << "usage: kpj-tool analyse FILE [--supervision X]\n";
        return 2;
    }
    vemora::ProjectRecord rec;
    int64_t recordNumber = 0;
    std::string why;
    const vemora::FileStatus status =
        vemora::ReadProjectFile(options.path, rec, recordNumber, &why);
    if (status != vemora::FileStatus::Ok) {
        std::cerr << FileStatusMessage(status, why) << "\n";
        return 1;
    }
    auto store = std::make_unique<vemora::ProjectStore>();
    auto results = std::make_unique<vemora::ResultsStore>();
    vemora::StoreFromRecord(rec, *store);
    const float supervision = options.hasSupervision ? options.supervision : store->SupervisionFees;

    const vemora::AnalysisOutcome outcome = vemora::RunAnalysis(*store, *results, supervision);

    JsonWriter json(std::cout);
    json.BeginObject();
    json.Key("status");
    json.Value(StatusName(outcome.Status));
    json.Key("year");
    if (outcome.Status == vemora::AnalysisStatus::PumpCurveMissed)
        json.Value(outcome.Year);
    else
        json.Value(std::numeric_limits<double>::quiet_NaN()); // written as null
    json.Key("HighPointFlag");
    json.Value(outcome.Flags.HighPointFlag ? 1 : 0); // written as 0 or 1
    if (outcome.Status == vemora::AnalysisStatus::Completed) {
        if (!outcome.Note.empty()) {
            json.Key("note");
            json.Value(outcome.Note);
        }
        WriteResults(json, *store, *results);
    } else {
        json.Key("message");
        json.Value(StatusMessage(outcome));
        json.Key("reason");
        json.Value(outcome.Reason);
    }
    json.EndObject();
    json.Finish();
    return 0;
}
