#pragma once

#include "entwright/core/bulk_edits.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;

// Asks what to find and what to put in its place, over keys, values or both.
class frmReplace : public QDialog {
    Q_OBJECT

public:
    explicit frmReplace(QWidget* parent = nullptr);

    // The texts as the table holds them; nothing when a text has characters
    // Windows-1252 cannot store.
    std::optional<ent::ReplaceQuery> query() const;

private:
    QLineEdit* txtFind_ = nullptr;
    QLineEdit* txtReplace_ = nullptr;
    QCheckBox* chkRegex_ = nullptr;
    QCheckBox* chkKeys_ = nullptr;
    QCheckBox* chkValues_ = nullptr;
};
