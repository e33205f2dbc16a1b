#include "entwright/ui/frm_main.h"
#include "entwright/ui/property_table.h"

#include "entwright/core/bsp_map.h"
#include "entwright/core/editing.h"
#include "entwright/core/entity_filter.h"
#include "entwright/core/typed_text.h"
#include "entwright/ui/entity_item_delegate.h"
#include "entwright/ui/entity_list_model.h"
#include "entwright/ui/frm_about.h"
#include "entwright/ui/frm_new_ent.h"
#include "entwright/ui/frm_ripent.h"
#include "entwright/ui/list_clicks.h"

#include "common/ui/language.h"
#include "common/ui/dialogs.h"
#include "common/ui/recent_files.h"
#include "common/ui/text.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QStringList>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

#include <limits>

namespace {

const char* const kOpenFilter =
    QT_TRANSLATE_NOOP("frmMain", "Half Life Entity Files (.ent)|*.ent|BSP Files (.BSP)|*.bsp");
const char* const kSaveAsFilter =
    QT_TRANSLATE_NOOP("frmMain", "Half Life Entity File (.ent)|*.ent");
const char* const kFieldsMissing =
    QT_TRANSLATE_NOOP("frmMain", "All fields must be filled up correctly");
const char* const kNoLineBreaks =
    QT_TRANSLATE_NOOP("frmMain", "Keys and values can't hold line breaks");
const char* const kNoQuotes =
    QT_TRANSLATE_NOOP("frmMain", "Keys and values can't hold double quotes (\"): the game would "
                                 "read one as the end of the key or value");
const char* const kClassLineKept =
    QT_TRANSLATE_NOOP("frmMain",
                      "The 'classname' line must stay a classname line: its key can't change");
const char* const kProgramTitle = QT_TRANSLATE_NOOP("frmMain", "Entwright 2.0");
// Values longer than this wrap anywhere: wrapping one long word at word
// boundaries costs time that grows with the square of its length.
constexpr qsizetype kLongestWordWrapped = 4096;

// A table index as the core functions take it; -1 (nothing selected)
// becomes an index no table reaches.
std::size_t tableIndex(int index)
{
    return index < 0 ? std::numeric_limits<std::size_t>::max() : static_cast<std::size_t>(index);
}

QPushButton* makeButton(const QString& name, const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

QAction* makeAction(const QString& name, const QString& caption, QMenu* menu)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

std::u32string codePoints(const QString& text)
{
    return text.toStdU32String();
}

} // namespace

frmMain::frmMain(const QString& programDir, suite::Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), programDir_(programDir), dialogs_(dialogs)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(tr(kProgramTitle));
    setWindowIcon(frmAbout::programIcon());
    setAcceptDrops(true);
    buildMenus();
    buildControls();
    buildCheckPanel();
    // Tab follows the reading order: the list on the left, then the
    // properties from top to bottom, then the check's panel.
    const QList<QWidget*> readingOrder{txtFilter_, cboFilter_,    listEntity_,    cmbAddEnt_,
                                       cmbDelEnt_, chkSmartEdit_, tblProperties_, listKey_,
                                       txtKey_,    txtValue_,     cmbAdd_,        cmbDelete_,
                                       cmbApply_,  cmbClear_,     listUsedBy_,    cmbGoTo_,
                                       cboLimits_, lstProblems_};
    for (qsizetype i = 1; i < readingOrder.size(); ++i)
        setTabOrder(readingOrder[i - 1], readingOrder[i]);
    retranslate();
    resize(760, 500);

    // Form_Load: nothing is open yet, so only Open, Save As, Ripent and
    // About can be used.
    menSave_->setEnabled(false);
    for (QWidget* control :
         std::initializer_list<QWidget*>{listEntity_, txtFilter_, cboFilter_, cmbAddEnt_,
                                         cmbDelEnt_, listKey_, txtKey_, txtValue_, cmbAdd_,
                                         cmbDelete_, cmbApply_, cmbClear_})
        control->setEnabled(false);
    updateTitle();
    // The game data used last comes back with the window.
    if (!programDir_.isEmpty()) {
        const QStringList remembered =
            QSettings(QDir(programDir_).filePath(QStringLiteral("entwright.ini")),
                      QSettings::IniFormat)
                .value(QStringLiteral("fgd"))
                .toStringList();
        if (!remembered.isEmpty())
            loadGameData(remembered);
    }
}

