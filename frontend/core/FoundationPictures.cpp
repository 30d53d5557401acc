#include "core/FoundationPictures.h"

#include "core/FoundationSystem.h"

#include <QPainter>
#include <QPainterPath>
#include <QRect>

#include <cmath>

namespace zavik {

QString FoundationPictureFile(TFoundationKind FoundationKind) {
  const TFoundationSystem* system = FindFoundationSystem(FoundationKind);
  return system ? QString::fromLatin1(system->Picture.File) : QString();
}

namespace {

const QColor Soil(232, 217, 181);
const QColor SoilLine(120, 90, 50);
const QColor Concrete(185, 185, 185);
const QColor Machine(96, 120, 150);
const QColor Rock(120, 120, 120);
const QColor Column(205, 215, 185);
const QColor Ink(40, 40, 40);

// Levels of the layer boundaries and of the foot of the layers, as parts of
// the picture's height.
constexpr qreal LayerLevels[] = {0.53, 0.70};
constexpr qreal LayersFoot = 0.85;

// The section's own coordinates: x across, y down, in pixels of the area.
struct TSection {
  QPainter& P;
  QRectF A;
  qreal Ground;  // level of the ground surface

  qreal X(qreal f) const { return A.left() + f * A.width(); }
  qreal Y(qreal f) const { return A.top() + f * A.height(); }

