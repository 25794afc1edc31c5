#include "app/settings_defaults.h"

#include "model/globals.h"
#include "model/sheet.h"

namespace app {

using model::G;

void ApplySettingDefaults() {
  G.UnitStatus = model::True;
  G.GridSpacing = 100;
  G.ZoomScale = 1;
  model::Sheet().Base.SetScale(0, 1000, 1200, -1000);
  G.SnapGrid = 0;
  G.ShowGrid = 1;
  G.SnapObject = 1;
  G.ShowXY = 1;
  G.RotateSnap = 1;
  G.OLapStatus = 1;
  G.OSnapStatus = 1;
  G.RotAxis = model::True;
  G.ShowPAxis = 1;
  G.ShowCentroid = 1;
  G.SplashRead = 1;
  G.SIATol = G.SIDTol = G.SIBTol = G.SIXTol = G.SIYTol = 0;
  G.SIIxTol = 6;
  G.SISxTol = G.SIZxTol = 3;
  G.SIIyTol = 6;
  G.SISyTol = G.SIZyTol = 3;
  G.SIRxTol = G.SIRyTol = 0;
  G.SIJTol = 4;
  G.SICwTol = 6;
  G.ImpATol = G.ImpDTol = G.ImpBTol = G.ImpXTol = G.ImpYTol = G.ImpIxTol = G.ImpSxTol = G.ImpZxTol = G.ImpIyTol =
      G.ImpSyTol = G.ImpZyTol = G.ImpRxTol = G.ImpRyTol = G.ImpJTol = G.ImpCwTol = 0;
  G.SIPrec = 2;
  G.ImpPrec = 2;
  G.ShowHelp = model::True;
  G.GridRedrawPending = model::True;
  G.GridTooDense = model::False;
  G.OverlapFound = model::False;
}

}  // namespace app