void frmMain::buildMenus()
{
    QMenu* menFile = menuBar()->addMenu(tr("File"));
    menFile->setObjectName(QStringLiteral("menFile"));
    menOpen_ = makeAction(QStringLiteral("menOpen"), tr("Open..."), menFile);
    menOpen_->setShortcut(QKeySequence::Open);
    QMenu* menRecent = menFile->addMenu(tr("Recent Files"));
    menRecent->setObjectName(QStringLiteral("menRecent"));
    // Kept in entwright.ini in the program's directory like the suite's other
    // settings; without a program directory nothing is kept.
    recent_ =
        new suite::RecentFiles(menRecent,
                               {programDir_.isEmpty()
                                    ? QString()
                                    : QDir(programDir_).filePath(QStringLiteral("entwright.ini")),
                                QStringLiteral("recent"), 8, QStringLiteral("menRecent")},
                               menRecent);
    connect(recent_, &suite::RecentFiles::chosen, this, &frmMain::openFile);
    menFile->addSeparator();
    menLoadFgd_ = makeAction(QStringLiteral("menLoadFgd"), tr("Load Game Data..."), menFile);
    menClearFgd_ = makeAction(QStringLiteral("menClearFgd"), tr("Unload Game Data"), menFile);
    menClearFgd_->setEnabled(false);
    connect(menLoadFgd_, &QAction::triggered, this, &frmMain::menLoadFgd_Click);
    connect(menClearFgd_, &QAction::triggered, this, &frmMain::menClearFgd_Click);
    menFile->addSeparator();
    menSaveAs_ = makeAction(QStringLiteral("menSaveAs"), tr("Save As..."), menFile);
    menSave_ = makeAction(QStringLiteral("menSave"), tr("Save"), menFile);
    menSave_->setShortcut(QKeySequence::Save);
    menFile->addSeparator();
    menExit_ = makeAction(QStringLiteral("menExit"), tr("Exit"), menFile);

    QMenu* menEdit = menuBar()->addMenu(tr("Edit"));
    menEdit->setObjectName(QStringLiteral("menEdit"));
    menUndo_ = makeAction(QStringLiteral("menUndo"), tr("Undo"), menEdit);
    menUndo_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    menRedo_ = makeAction(QStringLiteral("menRedo"), tr("Redo"), menEdit);
    menRedo_->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    menUndo_->setEnabled(false);
    menRedo_->setEnabled(false);
    menEdit->addSeparator();
    menSetKey_ = makeAction(QStringLiteral("menSetKey"), tr("Set Key on Selected..."), menEdit);
    menDeleteKey_ =
        makeAction(QStringLiteral("menDeleteKey"), tr("Delete Key from Selected..."), menEdit);
    menReplace_ = makeAction(QStringLiteral("menReplace"), tr("Find and Replace..."), menEdit);
    menReplace_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    for (QAction* action : {menSetKey_, menDeleteKey_, menReplace_})
        action->setEnabled(false);
    menCheck_ = makeAction(QStringLiteral("menCheck"), tr("Check Map"), menEdit);
    menCheck_->setShortcut(QKeySequence(Qt::Key_F7));
    menCheck_->setEnabled(false);
    connect(menCheck_, &QAction::triggered, this, &frmMain::menCheck_Click);

    QMenu* menRipent = menuBar()->addMenu(tr("Ripent"));
    menRipent->setObjectName(QStringLiteral("menRipent"));
    menImport_ = makeAction(QStringLiteral("menImport"), tr("Import..."), menRipent);
    menExport_ = makeAction(QStringLiteral("menExport"), tr("Export..."), menRipent);

    menuBar()->addMenu(new suite::LanguageMenu(this));
    QMenu* menHelp = menuBar()->addMenu(tr("Help"));
    menHelp->setObjectName(QStringLiteral("menHelp"));
    menAbout_ = makeAction(QStringLiteral("menAbout"), tr("About"), menHelp);

    connect(menOpen_, &QAction::triggered, this, &frmMain::menOpen_Click);
    connect(menSaveAs_, &QAction::triggered, this, &frmMain::menSaveAs_Click);
    connect(menSave_, &QAction::triggered, this, &frmMain::menSave_Click);
    connect(menExit_, &QAction::triggered, this, &QWidget::close);
    connect(menUndo_, &QAction::triggered, this, &frmMain::menUndo_Click);
    connect(menRedo_, &QAction::triggered, this, &frmMain::menRedo_Click);
    connect(menImport_, &QAction::triggered, this, &frmMain::menImport_Click);
    connect(menExport_, &QAction::triggered, this, &frmMain::menExport_Click);
    connect(menAbout_, &QAction::triggered, this, &frmMain::menAbout_Click);
    connect(menSetKey_, &QAction::triggered, this, &frmMain::menSetKey_Click);
    connect(menDeleteKey_, &QAction::triggered, this, &frmMain::menDeleteKey_Click);
    connect(menReplace_, &QAction::triggered, this, &frmMain::menReplace_Click);
}

