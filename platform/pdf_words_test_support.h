#pragma once

// Test support: what reached a PDF, read back with poppler-utils: the words
// with their places (pdftotext -bbox), or what another of its tools says.

#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <string>
#include <vector>

namespace crank::testing {

struct PdfWord {
    std::string text;
    double left = 0; // twips from the sheet's left edge
    double top = 0;  // twips from the sheet's top edge
};

struct PdfText {
    bool read = false;
    int pages = 0;
    std::vector<PdfWord> words;
};

inline QString runPoppler(const QString& tool, const QStringList& arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline PdfText readPdfWords(const QString& path)
{
    const QString html = runPoppler(QStringLiteral("pdftotext"),
                                    {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    PdfText result;
    result.read = !html.isEmpty();
    result.pages = static_cast<int>(html.count(QStringLiteral("<page ")));
    static const QRegularExpression word(
        QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>([^<]*)</word>)re"));
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next(); // points; a point is 20 twips
        result.words.push_back({m.captured(3).toStdString(), m.captured(1).toDouble() * 20,
                                m.captured(2).toDouble() * 20});
    }
    return result;
}

} // namespace crank::testing
