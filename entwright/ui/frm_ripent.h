#pragma once

#include "entwright/core/ripent.h"

#include <QDialog>
#include <QString>

class QLineEdit;

namespace suite {
class Dialogs;
}

// Picks a .bsp map and starts ripent on it, to export its entity list or
// import one back; the window does not wait for the tool, but its end is
// watched and a failure reported. Without ripent, Entwright does the export
// or import itself, with the same .ent file beside the map.
class frmRipent : public QDialog {
    Q_OBJECT

public:
    frmRipent(const QString& programDir, suite::Dialogs& dialogs, ent::RipentMode mode,
              QWidget* parent = nullptr);

signals:
    // Entwright itself wrote a new entity list into `map`.
    void imported(const QString& map);

private:
    void cmbOpen_Click();
    void cmbRun_Click();
    // False when there is a tool and it did not start.
    bool startRipent(const ent::RipentLaunch& launch);
    // False when the export or import failed (after saying why).
    bool runBuiltIn();

    QString programDir_;
    suite::Dialogs& dialogs_;
    ent::RipentMode RipentMode_;
    // The map last chosen in the file dialog, where the dialog starts again.
    QString dialogFile_;
    QLineEdit* txtPath_ = nullptr;
};
