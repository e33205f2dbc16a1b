#pragma once

#include "pivotel/core/render_mode.h"
#include "pivotel/core/sprite_builder.h"
#include "pivotel/core/sprite_model.h"

#include <QFutureWatcher>
#include <QImage>
#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTimer;

namespace suite {
class Dialogs;
}

namespace pivotel {

class RenderView;

// The sprite workshop: frames taken from a sprite or from pictures, put in
// order, given origins, a type and a texture format, previewed as the game
// draws them, and saved as a sprite or exported as a frames folder.
class Workshop : public QWidget {
    Q_OBJECT

public:
    explicit Workshop(suite::Dialogs& dialogs, QWidget* parent = nullptr);

    // Starts from the frames of a sprite that was read.
    void loadSprite(const SpriteModel& sprite);
    // The sprite as it stands, or nothing when the frames cannot make one.
    const std::optional<SpriteModel>& sprite() const { return built_; }
    // True while the frames are being indexed after a change; sprite() is
    // empty until spriteReady().
    bool isBuilding() const { return building_; }

signals:
    void spriteReady();

private:
    struct BuildOutcome {
        std::optional<SpriteModel> sprite;
        std::string error;
        PaletteNote note;
        int generation = 0;
    };

    struct WorkFrame {
        SourcePicture picture;
        std::int32_t originX = 0;
        std::int32_t originY = 0;
        std::optional<std::int32_t> group;
        std::uint32_t intervalBits = 0;
    };

    void buildControls();
    // Every text in the language of the moment.
    void retranslate();
    void changeEvent(QEvent* event) override;
    // The palette line, worded again when the language changes.
    void showPalette(std::function<QString()> text);
    void cmbAddPictures_Click();
    void cmbUp_Click();
    void cmbDown_Click();
    void cmbDelete_Click();
    void cmbSaveSprite_Click();
    void cmbExportFrames_Click();
    void exportOne(int kind);
    void cmbBackground_Click();
    void lstFrames_Changed();
    void origin_Changed();
    void tmrAnimate_Timer();

    void moveFrame(int from, int to);
    // Indexes the frames again under the chosen type and format.
    void rebuild();
    void builder_Finished();
    void enableOutputs();
    void refreshList(int select);
    void refreshPreview();
    void dragOrigin(int dx, int dy);

    suite::Dialogs& dialogs_;
    std::vector<WorkFrame> frames_;
    // The header of the sprite the frames came from, kept so that an
    // unchanged sprite saves as it was read.
    std::optional<SpriteModel> header_;
    std::optional<SpriteModel> built_;
    // Frames were added or deleted since the header was read, so its
    // largest size and radius must be worked out again.
    bool refit_ = false;
    // Each change asks for a new build; only the latest one's answer counts.
    int generation_ = 0;
    bool building_ = false;
    QFutureWatcher<BuildOutcome>* builder_ = nullptr;
    int shown_ = 0;

    std::function<QString()> paletteText_;
    QGroupBox* framesBox_ = nullptr;
    QGroupBox* spriteBox_ = nullptr;
    QGroupBox* renderBox_ = nullptr;
    QLabel* lblOrigin_ = nullptr;
    QFormLayout* spriteForm_ = nullptr;
    QFormLayout* renderForm_ = nullptr;

    QListWidget* lstFrames = nullptr;
    QPushButton* cmbAddPictures = nullptr;
    QPushButton* cmbUp = nullptr;
    QPushButton* cmbDown = nullptr;
    QPushButton* cmbDelete = nullptr;
    QSpinBox* txtOriginX = nullptr;
    QSpinBox* txtOriginY = nullptr;
    QComboBox* cboType = nullptr;
    QComboBox* cboFormat = nullptr;
    QSpinBox* txtQuality = nullptr;
    QSpinBox* txtDither = nullptr;
    QLabel* lblPalette = nullptr;
    QComboBox* cboRenderMode = nullptr;
    QSpinBox* txtRenderAmount = nullptr;
    QSpinBox* txtRenderRed = nullptr;
    QSpinBox* txtRenderGreen = nullptr;
    QSpinBox* txtRenderBlue = nullptr;
    QComboBox* cboBackground = nullptr;
    QPushButton* cmbBackground = nullptr;
    QCheckBox* chkAnimate = nullptr;
    QLabel* lblRenderWarning = nullptr;
    RenderView* preview = nullptr;
    QPushButton* cmbSaveSprite = nullptr;
    QPushButton* cmbExportFrames = nullptr;
    QPushButton* cmbExportSheet = nullptr;
    QPushButton* cmbExportGif = nullptr;
    QPushButton* cmbExportApng = nullptr;
    QTimer* tmrAnimate = nullptr;
    QImage backgroundPicture_;
};

// The preview area: the frame drawn as the game would over a background,
// with the entity's position at its centre; dragging moves the origin.
class RenderView : public QWidget {
    Q_OBJECT

public:
    explicit RenderView(QWidget* parent = nullptr);
    void setImage(const QImage& image);
    QSize sizeHint() const override { return {320, 240}; }

signals:
    void dragged(int dx, int dy);
    void resized();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QImage image_;
    QPoint last_;
};

// The frame over the background as the game blends it, `size` large, the
// entity's position at the centre.
QImage renderFrame(const SpriteModel& sprite, const SpritePicture& picture, RenderMode mode,
                   int amount, const Rgb& colour, const QImage& background, QSize size);

} // namespace pivotel
