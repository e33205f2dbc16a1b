#include "ui/frm_main.h"

#include "core/editing.h"
#include "ui/frm_about.h"
#include "ui/frm_new_ent.h"
#include "ui/frm_ripent.h"
#include "ui/list_clicks.h"

#include "common/ui/dialogs.h"
#include "common/ui/text.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QTextDocument>
#include <QVBoxLayout>

#include <limits>

namespace {

const QString kOpenFilter = QStringLiteral("Half Life Entity Files (.ent)|*.ent");
const QString kSaveAsFilter = QStringLiteral("Half Life Entity File (.ent)|*.ent");
const QString kFieldsMissing = QStringLiteral("All fields must be filled up correctly");
const QString kNoLineBreaks = QStringLiteral("Keys and values can't hold line breaks");

// A list position as a table index; -1 (nothing selected) becomes an index
// no table reaches.
std::size_t tableIndex(int row)
{
    return row < 0 ? std::numeric_limits<std::size_t>::max() : static_cast<std::size_t>(row);
}

// A stored line or name as the lists show it. Outside 0x80-0x9F the code
// page agrees with Latin-1, whose conversion is far quicker for the hundred
// thousand names of a large map.
QString display(const std::string& bytes)
{
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        if (value >= 0x80 && value <= 0x9F)
            return suite::fromCp1252(QByteArray::fromStdString(bytes));
    }
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
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

} // namespace

frmMain::frmMain(const QString& programDir, suite::Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), programDir_(programDir), dialogs_(dialogs)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Entwright 2.0"));
    setWindowIcon(frmAbout::programIcon());
    buildMenus();
    buildControls();
    resize(760, 500);

    // Form_Load: nothing is open yet, so only Open, Save As, Ripent and
    // About can be used.
    menSave_->setEnabled(false);
    for (QWidget* control :
         std::initializer_list<QWidget*>{listEntity_, cmbAddEnt_, cmbDelEnt_, listKey_, txtKey_,
                                         txtValue_, cmbAdd_, cmbDelete_, cmbApply_, cmbClear_})
        control->setEnabled(false);
}

void frmMain::buildMenus()
{
    QMenu* menFile = menuBar()->addMenu(QStringLiteral("File"));
    menFile->setObjectName(QStringLiteral("menFile"));
    menOpen_ = makeAction(QStringLiteral("menOpen"), QStringLiteral("Open..."), menFile);
    menOpen_->setShortcut(QKeySequence::Open);
    menFile->addSeparator();
    menSaveAs_ = makeAction(QStringLiteral("menSaveAs"), QStringLiteral("Save As..."), menFile);
    menSave_ = makeAction(QStringLiteral("menSave"), QStringLiteral("Save"), menFile);
    menSave_->setShortcut(QKeySequence::Save);
    menFile->addSeparator();
    menExit_ = makeAction(QStringLiteral("menExit"), QStringLiteral("Exit"), menFile);

    QMenu* menRipent = menuBar()->addMenu(QStringLiteral("Ripent"));
    menRipent->setObjectName(QStringLiteral("menRipent"));
    menImport_ = makeAction(QStringLiteral("menImport"), QStringLiteral("Import..."), menRipent);
    menExport_ = makeAction(QStringLiteral("menExport"), QStringLiteral("Export..."), menRipent);

    QMenu* menHelp = menuBar()->addMenu(QStringLiteral("Help"));
    menHelp->setObjectName(QStringLiteral("menHelp"));
    menAbout_ = makeAction(QStringLiteral("menAbout"), QStringLiteral("About"), menHelp);

    connect(menOpen_, &QAction::triggered, this, &frmMain::menOpen_Click);
    connect(menSaveAs_, &QAction::triggered, this, &frmMain::menSaveAs_Click);
    connect(menSave_, &QAction::triggered, this, &frmMain::menSave_Click);
    connect(menExit_, &QAction::triggered, this, &QWidget::close);
    connect(menImport_, &QAction::triggered, this, &frmMain::menImport_Click);
    connect(menExport_, &QAction::triggered, this, &frmMain::menExport_Click);
    connect(menAbout_, &QAction::triggered, this, &frmMain::menAbout_Click);
}

