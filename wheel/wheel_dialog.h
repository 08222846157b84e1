#pragma once

#include <QDialog>
#include <array>
#include <initializer_list>

#include "model/engine_snapshot.h"
#include "wheel/degree_wheel.h"

class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace crank {

class MessageBox;
class PrinterSource;
class SaveFileChooser;
class WheelPreview;

// The degree wheel for the engine of the display on show: the wheel's size,
// hole, turning and ignition, the rim of the timing strip, and which of the
// two pages to show; beside them the page as it prints. Below, two checks of
// a wheel on the engine: TDC from the readings at a piston stop, and the
// wheel's zero from the readings at a port's opening and closing. Everything
// is worked out afresh on every change (BuildWheelView, FindTdcWithStop,
// CheckWheelWithPort); copy, the PDF and the print read the same view. Its
// number boxes take the locale's decimal separator. Opens non-modal.
class WheelDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* kTitle = "Degree Wheel";

    // The messages, the save dialog and the printers are the caller's.
    WheelDialog(MessageBox& messages, SaveFileChooser& pdfChooser, PrinterSource& printers,
                QWidget* parent = nullptr);
    ~WheelDialog() override;

    // The engine and the port sheet's rows to mark; every figure afresh.
    void setEngine(const EngineSnapshot& engine, const std::array<PortRowView, kMaxPorts>& ports);
    const WheelView& view() const { return m_view; }

    // "Copy", "Save as PDF..." and "Print...".
    void copyEvents();
    void saveAsPdf();
    void print();

private:
    QLineEdit* numberBox(const QString& name, bool allowMinus, int maxChars);
    QLabel* messageLabel(const QString& name);
    void addRow(QFormLayout& form, const QString& caption, QWidget* field,
                std::initializer_list<QWidget*> beside);
    QWidget* buildWheelBox();
    QWidget* buildChecks();
    void recalculate();
    void fitWrappedTexts();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    MessageBox& m_messages;
    SaveFileChooser& m_pdfChooser;
    PrinterSource& m_printers;
    NumberStyle m_style;
    EngineSnapshot m_engine;
    std::array<PortRowView, kMaxPorts> m_ports{};
    WheelView m_view;
    bool m_built = false;

    QLineEdit* m_diameter = nullptr;
    QLabel* m_diameterMessage = nullptr;
    QLineEdit* m_hole = nullptr;
    QLabel* m_holeMessage = nullptr;
    QComboBox* m_turning = nullptr;
    QLineEdit* m_ignition = nullptr;
    QComboBox* m_ignitionUnit = nullptr;
    QLabel* m_ignitionMessage = nullptr;
    QLineEdit* m_rim = nullptr;
    QLabel* m_rimMessage = nullptr;
    QComboBox* m_sheet = nullptr;
    QLabel* m_engineMessage = nullptr;
    QLineEdit* m_stopBefore = nullptr;
    QLineEdit* m_stopAfter = nullptr;
    QLineEdit* m_stopDrop = nullptr;
    QLabel* m_stopResult = nullptr;
    QComboBox* m_portKind = nullptr;
    QLineEdit* m_portOpens = nullptr;
    QLineEdit* m_portCloses = nullptr;
    QLabel* m_portResult = nullptr;
    WheelPreview* m_preview = nullptr;
    QPushButton* m_copy = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_print = nullptr;
};

} // namespace crank
