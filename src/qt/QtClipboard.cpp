#include "qt/QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "qt/QtText.h"
#include "text/FieldClipboard.h"

namespace mirn {
namespace {

const QString kMirnMime = QStringLiteral("application/x-mirn-rich-text");
const QString kRtfMime = QStringLiteral("text/rtf");
const QString kRtfMimeAlt = QStringLiteral("application/rtf");

}  // namespace

QString QtClipboard::MimeTypeOf(const std::wstring& formatName) {
  if (formatName == kMirnRtfFormat) return kMirnMime;
  if (formatName == kRtfFormat) return kRtfMime;
  QString name = ToQString(formatName).toLower();
  name.replace(QLatin1Char(' '), QLatin1Char('-'));
  return QStringLiteral("application/x-mirn-") + name;
}

bool QtClipboard::Write(const ClipboardContents& contents) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (!clipboard) return false;
  auto* data = new QMimeData;
  if (contents.plainText) data->setText(ToQString(*contents.plainText));
  for (const auto& [name, bytes] : contents.formats) {
    data->setData(MimeTypeOf(name), QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
  }
  clipboard->setMimeData(data);  // the clipboard owns the data from here on
  return true;
}

std::optional<ClipboardContents> QtClipboard::Read() {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (!clipboard) return std::nullopt;
  ClipboardContents contents;
  const QMimeData* data = clipboard->mimeData();
  if (!data) return contents;
  if (data->hasText()) contents.plainText = FromQString(data->text());
  if (data->hasFormat(kMirnMime)) {
    const QByteArray bytes = data->data(kMirnMime);
    contents.formats[std::wstring(kMirnRtfFormat)] = bytes.toStdString();
  }
  for (const QString& rtf : {kRtfMime, kRtfMimeAlt}) {
    if (data->hasFormat(rtf)) {
      contents.formats[std::wstring(kRtfFormat)] = data->data(rtf).toStdString();
      break;
    }
  }
  return contents;
}

}  // namespace mirn
