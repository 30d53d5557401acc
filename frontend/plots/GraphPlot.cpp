#include "plots/GraphPlot.h"

#include "controls/NumberFormat.h"

#include <algorithm>
#include <cassert>

namespace zavik {

TLine::TLine(TGraphPlot& Owner) : TLine(Owner, Owner.LineCount() + 1, Owner.PointCount()) {}

TLine::TLine(TGraphPlot& Owner, long double Number, int Points) : Number(Number), FOwner(&Owner) {
  SetPointCount(Points);
}

TFloatPoint& TLine::GetPoint(int Index) {
  assert(Index >= 0 && Index < PointCount());
  return FPoints[std::size_t(Index)];
}

const TFloatPoint& TLine::GetPoint(int Index) const {
  assert(Index >= 0 && Index < PointCount());
  return FPoints[std::size_t(Index)];
}

void TLine::SetPointCount(int N) { FPoints.resize(std::size_t(std::max(N, 0))); }

QString TLine::GetName() const {
  if (!Name.isEmpty()) return Name;
  const int index = FOwner->Curves.IndexOf(*this);
  if (index >= 0 && index < FOwner->CurveNames.size()) return FOwner->CurveNames[index];
  return FOwner->CurveName + FloatToStrGeneral(Number, 18, QLatin1Char('.'));
}

TLine& TLineSet::Line(int Index) {
  assert(Index >= 0 && Index < Count());
  return *FLines[std::size_t(Index)];
}

const TLine& TLineSet::Line(int Index) const {
  assert(Index >= 0 && Index < Count());
  return *FLines[std::size_t(Index)];
}

void TLineSet::SetLineCount(int N) {
  N = std::max(N, 0);
  if (N < Count()) FLines.resize(std::size_t(N));
  while (Count() < N) FLines.push_back(std::make_unique<TLine>(*FOwner, Count() + 1, PointCount()));
}

void TLineSet::SetPointCount(int N) {
  for (auto& line : FLines) line->SetPointCount(N);
}

int TLineSet::IndexOf(const TLine& Line) const {
  for (std::size_t i = 0; i < FLines.size(); ++i)
    if (FLines[i].get() == &Line) return int(i);
  return -1;
}

TGraphPlot::TGraphPlot(QObject* Parent) : QObject(Parent) {}

TGraphPlot::~TGraphPlot() { delete PlotWindow.data(); }

void TGraphPlot::SetUnits(int Value) { FUnits = std::clamp(Value, 1, 3); }

void TGraphPlot::Clear() {
  for (TLineSet* set : {&Curves, &LayerLines, &Curves2, &Curves3}) set->SetLineCount(0);
}

}  // namespace zavik
