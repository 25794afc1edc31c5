#include "model/globals.h"

namespace model {

Globals G;

}  // namespace model
