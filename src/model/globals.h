#pragma once
// The shared state of the whole program: one plain struct with one instance, G.
// Every subsystem reads and writes these fields directly, on the one UI thread.
// A test resets everything with `G = Globals{}`.

#include <array>
#include <cstdint>
#include <string>

#include "model/element_record.h"

namespace model {

constexpr int MaxElements = 50;
constexpr int MaxShapeRows = 500;
// Levels of the undo history: 1-4 undoable, 5 the current state, 6-9 redoable; 0 unused.
constexpr int UndoLevels = 10;

// pi as the system takes it everywhere.
constexpr double Pi = 3.14159265;

// Colours, red in the low byte.
constexpr int32_t Black = 0;
constexpr int32_t Red = 255;
constexpr int32_t Blue = 0xFF0000;
constexpr int32_t White = 0xFFFFFF;
constexpr int32_t ButtonFace = static_cast<int32_t>(0x80000000u);  // the system colour of a locked entry box

// A position kept in double precision (previews) and one in whole millimetres (snaps).
struct PointD {
  double x = 0;
  double y = 0;
};
struct PointI {
  int32_t x = 0;
  int32_t y = 0;
};

constexpr int MaxSnapPoints = 8 * MaxElements;

struct PrincipalBackupEntry {
  float X = 0;
  float Y = 0;
  double Angle = 0;
};

struct TurnedPoint {
  double X = 0;
  double Y = 0;
};

struct Globals {
  // The section.
  std::array<ElementRecord, MaxElements + 1> Elements{};
  int16_t ElementCount = 0;
  int16_t CurrentElement = 0;
  Bool16 PlaceMode = False;

  // Shape table of the family last loaded; row 0 unused.
  std::array<ShapeRecord, MaxShapeRows + 1> ShapeTable{};

  // Results, in millimetre units.
  float SecArea = 0, SecDepth = 0, SecWidth = 0, SecXBar = 0, SecYBar = 0;
  float SecIx = 0, SecIy = 0, SecIxy = 0, SecSx = 0, SecSy = 0;
  float SecRx = 0, SecRy = 0, SecZx = 0, SecZy = 0, SecJ = 0, SecCw = 0;
  float SecPhi = 0;
  // The upright box around the elements' outline points, exact (never rounded).
  double XMin = 0, XMax = 0, YMin = 0, YMax = 0;
  std::array<PrincipalBackupEntry, MaxElements + 1> PrincipalBackup{};

  // The principal pass: while PrincipalTurned is set, the property calculation takes
  // element i's insertion point from TurnedPoints[i], turned into the principal frame and
  // unrounded, instead of its stored PosX and PosY (which the pass leaves untouched).
  Bool16 PrincipalTurned = False;
  std::array<TurnedPoint, MaxElements + 1> TurnedPoints{};

  // Predefined torsion and warping cases.
  int16_t ManualJ = 0;
  int16_t ManualCw = 0;
  int16_t TorsionPickStep = 0;
  int16_t WarpPickStep = 0;
  std::array<ElementRecord, 3> TorsionPicks{};
  std::array<ElementRecord, 3> WarpPicks{};

  // Settings mirrored from the settings store (defaults are applied by start-up).
  Bool16 UnitStatus = False;
  int16_t GridSpacing = 0;
  float ZoomScale = 0;
  int16_t SnapGrid = 0;
  int16_t ShowGrid = 0;
  int16_t SnapObject = 0;
  int16_t ShowXY = 0;
  int16_t RotateSnap = 0;
  int16_t OLapStatus = 0;
  int16_t OSnapStatus = 0;
  Bool16 RotAxis = False;
  int16_t ShowPAxis = 0;     // on only when 1
  int16_t ShowCentroid = 0;  // on only when 1
  int16_t SplashRead = 0;
  Bool16 ShowHelp = False;
  int16_t SIATol = 0, SIDTol = 0, SIBTol = 0, SIXTol = 0, SIYTol = 0, SIIxTol = 0, SISxTol = 0, SIZxTol = 0,
          SIIyTol = 0, SISyTol = 0, SIZyTol = 0, SIRxTol = 0, SIRyTol = 0, SIJTol = 0, SICwTol = 0;
  int16_t ImpATol = 0, ImpDTol = 0, ImpBTol = 0, ImpXTol = 0, ImpYTol = 0, ImpIxTol = 0, ImpSxTol = 0, ImpZxTol = 0,
          ImpIyTol = 0, ImpSyTol = 0, ImpZyTol = 0, ImpRxTol = 0, ImpRyTol = 0, ImpJTol = 0, ImpCwTol = 0;
  int16_t SIPrec = 0;
  int16_t ImpPrec = 0;

