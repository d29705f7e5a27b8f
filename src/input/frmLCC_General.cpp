// The page "General Data": the project header, the years, and the frames of a
// gravity and of a pumping project, with the pump-curve panel over them.
#include <QComboBox>
#include <QDate>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "input/frmLCC.h"
#include "platform/ControlBuilders.h"
#include "platform/DatePicker.h"
#include "platform/FieldBehaviours.h"
#include "platform/FlexGrid.h"
#include "platform/PictureButton.h"
#include "platform/ScrollBar.h"
#include "platform/TextArea.h"
#include "platform/Twips.h"
#include "project/RecordCheck.h"
#include "project/TextCodec.h"

namespace vemora {

QWidget* frmLCC::BuildGeneralPage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("pageGeneral"));
    BuildHeaderFields(page);
    BuildGravityFrames(page);
    BuildPumpingFrames(page);
    BuildPumpDetailsPanel(page);
    return page;
}

void frmLCC::BuildHeaderFields(QWidget* page)
{
    MakeLabel(page, QStringLiteral("File name :"), 120, 120, 1000);
    lblFileName = MakeLabel(page, QString(), 1140, 120, 7700);
    lblFileName->setObjectName(QStringLiteral("lblFileName"));

    MakeLabel(page, QStringLiteral("Project name"), 120, 540, 1560);
    txtProject = MakeText(page, "txtProject", 1740, 500, 4140);
    txtProject->setMaxLength(ProjectRecord::ProjectNameWidth);
    fields_->KeepCharacters(txtProject, Windows1252Holds);
    fields_->AddFocusHint(txtProject, QStringLiteral("Enter the project name"));

    MakeLabel(page, QStringLiteral("Designer"), 120, 960, 1560);
    txtDesigner = MakeText(page, "txtDesigner", 1740, 920, 4140);
    txtDesigner->setMaxLength(ProjectRecord::DesignerWidth);
    fields_->KeepCharacters(txtDesigner, Windows1252Holds);
    fields_->AddFocusHint(txtDesigner, QStringLiteral("Enter the designer's name"));

    MakeLabel(page, QStringLiteral("Description"), 120, 1380, 1560);
    TextArea* description = MakeTextArea(page, "txtDescription", 1740, 1340, 4140, 960,
                                         ProjectRecord::ProjectDescriptionWidth);
    fields_->KeepCharacters(description, Windows1252Holds);
    txtDescription = description;
    fields_->AddFocusHint(txtDescription, QStringLiteral("Enter a description of the project"));

    MakeLabel(page, QStringLiteral("Date"), 6120, 540, 1380);
    dtpDate = new DatePicker(page);
    dtpDate->setObjectName(QStringLiteral("dtpDate"));
    dtpDate->setDisplayFormat(QStringLiteral("d MMMM yyyy"));
    dtpDate->setDateRange(QDate(2000, 1, 1), QDate(9999, 12, 31));
    setTwipsGeometry(dtpDate, 7560, 500, 2400, 300);
    fields_->AddFocusHint(dtpDate, QStringLiteral("Enter/select the date"));

    struct YearBar
    {
        const char* caption;
        const char* name;
        int min, max, large, top;
        ScrollBar*& bar;
        QLabel*& label;
        const char* labelName;
        const char* hint;
    };
    const YearBar bars[] = {
        {"Design life", "hscLife", DesignLifeMin, DesignLifeMax, 5, 960, hscLife, lblLife,
         "lblLife", "Scroll to the design life of the system"},
        {"Starting year", "hscBaseYear", YearMin, YearMax, 5, 1380, hscBaseYear, lblBaseYear,
         "lblBaseYear", "Scroll to the start year of the project"},
        {"Supply start year", "hscSupplyStart", YearMin, YearMax, 10, 1800, hscSupplyStart,
         lblSupplyStart, "lblSupplyStart", "Scroll to the supply start year of the project"},
    };
    // The bars are wide enough for their thumb to be dragged through a
    // range of a hundred years or more.
    for (const YearBar& b : bars) {
        MakeLabel(page, QString::fromLatin1(b.caption), 6120, b.top, 1380);
        b.bar = MakeScrollBar(page, b.name, b.min, b.max, b.large, 7560, b.top, 1620);
        b.label = MakeLabel(page, QString(), 9240, b.top, 780);
        b.label->setObjectName(QString::fromLatin1(b.labelName));
        fields_->AddHint(b.label, QString::fromLatin1(b.hint));
    }

    sscHelp = MakeButton(page, "sscHelp", QStringLiteral("Help"), 9000, 60, 960, 345);
    fields_->AddFocusHint(sscHelp, QString());
}

