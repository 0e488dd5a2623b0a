#include "IconDesign.h"

#include <QPainter>
#include <stdexcept>

#include "LogoDesign.h"
#include "SvgWriter.h"

namespace {

// Each size on its own grid of whole pixels: margin, padding, gaps and cells add up to the
// side exactly, so the cells' edges fall on pixel edges instead of blurring across two. The
// 16 pixel icon shows four balls, big enough to tell apart; small sizes drop the shadow
// and the reflection and ring each ball.
struct TIconPlan {
    int Size;
    int Margin;
    TLogoGrid Grid;
    TLogoDetail Detail;
};

// Grid: cells per side, padding, gap, cell. Detail: ball radius per cell side, shadows,
// reflections, frame outline, ball outline, frame corner per side.
constexpr double LogoCorner = 5.0 / 77.0;
const std::array<TIconPlan, IconSizes.size()> Plans{{
    {16, 0, {2, 1, 2, 6}, {0.5, false, false, 1.0, 0.75, 0.19}},
    {32, 0, {3, 2, 2, 8}, {0.47, false, false, 1.0, 0.75, 0.12}},
    {48, 1, {3, 1, 1, 14}, {0.44, false, true, 1.0, 0.0, 0.09}},
    {64, 1, {3, 2, 2, 18}, {0.42, true, true, 1.0, 0.0, LogoCorner}},
    {128, 4, {3, 3, 3, 36}, {0.4, true, true, 1.5, 0.0, LogoCorner}},
    {256, 8, {3, 6, 6, 72}, {0.4, true, true, 3.0, 0.0, LogoCorner}},
}};

const TIconPlan& PlanFor(int size) {
    for (const TIconPlan& plan : Plans) {
        if (plan.Size == size) {
            return plan;
        }
    }
    throw std::invalid_argument("no icon is drawn at " + std::to_string(size) + " pixels");
}

TScene IconScene(const TIconPlan& plan) {
    return LogoScene(QPointF(plan.Margin, plan.Margin), plan.Grid, plan.Detail);
}

}  // namespace

QImage DrawIcon(int size) {
    const TIconPlan& plan = PlanFor(size);
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    PaintScene(painter, IconScene(plan));
    painter.end();
    return icon.convertToFormat(QImage::Format_ARGB32);
}

std::string ScalableIcon() {
    const TIconPlan& largest = Plans.back();
    return SvgDocument(IconScene(largest), largest.Size);
}
