#pragma once
// The "About" tab: what the program is, how to use it, its licence and where its
// files are.

#include <QWidget>

class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace morvane {

class AboutTab : public QWidget {
    Q_OBJECT
public:
    AboutTab(const QString& appPath, const QString& settingsPath, QWidget* parent = nullptr);

    void Command3_Click();
    void Command4_Click();
    void Command5_Click();

private:
    QWidget* programInfo_ = nullptr;
    QPlainTextEdit* Readme_ = nullptr;
    QPlainTextEdit* License_ = nullptr;
};

} // namespace morvane
