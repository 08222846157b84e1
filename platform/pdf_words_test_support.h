#pragma once

// Test support: the words of a PDF with their top-left corners, read back
// with pdftotext -bbox (poppler-utils).

#include <QProcess>
#include <QRegularExpression>
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
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        return {};
    }
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    PdfText result{true, static_cast<int>(html.count(QStringLiteral("<page "))), {}};
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
