#include "SvgWriter.h"

#include <cstdio>
#include <sstream>

namespace {

// Two decimals are far finer than any size an icon is shown at, and keep the file stable.
std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    std::string number(text);
    number.erase(number.find_last_not_of('0') + 1);
    if (number.back() == '.') {
        number.pop_back();
    }
    return number == "-0" ? "0" : number;
}

std::string Hex(const QColor& colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.red(), colour.green(), colour.blue());
    return text;
}

std::string Opacity(const char* attribute, const QColor& colour) {
    return colour.alpha() == 255
               ? std::string()
               : std::string(" ") + attribute + "=\"" + Number(colour.alphaF()) + "\"";
}

void WriteGradient(std::ostream& out, const TFill& fill, const std::string& id) {
    if (fill.Kind == TFill::TKind::Linear) {
        out << "    <linearGradient id=\"" << id << "\" gradientUnits=\"userSpaceOnUse\" x1=\""
            << Number(fill.From.x()) << "\" y1=\"" << Number(fill.From.y()) << "\" x2=\""
            << Number(fill.To.x()) << "\" y2=\"" << Number(fill.To.y()) << "\">\n";
    } else {
        out << "    <radialGradient id=\"" << id << "\" gradientUnits=\"userSpaceOnUse\" cx=\""
            << Number(fill.From.x()) << "\" cy=\"" << Number(fill.From.y()) << "\" r=\""
            << Number(fill.Radius) << "\" fx=\"" << Number(fill.To.x()) << "\" fy=\""
            << Number(fill.To.y()) << "\">\n";
    }
    for (const TGradientStop& stop : fill.Stops) {
        out << "      <stop offset=\"" << Number(stop.At) << "\" stop-color=\"" << Hex(stop.Colour)
            << "\"" << Opacity("stop-opacity", stop.Colour) << "/>\n";
    }
    out << (fill.Kind == TFill::TKind::Linear ? "    </linearGradient>\n"
                                              : "    </radialGradient>\n");
}

std::string Paint(const TShape& shape, const std::string& gradientId) {
    std::string paint;
    if (shape.Fill.Stops.size() == 1) {
        const QColor& colour = shape.Fill.Stops.front().Colour;
        paint = " fill=\"" + Hex(colour) + "\"" + Opacity("fill-opacity", colour);
    } else {
        paint = " fill=\"url(#" + gradientId + ")\"";
    }
    if (shape.OutlineWidth > 0.0) {
        paint += " stroke=\"" + Hex(shape.Outline) + "\"" +
                 Opacity("stroke-opacity", shape.Outline) + " stroke-width=\"" +
                 Number(shape.OutlineWidth) + "\"";
    }
    return paint;
}

void WriteShape(std::ostream& out, const TShape& shape, const std::string& gradientId) {
    const QRectF& box = shape.Box;
    if (shape.Kind == TShape::TKind::RoundedRect) {
        out << "  <rect x=\"" << Number(box.x()) << "\" y=\"" << Number(box.y()) << "\" width=\""
            << Number(box.width()) << "\" height=\"" << Number(box.height()) << "\" rx=\""
            << Number(shape.CornerRadius) << "\"";
    } else {
        out << "  <ellipse cx=\"" << Number(box.center().x()) << "\" cy=\""
            << Number(box.center().y()) << "\" rx=\"" << Number(box.width() / 2) << "\" ry=\""
            << Number(box.height() / 2) << "\"";
    }
    out << Paint(shape, gradientId) << "/>\n";
}

// Built by appending: GCC 12 warns falsely about "g" + std::to_string() when optimising.
std::string GradientId(std::size_t index) {
    std::string id("g");
    id += std::to_string(index);
    return id;
}

}  // namespace

std::string SvgDocument(const TScene& scene, int side) {
    std::ostringstream out;
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << side << "\" height=\"" << side
        << "\" viewBox=\"0 0 " << side << ' ' << side << "\">\n"
        << "  <defs>\n";
    for (std::size_t index = 0; index < scene.size(); ++index) {
        if (scene[index].Fill.Stops.size() > 1) {
            WriteGradient(out, scene[index].Fill, GradientId(index));
        }
    }
    out << "  </defs>\n";
    for (std::size_t index = 0; index < scene.size(); ++index) {
        WriteShape(out, scene[index], GradientId(index));
    }
    out << "</svg>\n";
    return out.str();
}
