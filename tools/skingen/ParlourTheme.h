#pragma once

#include "SkinTheme.h"

// A games-room skin: a green felt board in a walnut case, billiard-coloured balls, serif
// numbers on enamel plaques in a side column.
class TParlourTheme final : public TSkinTheme {
public:
    std::string Name() const override { return "Parlour"; }
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