void frmMain::buildControls()
{
    auto* central = new QWidget(this);
    setCentralWidget(central);

    Frame1_ = new QGroupBox(tr("Entity"), central);
    Frame1_->setObjectName(QStringLiteral("Frame1"));
    txtFilter_ = new QLineEdit(Frame1_);
    txtFilter_->setObjectName(QStringLiteral("txtFilter"));
    txtFilter_->setPlaceholderText(tr("Filter"));
    txtFilter_->setClearButtonEnabled(true);
    cboFilter_ = new QComboBox(Frame1_);
    cboFilter_->setObjectName(QStringLiteral("cboFilter"));
    // In the order of ent::FilterField.
    cboFilter_->addItems({tr("Class"), tr("Targetname"), tr("Any text")});
    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(txtFilter_, 1);
    filterRow->addWidget(cboFilter_);

    listEntity_ = new QListView(Frame1_);
    listEntity_->setObjectName(QStringLiteral("listEntity"));
    // Maps of a hundred thousand entities must list at once.
    listEntity_->setUniformItemSizes(true);
    listEntity_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Several entities can be picked for the edits that act on all of them.
    listEntity_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    entityModel_ = new EntityListModel(listEntity_);
    listEntity_->setModel(entityModel_);
    listEntity_->setItemDelegate(new EntityItemDelegate(listEntity_));
    cmbAddEnt_ = makeButton(QStringLiteral("cmbAddEnt"), tr("Add"), Frame1_);
    cmbDelEnt_ = makeButton(QStringLiteral("cmbDelEnt"), tr("Delete"), Frame1_);
    auto* entityButtons = new QHBoxLayout;
    entityButtons->addWidget(cmbAddEnt_);
    entityButtons->addWidget(cmbDelEnt_);
    auto* frame1Layout = new QVBoxLayout(Frame1_);
    frame1Layout->addLayout(filterRow);
    frame1Layout->addWidget(listEntity_);
    frame1Layout->addLayout(entityButtons);

    Frame2_ = new QGroupBox(tr("Entity Properties"), central);
    Frame2_->setObjectName(QStringLiteral("Frame2"));
    auto* rawPanel = new QWidget(Frame2_);
    rawPanel->setObjectName(QStringLiteral("pnlRawKeys"));
    listKey_ = new QListWidget(Frame2_);
    listKey_->setObjectName(QStringLiteral("listKey"));
    txtKey_ = new QLineEdit(Frame2_);
    txtKey_->setObjectName(QStringLiteral("txtKey"));
    // A long key shown from a clicked line must come back whole on Apply.
    txtKey_->setMaxLength(std::numeric_limits<int>::max());
    txtValue_ = new QPlainTextEdit(Frame2_);
    txtValue_->setObjectName(QStringLiteral("txtValue"));
    txtValue_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtValue_->setFixedHeight(txtValue_->fontMetrics().lineSpacing() * 4 + 12);
    auto* lblKey = new QLabel(tr("Key:"), Frame2_);
    lblKey->setObjectName(QStringLiteral("lblKey"));
    lblKey->setBuddy(txtKey_);
    auto* lblValue = new QLabel(tr("Value:"), Frame2_);
    lblValue->setObjectName(QStringLiteral("lblValue"));
    lblValue->setBuddy(txtValue_);
    lblValue->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    cmbAdd_ = makeButton(QStringLiteral("cmbAdd"), tr("Add"), Frame2_);
    cmbDelete_ = makeButton(QStringLiteral("cmbDelete"), tr("Del"), Frame2_);
    cmbApply_ = makeButton(QStringLiteral("cmbApply"), tr("Apply"), Frame2_);
    cmbClear_ = makeButton(QStringLiteral("cmbClear"), tr("Clear"), Frame2_);

    auto* fields = new QGridLayout;
    fields->addWidget(lblKey, 0, 0);
    fields->addWidget(txtKey_, 0, 1);
    fields->addWidget(lblValue, 1, 0);
    fields->addWidget(txtValue_, 1, 1);
    auto* keyButtons = new QHBoxLayout;
    keyButtons->addWidget(cmbAdd_);
    keyButtons->addWidget(cmbDelete_);
    keyButtons->addWidget(cmbApply_);
    keyButtons->addWidget(cmbClear_);
    auto* rawLayout = new QVBoxLayout(rawPanel);
    rawLayout->setContentsMargins(0, 0, 0, 0);
    rawLayout->addWidget(listKey_, 1);
    rawLayout->addLayout(fields);
    rawLayout->addLayout(keyButtons);
    auto* frame2Layout = new QVBoxLayout(Frame2_);
    frame2Layout->addWidget(buildKeyPages(rawPanel), 1);
    buildLinkControls(frame2Layout);

    auto* layout = new QHBoxLayout(central);
    layout->addWidget(Frame1_, 2);
    layout->addWidget(Frame2_, 3);

    connect(new ListClicks(listEntity_), &ListClicks::clicked, this, [this](int row) {
        if (!filling_)
            listEntity_Click(row);
    });
    connect(new ListClicks(listKey_), &ListClicks::clicked, this, [this](int row) {
        if (!filling_)
            listKey_Click(row);
    });
    connect(txtFilter_, &QLineEdit::textChanged, this, &frmMain::applyFilter);
    connect(cboFilter_, &QComboBox::currentIndexChanged, this, &frmMain::applyFilter);

    connect(cmbAdd_, &QPushButton::clicked, this, &frmMain::cmbAdd_Click);
    connect(cmbApply_, &QPushButton::clicked, this, &frmMain::cmbApply_Click);
    connect(cmbDelete_, &QPushButton::clicked, this, &frmMain::cmbDelete_Click);
    connect(cmbClear_, &QPushButton::clicked, this, &frmMain::cmbClear_Click);
    connect(cmbAddEnt_, &QPushButton::clicked, this, &frmMain::cmbAddEnt_Click);
    connect(cmbDelEnt_, &QPushButton::clicked, this, &frmMain::cmbDelEnt_Click);
}

