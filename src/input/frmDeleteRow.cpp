#include "input/frmDeleteRow.h"

#include <QLabel>
#include <exception>

#include "app/AppContext.h"
#include "input/frmLCC.h"
#include "platform/ControlBuilders.h"
#include "platform/FieldBehaviours.h"
#include "platform/FlexGrid.h"
#include "platform/PictureButton.h"
#include "platform/Twips.h"
#include "platform/Ui.h"

namespace vemora {

namespace {

constexpr int HelpTopic = 3060;
constexpr int RowPitch = 330;

struct Shown
{
    const char* caption;
    int column; // of the profile grid
};
constexpr Shown ShownColumns[7] = {{"  Node number", 0},         {"  Elevation", 1},
                                   {"  Accumulated length ", 2}, {"  Pipe diameter", 3},
                                   {"  Pipe wall thickness", 4}, {"  Pipe cost per metre", 5},
                                   {"  Node description", 7}};

} // namespace

frmDeleteRow::frmDeleteRow(frmLCC& input, QWidget* parent) : QDialog(parent), input_(input)
{
    setObjectName(QStringLiteral("frmDeleteRow"));
    setWindowTitle(QStringLiteral("  DELETE ROW"));
    setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    setFixedSize(twipsToPixels(5400), twipsToPixels(3540));
    fields_ = new FieldBehaviours(
        this, [this, &input](const QString& hint) { input.ctx.mainWindow().showHint(this, hint); });

    for (int i = 0; i < 7; ++i) {
        const int top = 180 + i * RowPitch;
        MakeLabel(this, QString::fromUtf8(ShownColumns[i].caption), 240, top, 2280, 285);
        QLabel* value = MakeLabel(this, QString(), 2580, top, 2580, 285);
        value->setObjectName(QStringLiteral("lblDelete%1").arg(i));
        value->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        lblDelete[static_cast<size_t>(i)] = value;
    }
    lblQuestion = MakeLabel(
        this, QStringLiteral("Are you sure you want to delete the row containing this data ?"), 240,
        180 + 7 * RowPitch + 90, 4920, 285);

    const int buttonsTop = 180 + 8 * RowPitch + 90;
    sscYes = MakeButton(this, "sscYes", QStringLiteral("&Yes"), 240, buttonsTop, 1500, 420);
    sscNo = MakeButton(this, "sscNo", QStringLiteral("&No"), 1950, buttonsTop, 1500, 420);
    sscHelp = MakeButton(this, "sscHelp", QStringLiteral("Help"), 3660, buttonsTop, 1500, 420);
    fields_->AddHint(sscYes, QStringLiteral("Yes delete the row"));
    fields_->AddHint(sscNo, QStringLiteral("No don't delete the row"));

    connect(sscYes, &PictureButton::clicked, this, &frmDeleteRow::sscYes_Click);
    connect(sscNo, &PictureButton::clicked, this, &frmDeleteRow::sscNo_Click);
    connect(sscHelp, &PictureButton::clicked, this, &frmDeleteRow::sscHelp_Click);
    Form_Load();
}

// The current profile row, each text without its surrounding blanks.
void frmDeleteRow::Form_Load()
{
    const FlexGrid* grid = input_.msgProfile;
    for (int i = 0; i < 7; ++i)
        lblDelete[static_cast<size_t>(i)]->setText(
            grid->TextMatrix(grid->Row(), ShownColumns[i].column).trimmed());
}

void frmDeleteRow::sscYes_Click()
{
    try {
        input_.DeleteCurrentProfileRow();
    } catch (const std::exception&) {
        input_.ctx.ui.msgBox(QStringLiteral("Could not delete the row."), MsgButtons::OK,
                             MsgIcon::Exclamation, QStringLiteral("Error !"), this);
    }
    accept();
}

void frmDeleteRow::sscNo_Click()
{
    reject();
}

void frmDeleteRow::sscHelp_Click()
{
    input_.ctx.ui.showHelp(HelpTopic);
}

} // namespace vemora
