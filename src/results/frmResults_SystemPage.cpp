// What the printed system graph page takes from the window.
#include <QLabel>
#include <QRadioButton>

#include "app/AppContext.h"
#include "platform/PictureBox.h"
#include "project/SystemType.h"
#include "results/frmResults.h"

namespace vemora {

SystemGraphPageContent frmResults::SystemGraphPage(std::optional<SystemGraph> choose)
{
    if (choose == SystemGraph::DemandCapacity) {
        ssoDemandCapacity->setChecked(true);
        ssoDemandCapacity_Click();
    } else if (choose == SystemGraph::IncomeExpenditure) {
        ssoIncomeExpenditure->setChecked(true);
        ssoIncomeExpenditure_Click();
    }
    SystemGraphPageContent page;
    page.demandCapacity = ssoDemandCapacity->isChecked();
    page.graph = picSystem->drawing();
    page.pumping = !IsGravity(ctx.store);
    if (page.demandCapacity)
        page.captions = {lblDemand->text(), lblYield->text()};
    else
        page.captions = {lblIncome->text(), lblCapitalExpenditure->text(), lblOperational->text(),
                         lblMaintenance->text(), lblEnergy->text()};
    return page;
}

} // namespace vemora
