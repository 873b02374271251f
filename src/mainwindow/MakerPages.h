#pragma once

#include <QLatin1String>

// The maker's two web pages of the Help menu. A distributor sets them here.
namespace MakerPages {

inline constexpr QLatin1String MoreSoftware{"https://example.org/tessaron2/software"};
inline constexpr QLatin1String Downloads{"https://example.org/tessaron2/downloads"};

} // namespace MakerPages
