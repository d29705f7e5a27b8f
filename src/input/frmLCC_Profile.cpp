// The page "Profile Data": the profile grid, its row buttons, the profile
// unit lists, lining and roughness, and the laying panel over the page.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "input/frmLCC.h"
#include "platform/ControlBuilders.h"
#include "platform/FieldBehaviours.h"
#include "platform/FlexGrid.h"
#include "platform/PictureButton.h"
#include "platform/Twips.h"

namespace vemora {

QWidget* frmLCC::BuildProfilePage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("pageProfile"));

    BuildProfileGrid(page);
    BuildProfileUnitsFrame(page);
    BuildProfileButtons(page);
    BuildLiningFrame(page);
    BuildLayingPanel(page);
    return page;
}

void frmLCC::BuildProfileGrid(QWidget* page)
{
    MakeLabel(page, QStringLiteral("Enter the pipeline profile"), 120, 90, 3000);
    msgProfile = MakeGrid(page, "msgProfile", 120, 360, 9780, 2400);
    fields_->AddHint(msgProfile, QStringLiteral("Enter the pipeline profile"));
    txtCell = MakeCellEditor(page, "txtCell");
    comNode = MakeUnitList(page, "comNode", 120, 360, 1900);
    comNode->hide();
    fields_->AddFocusHint(comNode, QStringLiteral("Select the node type"));
}

void frmLCC::BuildProfileUnitsFrame(QWidget* page)
{
    Frame4 = MakeFrame(page, "Frame4", QStringLiteral("Pipeline units"), 120, 2880, 4440, 1740);
    MakeLabel(Frame4, QStringLiteral("Pipeline diameter units"), 120, 330, 2820);
    comDiameterUnits = MakeUnitList(Frame4, "comDiameterUnits", 2940, 300, 1380);
    MakeLabel(Frame4, QStringLiteral("Wall thickness units"), 120, 690, 2820);
    comWallThicknessUnits = MakeUnitList(Frame4, "comWallThicknessUnits", 2940, 660, 1380);
    MakeLabel(Frame4, QStringLiteral("Pipeline elevation units"), 120, 1050, 2820);
    comElevationUnits = MakeUnitList(Frame4, "comElevationUnits", 2940, 1020, 1380);
    MakeLabel(Frame4, QStringLiteral("Pipeline accumulated length units"), 120, 1410, 2820);
    comLengthUnits = MakeUnitList(Frame4, "comLengthUnits", 2940, 1380, 1380);
    fields_->AddFocusHint(comDiameterUnits, QStringLiteral("Select the pipeline diameter units"));
    fields_->AddHint(comWallThicknessUnits,
                     QStringLiteral("Select the pipeline wall thickness units"));
    fields_->AddFocusHint(comElevationUnits, QStringLiteral("Select the pipeline elevation units"));
    fields_->AddFocusHint(comLengthUnits,
                          QStringLiteral("Select the pipeline accumulated length units"));
}

void frmLCC::BuildProfileButtons(QWidget* page)
{
    Frame3 = MakeFrame(page, "Frame3", QString(), 120, 4740, 4440, 660);
    sscViewProfile =
        MakeButton(Frame3, "sscViewProfile", QStringLiteral("&View profile"), 120, 150, 1320);
    sscDelete = MakeButton(Frame3, "sscDelete", QStringLiteral("&Delete row"), 1560, 150, 1320);
    sscAdd = MakeButton(Frame3, "sscAdd", QStringLiteral("&Add row"), 3000, 150, 1320);
    fields_->AddFocusHint(sscViewProfile, QStringLiteral("View the pipeline profile"));
    fields_->AddFocusHint(sscDelete, QStringLiteral("Delete a row from the profile grid"));
    fields_->AddFocusHint(sscAdd, QStringLiteral("Add a row to the profile grid"));

    sscLaying = MakeButton(page, "sscLaying", QStringLiteral("&Pipe laying conditions / cost"), 120,
                           5520, 3180, 420);
    fields_->AddHint(sscLaying,
                     QStringLiteral("Click to view the pipeline laying conditions and costs"));
    sscHelp1 = MakeButton(page, "sscHelp1", QStringLiteral("Help"), 3480, 5520, 1080, 420);
}

