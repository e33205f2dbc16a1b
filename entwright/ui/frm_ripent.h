#pragma once

#include "core/ripent.h"

#include <QDialog>
#include <QString>

class QLineEdit;

namespace suite {
class Dialogs;
}

// Picks a .bsp map and starts ripent on it, to export its entity list or
// import one back. Entwright does not wait for the tool.
class frmRipent : public QDialog {
    Q_OBJECT

public:
    frmRipent(const QString& programDir, suite::Dialogs& dialogs, ent::RipentMode mode,
              QWidget* parent = nullptr);

private:
    void cmbOpen_Click();
    void cmbRun_Click();
    bool startRipent();

    QString programDir_;
    suite::Dialogs& dialogs_;
    ent::RipentMode RipentMode_;
    // The map last chosen in the file dialog, where the dialog starts again.
    QString dialogFile_;
    QLineEdit* txtPath_ = nullptr;
};
