#pragma once

#include <QFont>
#include <QRectF>
#include <QString>
#include <functional>
#include <memory>

#include "platform/page_printer.h"

class QPainter;
class QPrinter;
class QPrinterInfo;
class QTemporaryDir;

namespace crank {

// The page printer on Qt's print support: a QPainter over a QPrinter, either
// a system printer or an A4 PDF file. Texts are placed in twips converted to
// the device's own resolution; line heights come from the font metrics at
// that resolution. The painter starts with the first printed line.
class QtPagePrinter final : public PagePrinter {
public:
    // A system printer on its own default paper; positions are measured from
    // the top-left corner of its printable area. Where CUPS is at hand the
    // page goes to it as a PDF job whose every step is checked, so that a
    // refusal reaches endDoc; elsewhere Qt sends it.
    explicit QtPagePrinter(const QPrinterInfo& printer);
    // A portrait A4 PDF written to path. A PDF has no unprintable margin, so
    // positions are measured from the corner of the sheet.
    explicit QtPagePrinter(const QString& pdfPath);
    ~QtPagePrinter() override;

    QtPagePrinter(const QtPagePrinter&) = delete;
    QtPagePrinter& operator=(const QtPagePrinter&) = delete;

    void setFontName(const std::string& name) override;
    void setFontSize(float points) override;
    void setFontWeight(int weight) override;
    void setFontUnderline(bool on) override;
    void setFontItalic(bool on) override;
    void setFontStrikethrough(bool on) override;
    void setFontCharset(int charset) override;

    float currentX() const override { return m_x; }
    void setCurrentX(float twips) override { m_x = twips; }
    float currentY() const override { return m_y; }
    void setCurrentY(float twips) override { m_y = twips; }

    // Full height of the sheet, twips: of the printer's paper or of A4.
    int pageHeight() const override;
    void printLine(const std::string& text) override;
    PrintOutcome endDoc() override;

    // Lets draw paint a picture on the page inside area (twips, measured as
    // the text positions are); draw gets the painter and the area in device
    // units. Nothing is drawn when the document cannot begin.
    void drawGraphic(const QRectF& area, const std::function<void(QPainter&, const QRectF&)>& draw);

    // The font as it would print now, resolved for the printer's resolution.
    QFont deviceFont() const;
    // Dots per inch of the output.
    int resolution() const;

private:
    enum class State { NotStarted, Printing, Failed, Ended };

    bool ensureStarted();
    PrintOutcome failure(const std::string& reason) const;
    double toDevice(float twips) const;

    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<QPainter> m_painter;
    QString m_printerName; // empty when saving a PDF file
    QString m_outputPath;  // the PDF being drawn; empty when Qt prints itself
    std::unique_ptr<QTemporaryDir> m_spool;
    QFont m_font;
    float m_x = 0.0f;
    float m_y = 0.0f;
    State m_state = State::NotStarted;
};

} // namespace crank
