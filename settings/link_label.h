#pragma once
// A label whose text is an address (web, mail or file) that a click or the space
// key hands to the desktop's default handler.

#include <QLabel>

namespace morvane {

class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString& address, QWidget* parent = nullptr);

signals:
    void activated(const QString& address);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace morvane
