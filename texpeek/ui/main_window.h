#pragma once

#include "common/ui/dialogs.h"
#include "core/dds_header.h"
#include "core/pixels.h"

#include <QMainWindow>
#include <QPointF>

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>

class QAction;
class QIcon;
class QLabel;
class QListWidget;
class QMenu;
class QProgressBar;
class QScrollArea;
class QToolBar;

namespace texpeek {

class PictureArea;
class ProgressReporter;

// Texpeek's one window: opens a DDS file, reports its header, and shows its
// image in colour or as its alpha channel at several zoom steps.
class MainWindow final : public QMainWindow {
    Q_OBJECT

public:
    MainWindow(const QString& programDir, suite::Dialogs& dialogs, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The commands, as the menus and the toolbar run them.
    void Abrir();
    // Opens `path` as if the user had chosen it with "Abrir".
    void openFile(const QString& path);
    void Fechar();
    void showRGB();
    void showAlpha();
    void ZoomIn(std::int16_t factor);
    void ZoomOut(std::int16_t factor);
    void Sobre();

    // Toolbar positions 1 to 10; 3, 6 and 9 run nothing.
    void tb_ButtonClick(int position);
    QAction* toolbarButton(int position) const;

    std::int16_t cellSize() const { return cellSize_; }

private:
    enum class Command { Close, ZoomIn, ZoomOut, Colour, Alpha };

    void buildMenus();
    void buildToolbar();
    void buildBody();
    void Limpar();
    void setCommandEnabled(Command command, bool enabled);
    void openSteps(const QString& path);
    void drawView(ChannelView view, bool reportProgress);
    void writeSummary();
    QPointF visibleCentre() const;
    void scrollToCentre(QPointF centre);

    QString programDir_;
    suite::Dialogs& dialogs_;

    QString openedPath_;
    DdsHeader header_;
    std::optional<ImageGrid> grid_;
    std::int16_t cellSize_ = 15;
    // The view image last built and which view it is, so that a zoom step in
    // the view already built only changes the scale.
    QImage view_;
    std::optional<ChannelView> viewKind_;

    std::map<QString, QIcon> img_;
    std::array<QAction*, 11> tbButtons_{};
    QToolBar* tb_ = nullptr;

    QMenu* menArq_ = nullptr;
    QAction* menAbrir_ = nullptr;
    QAction* menFechar_ = nullptr;
    QAction* menSair_ = nullptr;
    QMenu* menExibir_ = nullptr;
    QAction* menRGB_ = nullptr;
    QAction* menAlpha_ = nullptr;
    QAction* menZoomPlus_ = nullptr;
    QAction* menZoomMinus_ = nullptr;
    QMenu* menAjuda_ = nullptr;
    QAction* menSobre_ = nullptr;

    QLabel* lblAltura_ = nullptr;
    QLabel* lblLargura_ = nullptr;
    QLabel* lblFormato_ = nullptr;
    QLabel* lblTamanho_ = nullptr;
    QLabel* lblBits_ = nullptr;
    QListWidget* List1_ = nullptr;
    QLabel* lblArquivo_ = nullptr;
    QLabel* lblPercent_ = nullptr;
    QProgressBar* pb_ = nullptr;
    QScrollArea* picScroll_ = nullptr;
    PictureArea* Pic_ = nullptr;
    std::unique_ptr<ProgressReporter> progress_;
};

} // namespace texpeek
