#pragma once

#include <QWidget>

#include "ports/port_sheet.h"
#include "ports/sheet_widgets.h"

class QLabel;

namespace crank {

// The port sheet's compression page: the clearance volume and how it was
// found, the squish clearance and the squish band's inner diameter; the
// ratios they give with the sheet's bore, stroke and highest exhaust roof,
// and how each is found; with a baseline, each figure before and its change.
// Its controls edit the sheet's input; it renders the sheet's view.
class CompressionPage : public SheetPage {
    Q_OBJECT
public:
    CompressionPage(PortSheetInput& input, const NumberStyle& style, QWidget* parent = nullptr);

    void render(const PortSheetView& view) override;

private:
    QLabel* m_volumeMessage = nullptr;
    QLabel* m_squishMessage = nullptr;
    QLabel* m_bandMessage = nullptr;
    QLabel* m_figures = nullptr;
    QLabel* m_compared = nullptr;
};

} // namespace crank
