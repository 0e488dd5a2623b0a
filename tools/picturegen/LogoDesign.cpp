#include "LogoDesign.h"

#include <array>

namespace {

// The logo's cells as first drawn: 23 pixels with corners of 2.5.
constexpr double CellCornerShare = 2.5 / 23.0;

const std::array<QColor, 9> BallColours{
    QColor(220, 40, 40),  QColor(245, 200, 30), QColor(40, 170, 60),
    QColor(40, 110, 230), QColor(230, 120, 20), QColor(160, 60, 210),
    QColor(30, 190, 200), QColor(235, 80, 170), QColor(130, 200, 40)};

TFill Linear(QPointF from, QPointF to, QColor start, QColor end) {
    return {TFill::TKind::Linear, from, to, 0.0, {{0.0, start}, {1.0, end}}};
}

TFill Radial(QPointF centre, double radius, QPointF focal, std::vector<TGradientStop> stops) {
    return {TFill::TKind::Radial, centre, focal, radius, std::move(stops)};
}

TShape Ellipse(QPointF centre, double radiusX, double radiusY, TFill fill) {
    TShape shape;
    shape.Box = QRectF(centre.x() - radiusX, centre.y() - radiusY, 2 * radiusX, 2 * radiusY);
    shape.Fill = std::move(fill);
    return shape;
}

TShape RoundedRect(const QRectF& box, double corner, TFill fill) {
    TShape shape;
    shape.Kind = TShape::TKind::RoundedRect;
    shape.Box = box;
    shape.CornerRadius = corner;
    shape.Fill = std::move(fill);
    return shape;
}

void AddBoard(TScene& scene, QPointF origin, const TLogoGrid& grid, const TLogoDetail& detail) {
    const QRectF board(origin, QSizeF(grid.Side(), grid.Side()));
    const double inset = detail.FrameOutline / 2;
    TShape frame = RoundedRect(
        board.adjusted(inset, inset, -inset, -inset), grid.Side() * detail.FrameCornerShare - inset,
        Linear(board.topLeft(), board.bottomLeft(), QColor(74, 86, 104), QColor(34, 40, 52)));
    frame.Outline = QColor(20, 24, 32);
    frame.OutlineWidth = detail.FrameOutline;
    scene.push_back(frame);
    for (int row = 0; row < grid.Cells; ++row) {
        for (int column = 0; column < grid.Cells; ++column) {
            const QRectF square(board.left() + grid.Padding + column * (grid.Cell + grid.Gap),
                                board.top() + grid.Padding + row * (grid.Cell + grid.Gap),
                                grid.Cell, grid.Cell);
            scene.push_back(RoundedRect(square, grid.Cell * CellCornerShare,
                                        Linear(square.topLeft(), square.bottomRight(),
                                               QColor(30, 36, 46), QColor(58, 68, 84))));
        }
    }
}

// Lit from the top left: a soft shadow below to the right, a darker rim, the light's
// reflection at the bottom and a bright highlight.
void AddBall(TScene& scene, QPointF centre, double radius, QColor colour,
             const TLogoDetail& detail) {
    if (detail.Shadows) {
        const QPointF below = centre + QPointF(radius * 0.15, radius * 0.25);
        scene.push_back(Ellipse(below, radius * 1.1, radius * 1.1,
                                Radial(below, radius * 1.1, below,
                                       {{0.75, QColor(0, 0, 0, 110)}, {1.0, QColor(0, 0, 0, 0)}})));
    }
    TShape body = Ellipse(centre, radius, radius,
                          Radial(centre, radius, centre - QPointF(radius * 0.35, radius * 0.4),
                                 {{0.0, colour.lighter(175)},
                                  {0.45, colour},
                                  {0.85, colour.darker(170)},
                                  {1.0, colour.darker(260)}}));
    body.Outline = colour.darker(300);
    body.OutlineWidth = detail.BallOutline;
    scene.push_back(body);
    if (detail.Reflections) {
        const QPointF glow = centre + QPointF(0, radius * 0.55);
        scene.push_back(
            Ellipse(centre + QPointF(0, radius * 0.5), radius * 0.6, radius * 0.35,
                    Radial(glow, radius * 0.55, glow,
                           {{0.0, QColor(255, 255, 255, 70)}, {1.0, QColor(255, 255, 255, 0)}})));
    }
    const QPointF spot = centre - QPointF(radius * 0.32, radius * 0.42);
    scene.push_back(
        Ellipse(spot, radius * 0.42, radius * 0.3,
                Radial(spot, radius * 0.42, spot,
                       {{0.0, QColor(255, 255, 255, 235)}, {1.0, QColor(255, 255, 255, 0)}})));
}

}  // namespace

TScene LogoScene(QPointF origin, const TLogoGrid& grid, const TLogoDetail& detail) {
    TScene scene;
    AddBoard(scene, origin, grid, detail);
    for (int row = 0; row < grid.Cells; ++row) {
        for (int column = 0; column < grid.Cells; ++column) {
            const QPointF centre(
                origin.x() + grid.Padding + column * (grid.Cell + grid.Gap) + grid.Cell / 2,
                origin.y() + grid.Padding + row * (grid.Cell + grid.Gap) + grid.Cell / 2);
            const auto colour = static_cast<std::size_t>(row * grid.Cells + column);
            AddBall(scene, centre, grid.Cell * detail.BallShare, BallColours.at(colour), detail);
        }
    }
    return scene;
}
