#include "qt_dialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QStringDecoder>

namespace morvane {

QString displayText(const std::string& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (!utf8.hasError())
        return text;
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

QColor colorFromNumber(std::uint32_t bgr)
{
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

std::uint32_t numberFromColor(const QColor& color)
{
    return static_cast<std::uint32_t>(color.red()) + 256u * static_cast<std::uint32_t>(color.green()) +
           65536u * static_cast<std::uint32_t>(color.blue());
}

MsgAnswer QtDialogs::message(const std::string& text, MsgIcon icon, MsgButtons buttons)
{
    QMessageBox box(owner_);
    box.setWindowTitle(QStringLiteral("Morvane3"));
    box.setText(displayText(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    switch (icon) {
    case MsgIcon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case MsgIcon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case MsgIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case MsgIcon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case MsgIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    }
    switch (buttons) {
    case MsgButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MsgButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case MsgButtons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case MsgButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case MsgButtons::YesNoDefaultNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MsgAnswer::Yes;
    case QMessageBox::No:
        return MsgAnswer::No;
    case QMessageBox::Cancel:
        return MsgAnswer::Cancel;
    default:
        return MsgAnswer::Ok;
    }
}

std::optional<std::string> QtDialogs::openFile(const std::string& title, const std::string& startDir,
                                               const std::string& filter)
{
    const QString path = QFileDialog::getOpenFileName(owner_, QString::fromStdString(title),
                                                      QString::fromStdString(startDir), QString::fromStdString(filter));
    if (path.isEmpty())
        return std::nullopt;
    return path.toStdString();
}

std::optional<std::string> QtDialogs::saveFile(const std::string& title, const std::string& startDir,
                                               const std::string& filter)
{
    const QString path = QFileDialog::getSaveFileName(owner_, QString::fromStdString(title),
                                                      QString::fromStdString(startDir), QString::fromStdString(filter));
    if (path.isEmpty())
        return std::nullopt;
    return path.toStdString();
}

std::optional<FontChoice> QtDialogs::chooseFont(const FontChoice& current)
{
    QFont initial(QString::fromStdString(current.name));
    initial.setPointSizeF(current.size > 0 ? current.size : 12);
    initial.setBold(current.bold);
    initial.setItalic(current.italic);
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, initial, owner_);
    if (!ok)
        return std::nullopt;
    return FontChoice{chosen.family().toStdString(), chosen.pointSizeF(), chosen.bold(), chosen.italic()};
}

std::optional<std::uint32_t> QtDialogs::chooseColor(std::uint32_t current)
{
    const QColor chosen = QColorDialog::getColor(colorFromNumber(current), owner_);
    if (!chosen.isValid())
        return std::nullopt;
    return numberFromColor(chosen);
}

} // namespace morvane
