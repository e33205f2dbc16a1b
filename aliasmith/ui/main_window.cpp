#include "aliasmith/ui/main_window.h"

#include "aliasmith/ui/about_dialog.h"

#include "aliasmith/ui/texts.h"

#include "aliasmith/core/aliases.h"
#include "aliasmith/core/settings.h"
#include "aliasmith/core/text_files.h"

#include "common/ui/dialogs.h"
#include "common/ui/language.h"
#include "common/ui/text.h"

#include <array>

#include <QCloseEvent>
#include <QEvent>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QTreeWidget>

namespace aliasmith {
namespace {

constexpr int kWindowWidth = 520;
constexpr int kButtonHeight = 26;

QString qs(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string utf8(const QString& text)
{
    return text.toStdString();
}

// Only the nick is the user's to edit; addresses come from "Add" and
// "Update masks".
class NickOnlyDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override
    {
        if (index.column() != 0)
            return nullptr;
        return QStyledItemDelegate::createEditor(parent, option, index);
    }
};

// The captions CarregarIdioma sets, by control: frames, labels and buttons.
struct Caption {
    const char* control;
    const char* text;
};

constexpr std::array<Caption, 17> kCaptions{{
    {"Frame1", QT_TRANSLATE_NOOP("aliasmith::MainWindow", "Hamachi directory")},
    {"Frame2", QT_TRANSLATE_NOOP("aliasmith::MainWindow", "Language")},
    {"Frame3", QT_TRANSLATE_NOOP("aliasmith::MainWindow", "Profile")},
    {"fraAlias", QT_TRANSLATE_NOOP("aliasmith::MainWindow", "Aliases")},
    {"Label4", QT_TRANSLATE_NOOP("aliasmith::MainWindow", "Select Aliasmith's language:")},
    {"Label2", QT_TRANSLATE_NOOP("aliasmith::MainWindow", "Select your alias profile:")},
    {"Label1", QT_TRANSLATE_NOOP("aliasmith::MainWindow", "Your Hamachi IP address:")},
    {"Label3", QT_TRANSLATE_NOOP("aliasmith::MainWindow", "Add IP:")},
    {"cmbNew", QT_TRANSLATE_NOOP("aliasmith::MainWindow", "New...")},
    {"cmbDelete", QT_TRANSLATE_NOOP("aliasmith::MainWindow", "Delete")},
    {"cmbDelSel", QT_TRANSLATE_NOOP("aliasmith::MainWindow", "Delete selected")},
    {"cmbUpdate", QT_TRANSLATE_NOOP("aliasmith::MainWindow", "Update masks")},
    {"cmbAdd", QT_TRANSLATE_NOOP("aliasmith::MainWindow", "Add")},
    {"cmbAbout", QT_TRANSLATE_NOOP("aliasmith::MainWindow", "About...")},
    {"cmbUnload", QT_TRANSLATE_NOOP("aliasmith::MainWindow", "Unload profile")},
    {"cmbUse", QT_TRANSLATE_NOOP("aliasmith::MainWindow", "Use profile")},
    {"cmbSave", QT_TRANSLATE_NOOP("aliasmith::MainWindow", "Save")},
}};

// The alias list's headings: nick, true IP, alias.
constexpr std::array<const char*, 3> kHeadings{
    QT_TRANSLATE_NOOP("aliasmith::MainWindow", "Nick"),
    QT_TRANSLATE_NOOP("aliasmith::MainWindow", "True IP"),
    QT_TRANSLATE_NOOP("aliasmith::MainWindow", "Alias"),
};

template <typename T>
T* named(T* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

MainWindow::MainWindow(const QString& programDir, suite::Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), dialogs_(dialogs), store_(suite::toPath(programDir))
{
    setObjectName(QStringLiteral("frmMain"));
    buildControls();
    Form_Load();
}

void MainWindow::buildControls()
{
    Frame1_ = named(new QGroupBox(QString(), this), "Frame1");
    Frame1_->setGeometry(8, 6, 290, 74);
    txtPath_ = named(new QLineEdit(Frame1_), "txtPath");
    txtPath_->setGeometry(10, 38, 232, 24);
    cmbPath_ = named(new QPushButton(QStringLiteral("..."), Frame1_), "cmbPath");
    cmbPath_->setGeometry(248, 37, 32, kButtonHeight);

    Frame2_ = named(new QGroupBox(QString(), this), "Frame2");
    Frame2_->setGeometry(306, 6, 206, 74);
    Label4_ = named(new QLabel(QString(), Frame2_), "Label4");
    Label4_->setGeometry(10, 20, 190, 16);
    cboLang_ = named(new QComboBox(Frame2_), "cboLang");
    cboLang_->setGeometry(10, 38, 186, 24);

    Frame3_ = named(new QGroupBox(QString(), this), "Frame3");
    Frame3_->setGeometry(8, 86, 504, 90);
    Label2_ = named(new QLabel(QString(), Frame3_), "Label2");
    Label2_->setGeometry(10, 24, 280, 16);
    cboProfile_ = named(new QComboBox(Frame3_), "cboProfile");
    cboProfile_->setGeometry(10, 44, 280, 24);
    cmbNew_ = named(new QPushButton(QString(), Frame3_), "cmbNew");
    cmbNew_->setGeometry(300, 43, 94, kButtonHeight);
    cmbDelete_ = named(new QPushButton(QString(), Frame3_), "cmbDelete");
    cmbDelete_->setGeometry(400, 43, 94, kButtonHeight);
    // Which profile the rows below belong to, whether they are saved, and
    // which profile Hamachi's alias file holds: none of it shows otherwise.
    lblShown_ = named(new QLabel(Frame3_), "lblShown");
    lblShown_->setGeometry(10, 70, 280, 16);
    lblApplied_ = named(new QLabel(Frame3_), "lblApplied");
    lblApplied_->setGeometry(300, 70, 194, 16);

    fraAlias_ = named(new QGroupBox(QString(), this), "fraAlias");
    fraAlias_->setGeometry(8, 184, 504, 232);
    Label1_ = named(new QLabel(QString(), fraAlias_), "Label1");
    Label1_->setGeometry(10, 28, 170, 16);
    txtIP_ = named(new QLineEdit(fraAlias_), "txtIP");
    txtIP_->setGeometry(184, 24, 160, 24);
    Label3_ = named(new QLabel(QString(), fraAlias_), "Label3");
    Label3_->setGeometry(10, 58, 170, 16);
    txtFriend_ = named(new QLineEdit(fraAlias_), "txtFriend");
    txtFriend_->setGeometry(184, 54, 160, 24);
    lstAlias_ = named(new QTreeWidget(fraAlias_), "lstAlias");
    lstAlias_->setGeometry(10, 86, 484, 104);
    lstAlias_->setColumnCount(3);
    lstAlias_->setRootIsDecorated(false);
    lstAlias_->setUniformRowHeights(true);
    lstAlias_->setSelectionMode(QAbstractItemView::SingleSelection);
    lstAlias_->setSelectionBehavior(QAbstractItemView::SelectRows);
    lstAlias_->setEditTriggers(QAbstractItemView::DoubleClicked |
                               QAbstractItemView::EditKeyPressed |
                               QAbstractItemView::SelectedClicked);
    lstAlias_->setItemDelegate(new NickOnlyDelegate(lstAlias_));
    lstAlias_->header()->setStretchLastSection(true);
    lstAlias_->setColumnWidth(0, 160);
    lstAlias_->setColumnWidth(1, 160);

    // The row buttons belong to the window, not to the frame, and are
    // hidden and shown with it.
    cmbAdd_ = named(new QPushButton(QString(), this), "cmbAdd");
    cmbAdd_->setGeometry(360, 184 + 53, 100, kButtonHeight);
    cmbDelSel_ = named(new QPushButton(QString(), this), "cmbDelSel");
    cmbDelSel_->setGeometry(18, 184 + 198, 130, kButtonHeight);
    cmbUpdate_ = named(new QPushButton(QString(), this), "cmbUpdate");
    cmbUpdate_->setGeometry(156, 184 + 198, 130, kButtonHeight);

    cmbAbout_ = named(new QPushButton(QString(), this), "cmbAbout");
    cmbSave_ = named(new QPushButton(QString(), this), "cmbSave");
    cmbUse_ = named(new QPushButton(QString(), this), "cmbUse");
    cmbUnload_ = named(new QPushButton(QString(), this), "cmbUnload");
    cmbSave_->setEnabled(false);
    cmbUse_->setEnabled(false);
    cmbUnload_->setEnabled(false);

    // The labels name the boxes beside them for a screen reader.
    Label4_->setBuddy(cboLang_);
    Label2_->setBuddy(cboProfile_);
    Label1_->setBuddy(txtIP_);
    Label3_->setBuddy(txtFriend_);
    // Reading order: the row buttons sit beside and below the boxes they
    // act on, not after everything else as they were made.
    QWidget* const order[] = {txtPath_,  cmbPath_,   cboLang_, cboProfile_, cmbNew_,    cmbDelete_,
                              txtIP_,    txtFriend_, cmbAdd_,  lstAlias_,   cmbDelSel_, cmbUpdate_,
                              cmbAbout_, cmbSave_,   cmbUse_,  cmbUnload_};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(cmbPath_, &QPushButton::clicked, this, &MainWindow::cmbPath_Click);
    connect(cboProfile_, &QComboBox::currentIndexChanged, this, &MainWindow::cboProfile_Click);
    connect(cmbNew_, &QPushButton::clicked, this, &MainWindow::cmbNew_Click);
    connect(cmbDelete_, &QPushButton::clicked, this, &MainWindow::cmbDelete_Click);
    connect(txtIP_, &QLineEdit::textChanged, this, &MainWindow::txtIP_Change);
    connect(lstAlias_, &QTreeWidget::itemChanged, this, &MainWindow::lstAlias_ItemChanged);
    connect(cmbAdd_, &QPushButton::clicked, this, &MainWindow::cmbAdd_Click);
    connect(cmbDelSel_, &QPushButton::clicked, this, &MainWindow::cmbDelSel_Click);
    connect(cmbUpdate_, &QPushButton::clicked, this, &MainWindow::cmbUpdate_Click);
    connect(cmbSave_, &QPushButton::clicked, this, &MainWindow::cmbSave_Click);
    connect(cmbUse_, &QPushButton::clicked, this, &MainWindow::cmbUse_Click);
    connect(cmbUnload_, &QPushButton::clicked, this, &MainWindow::cmbUnload_Click);
    connect(cmbAbout_, &QPushButton::clicked, this, &MainWindow::cmbAbout_Click);
}

void MainWindow::GoUp()
{
    fraAlias_->hide();
    cmbAdd_->hide();
    cmbDelSel_->hide();
    cmbUpdate_->hide();
    setFixedSize(kWindowWidth, kCompactHeight);
    cmbAbout_->setGeometry(8, kCompactButtonTop, 100, kButtonHeight);
    cmbSave_->setGeometry(196, kCompactButtonTop, 100, kButtonHeight);
    cmbUse_->setGeometry(304, kCompactButtonTop, 100, kButtonHeight);
    cmbUnload_->setGeometry(412, kCompactButtonTop, 100, kButtonHeight);
}

void MainWindow::GoDown()
{
    setFixedSize(kWindowWidth, kFullHeight);
    cmbAbout_->setGeometry(8, kFullButtonTop, 100, kButtonHeight);
    cmbSave_->setGeometry(196, kFullButtonTop, 100, kButtonHeight);
    cmbUse_->setGeometry(304, kFullButtonTop, 100, kButtonHeight);
    cmbUnload_->setGeometry(412, kFullButtonTop, 100, kButtonHeight);
    fraAlias_->show();
    cmbAdd_->show();
    cmbDelSel_->show();
    cmbUpdate_->show();
}

void MainWindow::CarregarIdioma(const QString& languageName)
{
    // "English" exactly, or Portuguese for any other name.
    suite::switchLanguage(languageName == QStringLiteral("English") ? suite::kEnglish
                                                                    : suite::kPortuguese);
    retranslate();
}

void MainWindow::retranslate()
{
    setWindowTitle(tr("Aliasmith Alias Manager"));
    for (const Caption& caption : kCaptions) {
        QWidget* widget = findChild<QWidget*>(QLatin1String(caption.control));
        const QString text = tr(caption.text);
        if (auto* frame = qobject_cast<QGroupBox*>(widget))
            frame->setTitle(text);
        else if (auto* label = qobject_cast<QLabel*>(widget))
            label->setText(text);
        else if (auto* button = qobject_cast<QPushButton*>(widget))
            button->setText(text);
    }
    lstAlias_->setHeaderLabels({tr(kHeadings[0]), tr(kHeadings[1]), tr(kHeadings[2])});
    describeControls();
    showProfileState();
}

void MainWindow::describeControls()
{
    txtPath_->setAccessibleName(tr("Hamachi directory"));
    cmbPath_->setAccessibleName(tr("Choose the Hamachi directory"));
    cmbPath_->setToolTip(cmbPath_->accessibleName());
    cboLang_->setAccessibleName(Label4_->text());
    cboProfile_->setAccessibleName(Label2_->text());
    txtIP_->setAccessibleName(Label1_->text());
    txtFriend_->setAccessibleName(Label3_->text());
    lstAlias_->setAccessibleName(tr("Aliases"));
    lstAlias_->setAccessibleDescription(
        tr("One row per friend: nick, true IP and alias. Press F2 to rename the nick."));
}

void MainWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange && lstAlias_)
        retranslate();
    QWidget::changeEvent(event);
}

void MainWindow::changeLanguage(Language language)
{
    CarregarIdioma(qs(languageName(language)));
    language_ = language;
}

void MainWindow::chooseLanguage(Language language)
{
    cboLang_->setCurrentIndex(language == Language::English ? 0 : 1);
}

void MainWindow::Form_Load()
{
    GoUp();
    cboLang_->addItem(qs(languageName(Language::English)));
    cboLang_->addItem(qs(languageName(Language::Portuguese)));
    // A first start speaks the desktop's language; am.ini, read next, wins.
    const int first = suite::currentLanguage() == suite::kPortuguese ? 1 : 0;
    cboLang_->setCurrentIndex(first);
    cboLang_Click(first);
    connect(cboLang_, &QComboBox::currentIndexChanged, this, &MainWindow::cboLang_Click);

    // A missing or unreadable am.ini leaves the defaults, as on a first start.
    if (const auto settings = store_.readSettings()) {
        txtPath_->setText(qs(settings->hamachiDirectory));
        cboLang_->setCurrentIndex(settings->language == Language::English ? 0 : 1);
    }
    appliedProfile_ = store_.readAppliedProfile().name;
    ListProfiles();
    showProfileState();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!mayDropUnsavedChanges(UnsavedAction::Close)) {
        event->ignore();
        return;
    }
    Form_Unload();
    event->accept();
}

