#include "dialog_parts.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>

namespace morvane {

QString arrayName(const char* name, int index)
{
    return QString::fromLatin1(name) + QLatin1Char('(') + QString::number(index) + QLatin1Char(')');
}

QLabel* productHeading(QWidget* parent)
{
    auto* heading = new QLabel(QStringLiteral("Morvane 3.0"), parent);
    QFont font = heading->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.6);
    heading->setFont(font);
    return heading;
}

QString shippedFile(const QString& appPath, const QString& name)
{
    // Beside the data (a Windows install), or in the documentation folder that sits
    // beside the data folder under a prefix; the build tree copies them the same way.
    const QString candidates[] = {QDir(appPath).filePath(name),
                                  QDir(appPath).filePath(QStringLiteral("../doc/morvane3/") + name)};
    for (const QString& path : candidates)
        if (QFileInfo(path).isFile())
            return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    return {};
}

} // namespace morvane