  void SoilBelow(qreal Top, qreal Bottom, const QColor& Fill) {
    P.fillRect(QRectF(QPointF(A.left(), Top), QPointF(A.right(), Bottom)), Fill);
  }
  // The ground surface with the short strokes that mark soil beneath it.
  void GroundSurface(qreal From, qreal To) {
    P.setPen(QPen(SoilLine, 2));
    P.drawLine(QPointF(From, Ground), QPointF(To, Ground));
    P.setPen(QPen(SoilLine, 1));
    for (qreal x = From + 4; x < To - 4; x += 9) P.drawLine(QPointF(x, Ground + 1), QPointF(x - 6, Ground + 7));
  }
  // Soil in layers down to the foot of the layers, other soil below.
  void LayeredSoil() {
    const qreal foot = Y(LayersFoot);
    SoilBelow(Ground, foot, Soil);
    SoilBelow(foot, A.bottom(), Soil.darker(112));
    for (qreal f : LayerLevels) LayerLine(Y(f));
    LayerLine(foot);
    GroundSurface(A.left(), A.right());
  }
  void LayerLine(qreal Level) {
    P.setPen(QPen(SoilLine, 1, Qt::DashLine));
    P.drawLine(QPointF(A.left(), Level), QPointF(A.right(), Level));
  }
  void BedRock(qreal Top) {
    P.fillRect(QRectF(QPointF(A.left(), Top), A.bottomRight()), Rock);
    P.setPen(QPen(QColor(80, 80, 80), 1));
    P.save();
    P.setClipRect(QRectF(QPointF(A.left(), Top), A.bottomRight()));
    for (qreal x = A.left() - A.height(); x < A.right(); x += 10) {
      P.drawLine(QPointF(x, A.bottom()), QPointF(x + A.height(), A.bottom() - A.height()));
      P.drawLine(QPointF(x, Top), QPointF(x + A.height(), Top + A.height()));
    }
    P.restore();
    P.setPen(QPen(Ink, 2));
    P.drawLine(QPointF(A.left(), Top), QPointF(A.right(), Top));
  }
  // The footing or cap from Left to Right, its top above the ground and its
  // base at Base, with the machine on it.
  void Footing(qreal Left, qreal Right, qreal Top, qreal Base) {
    P.setPen(QPen(Ink, 1.5));
    P.setBrush(Concrete);
    P.drawRect(QRectF(QPointF(Left, Top), QPointF(Right, Base)));
    const qreal w = Right - Left, h = (Base - Top) * 0.9;
    const QRectF machine(QPointF(Left + 0.22 * w, Top - h), QPointF(Right - 0.22 * w, Top));
    P.setBrush(Machine);
    P.drawRect(machine);
    P.setBrush(Qt::white);
    const qreal r = machine.height() * 0.28;
    P.drawEllipse(machine.center(), r, r);
    P.setBrush(Ink);
    P.drawEllipse(machine.center(), r * 0.25, r * 0.25);
    P.setBrush(Qt::NoBrush);
  }
  void Label(qreal Fx, qreal Fy, const QString& Text, const QColor& Colour = Ink) {
    P.setPen(Colour);
    const QRectF box(X(Fx) - 80, Y(Fy) - 10, 160, 20);
    P.drawText(box, Qt::AlignCenter, Text);
  }
  // A vertical dimension line with its text beside it.
  void Dimension(qreal Fx, qreal Top, qreal Bottom, const QString& Text) {
    const qreal x = X(Fx);
    P.setPen(QPen(Ink, 1));
    P.drawLine(QPointF(x, Top), QPointF(x, Bottom));
    for (qreal y : {Top, Bottom}) P.drawLine(QPointF(x - 4, y), QPointF(x + 4, y));
    QPainterPath heads;
    heads.moveTo(x, Top);
    heads.lineTo(x - 3, Top + 7);
    heads.lineTo(x + 3, Top + 7);
    heads.closeSubpath();
    heads.moveTo(x, Bottom);
    heads.lineTo(x - 3, Bottom - 7);
    heads.lineTo(x + 3, Bottom - 7);
    heads.closeSubpath();
    P.fillPath(heads, Ink);
    P.drawText(QRectF(x + 5, (Top + Bottom) / 2 - 9, 30, 18), Qt::AlignLeft | Qt::AlignVCenter, Text);
  }
};

// Waves spread into the soil without end.
void Waves(TSection& S) {
  S.P.setPen(QPen(SoilLine, 1, Qt::DotLine));
  S.P.setBrush(Qt::NoBrush);
  const QPointF centre(S.X(0.5), S.Ground);
  for (qreal r : {0.15, 0.26}) {
    const qreal rx = r * S.A.width(), ry = r * S.A.height() * 1.3;
    S.P.drawArc(QRectF(centre.x() - rx, centre.y() - ry, 2 * rx, 2 * ry), 200 * 16, 140 * 16);
  }
}

// Level of the bed rock's surface.
constexpr qreal RockLevel = 0.80;

void Piles(TSection& S, qreal CapBase) {
  const qreal tips = S.Y(LayersFoot);
  S.P.setPen(QPen(Ink, 1.2));
  S.P.setBrush(Concrete.darker(108));
  for (qreal f : {0.37, 0.46, 0.54, 0.63}) S.P.drawRect(QRectF(S.X(f) - 3, CapBase, 6, tips - CapBase));
}

// The stiffened column of soil under the footing, layer by layer.
void SoilColumn(TSection& S, qreal Base) {
  const QRectF column(QPointF(S.X(0.40), Base), QPointF(S.X(0.60), S.Y(LayersFoot)));
  S.P.setPen(QPen(Ink, 1.2));
  S.P.setBrush(Column);
  S.P.drawRect(column);
  S.P.setPen(QPen(Ink, 1, Qt::DotLine));
  for (qreal f : LayerLevels) S.P.drawLine(QPointF(column.left(), S.Y(f)), QPointF(column.right(), S.Y(f)));
}

// The soil, what stands in it under the footing or cap, the footing or cap,
// what lies over or beside it, and the labels.
void DrawSection(TSection& S, const TSectionPicture& Picture) {
  switch (Picture.Soil) {
    case TPictureSoil::Uniform:
      S.SoilBelow(S.Ground, S.A.bottom(), Soil);
      S.GroundSurface(S.A.left(), S.A.right());
      break;
    case TPictureSoil::OverRock:
      S.SoilBelow(S.Ground, S.Y(RockLevel), Soil);
      S.BedRock(S.Y(RockLevel));
      S.GroundSurface(S.A.left(), S.A.right());
      break;
    case TPictureSoil::Layered: S.LayeredSoil(); break;
  }
  const qreal base = S.Ground + S.A.height() * Picture.Embedment;
  if (Picture.Body == TPictureBody::Piles) Piles(S, base);
  if (Picture.Body == TPictureBody::Column) SoilColumn(S, base);
  S.Footing(S.X(Picture.Left), S.X(Picture.Right), S.Y(Picture.Top), base);
  if (Picture.Body == TPictureBody::Waves) Waves(S);
  if (Picture.Body == TPictureBody::RockDepth) S.Dimension(0.83, S.Ground, S.Y(RockLevel), QStringLiteral("H"));
  for (const TPictureLabel& l : Picture.Labels) {
    if (!l.Text) break;
    S.Label(l.X, l.Y, QString::fromUtf8(l.Text), l.OnRock ? QColor(Qt::white) : Ink);
  }
}

// An axis from Origin along Direction (pixels) with its arrow head and name.
void Axis(QPainter& P, QPointF Origin, QPointF Direction, const QString& Name, const QColor& Colour) {
  const QPointF tip = Origin + Direction;
  P.setPen(QPen(Colour, 1.5));
  P.drawLine(Origin, tip);
  const qreal length = std::hypot(Direction.x(), Direction.y());
  const QPointF u = Direction / length, n(-u.y(), u.x());
  QPainterPath head;
  head.moveTo(tip);
  head.lineTo(tip - 8 * u + 3.5 * n);
  head.lineTo(tip - 8 * u - 3.5 * n);
  head.closeSubpath();
  P.fillPath(head, Colour);
  P.drawText(QRectF(tip + 9 * u - QPointF(10, 9), QSizeF(20, 18)), Qt::AlignCenter, Name);
}

void Mark(QPainter& P, QPointF At, const QString& Name, QPointF TextOffset) {
  P.setPen(QPen(Ink, 1));
  P.setBrush(Ink);
  P.drawEllipse(At, 3, 3);
  P.setBrush(Qt::NoBrush);
  P.drawText(QRectF(At + TextOffset - QPointF(20, 9), QSizeF(40, 18)), Qt::AlignCenter, Name);
}

}  // namespace

TMassAxes MassAxesDirections() {
  // The block's width recedes up and to the left, along y; X and Y are
  // drawn along x and y, Z against z.
  const QPointF y(-30, -20);
  return {{190, 0}, y, {0, -95}, {55, 0}, y, {0, 62}};
}

void DrawMassAxes(QPainter& P, const QRect& Area) {
  P.save();
  P.setRenderHint(QPainter::Antialiasing);
  P.fillRect(Area, Qt::white);
  const qreal sx = Area.width() / qreal(MassAxesPictureSize.width());
  const qreal sy = Area.height() / qreal(MassAxesPictureSize.height());
  auto at = [&](qreal x, qreal y) { return QPointF(Area.left() + x * sx, Area.top() + y * sy); };
  auto scaled = [&](QPointF d) { return QPointF(d.x() * sx, d.y() * sy); };
  const TMassAxes axes = MassAxesDirections();
  // The block seen from the front, its width drawn obliquely along y.
  const QPointF depth = scaled(axes.LocalY * 0.8);
  const QPolygonF front{at(60, 72), at(200, 72), at(200, 130), at(60, 130)};
  P.setPen(QPen(Ink, 1.2));
  P.setBrush(Concrete.lighter(112));
  P.drawPolygon(QPolygonF{front[0], front[0] + depth, front[1] + depth, front[1]});
  P.drawPolygon(QPolygonF{front[0], front[0] + depth, front[3] + depth, front[3]});
  P.setBrush(Concrete);
  P.drawPolygon(front);
  P.setBrush(Qt::NoBrush);

  const QColor local(30, 70, 170), global(180, 40, 40);
  const QPointF origin = front[3];
  Axis(P, origin, scaled(axes.LocalZ), QStringLiteral("z"), local);
  Axis(P, origin, scaled(axes.LocalX), QStringLiteral("x"), local);
  Axis(P, origin, scaled(axes.LocalY), QStringLiteral("y"), local);

  const QPointF cg = at(130, 95), cb = at(130, 130);
  Axis(P, cg, scaled(axes.GlobalX), QStringLiteral("X"), global);
  Axis(P, cg, scaled(axes.GlobalY), QStringLiteral("Y"), global);
  Axis(P, cg, scaled(axes.GlobalZ), QStringLiteral("Z"), global);
  Mark(P, cg, QStringLiteral("C.G."), scaled(QPointF(24, 10)));
  Mark(P, cb, QStringLiteral("C.B."), scaled(QPointF(-24, 12)));
  P.setPen(local);
  P.drawText(QRectF(at(150, 140), at(268, 168)), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("local x, y, z"));
  P.setPen(global);
  P.drawText(QRectF(at(150, 2), at(268, 26)), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("global X, Y, Z"));
  P.restore();
}

void DrawFoundationSection(QPainter& Painter, const QRect& Area, TFoundationKind FoundationKind) {
  Painter.save();
  Painter.setRenderHint(QPainter::Antialiasing);
  Painter.fillRect(Area, Qt::white);
  TSection s{Painter, QRectF(Area), Area.top() + 0.40 * Area.height()};
  if (const TFoundationSystem* system = FindFoundationSystem(FoundationKind)) DrawSection(s, system->Picture);
  Painter.setPen(QPen(Ink, 1));
  Painter.setBrush(Qt::NoBrush);
  Painter.drawRect(QRectF(Area).adjusted(0.5, 0.5, -0.5, -0.5));
  Painter.restore();
}

}  // namespace zavik
