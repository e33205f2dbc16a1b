#pragma once

#include "core/entity_file.h"

#include <QMainWindow>
#include <QString>

class QAction;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace suite {
class Dialogs;
}

// Entwright's main window: the File menu that opens and saves .ent files,
// the entity list, the key lines of the selected entity and their editing,
// and the Ripent and Help menus.
class frmMain : public QMainWindow {
    Q_OBJECT

public:
    frmMain(const QString& programDir, suite::Dialogs& dialogs, QWidget* parent = nullptr);

    const ent::EntityTable& table() const { return Entities_; }
    QString currentFile() const { return CurrentFile_; }
    QString saveAsFile() const { return SaveAsFile_; }

    // Opens `path` as if the user had chosen it with "Open".
    void openFile(const QString& path);

private:
    void buildMenus();
    void buildControls();

    void menOpen_Click();
    void menSave_Click();
    void menSaveAs_Click();
    void menAbout_Click();
    void menExport_Click();
    void menImport_Click();
    void listEntity_Click(int row);
    void listKey_Click(int row);
    void cmbAdd_Click();
    void cmbApply_Click();
    void cmbDelete_Click();
    void cmbClear_Click();
    void cmbAddEnt_Click();
    void cmbDelEnt_Click();

    // Empties the key list and both text boxes.
    void Clear();
    void fillEntityList(const std::vector<std::string>& names);
    void refillEntityList();
    void fillKeyList();
    bool saveTo(const QString& path, const QString& title);
    void warn(const QString& title, const QString& text);
    // The two boxes as Windows-1252 bytes.
    QByteArray typedKey() const;
    QByteArray typedValue() const;

    QString programDir_;
    suite::Dialogs& dialogs_;

    ent::EntityTable Entities_;
    QString CurrentFile_;
    QString SaveAsFile_;
    // List positions last clicked; -1 while nothing is selected, so that no
    // command can act on an entity or line that is no longer there.
    int SelEntity_ = -1;
    int SelKey_ = -1;
    // Set while the window itself refills a list, whose selection signals are
    // then no user's click.
    bool filling_ = false;

    QAction* menOpen_ = nullptr;
    QAction* menSaveAs_ = nullptr;
    QAction* menSave_ = nullptr;
    QAction* menExit_ = nullptr;
    QAction* menImport_ = nullptr;
    QAction* menExport_ = nullptr;
    QAction* menAbout_ = nullptr;

    QGroupBox* Frame1_ = nullptr;
    QListWidget* listEntity_ = nullptr;
    QPushButton* cmbAddEnt_ = nullptr;
    QPushButton* cmbDelEnt_ = nullptr;
    QGroupBox* Frame2_ = nullptr;
    QListWidget* listKey_ = nullptr;
    QLineEdit* txtKey_ = nullptr;
    QPlainTextEdit* txtValue_ = nullptr;
    QPushButton* cmbAdd_ = nullptr;
    QPushButton* cmbDelete_ = nullptr;
    QPushButton* cmbApply_ = nullptr;
    QPushButton* cmbClear_ = nullptr;
};