void frmMain::buildControls()
{
    auto* central = new QWidget(this);
    setCentralWidget(central);

    Frame1_ = new QGroupBox(QStringLiteral("Entity"), central);
    Frame1_->setObjectName(QStringLiteral("Frame1"));
    listEntity_ = new QListWidget(Frame1_);
    listEntity_->setObjectName(QStringLiteral("listEntity"));
    // Files of a hundred thousand entities must list at once.
    listEntity_->setUniformItemSizes(true);
    cmbAddEnt_ = makeButton(QStringLiteral("cmbAddEnt"), QStringLiteral("Add"), Frame1_);
    cmbDelEnt_ = makeButton(QStringLiteral("cmbDelEnt"), QStringLiteral("Delete"), Frame1_);
    auto* entityButtons = new QHBoxLayout;
    entityButtons->addWidget(cmbAddEnt_);
    entityButtons->addWidget(cmbDelEnt_);
    auto* frame1Layout = new QVBoxLayout(Frame1_);
    frame1Layout->addWidget(listEntity_);
    frame1Layout->addLayout(entityButtons);

    Frame2_ = new QGroupBox(QStringLiteral("Entity Properties"), central);
    Frame2_->setObjectName(QStringLiteral("Frame2"));
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
    auto* lblKey = new QLabel(QStringLiteral("Key:"), Frame2_);
    lblKey->setObjectName(QStringLiteral("lblKey"));
    lblKey->setBuddy(txtKey_);
    auto* lblValue = new QLabel(QStringLiteral("Value:"), Frame2_);
    lblValue->setObjectName(QStringLiteral("lblValue"));
    lblValue->setBuddy(txtValue_);
    lblValue->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    cmbAdd_ = makeButton(QStringLiteral("cmbAdd"), QStringLiteral("Add"), Frame2_);
    cmbDelete_ = makeButton(QStringLiteral("cmbDelete"), QStringLiteral("Del"), Frame2_);
    cmbApply_ = makeButton(QStringLiteral("cmbApply"), QStringLiteral("Apply"), Frame2_);
    cmbClear_ = makeButton(QStringLiteral("cmbClear"), QStringLiteral("Clear"), Frame2_);

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
    auto* frame2Layout = new QVBoxLayout(Frame2_);
    frame2Layout->addWidget(listKey_, 1);
    frame2Layout->addLayout(fields);
    frame2Layout->addLayout(keyButtons);

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
    const QString path = dialogs_.openFile(this, kOpenFilter);
    if (path.isEmpty())
        return;
    openFile(path);
}

void frmMain::openFile(const QString& path)
{
    // Read and list into a fresh table first: a file that cannot be read or
    // listed whole leaves the open one, its lists and its name as they were.
    std::optional<ent::OpenedFile> opened = ent::OpenEntFile(suite::toPath(path));
    if (!opened)
        return;
    Entities_ = std::move(opened->table);
    CurrentFile_ = path;
    SelEntity_ = -1;
    SelKey_ = -1;

    Clear();
    fillEntityList(opened->names);

    for (QWidget* control :
         std::initializer_list<QWidget*>{cmbAdd_, cmbDelete_, cmbApply_, cmbClear_, cmbDelEnt_})
        control->setEnabled(false);
    for (QWidget* control :
         std::initializer_list<QWidget*>{cmbAddEnt_, listEntity_, listKey_, txtKey_, txtValue_})
        control->setEnabled(true);
    menSave_->setEnabled(true);
}

void frmMain::menSave_Click()
{
    if (CurrentFile_.isEmpty())
        return;
    if (saveTo(CurrentFile_, QStringLiteral("Save")))
        dialogs_.message(this, suite::MessageIcon::Information, QStringLiteral("Save"),
                         QStringLiteral("File saved sucessfully"));
}

void frmMain::menSaveAs_Click()
{
    // Before any Open there is no table worth writing.
    if (CurrentFile_.isEmpty())
        return;
    const QString path = dialogs_.saveFile(this, kSaveAsFilter);
    if (path.isEmpty())
        return;
    SaveAsFile_ = path;
    if (saveTo(path, QStringLiteral("Save As")))
        dialogs_.message(this, suite::MessageIcon::Information, QStringLiteral("Save"),
                         QStringLiteral("File saved sucessfully"));
}

bool frmMain::saveTo(const QString& path, const QString& title)
{
    std::string reason;
    if (ent::WriteEntFile(suite::toPath(path), Entities_, &reason))
        return true;
    dialogs_.message(this, suite::MessageIcon::Critical, title,
                     QStringLiteral("The file \"%1\" could not be saved: %2")
                         .arg(path, QString::fromLocal8Bit(reason.c_str())));
    return false;
}

// --- Lists ---

void frmMain::Clear()
{
    const bool wasFilling = filling_;
    filling_ = true;
    listKey_->clear();
    filling_ = wasFilling;
    txtKey_->clear();
    txtValue_->clear();
}

void frmMain::fillEntityList(const std::vector<std::string>& names)
{
    QStringList entries;
    entries.reserve(static_cast<qsizetype>(names.size()));
    for (const std::string& name : names)
        entries.append(display(name));
    filling_ = true;
    listEntity_->clear();
    listEntity_->addItems(entries);
    // Show which record the entity commands act on.
    if (SelEntity_ >= 0 && SelEntity_ < listEntity_->count())
        listEntity_->setCurrentRow(SelEntity_);
    filling_ = false;
}

void frmMain::refillEntityList()
{
    std::vector<std::string> names;
    names.reserve(Entities_.Entities.size());
    for (const ent::EntityRecord& record : Entities_.Entities)
        names.push_back(ent::EntityListName(record.ClassLine).value_or(std::string()));
    fillEntityList(names);
}

