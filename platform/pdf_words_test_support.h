#pragma once

// Test support: what reached a PDF, read back with poppler-utils.

#include <QProcess>
#include <QString>
#include <QStringList>

namespace crank::testing {

// What a poppler tool prints about the file; empty when it fails.
inline QString runPoppler(const QString& tool, const QStringList& arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The pages of a PDF, and its words line by line as laid out, one blank between words.
struct PdfText {
    int pages = 0;
    QString words;
};

inline PdfText readPdfText(const QString& path)
{
    const QString text = runPoppler(QStringLiteral("pdftotext"),
                                    {QStringLiteral("-layout"), path, QStringLiteral("-")});
    return {static_cast<int>(text.count(QLatin1Char('\f'))), text.simplified()};
}

} // namespace crank::testing