// --- File menu ---

void frmMain::menOpen_Click()
{
    const QString path = dialogs_.openFile(this, tr(kOpenFilter));
    if (path.isEmpty())
        return;
    openFile(path);
}

void frmMain::openFile(const QString& path)
{
    if (path.isEmpty() || !settleUnsaved())
        return;
    loadFile(path);
}

bool frmMain::loadFile(const QString& path)
{
    // Read into a fresh table first: a file that cannot be read or listed
    // whole leaves the open one, its lists and its name as they were.
    ent::ReadReport report;
    const std::filesystem::path file = suite::toPath(path);
    std::optional<ent::OpenedFile> opened =
        ent::IsBspPath(file) ? ent::OpenBspFile(file, &report) : ent::OpenEntFile(file, &report);
    if (!opened) {
        dialogs_.message(this, suite::MessageIcon::Critical, tr("Open"),
                         tr("\"%1\" could not be opened.\n\n%2")
                             .arg(QDir::toNativeSeparators(path),
                                  QString::fromStdString(ent::DescribeReadFailure(report))));
        return false;
    }
    doc_.reset(std::move(opened->table));
    CurrentFile_ = path;
    SelEntity_ = -1;
    SelKey_ = -1;

    Clear();
    applyFilter();

    for (QWidget* control :
         std::initializer_list<QWidget*>{cmbAdd_, cmbDelete_, cmbApply_, cmbClear_, cmbDelEnt_})
        control->setEnabled(false);
    for (QWidget* control : std::initializer_list<QWidget*>{
             cmbAddEnt_, listEntity_, txtFilter_, cboFilter_, listKey_, txtKey_, txtValue_})
        control->setEnabled(true);
    menSave_->setEnabled(true);
    for (QAction* action : {menSetKey_, menDeleteKey_, menReplace_, menCheck_})
        action->setEnabled(true);
    tableChanged();
    recent_->remember(path);

    const std::string stray = ent::DescribeStrayLines(report);
    if (!stray.empty())
        warn(tr("Open"), QString::fromStdString(stray));
    return true;
}