void frmMain::fillKeyList()
{
    filling_ = true;
    listKey_->clear();
    if (SelEntity_ >= 0 && tableIndex(SelEntity_) < Entities_.Entities.size()) {
        QStringList entries;
        for (const std::string& line : Entities_.Entities[tableIndex(SelEntity_)].KeyLines)
            entries.append(display(line));
        listKey_->addItems(entries);
        if (SelKey_ >= 0 && SelKey_ < listKey_->count())
            listKey_->setCurrentRow(SelKey_);
    }
    filling_ = false;
}

void frmMain::listEntity_Click(int row)
{
    if (row < 0 || tableIndex(row) >= Entities_.Entities.size())
        return;
    Clear();
    SelEntity_ = row;
    SelKey_ = -1;
    fillKeyList();
    cmbAdd_->setEnabled(true);
    cmbDelEnt_->setEnabled(true);
    cmbApply_->setEnabled(false);
    cmbDelete_->setEnabled(false);
    cmbClear_->setEnabled(false);
}

void frmMain::listKey_Click(int row)
{
    if (row < 0 || tableIndex(SelEntity_) >= Entities_.Entities.size())
        return;
    const ent::EntityRecord& record = Entities_.Entities[tableIndex(SelEntity_)];
    if (tableIndex(row) >= record.KeyLines.size())
        return;
    SelKey_ = row;
    const std::string& line = record.KeyLines[tableIndex(row)];
    if (!line.empty()) {
        const ent::KeyAndValue split = ent::SplitKeyLine(line);
        txtKey_->setText(display(split.key));
        txtValue_->setPlainText(display(split.value));
    }
    cmbApply_->setEnabled(true);
    cmbClear_->setEnabled(true);
    cmbDelete_->setEnabled(true);
}

// --- Key lines ---

QByteArray frmMain::typedKey() const
{
    return suite::toCp1252(txtKey_->text());
}

QByteArray frmMain::typedValue() const
{
    // toPlainText would turn no-break spaces (byte A0, also the tail of some
    // UTF-8 letters) into plain spaces; only the block breaks are line breaks.
    QString text = txtValue_->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return suite::toCp1252(text);
}

void frmMain::warn(const QString& title, const QString& text)
{
    dialogs_.message(this, suite::MessageIcon::Exclamation, title, text);
}

void frmMain::cmbAdd_Click()
{
    const ent::EditResult result =
        ent::AddKeyLine(Entities_, tableIndex(SelEntity_), typedKey().toStdString(),
                        typedValue().toStdString());
    if (result == ent::EditResult::EmptyField)
        return warn(QStringLiteral("Add"), kFieldsMissing);
    if (result == ent::EditResult::LineBreak)
        return warn(QStringLiteral("Add"), kNoLineBreaks);
    if (result != ent::EditResult::Done)
        return;
    fillKeyList();
    txtValue_->clear();
    txtKey_->clear();
}

void frmMain::cmbApply_Click()
{
    const ent::EditResult result =
        ent::ApplyKeyLine(Entities_, tableIndex(SelEntity_), tableIndex(SelKey_),
                          typedKey().toStdString(), typedValue().toStdString());
    if (result == ent::EditResult::EmptyField)
        return warn(QStringLiteral("Apply"), kFieldsMissing);
    if (result == ent::EditResult::LineBreak)
        return warn(QStringLiteral("Apply"), kNoLineBreaks);
    if (result != ent::EditResult::Done)
        return;
    fillKeyList();
    txtValue_->clear();
    txtKey_->clear();
}

void frmMain::cmbDelete_Click()
{
    const ent::EditResult result =
        ent::DeleteKeyLine(Entities_, tableIndex(SelEntity_), tableIndex(SelKey_));
    if (result == ent::EditResult::ClassLineProtected)
        return warn(QStringLiteral("Delete"),
                    QStringLiteral("You can't delete the entity 'classname'"));
    if (result != ent::EditResult::Done)
        return;
    // The position now names the next line, or none: wait for a new click.
    SelKey_ = -1;
    fillKeyList();
    txtValue_->clear();
    txtKey_->clear();
    cmbApply_->setEnabled(false);
    cmbDelete_->setEnabled(false);
}

void frmMain::cmbClear_Click()
{
    txtKey_->clear();
    txtValue_->clear();
}

// --- Entities ---

void frmMain::cmbAddEnt_Click()
{
    frmNewEnt window(Entities_, dialogs_, this);
    if (window.exec() == QDialog::Accepted)
        refillEntityList();
}

void frmMain::cmbDelEnt_Click()
{
    const ent::EditResult result = ent::DeleteEntity(Entities_, tableIndex(SelEntity_));
    if (result == ent::EditResult::OnlyEntity)
        return warn(QStringLiteral("Delete"),
                    QStringLiteral("You can't delete the only entity left"));
    if (result != ent::EditResult::Done)
        return;
    Clear();
    SelEntity_ = -1;
    SelKey_ = -1;
    refillEntityList();
    for (QWidget* control :
         std::initializer_list<QWidget*>{cmbAdd_, cmbDelEnt_, cmbApply_, cmbDelete_})
        control->setEnabled(false);
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
    window.exec();
}
