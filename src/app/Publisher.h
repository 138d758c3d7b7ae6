#pragma once
// Who publishes Plenaro, as the information and splash windows show it.
#include <QString>

namespace Publisher {

inline QString name() { return QStringLiteral("Vallombra Software"); }
inline QString notice() { return QStringLiteral("© 2025 Vallombra Software"); }
inline QString webSite() { return QStringLiteral("https://www.vallombrasoftware.it"); }
inline QString webSiteShown() { return QStringLiteral("www.vallombrasoftware.it"); }
inline QString contact() { return QStringLiteral("assistenza@vallombrasoftware.it"); }
inline QString version() { return QStringLiteral("1.0"); }

}  // namespace Publisher