void frmMain::menSave_Click()
{
    if (saveCurrent())
        dialogs_.message(this, suite::MessageIcon::Information, tr("Save"),
                         tr("File saved sucessfully"));
}

bool frmMain::saveCurrent()
{
    if (CurrentFile_.isEmpty())
        return false;
    if (!saveTo(CurrentFile_, ent::IsBspPath(suite::toPath(CurrentFile_)), tr("Save")))
        return false;
    doc_.markSaved();
    updateTitle();
    return true;
}

void frmMain::menSaveAs_Click()
{
    // Before any Open there is no table worth writing.
    if (CurrentFile_.isEmpty())
        return;
    const QString path = dialogs_.saveFile(this, tr(kSaveAsFilter));
    if (path.isEmpty())
        return;
    SaveAsFile_ = path;
    // Text written over a map would destroy it: a map chosen here gets the
    // entities in its entity lump instead.
    if (!saveTo(path, ent::IsBspPath(suite::toPath(path)), tr("Save As")))
        return;
    if (QFileInfo(path) == QFileInfo(CurrentFile_)) {
        doc_.markSaved();
        updateTitle();
    }
    dialogs_.message(this, suite::MessageIcon::Information, tr("Save"),
                     tr("File saved sucessfully"));
}

bool frmMain::saveTo(const QString& path, bool intoMap, const QString& title)
{
    std::string reason;
    const std::filesystem::path file = suite::toPath(path);
    const bool saved = intoMap ? ent::WriteBspEntities(file, doc_.table(), &reason)
                               : ent::WriteEntFile(file, doc_.table(), &reason);
    if (saved)
        return true;
    dialogs_.message(this, suite::MessageIcon::Critical, title,
                     tr("The file \"%1\" could not be saved: %2")
                         .arg(path, QString::fromLocal8Bit(reason.c_str())));
    return false;
}

bool frmMain::settleUnsaved()
{
    if (!doc_.modified())
        return true;
    switch (dialogs_.askToSave(
        this, tr("Entwright"),
        tr("Save the changes to \"%1\"?").arg(QFileInfo(CurrentFile_).fileName()))) {
    case suite::SaveAnswer::Save: return saveCurrent();
    case suite::SaveAnswer::Discard: return true;
    case suite::SaveAnswer::Cancel: return false;
    }
    return false;
}

void frmMain::closeEvent(QCloseEvent* event)
{
    if (settleUnsaved())
        event->accept();
    else
        event->ignore();
}

void frmMain::dragEnterEvent(QDragEnterEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (!urls.isEmpty() && urls.first().isLocalFile())
        event->acceptProposedAction();
}

void frmMain::dropEvent(QDropEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.first().isLocalFile())
        return;
    event->acceptProposedAction();
    openFile(urls.first().toLocalFile());
}

// --- Title, undo and the lists ---

