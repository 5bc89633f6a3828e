#pragma once

namespace brevant {

inline constexpr char kVersion[] = "1.03";

}  // namespace brevant