void frmLCC::BuildGravityFrames(QWidget* page)
{
    fraGravityOption =
        MakeFrame(page, "fraGravityOption", QStringLiteral("Select the preferred option "), 120,
                  2520, 6615, 1020);
    optGSpecifiedFlowrate = MakeOption(fraGravityOption, "optGSpecifiedFlowrate",
                                       QStringLiteral("Fixed demand"), 240, 330, 2400);
    optGCalculatedFlowrate = MakeOption(fraGravityOption, "optGCalculatedFlowrate",
                                        QStringLiteral("Varying demand"), 240, 650, 2400);
    fields_->AddHint(optGSpecifiedFlowrate, QStringLiteral("Select to enter thea fixed demand"));
    fields_->AddHint(optGCalculatedFlowrate, QStringLiteral("Select to enter the varying demand"));

    fraGravityReservoirs =
        MakeFrame(page, "fraGravityReservoirs",
                  QStringLiteral("Enter the reservoir top water levels"), 120, 3660, 6615, 1260);
    MakeLabel(fraGravityReservoirs, QStringLiteral("Top reservoir water level"), 240, 390, 2760);
    txtTRWL = MakeText(fraGravityReservoirs, "txtTRWL", 3120, 360, 1320);
    comTRWLUnits = MakeUnitList(fraGravityReservoirs, "comTRWLUnits", 4560, 352, 1860);
    MakeLabel(fraGravityReservoirs, QStringLiteral("Bottom reservoir water level"), 240, 810, 2760);
    txtBRWL = MakeText(fraGravityReservoirs, "txtBRWL", 3120, 780, 1320);
    comBRWLUnits = MakeUnitList(fraGravityReservoirs, "comBRWLUnits", 4560, 772, 1860);
    fields_->AddHint(txtTRWL, QStringLiteral("Enter the top reservoir water level"));
    fields_->AddFocusHint(comTRWLUnits,
                          QStringLiteral("Select the top reservoir water level units"));
    fields_->AddHint(txtBRWL, QStringLiteral("Enter the end reservoir water level"));
    fields_->AddFocusHint(comBRWLUnits,
                          QStringLiteral("Select the end reservoir water level units"));
    fields_->AddKeyFilter(txtTRWL);
    fields_->AddKeyFilter(txtBRWL);

    fraGravityFlowrate = MakeFrame(page, "fraGravityFlowrate",
                                   QStringLiteral("Enter the fixed demand"), 120, 5040, 6615, 930);
    Label52 = MakeLabel(fraGravityFlowrate, QStringLiteral("Fixed demand"), 240, 420, 2760);
    txtGFlowrate = MakeText(fraGravityFlowrate, "txtGFlowrate", 3120, 390, 1320);
    comGFlowrateUnits = MakeUnitList(fraGravityFlowrate, "comGFlowrateUnits", 4560, 382, 1860);
    fields_->AddHint(txtGFlowrate, QStringLiteral("Enter the fixed demand"));
    fields_->AddUnfilteredNumberBox(txtGFlowrate);
    fields_->AddHint(comGFlowrateUnits, QStringLiteral("Select the demand units"));

    fraVaryingDemand = MakeFrame(page, "fraVaryingDemand", QStringLiteral("Varying demand"), 6840,
                                 2520, 3120, 3450);
    Label53 = MakeLabel(fraVaryingDemand, QStringLiteral("Demand units"), 120, 330, 1140);
    comVaryingDemandUnits =
        MakeUnitList(fraVaryingDemand, "comVaryingDemandUnits", 1260, 300, 1740);
    fields_->AddHint(comVaryingDemandUnits, QStringLiteral("Select the varying demand units"));
    msgDemand = MakeGrid(fraVaryingDemand, "msgDemand", 120, 720, 2580, 2610);
    txtDemand = MakeCellEditor(fraVaryingDemand, "txtDemand");
}

