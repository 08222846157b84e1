#include "platform/qt_page_printer.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <cmath>

namespace crank {
namespace {

constexpr double kTwipsPerInch = 1440.0;
constexpr double kMillimetresPerInch = 25.4;

QFont initialFont()
{
    // A system without Courier gets Liberation Mono, whose characters are
    // 0.6 of the point size wide like Courier's: 120 twips at 10 points.
    static const bool substituted = [] {
        QFont::insertSubstitution(QStringLiteral("Courier"), QStringLiteral("Liberation Mono"));
        return true;
    }();
    (void)substituted;
    QFont font(QStringLiteral("Courier"));
    // Where no Courier is installed, any fixed-pitch face is a better stand-in
    // than a proportional one: the columns are laid out in 120-twip characters.
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(8.0);
    return font;
}

} // namespace

QtPagePrinter::QtPagePrinter(const QPrinterInfo& printer)
    : m_printer(std::make_unique<QPrinter>(printer, QPrinter::HighResolution)),
      m_painter(std::make_unique<QPainter>()), m_font(initialFont())
{
    m_printer->setPageOrientation(QPageLayout::Portrait);
    m_printer->setFullPage(false);
    m_printer->setDocName(QStringLiteral("Crank angle tables"));
}

QtPagePrinter::QtPagePrinter(const QString& pdfPath)
    : m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution)),
      m_painter(std::make_unique<QPainter>()), m_pdfPath(pdfPath), m_font(initialFont())
{
    m_printer->setOutputFormat(QPrinter::PdfFormat);
    m_printer->setOutputFileName(pdfPath);
    m_printer->setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    m_printer->setFullPage(true);
    // One device pixel per twip: the font sizes used (8, 9, 10 and 12 points)
    // are whole pixel sizes, so the font's advance is not rounded off.
    m_printer->setResolution(static_cast<int>(kTwipsPerInch));
    m_printer->setDocName(QStringLiteral("Crank angle tables"));
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

void QtPagePrinter::drawGraphic(const QRectF& area,
                                const std::function<void(QPainter&, const QRectF&)>& draw)
{
    if (!ensureStarted()) {
        return;
    }
    const QRectF device(QPointF(toDevice(static_cast<float>(area.left())),
                                toDevice(static_cast<float>(area.top()))),
                        QPointF(toDevice(static_cast<float>(area.right())),
                                toDevice(static_cast<float>(area.bottom()))));
    m_painter->save();
    draw(*m_painter, device);
    m_painter->restore();
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

int QtPagePrinter::resolution() const
{
    return m_printer->resolution();
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

PrintOutcome QtPagePrinter::failure() const
{
    if (!m_pdfPath.isEmpty()) {
        return {false, "The PDF file could not be written:\r\n" + m_pdfPath.toStdString() +
                           "\r\nPlease choose a folder where you may save files.\r\n"};
    }
    return {false, "The printer \"" + m_printer->printerName().toStdString() +
                       "\" did not accept the page.\r\nPlease check that it is ready and try "
                       "again.\r\n"};
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
    const bool fileMissing = !m_pdfPath.isEmpty() && QFileInfo(m_pdfPath).size() == 0;
    if (!ended || refused || fileMissing) {
        return failure();
    }
    return {};
}

} // namespace crank
