#include "DesktopBrowserOpener.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QString>
#include <QUrl>

namespace norvil {

std::int32_t DesktopBrowserOpener::Open(std::u16string_view url)
{
    const QString text = QString::fromUtf16(url.data(), static_cast<qsizetype>(url.size()));
    if (text.isEmpty())
        return kFileNotFound;

    QUrl target(text, QUrl::TolerantMode);
    if (target.scheme().isEmpty() || target.isLocalFile()) {
        // A local document: the shell reports a missing file or folder before opening anything.
        const QFileInfo file(target.isLocalFile() ? target.toLocalFile() : text);
        if (!file.exists())
            return QFileInfo(file.absolutePath()).isDir() ? kFileNotFound : kPathNotFound;
        target = QUrl::fromLocalFile(file.absoluteFilePath());
    }
    if (!target.isValid())
        return kFileNotFound;
    return QDesktopServices::openUrl(target) ? kSuccess : kNoAssociation;
}

} // namespace norvil
