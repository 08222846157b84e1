#include "platform/qt_page_printer.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <cmath>

#include "platform/fonts.h"
#include "platform/painter_canvas.h"

#ifdef CRANK_HAVE_CUPS
#include "platform/cups_job.h"
#endif

namespace crank {
namespace {

constexpr double kTwipsPerInch = 1440.0;
constexpr double kMillimetresPerInch = 25.4;

QFont initialFont()
{
    // A system without Courier gets Liberation Mono, whose characters are
    // 0.6 of the point size wide like Courier's: 120 twips at 10 points.
    installCourierSubstitution();
    QFont font(QStringLiteral("Courier"));
    // Where no Courier is installed, any fixed-pitch face is a better stand-in
    // than a proportional one: the columns are laid out in 120-twip characters.
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(8.0);
    return font;
}

// The printer's own default paper in portrait, with its printable area as the
// margins. Qt starts every printer on A4 and would keep it on a Letter printer;
// a printer that names no default paper (a raw queue) stays on A4.
void usePrinterPaper(QPrinter& device, const QPrinterInfo& printer, bool fromSheetCorner)
{
    const QPageSize paper = printer.defaultPageSize();
    if (paper.isValid()) {
        device.setPageSize(paper);
    }
    device.setPageOrientation(QPageLayout::Portrait);
    device.setFullPage(fromSheetCorner);
}

// A PDF written to path with the given sheet and margins; painting starts at
// the corner inside the margins.
void makePdf(QPrinter& device, const QString& path, const QPageLayout& layout)
{
    device.setOutputFormat(QPrinter::PdfFormat);
    device.setOutputFileName(path);
    device.setPageLayout(layout);
    device.setFullPage(false);
    // One device pixel per twip: the font sizes used (8, 9, 10 and 12 points)
    // are whole pixel sizes, so the font's advance is not rounded off.
    device.setResolution(static_cast<int>(kTwipsPerInch));
}

} // namespace

QtPagePrinter::QtPagePrinter(const QPrinterInfo& printer, const QString& title,
                             bool fromSheetCorner)
    : m_printer(std::make_unique<QPrinter>(printer, QPrinter::HighResolution)),
      m_painter(std::make_unique<QPainter>()), m_title(title), m_printerName(printer.printerName()),
      m_font(initialFont())
{
    usePrinterPaper(*m_printer, printer, fromSheetCorner);
#ifdef CRANK_HAVE_CUPS
    // Qt hands its page to CUPS without looking at the answer, so a refused
    // job would pass unnoticed. The page is drawn into a PDF with the
    // printer's page layout instead, and endDoc submits it and checks.
    const QPageLayout layout = m_printer->pageLayout();
    m_spool = std::make_unique<QTemporaryDir>();
    m_outputPath = m_spool->filePath(QStringLiteral("page.pdf"));
    m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    makePdf(*m_printer, m_outputPath, layout);
    m_printer->setFullPage(fromSheetCorner);
#endif
    m_printer->setDocName(title);
}

QtPagePrinter::QtPagePrinter(const QString& pdfPath, const QString& title)
    : m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution)),
      m_painter(std::make_unique<QPainter>()), m_title(title), m_outputPath(pdfPath),
      m_font(initialFont())
{
    makePdf(*m_printer, pdfPath,
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    m_printer->setDocName(title);
}

QtPagePrinter::~QtPagePrinter()
{
    if (m_painter->isActive()) {
        m_painter->end();
    }
}

void QtPagePrinter::setFontName(const std::string& name)
{
    m_font.setFamily(QString::fromStdString(name));
}

void QtPagePrinter::setFontSize(float points)
{
    m_font.setPointSizeF(double{points});
}

void QtPagePrinter::setFontWeight(int weight)
{
    // 0 asks for the default weight, which is regular.
    m_font.setWeight(weight <= 0 ? QFont::Normal : static_cast<QFont::Weight>(weight));
}

void QtPagePrinter::setFontUnderline(bool on)
{
    m_font.setUnderline(on);
}
void QtPagePrinter::setFontItalic(bool on)
{
    m_font.setItalic(on);
}
void QtPagePrinter::setFontStrikethrough(bool on)
{
    m_font.setStrikeOut(on);
}

// Text is Unicode throughout; the Western character set needs no choice.
void QtPagePrinter::setFontCharset(int) {}

Canvas* QtPagePrinter::canvas()
{
    if (!ensureStarted()) {
        return nullptr;
    }
    if (!m_canvas) {
        m_canvas = std::make_unique<PainterCanvas>(*m_painter, toDevice(1.0f));
    }
    return m_canvas.get();
}

void QtPagePrinter::drawPolyline(const std::vector<TwipPoint>& points, const Pen& pen)
{
    if (Canvas* page = canvas()) {
        page->drawPolyline(points, pen);
    }
}

void QtPagePrinter::fillPolygon(const std::vector<TwipPoint>& points, Rgb colour)
{
    if (Canvas* page = canvas()) {
        page->fillPolygon(points, colour);
    }
}

void QtPagePrinter::drawText(TwipPoint at, const std::string& text, const Face& face)
{
    if (Canvas* page = canvas()) {
        page->drawText(at, text, face);
    }
}

int QtPagePrinter::pageHeight() const
{
    // Millimetres keep A4 exact (297 mm = 16838 twips); points are rounded.
    const QRectF sheet = m_printer->pageLayout().fullRect(QPageLayout::Millimeter);
    return static_cast<int>(std::lround(sheet.height() / kMillimetresPerInch * kTwipsPerInch));
}

QFont QtPagePrinter::deviceFont() const
{
    return QFont(m_font, m_printer.get());
}

double QtPagePrinter::toDevice(float twips) const
{
    return double{twips} * m_printer->resolution() / kTwipsPerInch;
}

bool QtPagePrinter::ensureStarted()
{
    if (m_state == State::NotStarted) {
        m_state = m_painter->begin(m_printer.get()) ? State::Printing : State::Failed;
        if (m_state == State::Printing) {
            m_painter->setPen(Qt::black);
        }
    }
    return m_state == State::Printing;
}

void QtPagePrinter::printLine(const std::string& text)
{
    const QFont font = deviceFont();
    const QFontMetricsF metrics(font, m_printer.get());
    if (ensureStarted()) {
        m_painter->setFont(font);
        // The position is the text's top-left corner; Qt draws on the baseline.
        m_painter->drawText(QPointF(toDevice(m_x), toDevice(m_y) + metrics.ascent()),
                            QString::fromStdString(text));
    }
    m_y += static_cast<float>(metrics.lineSpacing() * kTwipsPerInch / m_printer->resolution());
    m_x = 0.0f;
}

PrintOutcome QtPagePrinter::failure(const std::string& reason) const
{
    if (m_printerName.isEmpty()) {
        return {false, "The PDF file could not be written:\r\n" + m_outputPath.toStdString() +
                           "\r\nPlease choose a folder where you may save files.\r\n"};
    }
    std::string text =
        "The printer \"" + m_printerName.toStdString() + "\" did not accept the page.\r\n";
    if (!reason.empty()) {
        text += reason + "\r\n";
    }
    return {false, text + "Please check that it is ready and try again.\r\n"};
}

PrintOutcome QtPagePrinter::endDoc()
{
    if (m_state == State::Ended) {
        return {};
    }
    const bool started = ensureStarted();
    const bool ended = started && m_painter->end();
    m_state = State::Ended;
    const bool refused = m_printer->printerState() == QPrinter::Error ||
                         m_printer->printerState() == QPrinter::Aborted;
    const bool fileMissing = !m_outputPath.isEmpty() && QFileInfo(m_outputPath).size() == 0;
    if (!ended || refused || fileMissing) {
        return failure({});
    }
#ifdef CRANK_HAVE_CUPS
    if (!m_printerName.isEmpty()) {
        const PrintOutcome sent = SubmitPdfToCups(m_printerName, m_outputPath, m_title);
        if (!sent.ok) {
            return failure(sent.reason);
        }
    }
#endif
    return {};
}

} // namespace crank