void frmMain::updateTitle()
{
    if (CurrentFile_.isEmpty()) {
        setWindowTitle(tr(kProgramTitle));
    } else {
        setWindowTitle(tr(kProgramTitle) + QStringLiteral(" - ") +
                       suite::literalTitle(QFileInfo(CurrentFile_).fileName()) +
                       QStringLiteral("[*]"));
    }
    setWindowModified(doc_.modified());
}

void frmMain::tableChanged()
{
    refreshCheck();
    menUndo_->setEnabled(doc_.canUndo());
    menRedo_->setEnabled(doc_.canRedo());
    updateTitle();
}

void frmMain::menUndo_Click()
{
    const std::optional<std::size_t> touched = doc_.undo();
    if (!touched)
        return;
    applyFilter();
    selectEntity(touched);
    tableChanged();
}

void frmMain::menRedo_Click()
{
    const std::optional<std::size_t> touched = doc_.redo();
    if (!touched)
        return;
    applyFilter();
    selectEntity(touched);
    tableChanged();
}

void frmMain::Clear()
{
    const bool wasFilling = filling_;
    filling_ = true;
    listKey_->clear();
    filling_ = wasFilling;
    txtKey_->clear();
    txtValue_->clear();
}

void frmMain::applyFilter()
{
    const std::string needle = suite::toCp1252(txtFilter_->text()).toStdString();
    filling_ = true;
    if (needle.empty()) {
        entityModel_->showAll(&doc_.table());
    } else {
        const auto field = static_cast<ent::FilterField>(cboFilter_->currentIndex());
        entityModel_->showOnly(&doc_.table(), ent::MatchingEntities(doc_.table(), field, needle));
    }
    // Show which record the entity commands act on, when the filter lets it be seen.
    if (SelEntity_ >= 0) {
        const int row = entityModel_->rowOf(tableIndex(SelEntity_));
        if (row >= 0)
            showCurrentRow(row);
    }
    filling_ = false;
}

std::optional<std::size_t> frmMain::selectedEntity() const
{
    if (SelEntity_ < 0 || tableIndex(SelEntity_) >= doc_.table().Entities.size())
        return std::nullopt;
    return tableIndex(SelEntity_);
}

void frmMain::selectEntity(std::optional<std::size_t> record)
{
    Clear();
    SelKey_ = -1;
    if (!record || *record >= doc_.table().Entities.size()) {
        SelEntity_ = -1;
        filling_ = true;
        listEntity_->clearSelection();
        filling_ = false;
        for (QWidget* control :
             std::initializer_list<QWidget*>{cmbAdd_, cmbDelEnt_, cmbApply_, cmbDelete_, cmbClear_})
            control->setEnabled(false);
        showProperties();
        updateLinks();
        return;
    }
    SelEntity_ = static_cast<int>(*record);
    const int row = entityModel_->rowOf(*record);
    filling_ = true;
    if (row >= 0)
        showCurrentRow(row);
    else
        listEntity_->clearSelection();
    filling_ = false;
    fillKeyList();
    cmbAdd_->setEnabled(true);
    cmbDelEnt_->setEnabled(true);
    cmbApply_->setEnabled(false);
    cmbDelete_->setEnabled(false);
    cmbClear_->setEnabled(false);
}

void frmMain::fillKeyList()
{
    filling_ = true;
    listKey_->clear();
    if (const std::optional<std::size_t> entity = selectedEntity()) {
        QStringList entries;
        for (const std::string_view line : doc_.table().Entities[*entity].KeyLines) {
            const ent::ListedLine listed = ent::LineForList(line);
            entries.append(
                listed.cut ? displayText(listed.shown) +
                                 tr("\u2026 (%1 bytes in all)")
                                     .arg(suite::formatNumber(static_cast<qint64>(listed.total)))
                           : displayText(listed.shown));
        }
        listKey_->addItems(entries);
        if (SelKey_ >= 0 && SelKey_ < listKey_->count())
            listKey_->setCurrentRow(SelKey_);
    }
    filling_ = false;
    showProperties();
    updateLinks();
}

void frmMain::listEntity_Click(int row)
{
    const std::optional<std::size_t> record = entityModel_->recordAt(row);
    if (!record)
        return;
    selectEntity(record);
}