void MainWindow::Form_Unload()
{
    Settings settings;
    settings.hamachiDirectory = utf8(txtPath_->text());
    settings.language = language_;
    FileFailure failure;
    if (!store_.writeSettings(settings, &failure))
        report(settingsNotWritten(utf8FromPath(store_.settingsPath()), why(failure)));
}

void MainWindow::cboLang_Click(int index)
{
    if (index < 0)
        return;
    const QString name = cboLang_->itemText(index);
    changeLanguage(languageFromName(utf8(name)).value_or(Language::English));
}

void MainWindow::ListProfiles()
{
    const QSignalBlocker blocker(cboProfile_);
    cboProfile_->clear();
    for (const auto& name : store_.list())
        cboProfile_->addItem(qs(name));
    // Refilling leaves no profile selected, like a fresh list.
    cboProfile_->setCurrentIndex(-1);
}

void MainWindow::cboProfile_Click(int index)
{
    if (index < 0)
        return;
    const QString name = cboProfile_->itemText(index);
    if (name.isEmpty())
        return;
    if (!mayDropUnsavedChanges(UnsavedAction::SwitchProfile)) {
        // Keep the list on the profile whose rows are still shown.
        const QSignalBlocker blocker(cboProfile_);
        cboProfile_->setCurrentIndex(
            cboProfile_->findText(qs(shown_.name()), Qt::MatchExactly | Qt::MatchCaseSensitive));
        return;
    }
    loadProfile(name);
}

