#pragma once

#include "SkinTheme.h"

// The default skin: soft grey push-buttons in a slate tray, candy-glossy balls, amber digits
// on dark displays along the top.
class TButtonsTheme final : public TSkinTheme {
public:
    std::string Name() const override { return "Buttons"; }
    std::string Version() const override { return "1.0"; }
    TSkinPlan Plan() const override;
    std::array<QColor, 6> BallColours() const override;
    TBallLook BallLook() const override;
    TDigitLook ScoreDigits() const override;
    TDigitLook ClockDigits() const override;
    void PaintBackdrop(QPainter& painter, QRect window, QRect board) const override;
    void PaintEmptyCell(QPainter& painter, QRect cell) const override;
    void PaintPanel(QPainter& painter, QRect panel) const override;
    void PaintDecorations(QPainter& painter, const TSkinPlan& plan) const override;
};
