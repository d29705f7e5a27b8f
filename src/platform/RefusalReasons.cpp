#include "platform/RefusalReasons.h"

namespace vemora {

namespace {

// The longest piece of a refused text the status line quotes.
constexpr int QuotedLength = 30;

QString Quoted(char32_t c)
{
    return QStringLiteral("\"%1\"").arg(QString::fromUcs4(&c, 1));
}

} // namespace

QString QuotedPaste(const QString& text)
{
    // Line ends and tabs show as blanks on the one-line status bar.
    QString quoted = text.simplified();
    if (quoted.size() > QuotedLength) quoted = quoted.left(QuotedLength) + QStringLiteral("...");
    return QStringLiteral("\"%1\"").arg(quoted);
}

QString NumberPasteRefusedReason(const QString& text)
{
    return QStringLiteral("Nothing pasted: %1 holds characters other than digits and the "
                          "full stop.")
        .arg(QuotedPaste(text));
}

QString TextPasteRefusedReason(const QString& text)
{
    return QStringLiteral("Nothing pasted: %1 holds characters the project file cannot hold.")
        .arg(QuotedPaste(text));
}

QString ProfilePasteRefusedReason()
{
    return QStringLiteral(
        "Nothing pasted: paste a profile through File > Import & Export > Import Profile.");
}

QString NumberKeyRefusedReason(char32_t c)
{
    return QStringLiteral("%1 cannot be typed in a number here.").arg(Quoted(c));
}

QString TextKeyRefusedReason(char32_t c)
{
    return QStringLiteral("%1 cannot be kept in the project file.").arg(Quoted(c));
}

} // namespace vemora
