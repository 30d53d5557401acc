#include "plots/PlotPainter.h"

#include "controls/NumberFormat.h"


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

// The traces of the shown curves, each clipped to its graph and drawn in its
// colour with its markers.
void DrawCurves(QPainter& P, const TGraphPlot& Plot, const TPlotLayout& L, const TPlotView& V) {
  P.save();
  const int width = CurvePenWidth(Plot, L.PPIx);
  for (const TCurveTrace& t : CurveTraces(Plot, L, V.Range)) {
    P.setClipRect(ClipRect(Plot.ShowThree ? L.Graph[std::size_t(t.Graph)] : L.Plot));
    P.setPen(QPen(PlotColor(t.Colour), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    P.setBrush(Qt::NoBrush);
    for (const QPolygon& run : t.Runs) P.drawPolyline(run);
    for (QPoint m : t.Markers) DrawMarker(P, m, t.Curve, L.PPIx, L.PPIy);
  }
  P.restore();
}

// The entries of the legend box: the shown curves of the legend list, each
// with its place in the list, which gives its colour.
struct TBoxEntry {
  int Position;
  const TLegendEntry* Entry;
};

std::vector<TBoxEntry> BoxEntries(const TGraphPlot& Plot, const TPlotView& V) {
  std::vector<TBoxEntry> shown;
  for (std::size_t j = 0; j < V.Legend.size(); ++j) {
    const TLegendEntry& e = V.Legend[j];
    // The window's list can be older than the curves (data reloaded).
    if (e.Curve < Plot.LineCount() && Plot.Line(e.Curve).Shown) shown.push_back({int(j), &e});
  }
  return shown;
}

// Entries follow each other by a text height and a thirty-second of an inch.
int BoxEntryStep(const QPainter& P, const TPlotLayout& L) { return TextHeight(P) + L.PPIy / 32; }

// The box's outer size, its frame included: the widest name and three
// sixteenths of an inch across, a thirty-second of an inch above the entries.
QSize LegendBoxSize(const QPainter& P, const TPlotLayout& L, const std::vector<TBoxEntry>& Entries) {
  if (Entries.empty()) return {};
  int widest = 0;
  for (const TBoxEntry& e : Entries) widest = std::max(widest, TextWidth(P, e.Entry->Name));
  return {widest + 3 * L.PPIx / 16 + 1, L.PPIy / 32 + int(Entries.size()) * BoxEntryStep(P, L) + 1};
}

void DrawLegendBox(QPainter& P, const TGraphPlot& Plot, const TPlotLayout& L, const TPlotView& V) {
  if (L.Legend.isEmpty()) return;
  P.save();
  P.setFont(PlotFont(L.TextHeight, NormalWeight));
  P.setPen(QPen(Qt::black, HairlineWidth(L.PPIx)));
  P.setBrush(Qt::white);
  P.drawRect(L.Legend.adjusted(0, 0, -1, -1));
  const int pen = CurvePenWidth(Plot, L.PPIx);
  const int th = TextHeight(P);
  const int left = L.Legend.left();
  int y = L.Legend.top() + L.PPIy / 32;
  for (const TBoxEntry& s : BoxEntries(Plot, V)) {
    const QColor colour = PlotColor(s.Position);
    P.setPen(QPen(colour, pen));
    P.setBrush(Qt::NoBrush);
    // The marker of the curve itself, as the graph draws it.
    DrawMarker(P, QPoint(left + L.PPIx / 16, y + th / 2), s.Entry->Curve, L.PPIx, L.PPIy);
    P.setPen(colour);
    TextOut(P, left + 2 * (L.PPIx / 16), y, s.Entry->Name);
    y += BoxEntryStep(P, L);
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
  const long double rx = MarkerRadius(PPIx);
  const long double ry = MarkerRadius(PPIy);
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

TPlotLayout WithLegendBox(QPainter& P, const TGraphPlot& Plot, const TPlotLayout& L, const TPlotView& V) {
  P.save();
  P.setFont(PlotFont(L.TextHeight, NormalWeight));
  const QSize size = LegendBoxSize(P, L, BoxEntries(Plot, V));
  P.restore();
  if (!V.LegendMoved) return ArrangeLegend(L, Plot, V.Range, size);
  TPlotLayout placed = L;
  placed.Legend = QRect();
  if (size.isEmpty() || V.WindowSize.width() <= 0 || V.WindowSize.height() <= 0) return placed;
  int left = L.Page.Left + int(qint64(V.LegendRect.left()) * L.Page.Width() / V.WindowSize.width());
  int top = L.Page.Top + int(qint64(V.LegendRect.top()) * L.Page.Height() / V.WindowSize.height());
  // Pushed left and up into the graph where the page's text makes the box
  // reach out of it.
  const int inset = HairlineWidth(L.PPIx);
  left = std::max(L.Page.Left, std::min(left, L.Plot.Right - inset - size.width() + 1));
  top = std::max(L.Page.Top, std::min(top, L.Plot.Bottom - inset - size.height() + 1));
  placed.Legend = QRect(QPoint(left, top), size);
  return placed;
}

void DrawPlot(QPainter& P, const TGraphPlot& Plot, const TPlotLayout& Given, const TPlotView& V) {
  P.save();
  P.setRenderHint(QPainter::Antialiasing, false);
  const TPlotLayout L = Given.LegendBox ? WithLegendBox(P, Plot, Given, V) : Given;
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
