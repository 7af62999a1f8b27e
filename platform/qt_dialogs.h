#pragma once
// The real dialogs: QMessageBox titled "Morvane3", QFileDialog, QFontDialog, QColorDialog.

#include <QPointer>
#include <QWidget>

#include "dialogs.h"

namespace morvane {

class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* owner = nullptr) : owner_(owner) {}
    void setOwner(QWidget* owner) { owner_ = owner; }

    MsgAnswer message(const std::string& text, MsgIcon icon, MsgButtons buttons) override;
    std::optional<std::string> openFile(const std::string& title, const std::string& startDir,
                                        const std::string& filter) override;
    std::optional<std::string> saveFile(const std::string& title, const std::string& startDir,
                                        const std::string& filter) override;
    std::optional<FontChoice> chooseFont(const FontChoice& current) override;
    std::optional<std::uint32_t> chooseColor(std::uint32_t current) override;

private:
    QPointer<QWidget> owner_;
};

// Text handed to the user: UTF-8 when it is valid UTF-8, Latin-1 otherwise.
QString displayText(const std::string& bytes);

// 0x00BBGGRR numbers to and from QColor.
QColor colorFromNumber(std::uint32_t bgr);
std::uint32_t numberFromColor(const QColor& color);

} // namespace morvane
