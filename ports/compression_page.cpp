#include "ports/compression_page.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "ports/comparison.h"
#include "ports/compression.h"

namespace crank {
namespace {

constexpr int kVolumeMaxChars = 7; // "1000.00" cm³

} // namespace

CompressionPage::CompressionPage(PortSheetInput& input, const NumberStyle& style, QWidget* parent)
    : SheetPage(input, style, parent)
{
    setObjectName(QStringLiteral("compressionPage"));
    QLineEdit* volume =
        m_controls.numberBox(QStringLiteral("clearanceTxt"), kVolumeMaxChars, false,
                             [](PortSheetInput& in) -> std::string& { return in.clearanceVolume; });
    QComboBox* by =
        m_controls.choiceBox(QStringLiteral("clearanceByBox"),
                             {tr("measured at TDC"), tr("the head's, and the squish clearance's")},
                             [](PortSheetInput& in) -> ClearanceBy& { return in.clearanceBy; });
    QLineEdit* squish =
        m_controls.lengthBox(QStringLiteral("squishTxt"), false,
                             [](PortSheetInput& in) -> TypedLength& { return in.squish; });
    QLineEdit* band =
        m_controls.lengthBox(QStringLiteral("squishBandTxt"), false,
                             [](PortSheetInput& in) -> TypedLength& { return in.squishBand; });
    m_volumeMessage = ResultLabel(this, QStringLiteral("clearanceMessageLab"), true);
    m_squishMessage = ResultLabel(this, QStringLiteral("squishMessageLab"), true);
    m_bandMessage = ResultLabel(this, QStringLiteral("squishBandMessageLab"), true);
    auto* grid = new QGridLayout;
    AddBoxRow(*grid, tr("Cl&earance volume (cm³):"), volume, m_volumeMessage);
    grid->addWidget(by, grid->rowCount() - 2, 2, Qt::AlignLeft);
    AddBoxRow(*grid, tr("S&quish clearance:"), squish, m_squishMessage);
    AddBoxRow(*grid, tr("Sq&uish band's inner diameter:"), band, m_bandMessage);

    m_figures = ResultLabel(this, QStringLiteral("compressionLab"), true);
    m_compared = ResultLabel(this, QStringLiteral("compressionComparedLab"), true);
    QLabel* explained = ResultLabel(this, QStringLiteral("compressionExplainedLab"), true);
    explained->setText(QString::fromLatin1(kCompressionExplained));
    auto* page = new QVBoxLayout(this);
    page->addLayout(grid);
    page->addWidget(m_figures);
    page->addWidget(m_compared);
    page->addWidget(explained);
    page->addStretch();
}

void CompressionPage::render(const PortSheetView& view)
{
    const CompressionView& compression = view.compression;
    ShowMessage(*m_volumeMessage, compression.volumeMessage);
    ShowMessage(*m_squishMessage, compression.squish.message);
    ShowMessage(*m_bandMessage, compression.band.message);
    QStringList lines;
    for (const std::string& line : compression.lines) {
        lines.append(QtText(line));
    }
    m_figures->setText(lines.join(QLatin1Char('\n')));
    const SheetTexts texts(view.unit, view.style);
    std::string compared;
    for (const ComparedFigure& figure : view.compare.compression) {
        compared += (compared.empty() ? "" : "\n") + ComparedLine(figure, texts);
    }
    ShowMessage(*m_compared, view.compare.on ? view.compare.label + "\n" + compared : "");
}

} // namespace crank
