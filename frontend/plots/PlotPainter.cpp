#include "plots/PlotPainter.h"

#include <QBrush>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPolygon>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zavik {

const std::array<QColor, 17> PlotColors = {
    QColor(0, 0, 0),       QColor(0, 0, 255),     QColor(255, 0, 0),     QColor(0, 128, 0),
    QColor(128, 0, 128),   QColor(128, 0, 0),     QColor(0, 0, 128),     QColor(255, 0, 255),
    QColor(128, 128, 0),   QColor(0, 128, 128),   QColor(128, 128, 128), QColor(0, 255, 0),
    QColor(128, 128, 128), QColor(192, 192, 192), QColor(192, 192, 192), QColor(255, 255, 0),
    QColor(0, 255, 255)};

QColor PlotColor(int K) { return PlotColors[std::size_t(K % int(PlotColors.size()))]; }

QString PlotFontFamily(const QString& Face) {
  if (Face == QLatin1String("Times New Roman")) return QStringLiteral("Liberation Serif");
  if (Face == QLatin1String("Arial")) return QStringLiteral("Liberation Sans");
  if (Face == QLatin1String("Courier New")) return QStringLiteral("Liberation Mono");
  return Face;
}

QFont PlotFont(int PixelHeight, int Weight, const QString& Face) {
  QFont font(PlotFontFamily(Face));
  font.setPixelSize(std::max(PixelHeight, 1));
  font.setWeight(QFont::Weight(Weight));
  return font;
}

QString LegendName(const TGraphPlot& Plot, int Curve) {
  QString name = Plot.Line(Curve).GetName();
  if (Plot.OnGetCaption) Plot.OnGetCaption(Curve, name);
  return name;
}

std::vector<TLegendEntry> LegendEntries(const TGraphPlot& Plot) {
  std::vector<TLegendEntry> entries;
  for (int i = 0; i < Plot.LineCount(); ++i)
    if (Plot.Line(i).Active) entries.push_back({i, LegendName(Plot, i)});
  return entries;
}

int CurvePenWidth(const TGraphPlot& Plot, int PPIx) {
  return Plot.WidthLine * (int(std::lround(PPIx / 300.0)) + 1);
}

int HairlineWidth(int PPI) { return std::max(1, PPI / 96); }

