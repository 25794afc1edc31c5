#pragma once
// The end of a predefined torsion or warping case, for the commands that must end one:
// the case in force goes back to the elements' own sums.

namespace model {

// Ends both cases, finished or not, and puts both Tools captions back to their set texts
// (a new or opened document, Undo, Redo: the cases are kept in neither). The pick steps
// and records are left as they are.
void ResetTorsionWarpingCases();

}  // namespace model
