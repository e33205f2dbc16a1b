#include "ui/main_window.h"

#include "ui/about_dialog.h"

#include "core/aliases.h"
#include "core/settings.h"
#include "core/text_files.h"

#include "common/ui/dialogs.h"
#include "common/ui/qt_translations.h"
#include "common/ui/text.h"

#include <QCloseEvent>
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
    setWindowTitle(QStringLiteral("Aliasmith Alias Manager"));
    buildControls();
    Form_Load();
}

void MainWindow::buildControls()
{
    Frame1_ = named(new QGroupBox(QStringLiteral("Hamachi directory"), this), "Frame1");
    Frame1_->setGeometry(8, 6, 290, 74);
    txtPath_ = named(new QLineEdit(Frame1_), "txtPath");
    txtPath_->setGeometry(10, 38, 232, 24);
    cmbPath_ = named(new QPushButton(QStringLiteral("..."), Frame1_), "cmbPath");
    cmbPath_->setGeometry(248, 37, 32, kButtonHeight);

    Frame2_ = named(new QGroupBox(QStringLiteral("Language"), this), "Frame2");
    Frame2_->setGeometry(306, 6, 206, 74);
    Label4_ = named(new QLabel(QStringLiteral("Select Aliasmith's language:"), Frame2_), "Label4");
    Label4_->setGeometry(10, 20, 190, 16);
    cboLang_ = named(new QComboBox(Frame2_), "cboLang");
    cboLang_->setGeometry(10, 38, 186, 24);

    Frame3_ = named(new QGroupBox(QStringLiteral("Profile"), this), "Frame3");
    Frame3_->setGeometry(8, 86, 504, 90);
    Label2_ = named(new QLabel(QStringLiteral("Select your alias profile:"), Frame3_), "Label2");
    Label2_->setGeometry(10, 24, 280, 16);
    cboProfile_ = named(new QComboBox(Frame3_), "cboProfile");
    cboProfile_->setGeometry(10, 44, 280, 24);
    cmbNew_ = named(new QPushButton(QStringLiteral("New..."), Frame3_), "cmbNew");
    cmbNew_->setGeometry(300, 43, 94, kButtonHeight);
    cmbDelete_ = named(new QPushButton(QStringLiteral("Delete"), Frame3_), "cmbDelete");
    cmbDelete_->setGeometry(400, 43, 94, kButtonHeight);
    // Which profile the rows below belong to, whether they are saved, and
    // which profile Hamachi's alias file holds: none of it shows otherwise.
    lblShown_ = named(new QLabel(Frame3_), "lblShown");
    lblShown_->setGeometry(10, 70, 280, 16);
    lblApplied_ = named(new QLabel(Frame3_), "lblApplied");
    lblApplied_->setGeometry(300, 70, 194, 16);

    fraAlias_ = named(new QGroupBox(QStringLiteral("Aliases"), this), "fraAlias");
    fraAlias_->setGeometry(8, 184, 504, 232);
    Label1_ = named(new QLabel(QStringLiteral("Your Hamachi IP address:"), fraAlias_), "Label1");
    Label1_->setGeometry(10, 28, 170, 16);
    txtIP_ = named(new QLineEdit(fraAlias_), "txtIP");
    txtIP_->setGeometry(184, 24, 160, 24);
    Label3_ = named(new QLabel(QStringLiteral("Add IP:"), fraAlias_), "Label3");
    Label3_->setGeometry(10, 58, 170, 16);
    txtFriend_ = named(new QLineEdit(fraAlias_), "txtFriend");
    txtFriend_->setGeometry(184, 54, 160, 24);
    lstAlias_ = named(new QTreeWidget(fraAlias_), "lstAlias");
    lstAlias_->setGeometry(10, 86, 484, 104);
    lstAlias_->setColumnCount(3);
    lstAlias_->setHeaderLabels(
        {QStringLiteral("Name"), QStringLiteral("Friends IP"), QStringLiteral("Alias")});
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
    cmbAdd_ = named(new QPushButton(QStringLiteral("Add"), this), "cmbAdd");
    cmbAdd_->setGeometry(360, 184 + 53, 100, kButtonHeight);
    cmbDelSel_ = named(new QPushButton(QStringLiteral("Delete Selected"), this), "cmbDelSel");
    cmbDelSel_->setGeometry(18, 184 + 198, 130, kButtonHeight);
    cmbUpdate_ = named(new QPushButton(QStringLiteral("Update Masks"), this), "cmbUpdate");
    cmbUpdate_->setGeometry(156, 184 + 198, 130, kButtonHeight);

    cmbAbout_ = named(new QPushButton(QStringLiteral("About..."), this), "cmbAbout");
    cmbSave_ = named(new QPushButton(QStringLiteral("Save"), this), "cmbSave");
    cmbUse_ = named(new QPushButton(QStringLiteral("Use profile"), this), "cmbUse");
    cmbUnload_ = named(new QPushButton(QStringLiteral("Unload profile"), this), "cmbUnload");
    cmbSave_->setEnabled(false);
    cmbUse_->setEnabled(false);
    cmbUnload_->setEnabled(false);

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

QWidget* MainWindow::captionedWidget(Captioned what) const
{
    switch (what) {
    case Captioned::HamachiDirectoryFrame: return Frame1_;
    case Captioned::LanguageFrame: return Frame2_;
    case Captioned::ProfileFrame: return Frame3_;
    case Captioned::AliasesFrame: return fraAlias_;
    case Captioned::LanguagePrompt: return Label4_;
    case Captioned::ProfilePrompt: return Label2_;
    case Captioned::OwnAddressPrompt: return Label1_;
    case Captioned::FriendAddressPrompt: return Label3_;
    case Captioned::NewProfileButton: return cmbNew_;
    case Captioned::DeleteProfileButton: return cmbDelete_;
    case Captioned::DeleteRowButton: return cmbDelSel_;
    case Captioned::RenumberButton: return cmbUpdate_;
    case Captioned::AddRowButton: return cmbAdd_;
    case Captioned::AboutButton: return cmbAbout_;
    case Captioned::UnloadButton: return cmbUnload_;
    case Captioned::UseButton: return cmbUse_;
    case Captioned::SaveButton: return cmbSave_;
    }
    return nullptr;
}

void MainWindow::CarregarIdioma(const QString& languageName)
{
    const Language shown =
        languageName == QStringLiteral("English") ? Language::English : Language::Portuguese;
    suite::useQtTranslations(shown == Language::English ? QLocale(QLocale::English)
                                                        : QLocale(QLocale::Portuguese));
    for (const Caption& caption : captionTable()) {
        QWidget* widget = captionedWidget(caption.what);
        if (auto* frame = qobject_cast<QGroupBox*>(widget))
            frame->setTitle(qs(caption.in(shown)));
        else if (auto* label = qobject_cast<QLabel*>(widget))
            label->setText(qs(caption.in(shown)));
        else if (auto* button = qobject_cast<QPushButton*>(widget))
            button->setText(qs(caption.in(shown)));
    }
    const auto headings = columnHeadings(shown);
    lstAlias_->setHeaderLabels({qs(headings[0]), qs(headings[1]), qs(headings[2])});
}

void MainWindow::changeLanguage(Language language)
{
    CarregarIdioma(qs(languageName(language)));
    language_ = language;
    showProfileState();
}

void MainWindow::Form_Load()
{
    GoUp();
    cboLang_->addItem(qs(languageName(Language::English)));
    cboLang_->addItem(qs(languageName(Language::Portuguese)));
    cboLang_->setCurrentIndex(0);
    cboLang_Click(0);
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
        report(settingsNotWritten(language_, utf8FromPath(store_.settingsPath()), why(failure)));
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
        report(profileNotRead(language_, utf8FromPath(path), why(failure)));
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
    const MessageText question = unsavedChangesQuestion(language_, action, shown_.name());
    return dialogs_.questionDefaultNo(this, suite::MessageIcon::Question, qs(question.title),
                                      qs(question.text));
}

void MainWindow::cmbNew_Click()
{
    const Messages& text = messages(language_);
    const auto answer = dialogs_.input(this, qs(text.newProfileTitle), qs(text.newProfilePrompt));
    if (!answer)
        return;
    const std::string name = utf8(*answer);
    switch (checkProfileName(name)) {
    case NameCheck::Empty:
        dialogs_.message(this, suite::MessageIcon::Critical, qs(text.emptyNameTitle),
                         qs(text.emptyNameText));
        return;
    case NameCheck::NotAFileName: report(badProfileName(language_, name)); return;
    case NameCheck::TooLong: report(profileNameTooLong(language_, name)); return;
    case NameCheck::Ok: break;
    }

    if (store_.exists(name)) {
        const MessageText question = replaceProfileQuestion(language_, name);
        if (!dialogs_.questionDefaultNo(this, suite::MessageIcon::Question, qs(question.title),
                                        qs(question.text)))
            return;
    }
    // Asked only once the new profile can be made, so that a refused name
    // leaves no answer behind that the close would have to ask again.
    if (!mayDropUnsavedChanges(UnsavedAction::NewProfile))
        return;
    FileFailure failure;
    if (!store_.write(name, {}, &failure)) {
        report(profileNotWritten(language_, utf8FromPath(store_.pathOf(name)), why(failure)));
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
        report(
            profileNotWritten(language_, utf8FromPath(store_.pathOf(shown_.name())), why(failure)));
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
        report(
            profileNotDeleted(language_, utf8FromPath(store_.pathOf(shown_.name())), why(failure)));
        return;
    }
    ListProfiles();
    clearProfile();
}

void MainWindow::cmbPath_Click()
{
    const QString chosen =
        dialogs_.chooseFolder(this, qs(messages(language_).folderChooserTitle)).trimmed();
    // Cancelling keeps the directory the user had set.
    if (!chosen.isEmpty())
        txtPath_->setText(QDir::toNativeSeparators(chosen));
}

void MainWindow::refuse(ShownProfile::Refusal refusal, const std::string& field)
{
    const Messages& text = messages(language_);
    switch (refusal) {
    case ShownProfile::Refusal::None:
    case ShownProfile::Refusal::NoSuchRow: return;
    case ShownProfile::Refusal::InvalidIp:
        dialogs_.message(this, suite::MessageIcon::Critical, qs(text.invalidIpTitle),
                         qs(text.invalidIpText));
        return;
    case ShownProfile::Refusal::YourIpInvalid:
        dialogs_.message(this, suite::MessageIcon::Critical, qs(text.invalidIpTitle),
                         qs(text.yourIpInvalidText));
        return;
    case ShownProfile::Refusal::BadOwnAddress:
    case ShownProfile::Refusal::BadFriendAddress: report(addressRefused(language_, field)); return;
    case ShownProfile::Refusal::NoAliasLeft: report(noAliasLeft(language_)); return;
    case ShownProfile::Refusal::BadNick: report(nickRefused(language_, field)); return;
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
        const MessageText question = saveBeforeUseQuestion(language_, shown_.name());
        if (!dialogs_.questionDefaultNo(this, suite::MessageIcon::Question, qs(question.title),
                                        qs(question.text)) ||
            !saveShownProfile())
            return;
    }
    const std::string name = shown_.name();
    FileFailure failure;
    const auto saved = store_.read(name, &failure);
    if (!saved) {
        report(profileNotRead(language_, utf8FromPath(store_.pathOf(name)), why(failure)));
        return;
    }
    FileFailure recordFailure;
    switch (applyProfile(store_, directory, name, saved->rows, &failure, &recordFailure)) {
    case ApplyOutcome::RowsNotWritable: report(rowsNotWritable(language_)); return;
    case ApplyOutcome::NotWritten: report(invalidDirectory(language_, why(failure))); return;
    case ApplyOutcome::Written: break;
    }
    appliedProfile_ = name;
    showProfileState();
    if (recordFailure.code || !recordFailure.systemText.empty())
        reportRecordFailure(recordFailure);
    const MessageText done = profileInUse(language_, name);
    dialogs_.message(this, suite::MessageIcon::Information, qs(done.title), qs(done.text));
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
        report(aliasesNotDeleted(language_, utf8FromPath(path), why(failure)));
        return;
    case UnloadOutcome::NotOurs: {
        const MessageText kept = aliasesNotOurs(language_, utf8FromPath(path));
        dialogs_.message(this, suite::MessageIcon::Information, qs(kept.title), qs(kept.text));
        return;
    }
    case UnloadOutcome::Removed: break;
    }
    const Messages& text = messages(language_);
    dialogs_.message(this, suite::MessageIcon::Information, qs(text.unloadedTitle),
                     qs(text.unloadedText));
}

void MainWindow::cmbAbout_Click()
{
    AboutDialog about(language_, this);
    about.exec();
}

void MainWindow::reportRecordFailure(const FileFailure& failure)
{
    report(appliedProfileNotRecorded(language_, utf8FromPath(store_.appliedProfilePath()),
                                     why(failure)));
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
    lblShown_->setText(
        qs(shownProfileStatus(language_, shown_.name(), shown_.hasUnsavedChanges())));
    lblShown_->setToolTip(lblShown_->text());
    lblApplied_->setText(qs(appliedProfileStatus(language_, appliedProfile_)));
    lblApplied_->setToolTip(lblApplied_->text());
}

std::string MainWindow::why(const FileFailure& failure) const
{
    return reasonText(language_, failure.code, failure.systemText);
}

void MainWindow::report(const MessageText& message)
{
    dialogs_.message(this, suite::MessageIcon::Critical, qs(message.title), qs(message.text));
}

} // namespace aliasmith
