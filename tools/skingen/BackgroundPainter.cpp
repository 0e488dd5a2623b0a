#include "BackgroundPainter.h"

#include "DigitPainter.h"
#include "Paint.h"
#include "QtRects.h"

QImage PaintPanels(const TSkinTheme& theme, const TSkinPlan& plan, const QImage& emptyCell) {
    const TSkinLayout& layout = plan.Layout;
    QImage background = NewPicture(QSize(layout.WindowWidth, layout.WindowHeight));
    QPainter painter(&background);
    Smooth(painter);
    theme.PaintBackdrop(painter, background.rect(), ToQRect(BoardRect(layout)));
    // The empty cells are part of the background too, so the board looks whole wherever the
    // game has not drawn yet.
    for (int row = 0; row < 9; ++row) {
        for (int column = 0; column < 9; ++column) {
            painter.drawImage(ToQRect(CellRect(layout, column, row)).topLeft(), emptyCell);
        }
    }
    for (const QRect& panel : {plan.ScorePanel, plan.ClockPanel, plan.PreviewPanel}) {
        theme.PaintPanel(painter, panel);
    }
    return background;
}

void FinishBackground(QImage& background, const TSkinTheme& theme, const TSkinPlan& plan) {
    QPainter painter(&background);
    Smooth(painter);
    PaintColon(painter, ToQRect(ClockDigitRect(plan.Layout, 2)), theme.ClockDigits());
    theme.PaintDecorations(painter, plan);
}
