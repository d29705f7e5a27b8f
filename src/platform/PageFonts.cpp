#include "platform/PageFonts.h"

#include <algorithm>

#include "platform/TimesFont.h"

namespace vemora {

QString printerFontFamily(const QString& requested)
{
    const QString name = requested.trimmed();
    if (name.compare(TimesNewRoman(), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Liberation Serif");
    if (name.compare(QLatin1String("Courier New"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Liberation Mono");
    return requested;
}

QFont printerFont(const PageFont& font)
{
    QFont f(printerFontFamily(font.name));
    f.setStyleHint(font.name.contains(QLatin1String("Courier"), Qt::CaseInsensitive)
                       ? QFont::TypeWriter
                       : QFont::Serif);
    f.setPointSizeF(std::max(font.size, 1.0));
    f.setBold(font.bold);
    f.setUnderline(font.underline);
    // Outlines as designed: hinting would bend widths towards whole dots.
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

// Fonts are measured at this many pixels to the em and scaled linearly, so
// sizes are exact (a device would round them to whole pixels).
constexpr int kMeasuredEm = 2048;

static QFont measuredFont(const PageFont& font)
{
    QFont f = printerFont(font);
    f.setPixelSize(kMeasuredEm);
    return f;
}

// Weights per thousand of 'a' to 'z' and of the blank.
static constexpr int kLetterWeights[27] = {64, 14, 27, 35, 100, 20, 14, 42, 63, 3, 6,  35, 20, 56,
                                           56, 17, 4,  49, 56,  71, 31, 10, 18, 3, 18, 2,  166};

PageFontMetrics::PageFontMetrics(const PageFont& font)
    : fm_(measuredFont(font)), mmPerDot_(std::max(font.size, 1.0) / 72 * 25.4 / kMeasuredEm)
{
    double sum = 0;
    for (int i = 0; i < 26; ++i)
        sum += kLetterWeights[i] * fm_.horizontalAdvance(QChar(u'a' + i));
    sum += kLetterWeights[26] * fm_.horizontalAdvance(QChar(u' '));
    averageWidth_ = sum / 1000 * mmPerDot_;
}

} // namespace vemora
