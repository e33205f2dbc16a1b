#pragma once

#include "pivotel/core/sprite.h"

#include <QString>
#include <QWidget>

#include <array>
#include <optional>

class QDragEnterEvent;
class QDropEvent;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace suite {
class Dialogs;
}

namespace pivotel {

class SpritePreview;
class Workshop;

// The one window: pick a sprite, read its orientation type, choose another
// and write the file back; the sprite's frames are shown beside.
class Form1 : public QWidget {
    Q_OBJECT

public:
    explicit Form1(suite::Dialogs& dialogs, QWidget* parent = nullptr);
    ~Form1() override;

    // Puts `path` in the path box and reads it as "Get Sprite Info" does.
    void openFile(const QString& path);
    // The workshop window, made on first use.
    Workshop* workshop();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildControls();
    // Every text in the language of the moment.
    void retranslate();
    void showTypeText();
    void describe(int option);

    void cmbPath_Click();
    void cmbGet_Click();
    void cmbSave_Click();
    void cmbSaveAs_Click();
    void cmbAbout_Click();
    void cmbWorkshop_Click();
    void Frame2_MouseMove();
    void Option1_MouseMove();
    void Option2_MouseMove();
    void Option3_MouseMove();
    void Option4_MouseMove();
    void Option5_MouseMove();

    void EnableAll();
    void CheckSprite();
    void showType(std::uint8_t type);
    // No option selected and no type text, as before anything was read.
    void clearType();
    // The refusal message when nothing may be saved, or an empty text.
    QString saveRefusal(bool toFileRead) const;
    void writeTo(const QString& path);

    suite::Dialogs& dialogs_;

    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QGroupBox* Frame3 = nullptr;
    QLineEdit* txtPath = nullptr;
    QPushButton* cmbPath = nullptr;
    QPushButton* cmbGet = nullptr;
    std::array<QRadioButton*, kOrientations.size()> options_{};
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* cmbSave = nullptr;
    QPushButton* cmbSaveAs = nullptr;
    QPushButton* cmbAbout = nullptr;
    QPushButton* cmbWorkshop = nullptr;
    QPushButton* cmbLanguage = nullptr;
    Workshop* workshop_ = nullptr;
    SpritePreview* preview_ = nullptr;

    // The file last read whole; empty before the first read and after a
    // failed one, so that no save can put one file's bytes over another.
    // It may hold a file that is not a sprite, which is shown but never
    // written.
    std::optional<Sprite> sprite_;
    // The path box's text when `sprite_` was read: the file "Save" writes.
    QString spritePath_;
    QString saveAsPath_;
    // What the type label and the description show, to word again when the
    // language changes.
    std::optional<std::size_t> typeShown_;
    bool notSprite_ = false;
    int description_ = -1;
};

} // namespace pivotel