bool MainWindow::loadProfile(const QString& name)
{
    const auto path = store_.pathOf(utf8(name));
    FileFailure failure;
    const auto profile = store_.read(utf8(name), &failure);
    if (!profile) {
        // The file went away (or was never a file) since the list was built:
        // show the list as the folder now is, with nothing selected.
        report(profileNotRead(utf8FromPath(path), why(failure)));
        ListProfiles();
        clearProfile();
        return false;
    }
    shown_.show(utf8(name), path, *profile);
    {
        const QSignalBlocker blocker(txtIP_);
        txtIP_->setText(qs(shown_.profile().ownAddress));
    }
    showRows();
    cmbSave_->setEnabled(true);
    cmbUse_->setEnabled(true);
    cmbUnload_->setEnabled(true);
    GoDown();
    showProfileState();
    return true;
}

void MainWindow::clearProfile()
{
    shown_.clear();
    {
        const QSignalBlocker blocker(txtIP_);
        txtIP_->clear();
    }
    showRows();
    txtFriend_->clear();
    cmbSave_->setEnabled(false);
    cmbUse_->setEnabled(false);
    cmbUnload_->setEnabled(false);
    GoUp();
    showProfileState();
}

void MainWindow::selectProfile(const QString& name)
{
    int index = cboProfile_->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0) // a file system that ignores case may list it spelled otherwise
        index = cboProfile_->findText(name, Qt::MatchFixedString);
    if (index < 0) {
        const QSignalBlocker blocker(cboProfile_);
        const int current = cboProfile_->currentIndex();
        cboProfile_->addItem(name);
        cboProfile_->setCurrentIndex(current);
        index = cboProfile_->count() - 1;
    }
    if (index == cboProfile_->currentIndex())
        cboProfile_Click(index);
    else
        cboProfile_->setCurrentIndex(index);
}

