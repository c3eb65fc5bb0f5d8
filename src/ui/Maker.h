#pragma once

#include <QLatin1String>

// Who makes the program and where to reach them: the menu's web strip, the
// information and presentation windows all take these from here.
namespace Maker {
inline constexpr QLatin1String Name("Bottega Tessaria Software");
inline constexpr QLatin1String Email("info@tessaria.example");
inline constexpr QLatin1String WebAddress("www.tessaria.example");
inline constexpr QLatin1String WebSite("https://www.tessaria.example/");
} // namespace Maker
