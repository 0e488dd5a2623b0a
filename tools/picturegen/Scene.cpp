#include "Scene.h"

#include <QLinearGradient>
#include <QRadialGradient>

namespace {

QBrush Brush(const TFill& fill) {
    if (fill.Stops.size() == 1) {
        return QBrush(fill.Stops.front().Colour);
    }
    QGradientStops stops;
    for (const TGradientStop& stop : fill.Stops) {
        stops.append({stop.At, stop.Colour});
    }
    if (fill.Kind == TFill::TKind::Linear) {
        QLinearGradient gradient(fill.From, fill.To);
        gradient.setStops(stops);
        return QBrush(gradient);
    }
    QRadialGradient gradient(fill.From, fill.Radius, fill.To);
    gradient.setStops(stops);
    return QBrush(gradient);
}

}  // namespace

void PaintScene(QPainter& painter, const TScene& scene) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (const TShape& shape : scene) {
        painter.setPen(shape.OutlineWidth > 0.0 ? QPen(shape.Outline, shape.OutlineWidth)
                                                : QPen(Qt::NoPen));
        painter.setBrush(Brush(shape.Fill));
        if (shape.Kind == TShape::TKind::RoundedRect) {
            painter.drawRoundedRect(shape.Box, shape.CornerRadius, shape.CornerRadius);
        } else {
            painter.drawEllipse(shape.Box);
        }
    }
    painter.restore();
}