void frmMain::listKey_Click(int row)
{
    const std::optional<std::size_t> entity = selectedEntity();
    if (row < 0 || !entity)
        return;
    const ent::EntityRecord& record = doc_.table().Entities[*entity];
    if (tableIndex(row) >= record.KeyLines.size())
        return;
    SelKey_ = row;
    const std::string_view line = record.KeyLines[tableIndex(row)];
    shown_ = {};
    if (!line.empty()) {
        ent::KeyAndValue split = ent::SplitKeyLine(line);
        txtKey_->setText(displayText(split.key));
        const QString value = displayText(split.value);
        txtValue_->setWordWrapMode(value.size() > kLongestWordWrapped
                                       ? QTextOption::WrapAnywhere
                                       : QTextOption::WrapAtWordBoundaryOrAnywhere);
        txtValue_->setPlainText(value);
        shown_.keyBytes = std::move(split.key);
        shown_.valueBytes = std::move(split.value);
    }
    shown_.key = codePoints(txtKey_->text());
    shown_.value = codePoints(valueBoxText());
    cmbApply_->setEnabled(true);
    cmbClear_->setEnabled(true);
    cmbDelete_->setEnabled(true);
    updateLinks();
}

// --- Key lines ---

void frmMain::warnOutsideCp1252(const QString& title, bool inKey, const std::u32string& outside)
{
    const QString characters = QString::fromStdU32String(outside);
    warn(title, inKey ? tr("The key holds characters a map can't store "
                           "(Windows-1252 has no place for them): %1")
                            .arg(characters)
                      : tr("The value holds characters a map can't store "
                           "(Windows-1252 has no place for them): %1")
                            .arg(characters));
}