bool MainWindow::mayDropUnsavedChanges(UnsavedAction action)
{
    if (!shown_.hasUnsavedChanges())
        return true;
    const MessageText question = unsavedChangesQuestion(action, shown_.name());
    return dialogs_.questionDefaultNo(this, suite::MessageIcon::Question, question.title,
                                      question.text);
}

void MainWindow::cmbNew_Click()
{
    const MessageText prompt = newProfilePrompt();
    const auto answer = dialogs_.input(this, prompt.title, prompt.text);
    if (!answer)
        return;
    const std::string name = utf8(*answer);
    switch (checkProfileName(name)) {
    case NameCheck::Empty: report(emptyName()); return;
    case NameCheck::NotAFileName: report(badProfileName(name)); return;
    case NameCheck::TooLong: report(profileNameTooLong(name)); return;
    case NameCheck::Ok: break;
    }

    if (store_.exists(name)) {
        const MessageText question = replaceProfileQuestion(name);
        if (!dialogs_.questionDefaultNo(this, suite::MessageIcon::Question, question.title,
                                        question.text))
            return;
    }
    // Asked only once the new profile can be made, so that a refused name
    // leaves no answer behind that the close would have to ask again.
    if (!mayDropUnsavedChanges(UnsavedAction::NewProfile))
        return;
    FileFailure failure;
    if (!store_.write(name, {}, &failure)) {
        report(profileNotWritten(utf8FromPath(store_.pathOf(name)), why(failure)));
        return;
    }
    // The user agreed to drop what was shown; the new profile loads next.
    shown_.clear();
    txtFriend_->clear();
    cmbSave_->setEnabled(true);
    cmbUse_->setEnabled(true);
    cmbUnload_->setEnabled(true);
    selectProfile(*answer);
}

