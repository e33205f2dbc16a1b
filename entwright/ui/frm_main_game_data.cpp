// The main window's game data: loading .fgd files and the property table.
#include "entwright/ui/frm_main.h"

#include "entwright/core/bulk_edits.h"
#include "entwright/core/links.h"
#include "entwright/core/map_check.h"
#include "entwright/core/property_rows.h"
#include "entwright/ui/entity_list_model.h"
#include "entwright/ui/property_table.h"

#include "common/ui/dialogs.h"
#include "common/ui/text.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QFileInfo>
#include <QListWidget>
#include <QSettings>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

// How many of the game data's problems a message lists before it counts the rest.
constexpr std::size_t kProblemsShown = 8;

} // namespace

QWidget* frmMain::buildKeyPages(QWidget* rawPanel)
{
    auto* pages = new QWidget(Frame2_);
    chkSmartEdit_ = new QCheckBox(tr("SmartEdit"), pages);
    chkSmartEdit_->setObjectName(QStringLiteral("chkSmartEdit"));
    chkSmartEdit_->setToolTip(tr("Show the keys through the game data; off shows the raw lines"));
    chkSmartEdit_->setEnabled(false);
    stkKeys_ = new QStackedWidget(pages);
    stkKeys_->setObjectName(QStringLiteral("stkKeys"));
    tblProperties_ = new PropertyTable(stkKeys_);
    stkKeys_->addWidget(rawPanel);
    stkKeys_->addWidget(tblProperties_);
    auto* layout = new QVBoxLayout(pages);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(chkSmartEdit_);
    layout->addWidget(stkKeys_, 1);

    connect(chkSmartEdit_, &QCheckBox::toggled, this, &frmMain::chkSmartEdit_Toggled);
    connect(tblProperties_, &PropertyTable::valueEdited, this, &frmMain::propertyEdited);
    connect(tblProperties_, &PropertyTable::cannotStore, this, [this](const QString& characters) {
        warnOutsideCp1252(tr("Edit"), false, characters.toStdU32String());
    });
    return pages;
}

bool frmMain::loadGameData(const QStringList& files)
{
    ent::GameData read;
    bool whole = true;
    QStringList loaded;
    for (const QString& file : files) {
        const QString full = QFileInfo(file).absoluteFilePath();
        whole = read.loadFile(suite::toPath(full)) && whole;
        loaded.append(full);
    }
    const std::vector<ent::FgdProblem> problems = read.problems();
    gameData_ = std::move(read);
    fgdFiles_ = loaded;
    if (!programDir_.isEmpty()) {
        QSettings(QDir(programDir_).filePath(QStringLiteral("entwright.ini")), QSettings::IniFormat)
            .setValue(QStringLiteral("fgd"), fgdFiles_);
    }
    gameDataChanged();

    if (!problems.empty()) {
        QStringList lines;
        for (std::size_t i = 0; i < problems.size() && i < kProblemsShown; ++i)
            lines.append(displayText(ent::FormatFgdProblem(problems[i])));
        if (problems.size() > kProblemsShown)
            lines.append(tr("\u2026 and %n more", nullptr,
                            static_cast<int>(problems.size() - kProblemsShown)));
        const QString text = whole ? tr("The game data was read with these problems:\n\n%1")
                                   : tr("The game data could not be read whole; what was read "
                                        "before the fault is loaded.\n\n%1");
        warn(tr("Game Data"), text.arg(lines.join(QLatin1Char('\n'))));
    }
    return whole;
}

void frmMain::gameDataChanged()
{
    const bool loaded = !gameData_.empty();
    menClearFgd_->setEnabled(loaded);
    chkSmartEdit_->setEnabled(loaded);
    // Loading game data is asking to see the keys through it.
    chkSmartEdit_->setChecked(loaded);
    if (loaded) {
        linkRule_ = [this](std::string_view className, std::string_view key) {
            return ent::IsTargetKey(&gameData_, gameData_.findEntityClass(className), key);
        };
    } else {
        linkRule_ = ent::LinkKeyByName;
    }
    showProperties();
    updateLinks();
}

void frmMain::menLoadFgd_Click()
{
    const QString path = dialogs_.openFile(this, tr("Game Data Files (.fgd)|*.fgd"));
    if (path.isEmpty())
        return;
    QStringList files = fgdFiles_;
    files.removeAll(QFileInfo(path).absoluteFilePath());
    files.append(path);
    loadGameData(files);
}

void frmMain::menClearFgd_Click()
{
    loadGameData({});
}

void frmMain::chkSmartEdit_Toggled(bool on)
{
    stkKeys_->setCurrentIndex(on ? 1 : 0);
    showProperties();
}

void frmMain::showProperties()
{
    const std::optional<std::size_t> entity = selectedEntity();
    if (!chkSmartEdit_->isChecked() || gameData_.empty() || !entity) {
        tblProperties_->clearEntity();
        return;
    }
    tblProperties_->showEntity(gameData_, doc_.table().Entities[*entity]);
}

void frmMain::propertyEdited(int line, const QByteArray& key, const QByteArray& value)
{
    const std::optional<std::size_t> entity = selectedEntity();
    if (!entity)
        return;
    const QString title = tr("Edit");
    const std::string keyBytes = key.toStdString();
    const std::string valueBytes = value.toStdString();
    if (line >= 0 && keyBytes == "targetname") {
        SelKey_ = line;
        const bool handled = offerRename(keyBytes, valueBytes);
        SelKey_ = -1;
        if (handled)
            return;
    }
    std::vector<ent::RecordChange> changes;
    const ent::EntityRecord& record = doc_.table().Entities[*entity];
    if (line >= 0) {
        const auto at = static_cast<std::size_t>(line);
        if (at >= record.KeyLines.size())
            return;
        const std::string_view stored = record.KeyLines[at];
        const std::optional<ent::KeyValueView> pair = ent::ReadKeyValue(stored);
        if (!pair)
            return;
        if (valueBytes.find_first_of("\"\r\n") != std::string::npos)
            return void(reportEdit(valueBytes.find('"') != std::string::npos
                                       ? ent::EditResult::QuoteInside
                                       : ent::EditResult::LineBreak,
                                   title));
        ent::EntityRecord after = record;
        after.KeyLines.replace(at, ent::LineText(ent::WithValue(stored, pair->value, valueBytes)));
        changes.push_back({*entity, std::move(after)});
    } else {
        const ent::BulkPlan plan = ent::PlanSetKey(doc_.table(), {*entity}, keyBytes, valueBytes);
        if (!reportEdit(plan.result, title))
            return showProperties();
        changes = plan.changes;
    }
    if (!reportEdit(doc_.replaceRecords(std::move(changes)), title))
        return showProperties();
    selectAfterBulkEdit();
}
