#include "qt/QtText.h"

namespace mirn {

QString ToQString(std::wstring_view text) {
  return QString::fromWCharArray(text.data(), static_cast<qsizetype>(text.size()));
}

std::wstring FromQString(const QString& text) { return text.toStdWString(); }

QString PathToQString(const std::filesystem::path& path) {
  return QString::fromUtf8(path.native().data(), static_cast<qsizetype>(path.native().size()));
}

std::filesystem::path QStringToPath(const QString& text) {
  return std::filesystem::path(text.toUtf8().toStdString());
}

}  // namespace mirn
