#pragma once

#include <QWidget>

#include "wheel/degree_wheel.h"

namespace crank {

// The wheel's page (or the strip's) as it prints, an A4 sheet scaled to the
// widget: the same drawing as the page, so that the wheel's size shows
// against the sheet.
class WheelPreview : public QWidget {
    Q_OBJECT
public:
    explicit WheelPreview(QWidget* parent = nullptr);

    void setView(const WheelView& view);

    QSize sizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    WheelView m_view;
};

} // namespace crank