void frmLCC::BuildPumpingFrames(QWidget* page)
{
    BuildPumpOptionFrames(page);
    BuildPumpDemandFrames(page);
    BuildPumpReservoirFrame(page);
    BuildPumpFlowFrames(page);
}

void frmLCC::BuildPumpOptionFrames(QWidget* page)
{
    // The two option frames share a row; the flow method's takes a caption
    // of two lines and two options below it.
    fraPumpOption = MakeFrame(page, "fraPumpOption", QStringLiteral("Select the preferred option "),
                              120, 2520, 3240, 1080);
    optPumpFixed =
        MakeOption(fraPumpOption, "optPumpFixed", QStringLiteral("Fixed demand"), 240, 330, 2760);
    optPumpVarying = MakeOption(fraPumpOption, "optPumpVarying", QStringLiteral("Varying demand"),
                                240, 650, 2760);
    fields_->AddHint(optPumpFixed, QStringLiteral("Select to enter a fixed demand"));
    fields_->AddHint(optPumpVarying, QStringLiteral("Select to enter a varying demand"));

    FraPumpingOption =
        MakeFrame(page, "FraPumpingOption", QStringLiteral("Select the preferred method of"), 3480,
                  2520, 3255, 1080);
    // The caption's second line, just below the first on the border.
    MakeLabel(FraPumpingOption, QStringLiteral("calculating the flow rate"), 150, 240, 3000, 240);
    optFlowrate = MakeOption(FraPumpingOption, "optFlowrate",
                             QStringLiteral("Specified operating flow rate"), 240, 510, 2940, 255);
    optPumpDetails = MakeOption(FraPumpingOption, "optPumpDetails",
                                QStringLiteral("Specified pump curve"), 240, 795, 2940, 255);
    fields_->AddHint(
        optFlowrate,
        QStringLiteral("Select to enter the specified operating flowrate of the pump"));
    fields_->AddHint(optPumpDetails, QStringLiteral("Select to enter the pump characteristics"));
}

void frmLCC::BuildPumpDemandFrames(QWidget* page)
{
    FraPumpFixedDemand =
        MakeFrame(page, "FraPumpFixedDemand", QStringLiteral("Enter the fixed demand"), 6840, 2520,
                  3120, 1080);
    MakeLabel(FraPumpFixedDemand, QStringLiteral("Fixed demand"), 120, 300, 2760);
    txtPFlowrate = MakeText(FraPumpFixedDemand, "txtPFlowrate", 120, 600, 1080);
    comPFlowrateUnits = MakeUnitList(FraPumpFixedDemand, "comPFlowrateUnits", 1260, 592, 1740);
    fields_->AddFocusHint(txtPFlowrate, QStringLiteral("Enter the fixed demand"));
    fields_->AddFocusHint(comPFlowrateUnits, QStringLiteral("Select the fixed demand units"));
    fields_->AddKeyFilter(txtPFlowrate);

    fraPumpVaryingDemand = MakeFrame(page, "fraPumpVaryingDemand", QStringLiteral("Varying demand"),
                                     6840, 2520, 3120, 3450);
    MakeLabel(fraPumpVaryingDemand, QStringLiteral("Demand units"), 120, 330, 1140);
    comPumpVaryingDemandUnits =
        MakeUnitList(fraPumpVaryingDemand, "comPumpVaryingDemandUnits", 1260, 300, 1740);
    fields_->AddFocusHint(comPumpVaryingDemandUnits,
                          QStringLiteral("Select the varying demand units"));
    msgPumpDemand = MakeGrid(fraPumpVaryingDemand, "msgPumpDemand", 120, 720, 2580, 2610);
    fields_->AddHint(msgPumpDemand, QStringLiteral("Enter the varying demand"));
    txtPumpDemand = MakeCellEditor(fraPumpVaryingDemand, "txtPumpDemand");
}

