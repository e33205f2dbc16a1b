#pragma once

#include "core/entity_document.h"

#include <QDialog>

class QLineEdit;

namespace suite {
class Dialogs;
}

// "Add Entity": names a new entity, which goes at the end of the table.
class frmNewEnt : public QDialog {
    Q_OBJECT

public:
    frmNewEnt(ent::EntityDocument& document, suite::Dialogs& dialogs, QWidget* parent = nullptr);

private:
    void cmbOk_Click();
    void refuse(const QString& text);

    ent::EntityDocument& document_;
    suite::Dialogs& dialogs_;
    QLineEdit* txtNome_ = nullptr;
};
