#pragma once

#include <QFont>
#include <QString>
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
// that resolution. The painter starts with the first thing drawn. title names
// the document to the print queue and in the PDF.
class QtPagePrinter final : public PagePrinter {
public:
    // A system printer on its own default paper; positions are measured from
    // the top-left corner of its printable area. Where CUPS is at hand the
    // page goes to it as a PDF job whose every step is checked, so that a
    // refusal reaches endDoc; elsewhere Qt sends it. fromSheetCorner measures
    // positions from the sheet's corner instead.
    QtPagePrinter(const QPrinterInfo& printer, const QString& title, bool fromSheetCorner = false);
    // A portrait A4 PDF written to path. A PDF has no unprintable margin, so
    // positions are measured from the corner of the sheet.
    QtPagePrinter(const QString& pdfPath, const QString& title);
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

    // Nothing is drawn when the document cannot begin.
    void drawPolyline(const std::vector<TwipPoint>& points, const Pen& pen) override;
    void fillPolygon(const std::vector<TwipPoint>& points, Rgb colour) override;
    void drawText(TwipPoint at, const std::string& text, const Face& face) override;

private:
    enum class State { NotStarted, Printing, Failed, Ended };

    // The font as it would print now, resolved for the printer's resolution.
    QFont deviceFont() const;

    bool ensureStarted();
    // The painter as a canvas in twips; null when the document cannot begin.
    Canvas* canvas();
    PrintOutcome failure(const std::string& reason) const;
    double toDevice(float twips) const;

    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<QPainter> m_painter;
    std::unique_ptr<Canvas> m_canvas;
    QString m_title;
    QString m_printerName; // empty when saving a PDF file
    QString m_outputPath;  // the PDF being drawn; empty when Qt prints itself
    std::unique_ptr<QTemporaryDir> m_spool;
    QFont m_font;
    float m_x = 0.0f;
    float m_y = 0.0f;
    State m_state = State::NotStarted;
};

} // namespace crank
