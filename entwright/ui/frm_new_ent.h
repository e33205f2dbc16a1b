#pragma once

#include "entwright/core/entity_document.h"
#include "entwright/core/fgd_model.h"

#include <QDialog>

class QLineEdit;
class QListWidget;

namespace suite {
class Dialogs;
}

// "Add Entity": names a new entity, which goes at the end of the table. With
// game data it offers the game's classes, and a class it knows starts with
// the keys that have defaults.
class frmNewEnt : public QDialog {
    Q_OBJECT

public:
    frmNewEnt(ent::EntityDocument& document, suite::Dialogs& dialogs,
              const ent::GameData* gameData = nullptr, QWidget* parent = nullptr);

private:
    void cmbOk_Click();
    void refuse(const QString& text);

    ent::EntityDocument& document_;
    suite::Dialogs& dialogs_;
    void showClasses(const QString& typed);

    const ent::GameData* gameData_;
    QLineEdit* txtNome_ = nullptr;
    QListWidget* lstClasses_ = nullptr;
};
