#pragma once

#include "SkinTheme.h"

// A night-sky skin: glass wells on a dark plate, jewel balls lit from behind, glowing LED
// displays under the board.
class TMidnightTheme final : public TSkinTheme {
public:
    std::string Name() const override { return "Midnight"; }
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
