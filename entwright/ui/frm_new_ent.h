#pragma once

#include "core/entity_file.h"

#include <QDialog>

class QLineEdit;

namespace suite {
class Dialogs;
}

// "Add Entity": names a new entity, which goes at the end of the table.
class frmNewEnt : public QDialog {
    Q_OBJECT

public:
    frmNewEnt(ent::EntityTable& table, suite::Dialogs& dialogs, QWidget* parent = nullptr);

private:
    void cmbOk_Click();

    ent::EntityTable& table_;
    suite::Dialogs& dialogs_;
    QLineEdit* txtNome_ = nullptr;
};
