#pragma once

// Test support: the words of a PDF with their boxes, read back with
// pdftotext -bbox (poppler-utils).

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <string>
#include <vector>

namespace crank::testing {

struct PdfWord {
    std::string text;
    double left = 0, top = 0; // twips from the sheet's left and top edges
};

struct PdfText {
    bool read = false;
    int pages = 0;
    std::vector<PdfWord> words;
};

inline PdfText readPdfWords(const QString& path)
{
    PdfText result;
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        return result;
    }
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    result.read = true;
    result.pages = static_cast<int>(html.count(QStringLiteral("<page ")));
    static const QRegularExpression word(
        QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>([^<]*)</word>)re"));
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto match = it.next();
        // pdftotext gives points; a point is 20 twips.
        result.words.push_back({match.captured(3).toStdString(), match.captured(1).toDouble() * 20,
                                match.captured(2).toDouble() * 20});
    }
    return result;
}

} // namespace crank::testing