void MainWindow::cmbSave_Click()
{
    saveShownProfile();
}

bool MainWindow::saveShownProfile()
{
    if (!shown_.isShown())
        return false;
    const ShownProfile::Refusal refusal = shown_.prepareToSave();
    if (refusal != ShownProfile::Refusal::None) {
        refuse(refusal, shown_.ownAddress());
        return false;
    }
    const QString name = qs(shown_.name());
    FileFailure failure;
    if (!store_.write(shown_.name(), shown_.profile(), &failure)) {
        // Keep the rows on screen: reloading now would throw the edits away.
        report(profileNotWritten(utf8FromPath(store_.pathOf(shown_.name())), why(failure)));
        showProfileState();
        return false;
    }
    shown_.markSaved();
    ListProfiles();
    selectProfile(name);
    return true;
}

void MainWindow::cmbDelete_Click()
{
    if (!shown_.isShown())
        return;
    if (!mayDropUnsavedChanges(UnsavedAction::DeleteProfile))
        return;
    FileFailure failure;
    if (!store_.remove(shown_.name(), &failure)) {
        report(profileNotDeleted(utf8FromPath(store_.pathOf(shown_.name())), why(failure)));
        return;
    }
    ListProfiles();
    clearProfile();
}

void MainWindow::cmbPath_Click()
{
    const QString chosen = dialogs_.chooseFolder(this, folderChooserTitle()).trimmed();
    // Cancelling keeps the directory the user had set.
    if (!chosen.isEmpty())
        txtPath_->setText(QDir::toNativeSeparators(chosen));
}