  // Application and document state.
  std::string AppPath;  // the program folder, ending in "/"
  std::string CommandLineFile;
  Bool16 Modified = False;
  Bool16 QueryCancel = False;
  std::string FileName;
  float InitialScaleWidth = 0;
  int32_t InitialScaleHeight = 0;
  std::string ProjectName, ProjectNumber, ObjectDescription, ProjectEngineer;

  // Drawing flags.
  Bool16 IsRedrawing = False;
  Bool16 IsErasing = False;
  Bool16 IsDrawingHandles = False;
  Bool16 OverlapFound = False;
  Bool16 GridTooDense = False;
  Bool16 GridRedrawPending = False;
  // One recalculation and one redraw at a time: a message box shown from either runs an
  // event loop, and a redraw asked for meanwhile (a resize of the window) is only noted,
  // then done once when the running one has finished.
  bool Recalculating = false;
  bool RedrawRunning = false;
  bool RedrawRequested = false;

  // Undo history: whole copies of Elements 1 to 50 with their counts, one per level.
  // UndoEmpty marks a level that holds no state (a real element may be named "##").
  std::array<std::array<ElementRecord, MaxElements + 1>, UndoLevels> UndoStore{};
  std::array<int16_t, UndoLevels> UndoCounts{};
  std::array<bool, UndoLevels> UndoEmpty{true, true, true, true, true, true, true, true, true, true};

  // Editing in the drawing area: the modes of the pointer commands, their first clicks and
  // the start values of each moving element (PlaceMode and CurrentElement stand above).
  Bool16 MoveMode = False, MoveBaseSet = False;
  Bool16 RotateMode = False, PivotSet = False;
  Bool16 MirrorMode = False, MirrorFirstSet = False;
  Bool16 PreviewShown = False, RotatePreviewStarted = False;
  double MoveBaseX = 0, MoveBaseY = 0;
  double PivotX = 0, PivotY = 0;
  float MirrorAxisX1 = 0, MirrorAxisY1 = 0;
  std::array<PointD, MaxElements + 1> PreviewPos{};
  std::array<double, MaxElements + 1> RotateStartAngle{};
  std::array<double, MaxElements + 1> RotateStartBearing{};
  std::array<int16_t, MaxElements + 1> MirrorStartSign{};
  std::array<double, MaxElements + 1> MirrorStartAngle{};
  std::string TypedText;

  // Pointer tracking: the ghost of the last accepted step, the overlap hold, and whether
  // the element being placed has been shown at an overlap-free position yet.
  int32_t GhostX = 0, GhostY = 0, PrevGhostX = 0, PrevGhostY = 0;
  Bool16 PreviewHeld = False;
  std::array<PointD, MaxElements + 1> HeldPreviewPos{};
  Bool16 PlacementShown = False;

  // Object snap: the table of the elements that stay, the moving element's own points and
  // the match of the last search.
  std::array<PointI, MaxSnapPoints + 1> SnapPoints{};
  int32_t SnapPointCount = 0;
  std::array<PointI, 9> OwnSnapPoints{};
  int16_t SnapChoiceCount = 0;
  int16_t SnapChoice = 0;
  Bool16 SnapFound = False;
  int32_t SnapTargetX = 0, SnapTargetY = 0, SnapSourceX = 0, SnapSourceY = 0;
  std::array<PointI, MaxElements + 1> SnapOrigin{};
};

extern Globals G;

}  // namespace model
