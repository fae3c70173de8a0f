#pragma once
// Conversions between the core's text and paths and Qt's.

#include <QString>
#include <filesystem>
#include <string>
#include <string_view>

namespace mirn {

QString ToQString(std::wstring_view text);
std::wstring FromQString(const QString& text);
QString PathToQString(const std::filesystem::path& path);
std::filesystem::path QStringToPath(const QString& text);

}  // namespace mirn
