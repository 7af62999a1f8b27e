#pragma once
// A progress box for work on big files that may take seconds (a match list
// scanned or stored). It appears only when the work lasts, is window-modal so
// nothing else of the dialog can start meanwhile, and every step lets the
// event loop run: the dialog repaints and the desktop sees it answer.

#include <QElapsedTimer>
#include <QProgressDialog>

namespace morvane {

class ProgressBox {
public:
    ProgressBox(QWidget* owner, const QString& text);
    // `done` of `total` units; cheap enough to call for every unit.
    void step(qint64 done, qint64 total);

private:
    QProgressDialog box_;
    QElapsedTimer sinceStep_;
};

} // namespace morvane
