#pragma once
// The value of every setting when the settings store holds none: what a first start sees.

namespace app {

void ApplySettingDefaults();

}  // namespace app
