#pragma once

#include "texpeek/core/compare.h"
#include "texpeek/core/pixels.h"

#include <QImage>
#include <QWidget>

#include <memory>

class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;

namespace texpeek {

// Two decoded pictures side by side, or one over the other to flip between,
// or their difference, with the largest error and the PSNR: what a texture
// artist looks at after re-compressing a texture.
class CompareWindow final : public QWidget {
    Q_OBJECT

public:
    enum class Mode { SideBySide, Over, Difference };

    // `first` and `second` as shown in the main window (their reading
    // applied); alpha is compared when either has it.
    CompareWindow(const QString& firstName, std::shared_ptr<const ImageGrid> first,
                  const QString& secondName, std::shared_ptr<const ImageGrid> second,
                  bool withAlpha, QWidget* parent = nullptr);

    void setMode(Mode mode);
    // One over the other: shows the other picture.
    void swapPictures();
    // The picture in the first (or only) place, as shown.
    QImage shownImage() const;

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void showPictures();

    std::shared_ptr<const ImageGrid> first_;
    std::shared_ptr<const ImageGrid> second_;
    QString firstName_;
    QString secondName_;
    bool sameSides_ = false;
    bool withAlpha_ = false;
    Comparison comparison_;
    Mode mode_ = Mode::SideBySide;
    bool secondOnTop_ = false;
    QImage firstImage_;
    QImage secondImage_;
    QImage difference_;

    QComboBox* cboModo_ = nullptr;
    QPushButton* cmdTrocar_ = nullptr;
    QLabel* lblMostrando_ = nullptr;
    QLabel* lblMaiorErro_ = nullptr;
    QLabel* lblPsnr_ = nullptr;
    QLabel* lblDiferentes_ = nullptr;
    QScrollArea* scrollA_ = nullptr;
    QScrollArea* scrollB_ = nullptr;
    QLabel* picA_ = nullptr;
    QLabel* picB_ = nullptr;
};

} // namespace texpeek