QString frmMain::valueBoxText() const
{
    // toPlainText would turn no-break spaces (byte A0, also the tail of some
    // UTF-8 letters) into plain spaces; only the block breaks are line breaks.
    QString text = txtValue_->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

void frmMain::warn(const QString& title, const QString& text)
{
    dialogs_.message(this, suite::MessageIcon::Exclamation, title, text);
}

bool frmMain::reportEdit(ent::EditResult result, const QString& title)
{
    switch (result) {
    case ent::EditResult::Done:
    case ent::EditResult::Unchanged: return true;
    case ent::EditResult::EmptyField: warn(title, tr(kFieldsMissing)); return false;
    case ent::EditResult::LineBreak: warn(title, tr(kNoLineBreaks)); return false;
    case ent::EditResult::QuoteInside: warn(title, tr(kNoQuotes)); return false;
    case ent::EditResult::ClassLineKept: warn(title, tr(kClassLineKept)); return false;
    case ent::EditResult::ClassLineProtected:
        warn(title, tr("You can't delete the entity 'classname'"));
        return false;
    case ent::EditResult::OnlyEntity:
        warn(title, tr("You can't delete the only entity left"));
        return false;
    case ent::EditResult::NoSuchEntity:
    case ent::EditResult::NoSuchLine: return false;
    }
    return false;
}

void frmMain::cmbAdd_Click()
{
    const QString title = tr("Add");
    if (txtKey_->text().isEmpty() || valueBoxText().isEmpty())
        return warn(title, tr(kFieldsMissing));
    // Nothing was shown for a new line, so whatever is in the boxes is typed.
    std::u32string outside;
    bool keyFailed = false;
    const std::optional<ent::ApplyBytes> typed =
        ent::BytesToApply({}, codePoints(txtKey_->text()), codePoints(valueBoxText()), &outside,
                          &keyFailed);
    if (!typed)
        return warnOutsideCp1252(title, keyFailed, outside);
    const std::string& keyBytes = typed->key;
    const std::string& valueBytes = typed->value;
    if (!reportEdit(doc_.addKeyLine(tableIndex(SelEntity_), keyBytes, valueBytes), title))
        return;
    fillKeyList();
    txtValue_->clear();
    txtKey_->clear();
    entityModel_->refresh();
    tableChanged();
    const std::string longer = ent::LengthWarning(keyBytes, valueBytes);
    if (!longer.empty())
        warn(title, QString::fromStdString(longer));
}

void frmMain::cmbApply_Click()
{
    const QString title = tr("Apply");
    if (txtKey_->text().isEmpty() || valueBoxText().isEmpty())
        return warn(title, tr(kFieldsMissing));
    std::u32string outside;
    bool keyFailed = false;
    const std::optional<ent::ApplyBytes> typed =
        ent::BytesToApply(shown_, codePoints(txtKey_->text()), codePoints(valueBoxText()), &outside,
                          &keyFailed);
    if (!typed)
        return warnOutsideCp1252(title, keyFailed, outside);
    const std::string& keyBytes = typed->key;
    const std::string& valueBytes = typed->value;
    if (offerRename(keyBytes, valueBytes))
        return;
    const ent::EditResult result =
        doc_.applyKeyLine(tableIndex(SelEntity_), tableIndex(SelKey_), keyBytes, valueBytes);
    if (!reportEdit(result, title))
        return;
    fillKeyList();
    txtValue_->clear();
    txtKey_->clear();
    if (result == ent::EditResult::Unchanged)
        return;
    entityModel_->refresh();
    tableChanged();
    const std::string longer = ent::LengthWarning(keyBytes, valueBytes);
    if (!longer.empty())
        warn(title, QString::fromStdString(longer));
}

void frmMain::cmbDelete_Click()
{
    const ent::EditResult result = doc_.deleteKeyLine(tableIndex(SelEntity_), tableIndex(SelKey_));
    if (!reportEdit(result, tr("Delete")))
        return;
    // The position now names the next line, or none: wait for a new click.
    SelKey_ = -1;
    fillKeyList();
    txtValue_->clear();
    txtKey_->clear();
    cmbApply_->setEnabled(false);
    cmbDelete_->setEnabled(false);
    entityModel_->refresh();
    tableChanged();
}

void frmMain::cmbClear_Click()
{
    txtKey_->clear();
    txtValue_->clear();
}

// --- Entities ---

void frmMain::cmbAddEnt_Click()
{
    frmNewEnt window(doc_, dialogs_, &gameData_, this);
    if (window.exec() != QDialog::Accepted)
        return;
    applyFilter();
    tableChanged();
}

void frmMain::cmbDelEnt_Click()
{
    const std::vector<std::size_t> picked = selectedEntities();
    const ent::EditResult result =
        picked.size() > 1 ? doc_.deleteEntities(picked) : doc_.deleteEntity(tableIndex(SelEntity_));
    if (!reportEdit(result, tr("Delete")))
        return;
    Clear();
    SelEntity_ = -1;
    SelKey_ = -1;
    applyFilter();
    for (QWidget* control :
         std::initializer_list<QWidget*>{cmbAdd_, cmbDelEnt_, cmbApply_, cmbDelete_})
        control->setEnabled(false);
    tableChanged();
}

// --- Other windows ---

void frmMain::menAbout_Click()
{
    frmAbout window(this);
    window.exec();
}

void frmMain::menExport_Click()
{
    frmRipent window(programDir_, dialogs_, ent::RipentMode::Export, this);
    window.exec();
}

void frmMain::menImport_Click()
{
    frmRipent window(programDir_, dialogs_, ent::RipentMode::Import, this);
    connect(&window, &frmRipent::imported, this, &frmMain::mapImported);
    window.exec();
}

void frmMain::mapImported(const QString& map)
{
    if (CurrentFile_.isEmpty() || QFileInfo(map) != QFileInfo(CurrentFile_))
        return;
    // The window's entities are no longer the map's: a later Save would
    // write the old ones back over what was just imported.
    if (doc_.modified() &&
        !dialogs_.question(this, suite::MessageIcon::Question, tr("Import"),
                           tr("The entities of \"%1\" were replaced. Load them now? The changes "
                              "not yet saved are lost; keeping them means a later Save writes "
                              "them over what was imported.")
                               .arg(QFileInfo(CurrentFile_).fileName())))
        return;
    loadFile(CurrentFile_);
}