void frmLCC::BuildLiningFrame(QWidget* page)
{
    fraReservoir =
        MakeFrame(page, "fraReservoir", QStringLiteral("Lining system"), 4680, 2880, 5280, 2580);
    optEpoxy =
        MakeOption(fraReservoir, "optEpoxy", QStringLiteral("  Epoxy coated"), 240, 330, 2300);
    optMortar = MakeOption(fraReservoir, "optMortar", QStringLiteral("  Cement mortar/Other"), 2640,
                           330, 2500);
    fields_->AddHint(optEpoxy, QStringLiteral("Select if the pipeline has an epoxy lining"));
    fields_->AddHint(optMortar,
                     QStringLiteral("Select if the pipeline has a cement mortar lining"));

    Label51 = MakeLabel(fraReservoir, QStringLiteral("Lining thickness"), 240, 750, 2520);
    txtLiningThickness = MakeText(fraReservoir, "txtLiningThickness", 2820, 720, 1080);
    comLiningThicknessUnits =
        MakeUnitList(fraReservoir, "comLiningThicknessUnits", 4020, 712, 1080);
    fields_->AddHint(txtLiningThickness,
                     QStringLiteral("Enter the thickness of the lining system"));
    fields_->AddHint(
        comLiningThicknessUnits,
        QStringLiteral("Select the units of the cement mortar lining thickness entered"));
    fields_->AddKeyFilter(txtLiningThickness);

    MakeLabel(fraReservoir, QStringLiteral("Roughness of new pipe (Ks)"), 240, 1170, 2520);
    txtKsNew = MakeText(fraReservoir, "txtKsNew", 2820, 1140, 1080);
    comKsNewUnits = MakeUnitList(fraReservoir, "comKsNewUnits", 4020, 1132, 1080);
    fields_->AddFocusHint(txtKsNew,
                          QStringLiteral("Enter the absolute pipe roughness of a new pipe"));
    fields_->AddFocusHint(comKsNewUnits,
                          QStringLiteral("The absolute roughness units for a new pipe"));
    fields_->AddKeyFilter(txtKsNew);

    MakeLabel(fraReservoir, QStringLiteral("Roughness of old pipe (Ks)"), 240, 1590, 2520);
    txtKsOld = MakeText(fraReservoir, "txtKsOld", 2820, 1560, 1080);
    comKsOldUnits = MakeUnitList(fraReservoir, "comKsOldUnits", 4020, 1552, 1080);
    fields_->AddFocusHint(txtKsOld,
                          QStringLiteral("Enter the absolute pipe roughness of a old pipe"));
    fields_->AddFocusHint(comKsOldUnits,
                          QStringLiteral("The absolute roughness units for an old pipe"));
    fields_->AddKeyFilter(txtKsOld);

    MakeLabel(fraReservoir, QStringLiteral("Roughness deterioration years"), 240, 2010, 2520);
    txtKsOldYears = MakeText(fraReservoir, "txtKsOldYears", 2820, 1980, 1080);
    MakeLabel(fraReservoir, QStringLiteral("years"), 4020, 2010, 900);
    fields_->AddFocusHint(txtKsOldYears,
                          QStringLiteral("Time it will take the pipe to deteriorate"));
    fields_->AddKeyFilter(txtKsOldYears);
}

void frmLCC::BuildLayingPanel(QWidget* page)
{
    fraLaying = MakeFrame(page, "fraLaying", QStringLiteral("Pipe laying conditions"), 120, 60,
                          LayingPanelWidth, LayingPanelHeight);
    fraLaying->setAutoFillBackground(true);
    msgLaying = MakeGrid(fraLaying, "msgLaying", 240, 300, 4320, 5520);
    txtLaying = MakeCellEditor(fraLaying, "txtLaying");

    imgLaying = new QLabel(fraLaying);
    imgLaying->setObjectName(QStringLiteral("imgLaying"));
    setTwipsGeometry(imgLaying, 4680, 300, 4950, 4695);

    sscHideLaying = MakeButton(fraLaying, "sscHideLaying", QStringLiteral("&Save && Exit"), 4920,
                               5160, 2100, 420);
    sscCancelLaying =
        MakeButton(fraLaying, "sscCancelLaying", QStringLiteral("&Cancel"), 7320, 5160, 1500, 420);
    fields_->AddHint(sscHideLaying, QStringLiteral("Save the entered data and exit"));
    fields_->AddHint(
        sscCancelLaying,
        QStringLiteral("Do not save the entered data and return to the profile data screen"));
    fraLaying->hide();
}

} // namespace vemora
