#pragma once

#include "entwright/core/entity_document.h"
#include "entwright/core/entity_file.h"
#include "entwright/core/fgd_model.h"
#include "entwright/core/links.h"
#include "entwright/core/typed_text.h"

#include <QMainWindow>
#include <QString>
#include <QStringList>

#include <optional>
#include <string>
#include <vector>

class QAction;
class QBoxLayout;
class QCheckBox;
class QDockWidget;
class QStackedWidget;
class PropertyTable;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QListView;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class EntityListModel;
namespace suite {
class RecentFiles;
}

namespace suite {
class Dialogs;
}

// Entwright's main window: the File menu that opens and saves .ent files and
// maps, the entity list with its filter, the key lines of the selected entity
// and their editing with undo, and the Ripent and Help menus.
class frmMain : public QMainWindow {
    Q_OBJECT

public:
    frmMain(const QString& programDir, suite::Dialogs& dialogs, QWidget* parent = nullptr);

    const ent::EntityTable& table() const { return doc_.table(); }
    QString currentFile() const { return CurrentFile_; }
    QString saveAsFile() const { return SaveAsFile_; }
    bool isModified() const { return doc_.modified(); }

    // Opens an .ent file or a map, as File > Open does once a file is
    // chosen: unsaved changes are offered for saving first.
    void openFile(const QString& path);

    // Reads these game data files in order (later classes replace earlier
    // ones) and remembers them for the next start. Problems are shown; what
    // could be read stays loaded. False when a file could not be read whole.
    bool loadGameData(const QStringList& files);
    const ent::GameData& gameData() const { return gameData_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildMenus();
    // Sets every text again in the language chosen now.
    void retranslate();
    void buildControls();

    void menOpen_Click();
    void menSave_Click();
    void menSaveAs_Click();
    void menAbout_Click();
    void menExport_Click();
    void menImport_Click();
    // Reloads the open map when Entwright's own import rewrote it.
    void mapImported(const QString& map);
    void menUndo_Click();
    void menRedo_Click();
    void listEntity_Click(int row);
    void listKey_Click(int row);
    void cmbAdd_Click();
    void cmbApply_Click();
    void cmbDelete_Click();
    void cmbClear_Click();
    void cmbAddEnt_Click();
    void cmbDelEnt_Click();
    void cmbGoTo_Click();
    void listUsedBy_Click(int row);
    void menSetKey_Click();
    void menDeleteKey_Click();
    void menReplace_Click();
    void menLoadFgd_Click();
    void menClearFgd_Click();
    void chkSmartEdit_Toggled(bool on);
    void propertyEdited(int line, const QByteArray& key, const QByteArray& value);
    // Shows the selected entity in the property table when SmartEdit is on.
    void showProperties();
    // Builds the SmartEdit switch and the page stack around the raw key panel.
    QWidget* buildKeyPages(QWidget* rawPanel);
    void gameDataChanged();
    void buildCheckPanel();
    void menCheck_Click();
    // Runs the check again over the table as it stands, when its panel shows.
    void refreshCheck();
    void lstProblems_DoubleClick(int row);

    // Empties the key list and both text boxes.
    void Clear();
    bool loadFile(const QString& path);
    // Asks whether to save unsaved changes; false when the user cancels or
    // the save fails, so the command that asked must stop.
    bool settleUnsaved();
    bool saveCurrent();
    bool saveTo(const QString& path, bool intoMap, const QString& title);
    void applyFilter();
    void selectEntity(std::optional<std::size_t> record);
    void fillKeyList();
    void tableChanged();
    void updateTitle();
    void warn(const QString& title, const QString& text);
    // Shows the refusal or warning an edit result calls for; true when the
    // table took the edit (or it changed nothing).
    bool reportEdit(ent::EditResult result, const QString& title);
    void warnOutsideCp1252(const QString& title, bool inKey, const std::u32string& outside);
    QString valueBoxText() const;
    std::optional<std::size_t> selectedEntity() const;
    // Every entity selected in the list, in table order; the clicked one
    // alone when the list shows no selection.
    std::vector<std::size_t> selectedEntities() const;
    // Marks `row` as the list's current entry without dropping the rest of a
    // selection that holds it.
    void showCurrentRow(int row);
    void buildLinkControls(QBoxLayout* frame2Layout);
    // "Go to target" and "Used by" for the clicked entity and line.
    void updateLinks();
    // The link line clicked: its value, when it names an entity.
    std::optional<std::string> clickedTarget() const;
    // Apply on a targetname line: offers to take the keys that refer to the
    // old name along. True when it handled the edit (done or cancelled).
    bool offerRename(const std::string& key, const std::string& value);
    void selectAfterBulkEdit();
    // Shows `entity`, clearing a filter that hides it.
    void goToEntity(std::size_t entity);

    QString programDir_;
    suite::Dialogs& dialogs_;

    ent::EntityDocument doc_;
    QString CurrentFile_;
    QString SaveAsFile_;
    // The record last clicked (a table index, whatever the filter shows) and
    // the line last clicked; -1 while nothing is selected, so that no command
    // can act on an entity or line that is no longer there.
    int SelEntity_ = -1;
    int SelKey_ = -1;
    // What the boxes showed for the clicked line and the bytes it came from,
    // so that Apply with nothing retyped gives the line back untouched.
    ent::ShownKeyLine shown_;
    // Set while the window itself refills a list, whose selection signals are
    // then no user's click.
    bool filling_ = false;

    QAction* menOpen_ = nullptr;
    suite::RecentFiles* recent_ = nullptr;
    QAction* menSaveAs_ = nullptr;
    QAction* menSave_ = nullptr;
    QAction* menExit_ = nullptr;
    QAction* menUndo_ = nullptr;
    QAction* menRedo_ = nullptr;
    QAction* menImport_ = nullptr;
    QAction* menExport_ = nullptr;
    QAction* menAbout_ = nullptr;

    QGroupBox* Frame1_ = nullptr;
    QLineEdit* txtFilter_ = nullptr;
    QComboBox* cboFilter_ = nullptr;
    QListView* listEntity_ = nullptr;
    EntityListModel* entityModel_ = nullptr;
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
    QPushButton* cmbGoTo_ = nullptr;
    QListWidget* listUsedBy_ = nullptr;
    // The entities listUsedBy_ shows, by row.
    std::vector<std::size_t> usedBy_;
    QAction* menSetKey_ = nullptr;
    QAction* menDeleteKey_ = nullptr;
    QAction* menReplace_ = nullptr;
    // Which keys name other entities: by name until game data says by type.
    ent::LinkKeyRule linkRule_ = ent::LinkKeyByName;

    ent::GameData gameData_;
    QStringList fgdFiles_;
    QAction* menLoadFgd_ = nullptr;
    QAction* menClearFgd_ = nullptr;
    QCheckBox* chkSmartEdit_ = nullptr;
    QStackedWidget* stkKeys_ = nullptr;
    PropertyTable* tblProperties_ = nullptr;

    QAction* menCheck_ = nullptr;
    QDockWidget* dockProblems_ = nullptr;
    QComboBox* cboLimits_ = nullptr;
    QListWidget* lstProblems_ = nullptr;
    // Where each row of lstProblems_ points: the record and its line.
    std::vector<std::pair<std::size_t, std::optional<std::size_t>>> problemPlaces_;
};
