#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "model/engine_snapshot.h"
#include "wheel/degree_wheel.h"

class QAction;
class QComboBox;
class QHBoxLayout;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;

namespace crank {

class MessageBox;
class PrinterSource;
class SaveFileChooser;
struct Services;
class WheelPreview;

// The degree wheel for the engine of the display on show: the page's
// settings (the wheel's size, hole, turning and marking, the ignition, the
// rim of the timing strip, which of the two pages), and two checks of a
// wheel on the engine: TDC from the readings at a piston stop, and the
// wheel's zero from the readings at a port's opening and closing. Beside
// them the page as it prints, which takes the room a larger window gives;
// the settings and checks scroll where the screen is short. What is typed
// lives in a WheelInput: each box writes its edit into it and the window
// renders the view and the checks afresh (BuildWheelView, CheckWheel); copy,
// the PDF and the print read the same view. Its number boxes take "." and ","
// alike. Opens non-modal.
class WheelDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* kTitle = "Degree Wheel";

    // It edits input and reaches the user through the services; both
    // outlive it.
    WheelDialog(WheelInput& input, const Services& services, QWidget* parent = nullptr);
    ~WheelDialog() override;

    // The engine and the port sheet's rows to mark; every figure afresh.
    void setEngine(const EngineSnapshot& engine, const std::array<PortRowView, kMaxPorts>& ports);
    const WheelView& view() const { return m_view; }

    // What is typed, and all of it at once (its numbers shown in the locale's style).
    const WheelInput& input() const { return m_input; }
    void setInput(const WheelInput& input);
    // After the input was changed from outside: every control shows it.
    void showInput();

    // A command of another tool, as a button before "Close", its shortcut
    // working while the window is active.
    void addCommand(QAction* command);

    // "Copy", "Save as PDF..." and "Print...".
    void copyEvents();
    void saveAsPdf();
    void print();

signals:
    // The user changed what is typed (not setInput).
    void edited();

private:
    void build();
    QLineEdit* numberBox(const QString& name, bool allowMinus, int maxChars,
                         std::string& (*field)(WheelInput&));
    template <class Choice>
    QComboBox* choiceBox(const QString& name, const QStringList& items,
                         Choice& (*field)(WheelInput&));
    QComboBox* sideBox(const QString& name, TdcSide& (*field)(WheelInput&));
    QLabel* messageLabel(const QString& name);
    void addRow(QFormLayout& form, const QString& caption, QWidget* field,
                std::initializer_list<QWidget*> beside);
    QWidget* buildWheelBox();
    QWidget* buildChecks();
    void render();

    MessageBox& m_messages;
    SaveFileChooser& m_pdfChooser;
    PrinterSource& m_printers;
    NumberStyle m_style;
    EngineSnapshot m_engine;
    std::array<PortRowView, kMaxPorts> m_ports{};
    WheelInput& m_input;
    WheelView m_view;
    bool m_built = false;

    // Each box and its field of the input.
    struct TextField {
        QLineEdit* box;
        std::string& (*field)(WheelInput&);
    };
    struct ChoiceField {
        QComboBox* box;
        std::function<int(WheelInput&)> index;
    };
    std::vector<TextField> m_texts;
    std::vector<ChoiceField> m_choices;
    std::vector<QComboBox*> m_sides; // shown on a 0-180-0 wheel only

    QScrollArea* m_scroll = nullptr;
    QLineEdit* m_diameter = nullptr;
    QLabel* m_diameterMessage = nullptr;
    QLabel* m_holeMessage = nullptr;
    QLabel* m_ignitionMessage = nullptr;
    QLabel* m_rimMessage = nullptr;
    QLabel* m_engineMessage = nullptr;
    QLabel* m_stopResult = nullptr;
    QLabel* m_portResult = nullptr;
    WheelPreview* m_preview = nullptr;
    QPushButton* m_copy = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_print = nullptr;
    QPushButton* m_close = nullptr;
    QHBoxLayout* m_buttons = nullptr;
};

} // namespace crank
