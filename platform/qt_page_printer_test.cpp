#include "platform/qt_page_printer.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

#include "platform/pdf_words_test_support.h"
#include "tables/page_test_support.h"
#include "tables/print_page.h"

namespace crank {
namespace {

using testing::PageRequest;

class NoMessages final : public MessageBox {
public:
    int shown = 0;
    void show(const std::string&, const std::string&) override { ++shown; }
};

// Passes everything on to the real printer and notes where each text went.
class NotingPrinter final : public PagePrinter {
public:
    struct Line {
        std::string text;
        float x, y, size;
    };
    explicit NotingPrinter(PagePrinter& inner) : m_inner(inner) {}
    std::vector<Line> lines;

    void setFontName(const std::string& name) override { m_inner.setFontName(name); }
    void setFontSize(float points) override
    {
        m_size = points;
        m_inner.setFontSize(points);
    }
    void setFontWeight(int weight) override { m_inner.setFontWeight(weight); }
    void setFontUnderline(bool on) override { m_inner.setFontUnderline(on); }
    void setFontItalic(bool on) override { m_inner.setFontItalic(on); }
    void setFontStrikethrough(bool on) override { m_inner.setFontStrikethrough(on); }
    void setFontCharset(int charset) override { m_inner.setFontCharset(charset); }
    float currentX() const override { return m_inner.currentX(); }
    void setCurrentX(float twips) override { m_inner.setCurrentX(twips); }
    float currentY() const override { return m_inner.currentY(); }
    void setCurrentY(float twips) override { m_inner.setCurrentY(twips); }
    int pageHeight() const override { return m_inner.pageHeight(); }
    void printLine(const std::string& text) override
    {
        lines.push_back({text, currentX(), currentY(), m_size});
        m_inner.printLine(text);
    }
    PrintOutcome endDoc() override { return m_inner.endDoc(); }

private:
    PagePrinter& m_inner;
    float m_size = 0;
};

TEST(QtPagePrinterTest, CourierIsMonospacedAt120TwipsPerCharacter)
{
    QTemporaryDir dir;
    QtPagePrinter pdf(dir.filePath(QStringLiteral("font.pdf")));
    SetPrinterFont(pdf);
    pdf.setFontSize(10.0f);
    for (const int weight : {0, 400, 700}) {
        SCOPED_TRACE(weight);
        pdf.setFontWeight(weight);
        const QFont font = pdf.deviceFont();
        EXPECT_TRUE(QFontInfo(font).fixedPitch()) << QFontInfo(font).family().toStdString();
        const QFontMetricsF metrics(font);
        const double twipsPerPixel = 1440.0 / pdf.resolution();
        for (const QString& text : {QStringLiteral("0"), QStringLiteral("W"), QStringLiteral("i"),
                                    QStringLiteral("Displacement")}) {
            EXPECT_NEAR(metrics.horizontalAdvance(text) * twipsPerPixel, 120.0 * text.size(), 0.5)
                << text.toStdString();
        }
        // The rows stay at 10 points only when the engine line is 228 twips
        // high or less.
        EXPECT_LE(metrics.lineSpacing() * twipsPerPixel, 228.0);
    }
}

TEST(QtPagePrinterTest, A4PdfMeasuresFromTheSheetCorner)
{
    QTemporaryDir dir;
    QtPagePrinter pdf(dir.filePath(QStringLiteral("a4.pdf")));
    EXPECT_EQ(pdf.pageHeight(), 16838); // 297 mm
}

TEST(QtPagePrinterTest, SixLayoutsFitOnePdfPage)
{
    QTemporaryDir dir;
    for (const int tables : {1, 2, 3}) {
        for (const float offset : {0.0f, -0.5f}) {
            SCOPED_TRACE(::testing::Message() << tables << " tables, offset " << offset);
            const QString path = dir.filePath(
                QStringLiteral("layout%1-%2.pdf").arg(tables).arg(offset == 0 ? 0 : 1));
            const PageContent content = testing::buildPageContent(
                {.offset = offset, .tables = tables, .initAngle = {0, 8, 96, 150}});
            QtPagePrinter pdf(path);
            NotingPrinter noting(pdf);
            NoMessages messages;
            SetPrinterFont(noting);
            const PrintOutcome outcome = PrintTablesPage(content, noting, messages);
            EXPECT_TRUE(outcome.ok) << outcome.reason;
            EXPECT_EQ(messages.shown, 0);
            ASSERT_EQ(noting.lines.size(), (offset == 0 ? 5u + 4u * tables : 6u + 5u * tables) +
                                               49u * tables * (offset == 0 ? 2u : 3u));

            const testing::PdfText text = testing::readPdfWords(path);
            ASSERT_TRUE(text.read);
            EXPECT_EQ(text.pages, 1);
            // Every text's first word stands where the layout put it.
            for (const NotingPrinter::Line& line : noting.lines) {
                const auto start = line.text.find_first_not_of(' ');
                const std::string first =
                    line.text.substr(start, line.text.find(' ', start) - start);
                const double left = line.x + static_cast<double>(start) * 12.0 * line.size;
                const bool found = std::any_of(
                    text.words.begin(), text.words.end(), [&](const testing::PdfWord& word) {
                        return word.text == first && std::abs(word.left - left) <= 3.0 &&
                               std::abs(word.top - line.y) <= 3.0;
                    });
                EXPECT_TRUE(found) << line.text << " at " << left << ", " << line.y;
            }
        }
    }
}

TEST(QtPagePrinterTest, UnwritableFileIsReported)
{
    const QString path = QStringLiteral("/nonexistent-folder/page.pdf");
    QtPagePrinter pdf(path);
    pdf.printLine("text");
    const PrintOutcome outcome = pdf.endDoc();
    EXPECT_FALSE(outcome.ok);
    EXPECT_NE(outcome.reason.find(path.toStdString()), std::string::npos) << outcome.reason;
}

} // namespace
} // namespace crank