void frmLCC::BuildPumpReservoirFrame(QWidget* page)
{
    fraPumpReservoir =
        MakeFrame(page, "fraPumpReservoir", QStringLiteral("Enter the reservoir top water levels"),
                  120, 3660, 6615, 1260);
    MakeLabel(fraPumpReservoir, QStringLiteral("Pumpstation reservoir water level"), 240, 390,
              2760);
    txtPPRWL = MakeText(fraPumpReservoir, "txtPPRWL", 3120, 360, 1320);
    comPPRWLUnits = MakeUnitList(fraPumpReservoir, "comPPRWLUnits", 4560, 352, 1860);
    MakeLabel(fraPumpReservoir, QStringLiteral("End reservoir water level"), 240, 810, 2760);
    txtPERWL = MakeText(fraPumpReservoir, "txtPERWL", 3120, 780, 1320);
    comPERWLUnits = MakeUnitList(fraPumpReservoir, "comPERWLUnits", 4560, 772, 1860);
    fields_->AddFocusHint(txtPPRWL, QStringLiteral("Enter the pumpstation reservoir water level"));
    fields_->AddFocusHint(comPPRWLUnits,
                          QStringLiteral("Select the pumpstation reservoir water level units"));
    fields_->AddFocusHint(txtPERWL, QStringLiteral("Enter the end reservoir water level"));
    fields_->AddFocusHint(comPERWLUnits,
                          QStringLiteral("Select the end reservoir water level units"));
    fields_->AddKeyFilter(txtPPRWL);
    fields_->AddKeyFilter(txtPERWL);
}

void frmLCC::BuildPumpFlowFrames(QWidget* page)
{
    fraPumpingFlowrate = MakeFrame(
        page, "fraPumpingFlowrate",
        QStringLiteral("Enter the operating flow rate and pump efficiency"), 120, 5040, 6615, 930);
    MakeLabel(fraPumpingFlowrate, QStringLiteral("Operating flow rate"), 240, 270, 2760);
    txtPumpOperatingFlowrate =
        MakeText(fraPumpingFlowrate, "txtPumpOperatingFlowrate", 3120, 255, 1320, 285);
    comPumpOperatingFlowrateUnits =
        MakeUnitList(fraPumpingFlowrate, "comPumpOperatingFlowrateUnits", 4560, 240, 1860);
    MakeLabel(fraPumpingFlowrate, QStringLiteral("Pump efficiency"), 240, 600, 2760);
    txtPumpEfficiency = MakeText(fraPumpingFlowrate, "txtPumpEfficiency", 3120, 585, 1320, 285);
    MakeLabel(fraPumpingFlowrate, QStringLiteral("%"), 4500, 600, 300);
    fields_->AddFocusHint(txtPumpOperatingFlowrate,
                          QStringLiteral("Enter the operating flowrate of the pump"));
    fields_->AddFocusHint(comPumpOperatingFlowrateUnits,
                          QStringLiteral("Select the operating flowrate units"));
    fields_->AddFocusHint(txtPumpEfficiency, QStringLiteral("Enter the pump efficiency"));
    fields_->AddKeyFilter(txtPumpOperatingFlowrate);
    fields_->AddKeyFilter(txtPumpEfficiency);

    fraPumpcurve = MakeFrame(page, "fraPumpcurve", QStringLiteral("Enter or change the pump curve"),
                             120, 5040, 6615, 930);
    MakeLabel(fraPumpcurve,
              QStringLiteral("Click on the button below to enter or change the pump curve"), 240,
              210, 6200);
    sscPumpcurve = MakeButton(fraPumpcurve, "sscPumpcurve", QStringLiteral("&Pump curve"), 240, 480,
                              1800, 345);
    fields_->AddFocusHint(sscPumpcurve, QStringLiteral("Enter or edit the pump curve"));
}

