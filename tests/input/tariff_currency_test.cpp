// Tariff hour labels and the currency labels.
#include <QFile>
#include <QLabel>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <map>

#include "InputWindowFixture.h"
#include "platform/Twips.h"

namespace vemora::test {

TEST_F(InputWindowTest, HourLabelCyclesRedGreenYellowAndDiscardsResults)
{
    NewOfType(1);
    QLabel* hour = w->lblSummerHour[7];
    ASSERT_EQ(frmLCC::HourColour(hour), vbcolor::Yellow);
    PretendResults();
    QTest::mouseClick(hour, Qt::LeftButton);
    EXPECT_EQ(frmLCC::HourColour(hour), vbcolor::Red);
    EXPECT_EQ(main->panelText(3), QStringLiteral("Click to change applicable rate"));
    QTest::mouseClick(hour, Qt::LeftButton);
    EXPECT_EQ(frmLCC::HourColour(hour), vbcolor::Green);
    QTest::mouseClick(hour, Qt::LeftButton);
    EXPECT_EQ(frmLCC::HourColour(hour), vbcolor::Yellow);
    EXPECT_FALSE(ctx.store.ResultsValid);
    EXPECT_EQ(ctx.store.SummerHourPeriod[8], 0);
    // Only the clicked label changed.
    EXPECT_EQ(frmLCC::HourColour(w->lblSummerHour[8]), vbcolor::Yellow);
    QTest::mouseClick(w->lblWinterHour[23], Qt::LeftButton);
    EXPECT_EQ(frmLCC::HourColour(w->lblWinterHour[23]), vbcolor::Red);
}

TEST_F(InputWindowTest, HourLabelOfAnotherColourStays)
{
    NewOfType(1);
    frmLCC::SetHourColour(w->lblWinterHour[3], vbcolor::Blue);
    w->lblWinterHour_Click(3);
    EXPECT_EQ(frmLCC::HourColour(w->lblWinterHour[3]), vbcolor::Blue);
}

TEST_F(InputWindowTest, LoadShowsTheStoredHourPattern)
{
    ctx.store.SystemType = 1;
    WriteNewProjectDefaults(ctx.store, "01/02/2020");
    ctx.store.ProjectRec.SummerHourPeriod[1] = 2;
    ctx.store.ProjectRec.SummerHourPeriod[2] = 1;
    ctx.store.ProjectRec.WinterHourPeriod[24] = 2;
    ctx.store.ProjectRec.WinterHourPeriod[5] = 9; // unknown: the colour stays
    LoadProject(ctx, LoadSource::NewProject);
    EXPECT_EQ(frmLCC::HourColour(w->lblSummerHour[0]), vbcolor::Red);
    EXPECT_EQ(frmLCC::HourColour(w->lblSummerHour[1]), vbcolor::Green);
    EXPECT_EQ(frmLCC::HourColour(w->lblSummerHour[2]), vbcolor::Yellow);
    EXPECT_EQ(frmLCC::HourColour(w->lblWinterHour[23]), vbcolor::Red);
    EXPECT_EQ(frmLCC::HourColour(w->lblWinterHour[4]), vbcolor::Yellow);
}

namespace {

// An HTML source of the repository as the reader sees it: tags gone,
// entities resolved, white space simplified.
QString PlainText(const QString& path)
{
    QFile file(QStringLiteral(VEMORA_SOURCE_DIR "/") + path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QTextDocument document;
    document.setHtml(QString::fromUtf8(file.readAll()));
    return document.toPlainText().simplified();
}

QString ColourName(uint32_t colour)
{
    switch (colour) {
    case vbcolor::Yellow:
        return QStringLiteral("yellow");
    case vbcolor::Red:
        return QStringLiteral("red");
    case vbcolor::Green:
        return QStringLiteral("green");
    default:
        return QStringLiteral("other");
    }
}

} // namespace

// The energy help page and the guide tell what a click on an hour does, in
// the colours and periods the window itself uses, and send nobody to the rate
// boxes first.
TEST_F(InputWindowTest, HelpAndGuideDescribeTheHourCycleAsTheWindowRunsIt)
{
    NewOfType(1);
    std::map<uint32_t, QString> period; // colour -> period, from the rate captions
    for (QLabel* label : w->findChildren<QLabel*>()) {
        const QString text = label->text();
        if (text == QLatin1String("Peak rate") || text == QLatin1String("Standard rate") ||
            text == QLatin1String("Off-peak rate"))
            period[frmLCC::HourColour(label)] = text.chopped(5).toLower();
    }
    ASSERT_EQ(period.size(), 3u);

    QLabel* hour = w->lblWinterHour[12];
    QStringList colours{ColourName(frmLCC::HourColour(hour))},
        periods{period[frmLCC::HourColour(hour)]};
    for (int click = 0; click < 3; ++click) {
        QTest::mouseClick(hour, Qt::LeftButton);
        colours << ColourName(frmLCC::HourColour(hour));
        periods << period[frmLCC::HourColour(hour)];
    }
    ASSERT_EQ(colours.first(), colours.last());

    const QString help = PlainText(QStringLiteral("resources/help/3065.html"));
    const QString guide = PlainText(QStringLiteral("resources/guide/guide.html"));
    ASSERT_FALSE(help.isEmpty());
    ASSERT_FALSE(guide.isEmpty());
    const QString helpCycle = QStringLiteral("a %1 hour turns %2, a %2 hour %3 and a %3 hour %1")
                                  .arg(colours[0], colours[1], colours[2]);
    const QString guideCycle = QStringLiteral("%1 becomes %2, %2 becomes %3 and %3 becomes %1")
                                   .arg(periods[0], periods[1], periods[2]);
    EXPECT_TRUE(help.contains(helpCycle)) << helpCycle.toStdString();
    EXPECT_TRUE(guide.contains(guideCycle)) << guideCycle.toStdString();
    for (const auto& [colour, name] : period) {
        const QString pair = ColourName(colour) + QLatin1Char(' ') + name;
        EXPECT_TRUE(help.contains(pair)) << pair.toStdString();
        EXPECT_TRUE(guide.contains(pair)) << pair.toStdString();
    }
    for (const QString& text : {help, guide})
        EXPECT_FALSE(text.contains(QLatin1String("Click a rate box")));
}

TEST_F(InputWindowTest, CurrencyTimerRelabelsAllTenOnce)
{
    NewOfType(1);
    ctx.store.CurrencyCode = 1;
    w->tmrCurrency->start();
    EXPECT_TRUE(w->tmrCurrency->isActive());
    w->tmrCurrency_Timer();
    for (QLabel* label : w->lblUnit)
        EXPECT_EQ(label->text(), QStringLiteral("$"));
    for (QLabel* label : w->lblCurrency)
        EXPECT_EQ(label->text(), QStringLiteral("$"));
    EXPECT_FALSE(w->tmrCurrency->isActive());

    ctx.store.CurrencyCode = 0;
    w->tmrCurrency_Timer();
    EXPECT_EQ(w->lblUnit[5]->text(), QStringLiteral("R"));
    EXPECT_EQ(w->lblCurrency[3]->text(), QStringLiteral("R"));
}

} // namespace vemora::test
