// The main window's texts set again when the language changes.
#include "entwright/ui/frm_main.h"
#include "entwright/ui/text_room.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDockWidget>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>

void frmMain::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QMainWindow::changeEvent(event);
}

void frmMain::retranslate()
{
    const auto setMenuTitle = [this](const char* name, const QString& title) {
        if (auto* menu = findChild<QMenu*>(QString::fromLatin1(name)))
            menu->setTitle(title);
    };
    setMenuTitle("menFile", tr("File"));
    setMenuTitle("menRecent", tr("Recent Files"));
    setMenuTitle("menEdit", tr("Edit"));
    setMenuTitle("menRipent", tr("Ripent"));
    setMenuTitle("menHelp", tr("Help"));
    menOpen_->setText(tr("Open..."));
    menLoadFgd_->setText(tr("Load Game Data..."));
    menClearFgd_->setText(tr("Unload Game Data"));
    menSaveAs_->setText(tr("Save As..."));
    menSave_->setText(tr("Save"));
    menExit_->setText(tr("Exit"));
    menUndo_->setText(tr("Undo"));
    menRedo_->setText(tr("Redo"));
    menSetKey_->setText(tr("Set Key on Selected..."));
    menDeleteKey_->setText(tr("Delete Key from Selected..."));
    menReplace_->setText(tr("Find and Replace..."));
    menCheck_->setText(tr("Check Map"));
    menImport_->setText(tr("Import..."));
    menExport_->setText(tr("Export..."));
    menAbout_->setText(tr("About"));

    Frame1_->setTitle(tr("Entity"));
    txtFilter_->setPlaceholderText(tr("Filter"));
    txtFilter_->setAccessibleName(tr("Filter"));
    // In the order of ent::FilterField.
    const QStringList fields{tr("Class"), tr("Targetname"), tr("Any text")};
    for (int i = 0; i < fields.size() && i < cboFilter_->count(); ++i)
        cboFilter_->setItemText(i, fields[i]);
    cboFilter_->setAccessibleName(tr("Filter by"));
    cmbAddEnt_->setText(tr("Add"));
    cmbDelEnt_->setText(tr("Delete"));
    Frame2_->setTitle(tr("Entity Properties"));
    if (auto* label = findChild<QLabel*>(QStringLiteral("lblKey")))
        label->setText(tr("Key:"));
    if (auto* label = findChild<QLabel*>(QStringLiteral("lblValue")))
        label->setText(tr("Value:"));
    if (auto* label = findChild<QLabel*>(QStringLiteral("lblUsedBy"))) {
        label->setText(tr("Used by:"));
        // The list beside it would otherwise take the room the text needs.
        label->setMinimumWidth(label->sizeHint().width());
    }
    if (auto* label = findChild<QLabel*>(QStringLiteral("lblLimits")))
        label->setText(tr("Limits:"));
    cmbAdd_->setText(tr("Add"));
    cmbDelete_->setText(tr("Del"));
    cmbApply_->setText(tr("Apply"));
    cmbClear_->setText(tr("Clear"));
    cmbGoTo_->setText(tr("Go to target"));
    chkSmartEdit_->setText(tr("SmartEdit"));
    chkSmartEdit_->setToolTip(tr("Show the keys through the game data; off shows the raw lines"));
    cboLimits_->setAccessibleName(tr("Engine limits"));
    lstProblems_->setAccessibleName(tr("Problems found by the check"));
    listUsedBy_->setAccessibleName(tr("Entities that point at this one"));
    listEntity_->setAccessibleName(tr("Entities"));
    listKey_->setAccessibleName(tr("Key lines"));
    dockProblems_->setWindowTitle(tr("Problems"));
    for (QPushButton* button :
         {cmbAddEnt_, cmbDelEnt_, cmbAdd_, cmbDelete_, cmbApply_, cmbClear_, cmbGoTo_})
        keepRoomForText(button);
    updateLinks();
    refreshCheck();
    updateTitle();
}
