// Every Help of the program lands on a page that speaks of the window it was
// asked from. The routes come from the program: the main window's F1 and
// every Help button of each window of the registry and of each dialog they
// open, clicked in turn; beside each window stands the subject word that its
// help page must carry in its title or a heading.
#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QRegularExpression>
#include <map>

#include "ShellFixture.h"
#include "app/PendingEdits.h"
#include "platform/PictureButton.h"
#include "platform/TabControl.h"
#include "shell/InstallWindows.h"

namespace vemora::test {
namespace {

// The subject of each window's help, by the window's object name. The input
// and results windows speak of the page (tab) that holds the button.
const std::map<QString, QString> kSubjects = {
    {"MDIProject", "Contents"},
    {"frmLCCType", "system type"},
    {"frmImport", "Import"},
    {"frmView", "profile view"},
    {"frmDeleteRow", "deleting rows"},
    {"frmPumpView", "pump curve"},
    {"frmPref", "Preferences"},
    {"frmPrint", "Print"},
    {"frmAnalyse", "Analysing"},
    {"frmDutyPoint", "Duty point"},
    {"frmIRRView", "IRR"},
    {"frmRoughness", "Roughness calibration"},
    {"frmViewRoughness", "calibration profile view"},
    {"frmConverter", "Unit converter"},
};

// The two buttons beside the capital costs, which explain how each cost is
// made up: nothing but their help names them so.
const QStringList kCostHelpButtons = {"sscMechanical", "sscElectrical"};

QString WithoutMnemonic(QString text)
{
    return text.remove(QLatin1Char('&'));
}

bool IsHelpButton(const QAbstractButton* b)
{
    return b->objectName().startsWith(QLatin1String("sscHelp")) ||
           WithoutMnemonic(b->text()) == QLatin1String("Help") ||
           b->toolTip() == QLatin1String("Help") || kCostHelpButtons.contains(b->objectName());
}

// The title and every heading of a help page, tags left out.
QStringList TitleAndHeadings(int topic)
{
    QFile file(QStringLiteral(VEMORA_SOURCE_DIR "/resources/help/%1.html").arg(topic));
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QString html = QString::fromUtf8(file.readAll());
    static const QRegularExpression heading(QStringLiteral("<(title|h[1-6])[^>]*>(.*?)</\\1>"),
                                            QRegularExpression::DotMatchesEverythingOption |
                                                QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    QStringList found;
    for (const auto& m : heading.globalMatch(html))
        found << m.captured(2).remove(tag).simplified();
    return found;
}

struct HelpRoute
{
    QString from; // window and button
    int topic;
    QString subject;
};

class HelpRoutesTest : public ShellTest
{
  protected:
    // The subject of the button's window: the window's, or in a window of
    // pages the caption of the page that holds the button, or the caption of
    // a cost button.
    static QString SubjectOf(QWidget* window, QAbstractButton* button)
    {
        if (kCostHelpButtons.contains(button->objectName())) return WithoutMnemonic(button->text());
        for (auto* tabs : window->findChildren<TabControl*>())
            for (int i = 0; i < tabs->count(); ++i)
                if (tabs->widget(i)->isAncestorOf(button)) return tabs->tabText(i);
        const auto known = kSubjects.find(window->objectName());
        return known == kSubjects.end() ? QString() : known->second;
    }

    // The window a button belongs to: its nearest window of the program
    // (the main window holds the working windows).
    static QWidget* OwnerOf(QWidget* w)
    {
        while (w && !w->objectName().startsWith(QLatin1String("frm")) &&
               w->objectName() != QLatin1String("MDIProject"))
            w = w->parentWidget();
        return w;
    }

    // Clicks every Help button of the window, whatever page or state holds
    // it, and keeps the topic each opened.
    void CollectButtons(QWidget* window)
    {
        ASSERT_TRUE(window);
        for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
            if (!IsHelpButton(b) || OwnerOf(b) != window) continue;
            const size_t before = ui.helpTopics.size();
            for (QWidget* w = b; w && w != window; w = w->parentWidget())
                w->setEnabled(true);
            b->click();
            const QString from = window->objectName() + QLatin1Char('.') +
                                 (b->objectName().isEmpty() ? b->toolTip() : b->objectName());
            ASSERT_EQ(ui.helpTopics.size(), before + 1) << from.toStdString();
            routes.push_back({from, ui.helpTopics.back(), SubjectOf(window, b)});
        }
    }

    void CollectDialog(const std::function<void()>& open)
    {
        ui.dialogHandlers.push_back([this](QDialog* d) {
            CollectButtons(d);
            d->reject();
        });
        open();
    }

    std::vector<HelpRoute> routes;
};

TEST_F(HelpRoutesTest, EveryHelpLandsOnAPageThatNamesItsWindow)
{
    MDIProject& main = makeMain();
    main.show();
    for (QAction* a : main.findChildren<QAction*>())
        if (a->shortcut() == QKeySequence(Qt::Key_F1)) {
            a->trigger();
            routes.push_back({QStringLiteral("MDIProject.F1"), ui.helpTopics.back(),
                              kSubjects.at(QStringLiteral("MDIProject"))});
        }
    CollectButtons(&main);

    WindowRegistry& w = ctx.windows;
    for (WorkingWindow* window : std::initializer_list<WorkingWindow*>{
             w.input.Load(), w.results.Load(), w.irrView.Load(), w.profileView.Load(),
             w.pumpView.Load(), w.roughness.Load(), w.roughnessView.Load()})
        CollectButtons(window->widget());
    for (DialogSlot* slot :
         {&w.analysis, &w.dutyPoint, &w.print, &w.converter, &w.importWizard, &w.preferences})
        CollectDialog([slot] { slot->Exec(); });
    CollectDialog([&] {
        if (EditsPending(ctx)) ui.answers.push_back(MsgAnswer::No); // save first?
        main.mnuNew->trigger();
    });
    CollectDialog([&] { static_cast<frmLCC*>(w.input.Get())->sscDelete->click(); });

    QStringList seen;
    for (const HelpRoute& route : routes)
        seen << route.from;
    EXPECT_GE(routes.size(), 24u) << seen.join(QLatin1Char(' ')).toStdString();
    for (const HelpRoute& route : routes) {
        SCOPED_TRACE(route.from.toStdString() + " -> " + std::to_string(route.topic));
        ASSERT_FALSE(route.subject.isEmpty()) << "no subject for this window";
        const QStringList headings = TitleAndHeadings(route.topic);
        EXPECT_FALSE(headings.isEmpty()) << "no help page";
        EXPECT_TRUE(std::any_of(
            headings.begin(), headings.end(),
            [&](const QString& h) { return h.contains(route.subject, Qt::CaseInsensitive); }))
            << "no title or heading names \"" << route.subject.toStdString()
            << "\": " << headings.join(QStringLiteral(" | ")).toStdString();
    }
}

} // namespace
} // namespace vemora::test
