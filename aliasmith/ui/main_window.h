#pragma once

#include "aliasmith/core/file_store.h"
#include "aliasmith/core/language.h"
#include "aliasmith/core/profile_store.h"
#include "aliasmith/core/shown_profile.h"
#include "aliasmith/ui/texts.h"

#include <QString>
#include <QWidget>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace suite {
class Dialogs;
}

namespace aliasmith {

// frmMain: the profile list, the alias list of the selected profile, and
// the buttons that write it into Hamachi's directory.
class MainWindow : public QWidget {
    Q_OBJECT

public:
    MainWindow(const QString& programDir, suite::Dialogs& dialogs, QWidget* parent = nullptr);

    Language language() const { return language_; }

    // The one place the language changes: the captions, the status lines,
    // and the value every later message reads.
    void changeLanguage(Language language);
    // As if the user picked it in the language box (--lang).
    void chooseLanguage(Language language);

    // The profile shown, as the window edits it.
    const ShownProfile& shownProfile() const { return shown_; }

    // Window heights and the top edge of the bottom buttons in the two
    // layouts, in pixels. The heights 3720 and 7260 twips are those of the
    // whole window; Qt sizes the inside, so the caption and borders of a
    // fixed window (about 30 pixels) come off.
    static constexpr int kCompactHeight = 3720 / 15 - 30;
    static constexpr int kFullHeight = 7260 / 15 - 30;
    static constexpr int kCompactButtonTop = 2820 / 15;
    static constexpr int kFullButtonTop = 6360 / 15;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildControls();
    void GoUp();
    void GoDown();
    void CarregarIdioma(const QString& languageName);
    void retranslate();
    void describeControls();

    void Form_Load();
    void Form_Unload();
    void cboLang_Click(int index);
    void cboProfile_Click(int index);
    void cmbNew_Click();
    void cmbSave_Click();
    void cmbDelete_Click();
    void cmbPath_Click();
    void cmbAdd_Click();
    void cmbDelSel_Click();
    void cmbUpdate_Click();
    void cmbUse_Click();
    void cmbUnload_Click();
    void cmbAbout_Click();

    void txtIP_Change(const QString& text);
    void lstAlias_ItemChanged(QTreeWidgetItem* item, int column);

    void ListProfiles();
    bool loadProfile(const QString& name);
    void clearProfile();
    void selectProfile(const QString& name);
    void showRows();
    void showProfileState();
    bool mayDropUnsavedChanges(UnsavedAction action);
    bool saveShownProfile();
    void reportRecordFailure(const FileFailure& failure);
    void refuse(ShownProfile::Refusal refusal, const std::string& field);
    QString why(const FileFailure& failure) const;
    void report(const MessageText& message);

    suite::Dialogs& dialogs_;
    ProfileStore store_;
    Language language_ = Language::English;
    ShownProfile shown_;
    std::string appliedProfile_;

    QGroupBox* Frame1_ = nullptr;
    QLineEdit* txtPath_ = nullptr;
    QPushButton* cmbPath_ = nullptr;
    QGroupBox* Frame2_ = nullptr;
    QLabel* Label4_ = nullptr;
    QComboBox* cboLang_ = nullptr;
    QGroupBox* Frame3_ = nullptr;
    QLabel* Label2_ = nullptr;
    QComboBox* cboProfile_ = nullptr;
    QPushButton* cmbNew_ = nullptr;
    QPushButton* cmbDelete_ = nullptr;
    QLabel* lblShown_ = nullptr;
    QLabel* lblApplied_ = nullptr;
    QGroupBox* fraAlias_ = nullptr;
    QLabel* Label1_ = nullptr;
    QLineEdit* txtIP_ = nullptr;
    QLabel* Label3_ = nullptr;
    QLineEdit* txtFriend_ = nullptr;
    QTreeWidget* lstAlias_ = nullptr;
    QPushButton* cmbAdd_ = nullptr;
    QPushButton* cmbDelSel_ = nullptr;
    QPushButton* cmbUpdate_ = nullptr;
    QPushButton* cmbSave_ = nullptr;
    QPushButton* cmbUse_ = nullptr;
    QPushButton* cmbUnload_ = nullptr;
    QPushButton* cmbAbout_ = nullptr;
};

} // namespace aliasmith
