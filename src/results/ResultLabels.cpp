#include "results/ResultLabels.h"

#include "engine/NumberFormat.h"
#include "project/Currency.h"

namespace vemora {

ResultLabels MakeResultLabels(const ProjectStore& store, const ResultsStore& results)
{
    const std::string symbol = CurrencySymbol(store.CurrencyCode);
    ResultLabels labels;
    labels.DesignLife = std::to_string(store.DesignLife) + " years";
    labels.NpvE = symbol + FormatThousands(results.NpvExpenditure, 0);
    labels.NpvI = symbol + FormatThousands(results.NpvIncome, 0);
    labels.Irr =
        results.IrrFound ? "IRR = " + FormatThreeDecimals(results.Irr) + " %" : "IRR = n/a";
    return labels;
}

} // namespace vemora