namespace {

constexpr int NormalWeight = 400;
constexpr int BoldWeight = 700;
constexpr int MarkerShapes = 10;

QRect ToQRect(const TPlotRect& R) { return QRect(R.Left, R.Top, R.Width(), R.Height()); }
// The area a graph's frame encloses, its edges included.
QRect ClipRect(const TPlotRect& R) { return QRect(R.Left, R.Top, R.Width() + 1, R.Height() + 1); }

int TextWidth(const QPainter& P, const QString& S) { return P.fontMetrics().horizontalAdvance(S); }
int TextHeight(const QPainter& P) { return P.fontMetrics().height(); }

// Text whose cell has its top-left corner at (X, Y).
void TextOut(QPainter& P, int X, int Y, const QString& S) { P.drawText(X, Y + P.fontMetrics().ascent(), S); }

// Text turned a quarter turn to read upward: the cell's top-left corner (the
// start of the text) at (X, Y), the text running up from Y and its cell
// reaching from X to X + the text height.
void TextOutUp(QPainter& P, int X, int Y, const QString& S) {
  P.save();
  P.translate(X, Y);
  P.rotate(-90);
  P.drawText(0, P.fontMetrics().ascent(), S);
  P.restore();
}

QString AxisCaption(const QString& Caption, const QString& Units, int System) {
  if (Units.isEmpty()) return Caption;
  return Caption + QStringLiteral(" (") + ExpandUnits(Units, System) + QLatin1Char(')');
}

// The X caption's top edge: at the page top with the axis on top, else with
// its bottom on the page bottom; a title on the same side pushes it inward.
int XCaptionTop(const TGraphPlot& Plot, const TPlotLayout& L, int TextH) {
  const int h = L.TextHeight;
  const bool titleSameSide = !Plot.GraphTitle.isEmpty() && Plot.TitleOnTop == Plot.XOnTop;
  const int inward = titleSameSide ? h / 8 + h : 0;
  return Plot.XOnTop ? L.Page.Top + inward : L.Page.Bottom - TextH - inward;
}

void DrawTitle(QPainter& P, const TGraphPlot& Plot, const TPlotLayout& L) {
  if (Plot.GraphTitle.isEmpty()) return;
  const int x = L.Page.Left + (L.Page.Width() - TextWidth(P, Plot.GraphTitle)) / 2;
  const int y = Plot.TitleOnTop ? L.Page.Top : L.Page.Bottom - TextHeight(P);
  TextOut(P, x, y, Plot.GraphTitle);
}

void DrawAxes(QPainter& P, const TGraphPlot& Plot, const TPlotLayout& L) {
  P.setFont(PlotFont(L.TextHeight, BoldWeight));
  const int units = Plot.Units();
  const QString x = AxisCaption(Plot.XCaption, Plot.XUnits, units);
  TextOut(P, L.Page.Left + (L.Page.Width() - TextWidth(P, x)) / 2, XCaptionTop(Plot, L, TextHeight(P)), x);
  DrawTitle(P, Plot, L);
  const QString y = AxisCaption(Plot.YCaption, Plot.YUnits, units);
  TextOutUp(P, L.Page.Left, L.Page.Top + (L.Page.Height() + TextWidth(P, y)) / 2, y);
}

void DrawAxes3(QPainter& P, const TGraphPlot& Plot, const TPlotLayout& L) {
  P.setFont(PlotFont(L.TextHeight, BoldWeight));
  const int units = Plot.Units();
  const QString xs[3] = {AxisCaption(Plot.XCaption, Plot.XUnits, units),
                         AxisCaption(Plot.XCaption2, Plot.XUnits2, units),
                         AxisCaption(Plot.XCaption3, Plot.XUnits3, units)};
  const QString ys[3] = {AxisCaption(Plot.YCaption, Plot.YUnits, units),
                         AxisCaption(Plot.YCaption2, Plot.YUnits2, units),
                         AxisCaption(Plot.YCaption3, Plot.YUnits3, units)};
  const int top = XCaptionTop(Plot, L, TextHeight(P));
  const int yCentre = L.Page.Top + L.Page.Height() / 2;
  for (int g = 0; g < 3; ++g) {
    const TPlotRect& R = L.Graph[std::size_t(g)];
    TextOut(P, R.Left + (R.Width() - TextWidth(P, xs[g])) / 2, top, xs[g]);
    const int x = g == 0 ? L.Page.Left : R.Left - (2 * L.TextHeight + L.PPIx / 8);
    TextOutUp(P, x, yCentre + TextWidth(P, ys[g]) / 2, ys[g]);
  }
  DrawTitle(P, Plot, L);
}

bool IsMajor(long long Index) { return Index % TicksPerLabel == 0; }

// Writes an axis's labels where PlaceTickLabels puts them, each by Write(its
// start along the axis, its text).
template <class TWrite>
void WriteTickLabels(const QPainter& P, const std::vector<TAxisLabel>& Labels, int Lo, int Hi, int Gap, TWrite Write) {
  std::vector<TTickLabel> extents;
  for (const TAxisLabel& l : Labels) extents.push_back({l.Step, l.Pixel, TextWidth(P, l.Text), 0});
  for (const TTickLabel& e : PlaceTickLabels(extents, Lo, Hi, Gap))
    Write(e, Labels[std::size_t(e.Step - Labels.front().Step)].Text);
}

void DrawTicks(QPainter& P, const TGraphPlot& Plot, const TPlotLayout& L, const TPlotRect& R,
               const TPlotRange& Range, const TTickRecord& T) {
  P.save();
  P.setFont(PlotFont(L.TextHeight, NormalWeight));
  const int hairline = HairlineWidth(L.PPIx);
  const QPen tickPen(Qt::black, hairline, Qt::SolidLine, Qt::FlatCap);
  const QPen gridPen(Qt::black, hairline, Qt::DotLine, Qt::FlatCap);
  const int th = TextHeight(P);
  const int axisY = Plot.XOnTop ? R.Top : R.Bottom;
  const int tickX = L.PPIy / 16;
  const int tickY = L.PPIx / 16;
  // Labels stand apart by at least a quarter text height.
  const int gap = std::max(1, th / 4);
  if (T.XFirst != T.XLast) {
    for (long long i = T.XFirst; i <= T.XLast; ++i) {
      const QPoint at = WorldToScreen(R, Range, Plot.XOnTop, i * T.XStep, Range.Ymin);
      if (at.x() < R.Left || at.x() > R.Right) continue;
      P.setPen(tickPen);
      P.drawLine(at.x(), axisY, at.x(), Plot.XOnTop ? axisY + tickX : axisY - tickX);
      if (!IsMajor(i)) continue;
      P.setPen(gridPen);
      P.drawLine(at.x(), R.Top, at.x(), R.Bottom);
    }
    // X labels horizontal, centred under (or above) their ticks, inside the page.
    P.setPen(Qt::black);
    const int y = Plot.XOnTop ? R.Top - (th + L.PPIy / 32) : R.Bottom + L.PPIy / 16;
    WriteTickLabels(P, XAxisLabels(R, Range, Plot.XOnTop, T), L.Page.Left, L.Page.Right, gap,
                    [&](const TTickLabel& At, const QString& Text) { TextOut(P, At.Start, y, Text); });
  }
  if (T.YFirst != T.YLast) {
    for (long long i = T.YFirst; i <= T.YLast; ++i) {
      const QPoint at = WorldToScreen(R, Range, Plot.XOnTop, Range.Xmin, i * T.YStep);
      if (at.y() < std::min(R.Top, R.Bottom) || at.y() > std::max(R.Top, R.Bottom)) continue;
      P.setPen(tickPen);
      P.drawLine(R.Left, at.y(), R.Left + tickY, at.y());
      if (!IsMajor(i)) continue;
      P.setPen(gridPen);
      P.drawLine(R.Left, at.y(), R.Right, at.y());
    }
    // Y labels read upward, centred on their ticks, left of the graph; none
    // runs past the X axis into its labels, nor off the page.
    P.setPen(Qt::black);
    const int lo = Plot.XOnTop ? R.Top : L.Page.Top;
    const int hi = Plot.XOnTop ? L.Page.Bottom : R.Bottom;
    WriteTickLabels(P, YAxisLabels(R, Range, Plot.XOnTop, T), lo, hi, gap,
                    [&](const TTickLabel& At, const QString& Text) {
                      TextOutUp(P, R.Left - L.PPIx / 32 - th, At.Start + At.Length, Text);
                    });
  }
  P.restore();
}

// The curves of one set in rectangle R. Flags come from line set 1, so the
// legend controls every graph; a point that is not finite breaks the curve.
// LeaveOutLast drops each curve's last point (the three-graph layout with
// more than one curve in the set).
void DrawCurveSet(QPainter& P, const TGraphPlot& Plot, const TPlotLayout& L, const TPlotRect& R,
                  const TPlotRange& Range, const TLineSet& Set, bool LeaveOutLast) {
  if (Set.Count() < 1 || Set.PointCount() < 2) return;
  P.save();
  P.setClipRect(ClipRect(R));
  const int width = CurvePenWidth(Plot, L.PPIx);
  int k = 0;
  QPolygon run;
  for (int i = 0; i < Set.Count() && i < Plot.LineCount(); ++i) {
    const TLine& flags = Plot.Line(i);
    if (!flags.Active) continue;
    if (flags.Shown) {
      const QColor colour = PlotColor(k);
      P.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      P.setBrush(Qt::NoBrush);
      const TLine& line = Set.Line(i);
      const int n = LeaveOutLast ? line.PointCount() - 1 : line.PointCount();
      run.clear();
      auto flush = [&] {
        if (run.size() > 1) P.drawPolyline(run);
        run.clear();
      };
      for (int j = 0; j < n; ++j) {
        const TFloatPoint& p = line.GetPoint(j);
        if (!std::isfinite(p.X) || !std::isfinite(p.Y)) {
          flush();
          continue;
        }
        const QPoint at = WorldToScreen(R, Range, Plot.XOnTop, p.X, p.Y);
        run.append(at);
        if (Plot.Markers > 0 && j % Plot.Markers == 0) DrawMarker(P, at, i, L.PPIx, L.PPIy);
      }
      flush();
    }
    ++k;
  }
  P.restore();
}

void DrawCurves(QPainter& P, const TGraphPlot& Plot, const TPlotLayout& L, const TPlotView& V) {
  if (!Plot.ShowThree) {
    DrawCurveSet(P, Plot, L, L.Plot, V.Range[0], Plot.Curves, false);
    return;
  }
  const TLineSet* sets[3] = {&Plot.Curves, &Plot.Curves2, &Plot.Curves3};
  for (std::size_t g = 0; g < 3; ++g)
    DrawCurveSet(P, Plot, L, L.Graph[g], V.Range[g], *sets[g], sets[g]->Count() > 1);
}

void DrawLegendBox(QPainter& P, const TGraphPlot& Plot, const TPlotLayout& L, const TPlotView& V) {
  if (V.WindowSize.width() <= 0 || V.WindowSize.height() <= 0) return;
  P.save();
  P.setFont(PlotFont(L.TextHeight, NormalWeight));
  struct TShown {
    int Position;
    const TLegendEntry* Entry;
  };
  std::vector<TShown> shown;
  int widest = 0;
  for (std::size_t j = 0; j < V.Legend.size(); ++j) {
    const TLegendEntry& e = V.Legend[j];
    // The window's list can be older than the curves (data reloaded).
    if (e.Curve >= Plot.LineCount() || !Plot.Line(e.Curve).Shown) continue;
    shown.push_back({int(j), &e});
    widest = std::max(widest, TextWidth(P, e.Name));
  }
  if (shown.empty()) {
    P.restore();
    return;
  }
  const int th = TextHeight(P);
  const int step = th + L.PPIy / 32;
  const int width = widest + 3 * L.PPIx / 16;
  const int height = L.PPIy / 32 + int(shown.size()) * step;
  // Where the legend stands in the window, scaled to the page; pushed left
  // and up into the graph where the page's text makes the box reach out of it.
  int left = L.Page.Left + int(qint64(V.LegendRect.left()) * L.Page.Width() / V.WindowSize.width());
  int top = L.Page.Top + int(qint64(V.LegendRect.top()) * L.Page.Height() / V.WindowSize.height());
  const int inset = HairlineWidth(L.PPIx);
  left = std::max(L.Page.Left, std::min(left, L.Plot.Right - inset - width));
  top = std::max(L.Page.Top, std::min(top, L.Plot.Bottom - inset - height));
  const QRect box(left, top, width, height);
  P.setPen(QPen(Qt::black, HairlineWidth(L.PPIx)));
  P.setBrush(Qt::white);
  P.drawRect(box);
  const int pen = CurvePenWidth(Plot, L.PPIx);
  int y = top + L.PPIy / 32;
  for (const TShown& s : shown) {
    const QColor colour = PlotColor(s.Position);
    P.setPen(QPen(colour, pen));
    P.setBrush(Qt::NoBrush);
    // The marker of the curve itself, as the graph draws it.
    DrawMarker(P, QPoint(left + L.PPIx / 16, y + th / 2), s.Entry->Curve, L.PPIx, L.PPIy);
    P.setPen(colour);
    TextOut(P, left + 2 * (L.PPIx / 16), y, s.Entry->Name);
    y += step;
  }
  P.restore();
}

// Fill patterns of the soil codes 1 and 7 to 12, drawn in Colour on a tile
// of an eighth of an inch.
QBrush SoilPattern(int Code, const QColor& Colour, int PPI) {
  const int s = std::max(8, PPI / 8);
  QImage tile(s, s, QImage::Format_ARGB32_Premultiplied);
  tile.fill(Qt::transparent);
  QPainter t(&tile);
  t.setPen(QPen(Colour, std::max(1, s / 12)));
  t.setBrush(Qt::NoBrush);
  switch (Code) {
    case 1:  // dots
      t.drawPoint(s / 4, s / 4);
      t.drawPoint(3 * s / 4, 3 * s / 4);
      break;
    case 7:  // small rings
      t.drawEllipse(QRect(s / 8, s / 8, s / 3, s / 3));
      t.drawEllipse(QRect(s / 2, s / 2, s / 4, s / 4));
      break;
    case 8:  // short dashes
      t.drawLine(0, s / 4, s / 2, s / 4);
      t.drawLine(s / 2, 3 * s / 4, s - 1, 3 * s / 4);
      break;
    case 9:  // bricks
      t.drawLine(0, 0, s - 1, 0);
      t.drawLine(0, s / 2, s - 1, s / 2);
      t.drawLine(s / 2, 0, s / 2, s / 2);
      t.drawLine(0, s / 2, 0, s - 1);
      break;
    case 10:  // crosses
      t.drawLine(s / 4, s / 2, 3 * s / 4, s / 2);
      t.drawLine(s / 2, s / 4, s / 2, 3 * s / 4);
      break;
    case 11:  // dots and dashes
      t.drawLine(0, s / 4, s / 2, s / 4);
      t.drawPoint(3 * s / 4, 3 * s / 4);
      break;
    default:  // 12: small triangles
      t.drawPolygon(QPolygon({QPoint(s / 4, 3 * s / 4), QPoint(s / 2, s / 4), QPoint(3 * s / 4, 3 * s / 4)}));
      break;
  }
  t.end();
  return QBrush(tile);
}

// The fill of a soil code; codes are compared exactly, and an unknown code
// is hollow.
QBrush SoilBrush(long double Code, const QColor& Colour, int PPI) {
  const long double codes[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
  int code = 0;
  for (long double c : codes)
    if (Code == c) code = int(c);
  switch (code) {
    case 0: return QBrush(Qt::NoBrush);
    case 2: return QBrush(Colour, Qt::FDiagPattern);
    case 3: return QBrush(Colour, Qt::CrossPattern);
    case 4: return QBrush(Colour, Qt::DiagCrossPattern);
    case 5: return QBrush(Colour, Qt::HorPattern);
    case 6: return QBrush(Colour, Qt::VerPattern);
    default: return SoilPattern(code, Colour, PPI);
  }
}

void DrawSoilLayers(QPainter& P, const TGraphPlot& Plot, const TPlotLayout& L, const TPlotView& V) {
  const TLineSet& set = Plot.LayerLines;
  const bool wall = Plot.WallLineCount > 0 && Plot.WallLineCount < set.Count();
  const int layers = wall ? Plot.WallLineCount : set.Count();
  const TPlotRect& S = L.Soil;
  P.save();
  P.setClipRect(QRect(L.Page.Left, L.Page.Top, L.Page.Width() + 1, S.Bottom - L.Page.Top + 1));
  auto depthY = [&](const TLine& line) {
    const long double d = line.PointCount() > 0 ? line.GetPoint(0).Y : 0;
    return WorldToScreen(L.Plot, V.Range[0], Plot.XOnTop, V.Range[0].Xmin, d).y();
  };
  const int w = S.Width();
  const bool showWall = wall && Plot.ShowWall;
  const int leftEnd = showWall ? S.Left + 2 * w / 5 : S.Right;
  const int rightStart = S.Left + 3 * w / 5;
  int farLevel = S.Top;
  if (showWall && Plot.WallLineCount + 1 < set.Count()) farLevel = depthY(set.Line(Plot.WallLineCount + 1));
  int top = S.Top;
  for (int k = 0; k < layers; ++k) {
    const TLine& line = set.Line(k);
    const int bottom = k == layers - 1 ? L.Plot.Bottom : depthY(line);
    const QColor colour = PlotColor(k);
    const QBrush fill = SoilBrush(line.PointCount() > 0 ? line.GetPoint(0).X : 0, colour, L.PPIx);
    auto layer = [&](int Left, int Right, int Top) {
      if (Top >= bottom) return;
      const QRect r(Left, Top, Right - Left, bottom - Top);
      P.setPen(Qt::NoPen);
      P.fillRect(r, Qt::white);
      P.fillRect(r, fill);
      P.setPen(QPen(Qt::black, HairlineWidth(L.PPIx)));
      P.setBrush(Qt::NoBrush);
      P.drawRect(r);
    };
    layer(S.Left, leftEnd, top);
    if (showWall) layer(rightStart, S.Right, std::max(top, farLevel));
    top = bottom;
  }
  if (showWall) {
    const QRect r(S.Left + 2 * w / 5, S.Top, w / 5, depthY(set.Line(Plot.WallLineCount)) - S.Top);
    P.fillRect(r, QColor(128, 128, 128));
  }
  P.restore();
}

void DrawFrames(QPainter& P, const TGraphPlot& Plot, const TPlotLayout& L) {
  P.save();
  P.setPen(QPen(Qt::black, HairlineWidth(L.PPIx), Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  P.setBrush(Qt::NoBrush);
  if (Plot.ShowThree) {
    for (const TPlotRect& g : L.Graph) P.drawRect(ToQRect(g));
  } else {
    P.drawRect(ToQRect(L.Plot));
  }
  P.restore();
}

}  // namespace

void DrawMarker(QPainter& P, QPoint At, int Curve, int PPIx, int PPIy) {
  const int s = Curve % MarkerShapes + 1;
  const long double rx = PPIx / 32;
  const long double ry = PPIy / 32;
  constexpr long double pi = std::numbers::pi_v<long double>;
  QPolygon outline;
  auto vertex = [&](long double a) {
    outline.append(QPoint(At.x() + RoundPixel(std::sin(a) * rx), At.y() - RoundPixel(std::cos(a) * ry)));
  };
  if (s == 1) {
    for (int k = 0; k <= 3; ++k) vertex(pi + k * 2 * pi / 3);
  } else if (s == 2) {
    for (int k = 0; k <= 4; ++k) vertex(pi / 4 + k * pi / 2);
  } else {
    for (int k = 0; k <= s; ++k) vertex(k * 2 * pi / s);
  }
  P.drawPolyline(outline);
}

void DrawPlot(QPainter& P, const TGraphPlot& Plot, const TPlotLayout& L, const TPlotView& V) {
  P.save();
  P.setRenderHint(QPainter::Antialiasing, false);
  P.fillRect(ToQRect(L.Page), Qt::white);
  if (L.Page.Width() >= L.PPIx && L.Page.Height() >= L.PPIy) {
    if (Plot.ShowThree) DrawAxes3(P, Plot, L);
    else DrawAxes(P, Plot, L);
    TTickRecord ticks;
    if (Plot.ShowThree) {
      for (std::size_t g = 0; g < 3; ++g)
        if (ComputeTicks(L.Graph[g], V.Range[g], L.TextHeight, ticks))
          DrawTicks(P, Plot, L, L.Graph[g], V.Range[g], ticks);
    } else if (ComputeTicks(L.Plot, V.Range[0], L.TextHeight, ticks)) {
      DrawTicks(P, Plot, L, L.Plot, V.Range[0], ticks);
    }
    DrawCurves(P, Plot, L, V);
    if (L.LegendBox) DrawLegendBox(P, Plot, L, V);
    if (Plot.ShowLayers) DrawSoilLayers(P, Plot, L, V);
    DrawFrames(P, Plot, L);
  }
  P.restore();
}

}  // namespace zavik