void frmLCC::BuildPumpDetailsPanel(QWidget* page)
{
    // The panel covers every frame it stands over, to the page's right
    // column edge and the bottom of the flow-rate frames.
    fraPumpDetails =
        MakeFrame(page, "fraPumpDetails", QStringLiteral("Enter the pump characteristics"), 120,
                  2400, 9840, 3570);
    fields_->AddHint(fraPumpDetails, QStringLiteral("Enter the pump characteristics"));
    fraPumpDetails->setAutoFillBackground(true);

    MakeLabel(fraPumpDetails, QStringLiteral("Point"), 240, 330, 780);
    MakeLabel(fraPumpDetails, QStringLiteral("Head"), 1080, 330, 1200);
    MakeLabel(fraPumpDetails, QStringLiteral("Flow rate"), 2400, 330, 1200);
    MakeLabel(fraPumpDetails, QStringLiteral("Efficiency"), 3720, 330, 1200);
    comHeadUnits = MakeUnitList(fraPumpDetails, "comHeadUnits", 1080, 600, 1200);
    comFlowUnits = MakeUnitList(fraPumpDetails, "comFlowUnits", 2400, 600, 1200);
    MakeLabel(fraPumpDetails, QStringLiteral("%"), 3720, 630, 1200);
    fields_->AddFocusHint(comHeadUnits, QStringLiteral("Select the pump head units"));
    fields_->AddFocusHint(comFlowUnits, QStringLiteral("Select the pump flowrate units"));

    for (int k = 0; k < 6; ++k) {
        const auto i = static_cast<size_t>(k);
        const int top = 1020 + k * 390;
        MakeLabel(fraPumpDetails, QString::number(k + 1), 360, top + 30, 600);
        txtH[i] = MakeText(fraPumpDetails, "txtH", 1080, top, 1200);
        txtQ[i] = MakeText(fraPumpDetails, "txtQ", 2400, top, 1200);
        txtEfficiency[i] = MakeText(fraPumpDetails, "txtEfficiency", 3720, top, 1200);
        txtH[i]->setObjectName(QStringLiteral("txtH(%1)").arg(k));
        txtQ[i]->setObjectName(QStringLiteral("txtQ(%1)").arg(k));
        txtEfficiency[i]->setObjectName(QStringLiteral("txtEfficiency(%1)").arg(k));
        fields_->AddFocusHint(txtH[i], QStringLiteral("Enter the pump head"));
        fields_->AddFocusHint(txtQ[i], QStringLiteral("Enter the pump flowrate"));
        fields_->AddHint(txtEfficiency[i],
                         QStringLiteral("Enter the pump installation efficiency"));
        fields_->AddKeyFilter(txtH[i]);
        fields_->AddKeyFilter(txtQ[i]);
        fields_->AddKeyFilter(txtEfficiency[i]);
    }

    MakeLabel(fraPumpDetails, QStringLiteral("Pump type"), 5160, 330, 1200);
    txtPumptype = MakeText(fraPumpDetails, "txtPumptype", 6480, 300, 3000);
    txtPumptype->setMaxLength(ProjectRecord::PumpTypeWidth);
    fields_->KeepCharacters(txtPumptype, Windows1252Holds);
    MakeLabel(fraPumpDetails, QStringLiteral("Configuration"), 5160, 750, 1200);
    txtPumpDescription = MakeText(fraPumpDetails, "txtPumpDescription", 6480, 720, 3000);
    txtPumpDescription->setMaxLength(ProjectRecord::PumpDescriptionWidth);
    fields_->KeepCharacters(txtPumpDescription, Windows1252Holds);
    fields_->AddFocusHint(txtPumptype, QStringLiteral("Enter the pump type"));
    fields_->AddFocusHint(txtPumpDescription,
                          QStringLiteral("Enter a description of the pump configuration"));

    sscViewCurve = MakeButton(fraPumpDetails, "sscViewCurve", QStringLiteral("&View pump curve"),
                              5160, 2880, 2100, 420);
    sscOK = MakeButton(fraPumpDetails, "sscOK", QStringLiteral("&OK"), 8280, 2880, 1200, 420);
    fields_->AddFocusHint(sscViewCurve, QStringLiteral("View the pump curve"));
    fraPumpDetails->hide();
}

} // namespace vemora
