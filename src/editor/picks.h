#pragma once
// The picks of a predefined torsion or warping case: a selection click that chose
// element c copies what the waiting case needs of it, the torsion case first.

namespace editor {

void PickForManualConstants(int c);

}  // namespace editor
