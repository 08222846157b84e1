#pragma once

#include <QPushButton>

namespace crank {

// A command button as the screens design it: a background colour of its own
// and a caption that wraps onto a second line when it is wider than the
// button (the "&" still marks the Alt access key).
class CommandButton : public QPushButton {
    Q_OBJECT
public:
    CommandButton(const QString& caption, const QColor& background, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace crank
