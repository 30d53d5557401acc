// Time of one frame of the 3-D view of a group of 500 piles (three sections
// each, under an embedded cap, in three soil layers), as the view draws it
// while the user turns it with the mouse; and the time to build its scene
// and display lists when the view opens or an option changes. Needs a
// display: run it under Xvfb to time Mesa's software renderer.
#include <benchmark/benchmark.h>

#include "core/ProgramData.h"
#include "views/BlockView.h"
#include "views/GLWindow.h"
#include "views/SceneGeometry.h"
#include "views/Tessellation.h"

#include <QApplication>

#include <memory>

using namespace zavik;

namespace {

constexpr int Columns = 25, Rows = 20;  // 500 piles
constexpr double Spacing = 1.5;

struct TGroup {
  TProjectTables Tables;
  std::unique_ptr<TProgramData> Project = std::make_unique<TProgramData>(Tables);

  TGroup() {
    TProgramData& p = *Project;
    p.FoundationKind = TFoundationKind::Pile;
    p.FootingLength = Columns * Spacing;
    p.FootingWidth = Rows * Spacing;
    Tables.Pilecoord->SetRowCount(Columns * Rows);
    for (int i = 0; i < Columns * Rows; ++i) {
      Tables.Pilecoord->Cells(0, i)->SetFloat((i % Columns - (Columns - 1) / 2.0) * Spacing);
      Tables.Pilecoord->Cells(1, i)->SetFloat((i / Columns - (Rows - 1) / 2.0) * Spacing);
    }
    Tables.PileData->SetRowCount(3);
    Tables.D->SetRowCount(3);
    for (int s = 0; s < 3; ++s) {
      Tables.PileData->Cells(0, s)->SetFloat(6);
      Tables.PileData->Cells(1, s)->SetFloat(0.3L);
      Tables.PileData->Cells(2, s)->SetFloat(0.3L);
    }
    Tables.pilecapsoil->Cells(0, 0)->SetFloat(1.2L);
  }
};

TGroup& Group() {
  static TGroup group;
  return group;
}

// Frames the view has drawn.
int Frames = 0;

// A shown 3-D view of the group, oblique, at a typical child-window size.
TDlgBlock& View() {
  static TDlgBlock* view = [] {
    auto* v = new TDlgBlock([] { return Group().Project.get(); });
    v->resize(1000, 800);
    v->show();
    QApplication::processEvents();
    v->FormActivate();
    v->SetView(4);
    auto paint = v->GL->OnPaint;
    v->GL->OnPaint = [paint](TglWindow* W) {
      ++Frames;
      paint(W);
    };
    return v;
  }();
  return *view;
}

// Asks for a frame as the mouse does, runs the event loop until the view has
// drawn it and shown it in the window, and waits for the renderer to finish.
void DrawFrame(TDlgBlock& V) {
  const int before = Frames;
  V.GL->update();
  while (Frames == before) QApplication::processEvents();
  V.GL->makeCurrent();
  V.GL->GLFinish();
  V.GL->doneCurrent();
}

void BM_TurnFrame(benchmark::State& State) {
  TDlgBlock& v = View();
  DrawFrame(v);  // the lists are compiled by the first frame
  for (auto _ : State) {
    v.Camera().AngleZ += 1;
    DrawFrame(v);
  }
}

void BM_OpenView(benchmark::State& State) {
  TDlgBlock& v = View();
  for (auto _ : State) {
    v.FormActivate();  // scene from the project, lists rebuilt by the next frame
    DrawFrame(v);
  }
}

void BM_BuildScene(benchmark::State& State) {
  for (auto _ : State) {
    const TScene scene = BuildScene(*Group().Project, TViewOptions());
    TDrawList piles;
    Tessellate(scene.Piles, piles);
    benchmark::DoNotOptimize(piles.Vertices.data());
  }
}

}  // namespace

BENCHMARK(BM_TurnFrame)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenView)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildScene)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
