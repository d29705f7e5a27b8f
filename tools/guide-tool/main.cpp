// guide-tool SOURCE.html OUTPUT.pdf
//
// Lays the step-by-step guide out on A4 pages: the HTML source with the
// pictures beside it, page numbers at the foot of each page, into a PDF. The
// build runs it so the guide always matches its text in the repository.
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPdfWriter>
#include <QTextDocument>
#include <QUrl>
#include <cstdio>

int main(int argc, char** argv)
{
    // The layout needs fonts but no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: guide-tool SOURCE.html OUTPUT.pdf\n");
        return 2;
    }
    QFile source(QString::fromLocal8Bit(argv[1]));
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "guide-tool: cannot read %s\n", argv[1]);
        return 1;
    }
    // Pictures are named relative to the source; the copy of the document
    // that printing lays out keeps no base, so they are named in full.
    QString html = QString::fromUtf8(source.readAll());
    html.replace(QStringLiteral("<img src=\""),
                 QStringLiteral("<img src=\"") +
                     QUrl::fromLocalFile(QFileInfo(source).absolutePath() + "/").toString());
    QTextDocument guide;
    guide.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    guide.setHtml(html);

    QPdfWriter pdf(QString::fromLocal8Bit(argv[2]));
    pdf.setTitle(guide.metaInformation(QTextDocument::DocumentTitle));
    pdf.setCreator(QStringLiteral("Vemora"));
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                  QMarginsF(18, 15, 18, 15), QPageLayout::Millimeter));
    guide.print(&pdf);
    if (!QFileInfo::exists(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "guide-tool: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
