#pragma once
// The data of one result graph: TGraphPlot holds four sets of curves (TLine),
// each a numbered, named list of points (TFloatPoint) with extended-precision
// coordinates, and everything that decides how the graph is drawn: captions,
// unit templates, text scale, markers, layout switches. It draws nothing; the
// plot window (PlotForm.h) draws it and is opened with ShowPlot.

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

namespace zavik {

// A point of a curve; the plot window also uses it as a scratch pair.
struct TFloatPoint {
  long double X = 0;
  long double Y = 0;
};

class TGraphPlot;

class TLine {
public:
  // Number = the owner's curve count + 1; point count that of the owner's
  // first curve.
  explicit TLine(TGraphPlot& Owner);
  TLine(TGraphPlot& Owner, long double Number, int Points);

  int PointCount() const { return int(FPoints.size()); }
  TFloatPoint& GetPoint(int Index);
  const TFloatPoint& GetPoint(int Index) const;
  // A negative count counts as 0; new points are (0, 0).
  void SetPointCount(int N);

  // The legend name: Name when set; else the owner's CurveNames entry at this
  // curve's index when there is one; else CurveName followed by Number.
  QString GetName() const;

  TGraphPlot& Owner() const { return *FOwner; }

  long double Number = 0;
  QString Name;
  bool Shown = true;
  bool Active = true;

private:
  TGraphPlot* FOwner;
  std::vector<TFloatPoint> FPoints;
};

// One set of curves. All curves of a set normally have the same number of
// points; the point count of the set is that of its first curve.
class TLineSet {
public:
  explicit TLineSet(TGraphPlot& Owner) : FOwner(&Owner) {}

  int Count() const { return int(FLines.size()); }
  int PointCount() const { return FLines.empty() ? 0 : FLines.front()->PointCount(); }
  TLine& Line(int Index);
  const TLine& Line(int Index) const;
  TFloatPoint& Point(int Line, int Index) { return this->Line(Line).GetPoint(Index); }
  const TFloatPoint& Point(int Line, int Index) const { return this->Line(Line).GetPoint(Index); }
  // Removes curves from the end or appends new ones (with the set's current
  // point count); a negative count counts as 0.
  void SetLineCount(int N);
  // The point count of every curve of the set.
  void SetPointCount(int N);
  // Index of the curve in this set, or -1.
  int IndexOf(const TLine& Line) const;

private:
  TGraphPlot* FOwner;
  std::vector<std::unique_ptr<TLine>> FLines;
};

class TGraphPlot : public QObject {
  Q_OBJECT

public:
  explicit TGraphPlot(QObject* Parent = nullptr);
  // Frees the plot window when one is open.
  ~TGraphPlot() override;

  QString Caption;  // window caption and print-job title
  QString XCaption, YCaption, XUnits, YUnits;      // graph 1 (unit templates)
  QString XCaption2, YCaption2, XUnits2, YUnits2;  // graph 2 of the three-graph layout
  QString XCaption3, YCaption3, XUnits3, YUnits3;  // graph 3
  QString CurveName = QStringLiteral("Curve #");   // prefix of default curve names
  bool XOnTop = true;        // X axis along the top, Y growing downward
  bool LimitCurves = true;   // only the first 20 curves start active
  bool ShowFontWidth = true; // Font Size and Line Width menus offered
  bool ShowLegend = true;
  bool ShowLayers = false;   // soil-layer strip right of the graph
  bool ShowWall = false;     // wall geometry in the strip
  int WallLineCount = 0;     // 0 no wall; else the index in the layer set of the wall line
  bool ShowThree = false;    // three graphs side by side (curve sets 1, 3 and 4)
  int SizeFont = 10;         // text scale in tenths
  int LegendFont = 11;       // legend font size in points
  int WidthLine = 1;         // curve pen-width multiplier
  int Markers = 1;           // a marker every Markers-th point; 0 none
  QStringList CurveNames;    // names by curve index for curves without a Name
  QString GraphTitle;
  bool TitleOnTop = false;
  // The plot-data file the curves were read from (empty when none): printed
  // and saved pictures of the plot are offered beside it.
  QString DataFile;
  // Lets the owner override each curve's legend name (curve index, name).
  std::function<void(int, QString&)> OnGetCaption;

  // Unit system for the unit templates: 1 English, 2 SI, 3 templates shown as
  // they are; clamped to 1..3.
  int Units() const { return FUnits; }
  void SetUnits(int Value);

  // Line set 1: the curves of graph 1.
  TLineSet Curves{*this};
  // Line set 2: soil-layer boundaries and, with a wall, the wall line and the
  // levels on its far side.
  TLineSet LayerLines{*this};
  // Line sets 3 and 4: graphs 2 and 3 of the three-graph layout.
  TLineSet Curves2{*this};
  TLineSet Curves3{*this};

  int LineCount() const { return Curves.Count(); }
  int PointCount() const { return Curves.PointCount(); }
  TLine& Line(int Index) { return Curves.Line(Index); }
  const TLine& Line(int Index) const { return Curves.Line(Index); }
  TFloatPoint& Point(int Line, int Index) { return Curves.Point(Line, Index); }
  const TFloatPoint& Point(int Line, int Index) const { return Curves.Point(Line, Index); }
  void SetLineCount(int N) { Curves.SetLineCount(N); }
  void SetPointCount(int N) { Curves.SetPointCount(N); }

  int LayerCount() const { return LayerLines.Count(); }
  int LayerPointCount() const { return LayerLines.PointCount(); }
  int LineCount2() const { return Curves2.Count(); }
  int PointCount2() const { return Curves2.PointCount(); }
  int LineCount3() const { return Curves3.Count(); }
  int PointCount3() const { return Curves3.PointCount(); }

  // Every curve set emptied; settings kept.
  void Clear();

  // The plot window while it is open (set and cleared by the window layer).
  QPointer<QObject> PlotWindow;
  bool FormExists() const { return !PlotWindow.isNull(); }

  // Tells an open window that the curves were replaced.
  void NotifyChanged() { emit Changed(); }

signals:
  void Changed();

private:
  int FUnits = 1;
};

}  // namespace zavik