void MainWindow::refuse(ShownProfile::Refusal refusal, const std::string& field)
{
    switch (refusal) {
    case ShownProfile::Refusal::None:
    case ShownProfile::Refusal::NoSuchRow: return;
    case ShownProfile::Refusal::InvalidIp: report(invalidIp()); return;
    case ShownProfile::Refusal::YourIpInvalid: report(yourIpInvalid()); return;
    case ShownProfile::Refusal::BadOwnAddress:
    case ShownProfile::Refusal::BadFriendAddress: report(addressRefused(field)); return;
    case ShownProfile::Refusal::NoAliasLeft: report(noAliasLeft()); return;
    case ShownProfile::Refusal::BadNick: report(nickRefused(field)); return;
    }
}

void MainWindow::cmbAdd_Click()
{
    const std::string friendAddress = utf8(txtFriend_->text());
    const ShownProfile::Refusal refusal = shown_.addRow(friendAddress);
    if (refusal != ShownProfile::Refusal::None) {
        refuse(refusal, refusal == ShownProfile::Refusal::BadFriendAddress
                            ? trimBlanks(friendAddress)
                            : shown_.ownAddress());
        return;
    }
    showRows();
    showProfileState();
}

void MainWindow::cmbDelSel_Click()
{
    const auto selected = lstAlias_->selectedItems();
    if (selected.isEmpty())
        return;
    const int index = lstAlias_->indexOfTopLevelItem(selected.first());
    if (index < 0 ||
        shown_.deleteRow(static_cast<std::size_t>(index)) != ShownProfile::Refusal::None)
        return;
    showRows();
    showProfileState();
}

void MainWindow::cmbUpdate_Click()
{
    const ShownProfile::Refusal refusal = shown_.renumber();
    if (refusal != ShownProfile::Refusal::None) {
        refuse(refusal, shown_.ownAddress());
        return;
    }
    showRows();
    showProfileState();
}

void MainWindow::txtIP_Change(const QString& text)
{
    if (!shown_.isShown())
        return;
    shown_.setOwnAddress(utf8(text));
    showProfileState();
}

void MainWindow::lstAlias_ItemChanged(QTreeWidgetItem* item, int column)
{
    if (column != 0)
        return;
    const int index = lstAlias_->indexOfTopLevelItem(item);
    if (index < 0)
        return;
    const std::string nick = utf8(item->text(0));
    if (shown_.setNick(static_cast<std::size_t>(index), nick) != ShownProfile::Refusal::None) {
        // Put back the nick the row still holds before saying why.
        {
            const QSignalBlocker blocker(lstAlias_);
            const auto& rows = shown_.profile().rows;
            if (static_cast<std::size_t>(index) < rows.size())
                item->setText(0, qs(rows[static_cast<std::size_t>(index)].nick));
        }
        refuse(ShownProfile::Refusal::BadNick, nick);
        return;
    }
    showProfileState();
}

