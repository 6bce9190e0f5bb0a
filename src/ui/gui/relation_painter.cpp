#include "ui/gui/relation_painter.h"

#include <wx/brush.h>
#include <wx/pen.h>

#include "base/markup_text.h"
#include "base/text_codec.h"

namespace tablora {

namespace {

const wxColour kLineColour(96, 112, 140);
const wxColour kHighlightColour(0, 102, 204);
const wxColour kHoverColour(214, 96, 0);

wxPen PenFor(RelationPainter::Look look) {
  switch (look) {
    case RelationPainter::Look::kHighlighted:
      return wxPen(kHighlightColour, 2);
    case RelationPainter::Look::kHovered:
      return wxPen(kHoverColour, 3);
    default:
      return wxPen(kLineColour, 1);
  }
}

void DrawMark(wxDC& dc, const RelationLines::Mark& mark) {
  for (const auto& [a, b] : mark.strokes) dc.DrawLine(a.x, a.y, b.x, b.y);
  if (mark.ring) dc.DrawCircle(mark.centre.x, mark.centre.y, mark.radius);
}

void AppendPoints(std::string& d, const std::vector<std::pair<RoutePoint, RoutePoint>>& strokes) {
  for (const auto& [a, b] : strokes) {
    d += " M " + std::to_string(a.x) + " " + std::to_string(a.y) + " L " + std::to_string(b.x) +
         " " + std::to_string(b.y);
  }
}

}  // namespace

std::string RelationPainter::SvgText(const std::string& cp936) {
  return MarkupText(TextCodec::Cp936ToUtf8(cp936));
}

void RelationPainter::Draw(wxDC& dc, const RelationLines::Line& line, Look look) {
  const RoutePath& path = line.route.path;
  if (path.size() < 2) return;
  dc.SetPen(PenFor(look));
  dc.SetBrush(*wxWHITE_BRUSH);
  std::vector<wxPoint> points;
  points.reserve(path.size());
  for (const RoutePoint& p : path) points.emplace_back(p.x, p.y);
  dc.DrawLines(static_cast<int>(points.size()), points.data());
  // DrawLines leaves out the last pixel.
  dc.DrawPoint(points.back());
  if (look == Look::kHovered) dc.SetPen(PenFor(Look::kHighlighted));
  DrawMark(dc, RelationLines::ChildMark(line));
  DrawMark(dc, RelationLines::ParentMark(line));
}

void RelationPainter::DrawPartnerFrame(wxDC& dc, const PixelRect& rect) {
  dc.SetPen(wxPen(kHighlightColour, 2));
  dc.SetBrush(*wxTRANSPARENT_BRUSH);
  dc.DrawRectangle(rect.x - 2, rect.y - 2, rect.width + 3, rect.height + 3);
}

std::string RelationPainter::Svg(const RelationLines::Line& line, const std::string& from,
                                 const std::string& to) {
  const RoutePath& path = line.route.path;
  if (path.size() < 2) return {};
  std::string d;
  for (std::size_t i = 0; i < path.size(); ++i) {
    d += (i == 0 ? "M " : " L ") + std::to_string(path[i].x) + " " + std::to_string(path[i].y);
  }
  const RelationLines::Mark child = RelationLines::ChildMark(line);
  const RelationLines::Mark parent = RelationLines::ParentMark(line);
  std::string marks;
  AppendPoints(marks, child.strokes);
  AppendPoints(marks, parent.strokes);
  std::string svg = "<path class=\"relation\" data-from=\"" + SvgText(from) + "\" data-to=\"" +
                    SvgText(to) + "\" data-key=\"" + SvgText(line.relation.constraintName) +
                    "\" d=\"" + d + "\" fill=\"none\" stroke=\"#60708c\" stroke-width=\"1\"/>\n";
  svg += "<path class=\"relation-end\" d=\"" + marks.substr(1) +
         "\" fill=\"none\" stroke=\"#60708c\" stroke-width=\"1\"/>\n";
  if (parent.ring) {
    svg += "<circle class=\"relation-end\" cx=\"" + std::to_string(parent.centre.x) +
           "\" cy=\"" + std::to_string(parent.centre.y) + "\" r=\"" +
           std::to_string(parent.radius) + "\" fill=\"#ffffff\" stroke=\"#60708c\"/>\n";
  }
  return svg;
}

}  // namespace tablora