void MainWindow::cmbUse_Click()
{
    const std::string directory = utf8(txtPath_->text());
    if (directory.empty() || !shown_.isShown())
        return;
    // Hamachi gets the profile as saved, after the checks "Save" makes.
    if (shown_.hasUnsavedChanges()) {
        const MessageText question = saveBeforeUseQuestion(shown_.name());
        if (!dialogs_.questionDefaultNo(this, suite::MessageIcon::Question, question.title,
                                        question.text) ||
            !saveShownProfile())
            return;
    }
    const std::string name = shown_.name();
    FileFailure failure;
    const auto saved = store_.read(name, &failure);
    if (!saved) {
        report(profileNotRead(utf8FromPath(store_.pathOf(name)), why(failure)));
        return;
    }
    FileFailure recordFailure;
    switch (applyProfile(store_, directory, name, saved->rows, &failure, &recordFailure)) {
    case ApplyOutcome::RowsNotWritable: report(rowsNotWritable()); return;
    case ApplyOutcome::NotWritten: report(invalidDirectory(why(failure))); return;
    case ApplyOutcome::Written: break;
    }
    appliedProfile_ = name;
    showProfileState();
    if (recordFailure.code || !recordFailure.systemText.empty())
        reportRecordFailure(recordFailure);
    const MessageText done = profileInUse(name);
    dialogs_.message(this, suite::MessageIcon::Information, done.title, done.text);
}

void MainWindow::cmbUnload_Click()
{
    const std::string directory = utf8(txtPath_->text());
    if (directory.empty())
        return;
    const auto path = aliasesFilePath(directory);
    if (aliasesFileExists(directory) && !mayDropUnsavedChanges(UnsavedAction::Unload))
        return;
    FileFailure failure;
    FileFailure recordFailure;
    const UnloadOutcome outcome = unloadProfile(store_, directory, &failure, &recordFailure);
    appliedProfile_ = store_.readAppliedProfile().name;
    showProfileState();
    if (recordFailure.code || !recordFailure.systemText.empty())
        reportRecordFailure(recordFailure);
    switch (outcome) {
    case UnloadOutcome::NoFile: return;
    case UnloadOutcome::NotRemoved:
        report(aliasesNotDeleted(utf8FromPath(path), why(failure)));
        return;
    case UnloadOutcome::NotOurs: {
        const MessageText kept = aliasesNotOurs(utf8FromPath(path));
        dialogs_.message(this, suite::MessageIcon::Information, kept.title, kept.text);
        return;
    }
    case UnloadOutcome::Removed: break;
    }
    const MessageText done = unloaded();
    dialogs_.message(this, suite::MessageIcon::Information, done.title, done.text);
}

void MainWindow::cmbAbout_Click()
{
    AboutDialog about(this);
    about.exec();
}

void MainWindow::reportRecordFailure(const FileFailure& failure)
{
    report(appliedProfileNotRecorded(utf8FromPath(store_.appliedProfilePath()), why(failure)));
}

void MainWindow::showRows()
{
    const QSignalBlocker blocker(lstAlias_);
    lstAlias_->clear();
    for (const auto& row : shown_.profile().rows) {
        auto* item = new QTreeWidgetItem(lstAlias_, {qs(row.nick), qs(row.trueIp), qs(row.alias)});
        item->setFlags(item->flags() | Qt::ItemIsEditable);
    }
    cmbDelSel_->setEnabled(!shown_.profile().rows.empty());
}

void MainWindow::showProfileState()
{
    if (!lblShown_)
        return;
    // A long name runs past the label's edge; the tip shows it whole.
    lblShown_->setText(shownProfileStatus(shown_.name(), shown_.hasUnsavedChanges()));
    lblShown_->setToolTip(lblShown_->text());
    lblApplied_->setText(appliedProfileStatus(appliedProfile_));
    lblApplied_->setToolTip(lblApplied_->text());
}

QString MainWindow::why(const FileFailure& failure) const
{
    return reasonText(failure.code, failure.systemText);
}

void MainWindow::report(const MessageText& message)
{
    dialogs_.message(this, suite::MessageIcon::Critical, message.title, message.text);
}

} // namespace aliasmith
